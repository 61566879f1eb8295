// The plot's translation list: pairs of a source text and its replacement.
// Before the plot shows one of its fixed texts (menu captions such as
// "Edit...", window texts) it asks FindReplacement, which answers the
// replacement of the newest entry whose source equals the text exactly
// (case-sensitive), or the text itself.
//
// Entries are TwPlotTranslationObject. An entry announces itself through its
// insertion hook when created and through its removal hook when destroyed;
// the plot's master manager routes both to the translation manager, which
// puts a new entry at the front of its list (so the list runs newest first)
// and drops a destroyed one. The manager frees its entries in Delete, Clear
// and its destructor.
//
// Files: one entry per line, the source text, a tab, the replacement (which
// may hold further tabs); UTF-8 with CR LF line ends. SaveToFile writes the
// list in its order; LoadFromFile reads the whole file first, then clears the
// list and adds the lines in file order, so after a load the list runs in
// reverse file order. A line without a tab (an empty line too) ends the load
// with "Error Loading Data - Invalid Format - Tab Deliminator Missing",
// keeping the entries before it; a final line break adds no entry.
#pragma once

#include <QString>

#include <vector>

#include "plot/wPlotObjects.h"

class TwPlotTranslationObject : public TwPersistent {
 public:
  // Both strings "Unknown"; then AOnInsert(this).
  TwPlotTranslationObject(TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove);
  // AOnRemove(this) first.
  ~TwPlotTranslationObject() override;
  TwPlotTranslationObject(const TwPlotTranslationObject&) = delete;
  TwPlotTranslationObject& operator=(const TwPlotTranslationObject&) = delete;

  QString OriginalString() const { return FOriginalString; }
  void SetOriginalString(const QString& Value) { FOriginalString = Value; }
  QString ReplacementString() const { return FReplacementString; }
  void SetReplacementString(const QString& Value) { FReplacementString = Value; }

 private:
  QString FOriginalString = QStringLiteral("Unknown");
  QString FReplacementString = QStringLiteral("Unknown");
  TwNotifyEvent FOnInsert, FOnRemove;
};

class TwPlotTranslationManager : public TwPersistent {
 public:
  // Both hooks are required ("OnInsert event handler can not be null",
  // "OnRemove event handler can not be null"); then AOnInsert(this).
  TwPlotTranslationManager(TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove);
  // Clear, then AOnRemove(this).
  ~TwPlotTranslationManager() override;
  TwPlotTranslationManager(const TwPlotTranslationManager&) = delete;
  TwPlotTranslationManager& operator=(const TwPlotTranslationManager&) = delete;

  int Count() const { return int(FList.size()); }
  // Throws std::out_of_range("List index out of bounds (n)").
  TwPlotTranslationObject* GetObject(int Index) const;

  // A new entry with the manager's hooks (it enters the list through them).
  TwPlotTranslationObject* CreateObject();
  // CreateObject; the new entry's index.
  int Add();
  // Frees entry Index.
  void Delete(int Index);
  void Clear();

  void NotificationInsert(TwPersistent* Sender);
  void NotificationRemove(TwPersistent* Sender);

  QString FindReplacement(const QString& OriginalString) const;
  // Whether the plot streams the list (Count > 0).
  bool DoWriteToStream() const { return Count() > 0; }

  // Errors: TwException "Error Saving Translation Data - " or "Error Loading
  // Data - " followed by the cause.
  void SaveToFile(const QString& FileName) const;
  void LoadFromFile(const QString& FileName);

 private:
  std::vector<TwPlotTranslationObject*> FList;
  TwNotifyEvent FOnInsert, FOnRemove;
};

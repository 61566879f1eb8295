// TExHintInfo: the contents of a rich hint (a title, lines of notes, a picture
// and a help flag). Controls own one; it is never shown by itself. A hint
// info with no title and no notes is empty, whatever its picture.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "controls/GDIPicture.h"

class TExHintInfo : public QObject {
  Q_OBJECT
 public:
  explicit TExHintInfo(QObject* parent = nullptr) : QObject(parent) {}

  // From another hint info: title, notes, help flag, picture, wide title and
  // wide notes. Any other source changes nothing.
  void Assign(const QObject* source);
  bool IsEmpty() const { return FTitle.isEmpty() && FNotes.isEmpty(); }

  TGDIPPicture* Picture() { return &FPicture; }
  const TGDIPPicture* Picture() const { return &FPicture; }
  void SetPicture(const TGDIPPicture* v) { FPicture.Assign(v); }
  bool ShowHelp() const { return FShowHelp; }
  void SetShowHelp(bool v) { FShowHelp = v; }
  const QStringList& Notes() const { return FNotes; }
  void SetNotes(const QStringList& v) { FNotes = v; }
  const QString& Title() const { return FTitle; }
  void SetTitle(const QString& v) { FTitle = v; }
  const QString& WideTitle() const { return FWideTitle; }
  void SetWideTitle(const QString& v) { FWideTitle = v; }
  const QString& WideNotes() const { return FWideNotes; }
  void SetWideNotes(const QString& v) { FWideNotes = v; }

 private:
  TGDIPPicture FPicture;
  bool FShowHelp = false;
  QStringList FNotes;
  QString FTitle;
  QString FWideTitle;
  QString FWideNotes;
};

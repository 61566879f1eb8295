// TwWinComponent: the layer of TwComponent that needs the window system:
// the lock around paints and exports, a private timer, transparency, the
// wheel, bounds, painting into a caller's painter, and image export.
// TwCustomComponent derives from it and adds nothing; controls derive from
// TwCustomComponent.
//
// - Lock/Unlock: a recursive mutex, taken by every paint, wPaintToDC and
//   export, so a thread feeding a control's data may lock it while it
//   changes the data. Not taken once the control is being destroyed.
// - TimerStart(FirstDelay, Interval): the first OnInternalTimer comes after
//   FirstDelay ms (or Interval when FirstDelay is 0), then every Interval
//   ms; nothing while a timer runs. TimerStop ends it.
// - Transparent: the parent shows wherever DoPaint draws nothing (Qt paints
//   the parent first; the off-screen image starts transparent). Exports of a
//   transparent control show BackGroundColor there.
// - SetBounds with the current bounds does nothing; other bounds, or a
//   resize by any other way, resize the cached background and make a
//   BackGroundChange.
// - Image export paints by DoPaint into a new image of Width x Height and
//   writes it: SaveImageToBitmap (BMP), SaveImageToMetaFile (an SVG file
//   titled "Tavrin"), SaveImageToJPEG and SaveImageToPNG, or returns the
//   bytes (GetBytesJPEG, GetBytesPNG, CreateJPEGImage). Compression is the
//   JPEG quality (1..100) or the PNG deflate level (0..9); a value out of
//   range raises "Compression must be in the range of 1-100" or "... of
//   0-9" before anything is painted or written. A file that cannot be
//   written raises TwException.
// - Item binding: each control owns a TwOPCItemManager (wOPCItem.h) whose
//   items bind its published properties to OPC items; incoming values reach
//   the properties through OPCNewData, the controls' own changes go out
//   through OPCOutputData. Without the binding library nothing binds.
// - Themes: the control's list of scheme categories (wThemes.h), loaded from
//   the theme files of its class and applied by property path.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QTimer>

#include <functional>
#include <memory>
#include <mutex>

#include "controls/wComponent.h"
#include "controls/wOPCItem.h"
#include "controls/wThemes.h"

class QPainter;
class TwXMLMemoryStream;

class TwWinComponent : public TwComponent {
  Q_OBJECT
 public:
  explicit TwWinComponent(QWidget* parent = nullptr);
  ~TwWinComponent() override;

  void Lock() override;
  void Unlock() override;

  bool TimerActive() override { return FTimerID != 0; }
  void TimerStart(int FirstDelay, int Interval) override;
  void TimerStop() override;

  // False, unless OnGetDesigning says otherwise.
  bool GetDesigning();

  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  void RepaintAll() override;

  // Paints the control by DoPaint onto Painter with its top-left corner at
  // (X, Y), clipped to its size, without the cached background; with
  // Transparent no background is drawn. Exceptions are swallowed.
  void wPaintToDC(QPainter& Painter, int X, int Y, bool Transparent);

  void SaveImageToMetaFile(const QString& FileName);
  void SaveImageToJPEG(const QString& FileName, int Compression, bool Progressive);
  void SaveImageToPNG(const QString& FileName, int Compression);
  QByteArray GetBytesJPEG(int Compression, bool Progressive);
  QByteArray GetBytesPNG(int Compression);
  // The compressed JPEG image, for the caller to keep.
  QByteArray CreateJPEGImage(int Compression, bool Progressive);

  platform::Handler OnInternalTimer;

  // ---- item binding (wOPCItem.h) ----
  // Each forwards to item Index of the control's item manager; an index
  // outside the list raises "List index out of bounds (n)". Without the
  // binding library the items do nothing (handle 0), and nothing raises.
  TwOPCItemManager& OPCItemManager() { return *FOPCItemManager; }
  int OPCAddItem();
  int OPCItemCount() const { return FOPCItemManager->GetCount(); }
  void OPCRemoveAllItems();
  void OPCDeleteItem(int Index);
  void OPCItemActivate(int Index);
  void OPCItemDeactivate(int Index);
  void OPCItemUpdateResume(int Index);
  void OPCItemUpdateSuspend(int Index);
  void OPCItemLoaded(int Index);
  void SetOPCItemData(int Index, const QVariant& Value);
  void SetOPCItemComputerName(int Index, const QString& Value);
  void SetOPCItemServerName(int Index, const QString& Value);
  void SetOPCItemItemName(int Index, const QString& Value);
  void SetOPCItemPropertyName(int Index, const QString& Value);
  void SetOPCItemAutoConnect(int Index, bool Value);
  void SetOPCItemUpdateRate(int Index, int Value);
  QString GetOPCItemComputerName(int Index) const;
  QString GetOPCItemServerName(int Index) const;
  QString GetOPCItemItemName(int Index) const;
  QString GetOPCItemPropertyName(int Index) const;
  bool GetOPCItemAutoConnect(int Index) const;
  int GetOPCItemUpdateRate(int Index) const;
  QVariant GetOPCItemData(int Index) const;
  quint16 GetOPCItemQuality(int Index) const;
  QDateTime GetOPCItemTimeStamp(int Index) const;

  // An incoming value of an item with a PropertyName: OnBeforeNewOPCData may
  // change it; a good one goes to OPCNewDataSpecial or else to the property
  // by SetPropertyValue, marked as incoming so that the change is not sent
  // back; then OnNewOPCData.
  void OPCNewData(TwOPCItem* Item);
  // Writes Value to every active item bound to PropertyName (ignoring case);
  // true when one was written. A change made by an incoming value sends
  // nothing (and ends the mark).
  bool OPCOutputData(const QString& PropertyName, const QVariant& Value) override;
  // The names the control sends besides its properties ("{MouseDown}").
  QStringList OPCSpecialList();

  std::function<void(QObject* Sender, int Index, QVariant& Data)> OnBeforeNewOPCData;
  std::function<void(QObject* Sender, int Index)> OnNewOPCData;

  // ---- themes (wThemes.h) ----
  // Clears the theme list, then reads the preset file and the user file of
  // the control's class when they exist; a category in both holds the
  // preset schemes first.
  void LoadThemes();
  void ClearThemes();
  // The preset and user theme folders, each ending in '/' unless empty.
  void GetThemePaths(QString& PresetPath, QString& UserPath);
  // Adds the stream's categories and schemes. A missing closing element
  // raises "Error Loading Scheme. XML File Malformed"; what was read stays.
  void LoadSchemeFile(TwXMLMemoryStream& Stream, TwSchemeKind Kind);
  // The index of the category of that name (ignoring case), made if new.
  int GetThemeCategory(const QString& Name);
  int GetThemeCategoryCount() const { return int(FThemeCategoryList.size()); }
  // An index outside the list raises "List index out of bounds (n)".
  QString GetThemeCategoryName(int CategoryIndex) const;
  int GetThemeCategorySchemeCount(int CategoryIndex) const;
  QString GetThemeCategorySchemeName(int CategoryIndex, int SchemeIndex) const;
  bool GetThemeCategorySchemeIsUser(int CategoryIndex, int SchemeIndex) const;
  // Sets every line of the scheme, in order, through SetPropertyValue.
  void ApplyScheme(int CategoryIndex, int SchemeIndex);
  // Name: the trimmed text before the first '='; Value: the text from two
  // characters after it. No '=' gives an empty name.
  static void SplitSchemeLine(const QString& Line, QString& Name, QString& Value);
  void SetPropertyValue(const TwPropertyObject& Object, const QString& Prefix, const QVariant& Value,
                        const QString& Path);

 protected:
  // Takes an incoming value itself instead of its property; false here.
  virtual bool OPCNewDataSpecial(const QString& PropertyName, const QVariant& Value);
  // Fills FOPCSpecialList; empty here.
  virtual void UpdateOPCSpecialList() {}
  QStringList FOPCSpecialList;

  void DrawBackGround(platform::Canvas& Canvas, platform::TColor Color) override;
  bool PaintsTransparent() const override { return FTransparent; }

  void resizeEvent(QResizeEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void ResizeBackGround();
  void TimerTick();

  bool FPaintDCTransparent = false;
  std::recursive_mutex FDataCriticalSection;
  bool FDestroying = false;
  bool FTransparent = false;
  QTimer FTimer;  // precise: never fires early
  int FTimerID = 0;
  bool FTimerFirstMessage = false;
  int FTimerInterval = 0;
  std::vector<TwThemeCategory> FThemeCategoryList;
  std::unique_ptr<TwOPCItemManager> FOPCItemManager;
  bool FOPCIncomingActive = false;
};

class TwCustomComponent : public TwWinComponent {
  Q_OBJECT
 public:
  using TwWinComponent::TwWinComponent;
};

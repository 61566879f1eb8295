// The settings objects of the splash screen (ExSplashScreen.h): the program
// information block with its two headings, the free items, the mini-markup
// list lines with their settings and rectangle, and the top-layer panels with
// their markup text. They hold settings, copy themselves (Assign) and ask the
// splash to repaint; the splash window draws them.
//
// Notification, as the splash relies on it:
// - A heading fires OnChange only when its Text changes; the program block
//   relays it. Other heading properties store plainly.
// - Free items and list lines store plainly. A list line's Refresh (and
//   EndUpdate at 0) fires its collection's OnChange; a free item's Refresh
//   invalidates the open splash window.
// - A collection of items or lines fires OnChange after Clear (the update that
//   concerns no item and leaves it empty), never for Add or Delete; deleting
//   an item reports its index through FOnDeleteItem before it goes.
// - Top-layer panels and their text ask the open splash window to repaint on
//   every change, on creation and on destruction.
#pragma once

#include <QString>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "controls/GDIPFill.h"
#include "controls/ZodOVOD.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

class TExSplashScreen;

enum TItemLocation { ilTopLeft, ilTopCenter, ilTopRight, ilBottomLeft, ilBottomCenter, ilBottomRight, ilCustom };
enum TExSplashScreenLocation {
  cpTopLeft, cpTopCenter, cpTopRight, cpCenterLeft, cpCenterCenter, cpCenterRight, cpBottomLeft, cpBottomCenter,
  cpBottomRight, cpCustom
};
// Where a top-layer panel sits in the window's inner rectangle.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TOnDeleteItemEvent = std::function<void(QObject* Sender, int Index)>;

// The program's name or version: a text drawn with a gradient, hatch or
// texture brush at a location of the window.
class TSplashHeadingText : public QObject {
  Q_OBJECT
 public:
  explicit TSplashHeadingText(QObject* parent = nullptr);
  void Assign(const TSplashHeadingText* source);

  const QString& Text() const { return FText; }
  void SetText(const QString& v);
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& v) { FFont = v; }
  TItemLocation Location() const { return FLocation; }
  void SetLocation(TItemLocation v) { FLocation = v; }
  int PosX() const { return FPosX; }
  void SetPosX(int v) { FPosX = v; }
  int PosY() const { return FPosY; }
  void SetPosY(int v) { FPosY = v; }
  // Degrees of a gtAngle gradient.
  int Angle() const { return FAngle; }
  void SetAngle(int v) { FAngle = v; }
  TExGradientType GradientType() const { return FGradientType; }
  void SetGradientType(TExGradientType v) { FGradientType = v; }
  platform::TColor ColorStart() const { return FColorStart; }
  void SetColorStart(platform::TColor v) { FColorStart = v; }
  platform::TColor ColorEnd() const { return FColorEnd; }
  void SetColorEnd(platform::TColor v) { FColorEnd = v; }
  int OpacityStart() const { return FOpacityStart; }
  void SetOpacityStart(int v) { FOpacityStart = v; }
  int OpacityEnd() const { return FOpacityEnd; }
  void SetOpacityEnd(int v) { FOpacityEnd = v; }
  int HatchStyle() const { return FHatchStyle; }
  void SetHatchStyle(int v) { FHatchStyle = v; }
  // The texture of gtTexture.
  TZodOVODPicture* Picture() { return &FPicture; }
  void SetPicture(const TZodOVODPicture* v) { FPicture.Assign(v); }

  TNotifyEvent OnChange;

 private:
  QString FText;
  platform::TFont FFont;
  TItemLocation FLocation = ilTopLeft;
  int FPosX = 10, FPosY = 100, FAngle = 0;
  TExGradientType FGradientType = gtVertical;
  platform::TColor FColorStart = 0, FColorEnd = platform::clNone;
  int FOpacityStart = 255, FOpacityEnd = 255;
  int FHatchStyle = HatchStyleHorizontal;
  TZodOVODPicture FPicture;
};

// Name, version and copyright of the program. AutoLoad lets the splash fill
// the texts from the executable's version information.
class TBasicProgramInfo : public QObject {
  Q_OBJECT
 public:
  explicit TBasicProgramInfo(QObject* parent = nullptr);
  void Assign(const TBasicProgramInfo* source);

  bool AutoLoad() const { return FAutoLoad; }
  void SetAutoLoad(bool v) { FAutoLoad = v; }
  TSplashHeadingText* ProgramName() { return &FProgramName; }
  void SetProgramName(const TSplashHeadingText* v) { FProgramName.Assign(v); }
  TSplashHeadingText* ProgramVersion() { return &FProgramVersion; }
  void SetProgramVersion(const TSplashHeadingText* v) { FProgramVersion.Assign(v); }
  const QString& CopyRight() const { return FCopyRight; }
  void SetCopyRight(const QString& v) { FCopyRight = v; }
  const platform::TFont& CopyRightFont() const { return FCopyRightFont; }
  void SetCopyRightFont(const platform::TFont& v) { FCopyRightFont = v; }
  TItemLocation CopyRightLocation() const { return FCopyRightLocation; }
  void SetCopyRightLocation(TItemLocation v) { FCopyRightLocation = v; }
  int CopyRightPosX() const { return FCopyRightPosX; }
  void SetCopyRightPosX(int v) { FCopyRightPosX = v; }
  int CopyRightPosY() const { return FCopyRightPosY; }
  void SetCopyRightPosY(int v) { FCopyRightPosY = v; }

  TNotifyEvent OnChange;

 private:
  bool FAutoLoad = true;
  TSplashHeadingText FProgramName, FProgramVersion;
  QString FCopyRight;
  platform::TFont FCopyRightFont;
  TItemLocation FCopyRightLocation = ilTopLeft;
  int FCopyRightPosX = 10, FCopyRightPosY = 130;
};

class TSplashItems;
class TSplashListItems;

// A free item: a picture or an image of the splash's image list, then a text.
class TSplashItem : public QObject {
  Q_OBJECT
 public:
  explicit TSplashItem(TSplashItems* collection);
  ~TSplashItem() override;
  void Assign(const TSplashItem* source);

  TSplashItems* Collection() const { return FCollection; }
  int Index() const;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // Invalidates the open splash window.
  void Refresh();

  const QString& Text() const { return FText; }
  void SetText(const QString& v) { FText = v; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v) { FImageIndex = v; }
  int Tag() const { return FTag; }
  void SetTag(int v) { FTag = v; }
  TZodOVODPicture* Picture() { return &FPicture; }
  void SetPicture(const TZodOVODPicture* v) { FPicture.Assign(v); }
  int PosX() const { return FPosX; }
  void SetPosX(int v) { FPosX = v; }
  int PosY() const { return FPosY; }
  void SetPosY(int v) { FPosY = v; }
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& v) { FFont = v; }
  bool Visible() const { return FVisible; }

 private:
  friend class TSplashItems;
  TSplashItems* FCollection;
  QString FText;
  int FImageIndex = -1, FTag = 0;
  TZodOVODPicture FPicture;
  int FPosX = 80, FPosY = 130;
  platform::TFont FFont;
  bool FVisible = true;
  int FUpdateCount = 0;
};

// One line (or more) of mini-markup in the splash's list.
class TSplashListItem : public QObject {
  Q_OBJECT
 public:
  explicit TSplashListItem(TSplashListItems* collection);
  ~TSplashListItem() override;
  void Assign(const TSplashListItem* source);

  TSplashListItems* Collection() const { return FCollection; }
  int Index() const;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // Fires the collection's OnChange, so the splash refreshes.
  void Refresh();

  const QString& HTMLText() const { return FHTMLText; }
  void SetHTMLText(const QString& v) { FHTMLText = v; }
  int Tag() const { return FTag; }
  void SetTag(int v) { FTag = v; }
  int ImageIndex() const { return FImageIndex; }
  // Where the window's list layout put the line; all -1 while hidden.
  const platform::TRect& DisplayRect() const { return FDisplayRect; }
  void SetDisplayRect(const platform::TRect& v) { FDisplayRect = v; }

 private:
  TSplashListItems* FCollection;
  QString FHTMLText;
  int FTag = 0, FImageIndex = -1;
  platform::TRect FDisplayRect{-1, -1, -1, -1};
  int FUpdateCount = 0;
};

// An owned, ordered list of items of one class.
template <class Item, class Self>
class TSplashCollection : public QObject {
 public:
  explicit TSplashCollection(TExSplashScreen* owner) : FOwner(owner) {}
  ~TSplashCollection() override { Destroying = true; while (!FItems.empty()) FItems.pop_back(); }

  TExSplashScreen* GetOwner() const { return FOwner; }
  int Count() const { return int(FItems.size()); }
  Item* Items(int index) const { return index >= 0 && index < Count() ? FItems[size_t(index)].get() : nullptr; }
  int IndexOf(const Item* item) const {
    for (int i = 0; i < Count(); ++i)
      if (FItems[size_t(i)].get() == item) return i;
    return -1;
  }
  Item* Add() { return Insert(Count()); }
  // A new item at index (clamped to 0..Count).
  Item* Insert(int index) {
    index = std::clamp(index, 0, Count());
    auto item = std::make_unique<Item>(static_cast<Self*>(this));
    Item* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    return raw;
  }
  // Frees the item at index, reporting the index first.
  void Delete(int index) {
    if (index < 0 || index >= Count()) return;
    if (FOnDeleteItem) FOnDeleteItem(this, index);
    std::unique_ptr<Item> doomed = std::move(FItems[size_t(index)]);
    FItems.erase(FItems.begin() + index);
  }
  // Frees every item, then fires OnChange.
  void Clear() {
    while (!FItems.empty()) Delete(Count() - 1);
    if (OnChange) OnChange(this);
  }
  void Assign(const Self* source) {
    if (!source || source == this) return;
    while (!FItems.empty()) Delete(Count() - 1);
    for (int i = 0; i < source->Count(); ++i) Add()->Assign(source->Items(i));
  }

  TNotifyEvent OnChange;
  TOnDeleteItemEvent FOnDeleteItem;
  bool Destroying = false;

 private:
  TExSplashScreen* FOwner;
  std::vector<std::unique_ptr<Item>> FItems;
};

class TSplashItems : public TSplashCollection<TSplashItem, TSplashItems> {
 public:
  using TSplashCollection::TSplashCollection;
};

class TSplashListItems : public TSplashCollection<TSplashListItem, TSplashListItems> {
 public:
  using TSplashCollection::TSplashCollection;
};

// The list's rectangle in window coordinates.
class TListItemsRect : public QObject {
  Q_OBJECT
 public:
  explicit TListItemsRect(QObject* parent = nullptr) : QObject(parent) {}
  void Assign(const TListItemsRect* source);
  platform::TRect GetRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }

  int Left() const { return FLeft; }
  void SetLeft(int v) { FLeft = v; }
  int Top() const { return FTop; }
  void SetTop(int v) { FTop = v; }
  int Width() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  int Height() const { return FHeight; }
  void SetHeight(int v) { FHeight = v; }

  TNotifyEvent OnChange;

 private:
  int FLeft = 30, FTop = 150, FWidth = 300, FHeight = 200;
};

// How the list lines are laid out and drawn.
class TSplashListItemsSettings : public QObject {
  Q_OBJECT
 public:
  explicit TSplashListItemsSettings(QObject* parent = nullptr);
  void Assign(const TSplashListItemsSettings* source);

  TListItemsRect* Rect() { return &FRect; }
  const TListItemsRect* Rect() const { return &FRect; }
  void SetRect(const TListItemsRect* v) { FRect.Assign(v); }
  // Pixels between list lines.
  int Space() const { return FSpace; }
  void SetSpace(int v) { FSpace = v; }
  const platform::TFont& HTMLFont() const { return FHTMLFont; }
  void SetHTMLFont(const platform::TFont& v) { FHTMLFont = v; }
  platform::TColor HTMLURLColor() const { return FHTMLURLColor; }
  void SetHTMLURLColor(platform::TColor v) { FHTMLURLColor = v; }
  platform::TColor HTMLShadowColor() const { return FHTMLShadowColor; }
  void SetHTMLShadowColor(platform::TColor v) { FHTMLShadowColor = v; }
  int HTMLShadowOffset() const { return FHTMLShadowOffset; }
  void SetHTMLShadowOffset(int v) { FHTMLShadowOffset = v; }

  TNotifyEvent OnChange;

 private:
  TListItemsRect FRect;
  int FSpace = 8;
  platform::TFont FHTMLFont;
  platform::TColor FHTMLURLColor = platform::clBlue, FHTMLShadowColor = platform::clGray;
  int FHTMLShadowOffset = 5;
};

// The markup text of a top-layer panel and where it sits in the panel.
class TExSplashHTMLText : public QObject {
  Q_OBJECT
 public:
  explicit TExSplashHTMLText(TExSplashScreen* owner);
  // Copies from another text object; other sources are ignored.
  void Assign(const TExSplashHTMLText* source);

  const QString& Text() const { return FText; }
  void SetText(const QString& v) { Store(FText, v); }
  TExSplashScreenLocation Location() const { return FLocation; }
  void SetLocation(TExSplashScreenLocation v) { Store(FLocation, v); }
  // Position in window coordinates with cpCustom.
  int Top() const { return FTop; }
  void SetTop(int v) { Store(FTop, v); }
  int Left() const { return FLeft; }
  void SetLeft(int v) { Store(FLeft, v); }
  platform::TColor URLColor() const { return FURLColor; }
  void SetURLColor(platform::TColor v) { Store(FURLColor, v); }
  platform::TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(platform::TColor v) { Store(FShadowColor, v); }
  int ShadowOffset() const { return FShadowOffset; }
  void SetShadowOffset(int v) { Store(FShadowOffset, v); }
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& v) { Store(FFont, v); }
  // Forms store no location of cpCenterLeft.
  static constexpr TExSplashScreenLocation kStreamingDefaultLocation = cpCenterLeft;

  TNotifyEvent OnChange;
  bool FDisableRepaint = false;

 private:
  template <class T> void Store(T& field, const T& v) {
    if (field == v) return;
    field = v;
    Repaint();
  }
  void Repaint();

  TExSplashScreen* FOwner;
  QString FText;
  TExSplashScreenLocation FLocation = cpTopLeft;
  int FTop = 0, FLeft = 0;
  platform::TColor FURLColor = platform::clBlue, FShadowColor = platform::clGray;
  int FShadowOffset = 5;
  platform::TFont FFont;
};

class TExSplashTopLayerItems;

// A panel drawn over the rest of the splash: a fill and a markup text.
class TExSplashTopLayerItem : public QObject {
  Q_OBJECT
 public:
  explicit TExSplashTopLayerItem(TExSplashTopLayerItems* collection);
  ~TExSplashTopLayerItem() override;
  // Copies from another panel; other sources are ignored.
  void Assign(const TExSplashTopLayerItem* source);

  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { Store(FVisible, v); }
  int Top() const { return FTop; }
  void SetTop(int v) { Store(FTop, v); }
  int Left() const { return FLeft; }
  void SetLeft(int v) { Store(FLeft, v); }
  int Width() const { return FWidth; }
  void SetWidth(int v) { Store(FWidth, v); }
  int Height() const { return FHeight; }
  void SetHeight(int v) { Store(FHeight, v); }
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign v) { Store(FAlign, v); }
  TGDIPFill* Fill() { return &FFill; }
  void SetFill(const TGDIPFill* v) { FFill.Assign(v); }
  TExSplashHTMLText* HTMLText() { return &FHTMLText; }
  void SetHTMLText(const TExSplashHTMLText* v) { FHTMLText.Assign(v); }

 private:
  template <class T> void Store(T& field, const T& v) {
    if (field == v) return;
    field = v;
    Repaint();
  }
  void Repaint();
  TExSplashScreen* Splash() const;

  TExSplashTopLayerItems* FCollection;
  bool FVisible = true;
  int FTop = 0, FLeft = 0, FWidth = 100, FHeight = 100;
  TAlign FAlign = alCustom;
  TGDIPFill FFill;
  TExSplashHTMLText FHTMLText;
};

class TExSplashTopLayerItems : public TSplashCollection<TExSplashTopLayerItem, TExSplashTopLayerItems> {
 public:
  using TSplashCollection::TSplashCollection;
};

// Asks the open window of the splash to repaint (nothing when it is closed).
void SplashRequestRepaint(TExSplashScreen* splash);

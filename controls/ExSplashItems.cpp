#include "controls/ExSplashItems.h"

#include "controls/ExSplashScreen.h"

using namespace platform;

void SplashRequestRepaint(TExSplashScreen* splash) {
  if (splash) splash->InvalidateWindow();
}

// ---- Headings and the program block ----

TSplashHeadingText::TSplashHeadingText(QObject* parent) : QObject(parent) {
  FFont.Name = QStringLiteral("Tahoma");
}

void TSplashHeadingText::SetText(const QString& v) {
  if (FText == v) return;
  FText = v;
  if (OnChange) OnChange(this);
}

void TSplashHeadingText::Assign(const TSplashHeadingText* source) {
  if (!source || source == this) return;
  FAngle = source->FAngle;
  FOpacityEnd = source->FOpacityEnd;
  FOpacityStart = source->FOpacityStart;
  FPosY = source->FPosY;
  FPosX = source->FPosX;
  SetText(source->FText);
  FPicture.Assign(&source->FPicture);
  FGradientType = source->FGradientType;
  FColorEnd = source->FColorEnd;
  FColorStart = source->FColorStart;
  FFont = source->FFont;
  FHatchStyle = source->FHatchStyle;
  FLocation = source->FLocation;
}

TBasicProgramInfo::TBasicProgramInfo(QObject* parent) : QObject(parent) {
  TFont name = FProgramName.Font();
  name.SetSize(14);
  name.Style = fsBold;
  FProgramName.SetFont(name);
  TFont version = FProgramVersion.Font();
  version.SetSize(14);
  FProgramVersion.SetFont(version);
  FProgramVersion.SetPosX(80);
  FProgramVersion.SetPosY(100);
  auto relay = [this](QObject*) {
    if (OnChange) OnChange(this);
  };
  FProgramName.OnChange = relay;
  FProgramVersion.OnChange = relay;
}

void TBasicProgramInfo::Assign(const TBasicProgramInfo* source) {
  if (!source || source == this) return;
  FAutoLoad = source->FAutoLoad;
  FCopyRightFont = source->FCopyRightFont;
  FCopyRightLocation = source->FCopyRightLocation;
  FCopyRightPosX = source->FCopyRightPosX;
  FCopyRightPosY = source->FCopyRightPosY;
  FCopyRight = source->FCopyRight;
  FProgramName.Assign(&source->FProgramName);
  FProgramVersion.Assign(&source->FProgramVersion);
}

// ---- Free items ----

TSplashItem::TSplashItem(TSplashItems* collection) : FCollection(collection) {}

TSplashItem::~TSplashItem() = default;

int TSplashItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TSplashItem::Assign(const TSplashItem* source) {
  if (!source || source == this) return;
  FText = source->FText;
  FTag = source->FTag;
  FImageIndex = source->FImageIndex;
  FPicture.Assign(&source->FPicture);
  FPosX = source->FPosX;
  FPosY = source->FPosY;
  FFont = source->FFont;
}

void TSplashItem::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0) Refresh();
}

void TSplashItem::Refresh() {
  if (FCollection) SplashRequestRepaint(FCollection->GetOwner());
}

// ---- List lines ----

TSplashListItem::TSplashListItem(TSplashListItems* collection) : FCollection(collection) {}

TSplashListItem::~TSplashListItem() = default;

int TSplashListItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TSplashListItem::Assign(const TSplashListItem* source) {
  if (!source || source == this) return;
  FHTMLText = source->FHTMLText;
  FTag = source->FTag;
  FImageIndex = source->FImageIndex;
}

void TSplashListItem::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0) Refresh();
}

void TSplashListItem::Refresh() {
  if (FCollection && FCollection->OnChange) FCollection->OnChange(FCollection);
}

// ---- List settings ----

void TListItemsRect::Assign(const TListItemsRect* source) {
  if (!source || source == this) return;
  FLeft = source->FLeft;
  FTop = source->FTop;
  FWidth = source->FWidth;
  FHeight = source->FHeight;
}

TSplashListItemsSettings::TSplashListItemsSettings(QObject* parent) : QObject(parent) {
  FHTMLFont.Name = QStringLiteral("Tahoma");
}

void TSplashListItemsSettings::Assign(const TSplashListItemsSettings* source) {
  if (!source || source == this) return;
  FHTMLShadowColor = source->FHTMLShadowColor;
  FHTMLURLColor = source->FHTMLURLColor;
  FHTMLShadowOffset = source->FHTMLShadowOffset;
  FHTMLFont = source->FHTMLFont;
  FRect.Assign(&source->FRect);
  FSpace = source->FSpace;
}

// ---- Top-layer panels ----

TExSplashHTMLText::TExSplashHTMLText(TExSplashScreen* owner) : FOwner(owner) {}

void TExSplashHTMLText::Repaint() {
  if (!FDisableRepaint) SplashRequestRepaint(FOwner);
}

void TExSplashHTMLText::Assign(const TExSplashHTMLText* source) {
  if (!source || source == this) return;
  FText = source->FText;
  FURLColor = source->FURLColor;
  FShadowOffset = source->FShadowOffset;
  FFont = source->FFont;
  FShadowColor = source->FShadowColor;
  FLocation = source->FLocation;
  FLeft = source->FLeft;
  FTop = source->FTop;
  Repaint();
}

TExSplashTopLayerItem::TExSplashTopLayerItem(TExSplashTopLayerItems* collection)
    : FCollection(collection), FHTMLText(collection ? collection->GetOwner() : nullptr) {
  FFill.OnChange = [this](QObject*) { Repaint(); };
  Repaint();
}

TExSplashTopLayerItem::~TExSplashTopLayerItem() {
  if (FCollection && !FCollection->Destroying) Repaint();
}

TExSplashScreen* TExSplashTopLayerItem::Splash() const { return FCollection ? FCollection->GetOwner() : nullptr; }

void TExSplashTopLayerItem::Repaint() { SplashRequestRepaint(Splash()); }

void TExSplashTopLayerItem::Assign(const TExSplashTopLayerItem* source) {
  if (!source || source == this) return;
  FHTMLText.Assign(&source->FHTMLText);
  FVisible = source->FVisible;
  FTop = source->FTop;
  FLeft = source->FLeft;
  FHeight = source->FHeight;
  FWidth = source->FWidth;
  FFill.Assign(&source->FFill);
  FAlign = source->FAlign;
  Repaint();
}

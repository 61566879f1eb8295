#include "plot/wPlotLegend.h"

#include <algorithm>
#include <cmath>

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"

using platform::Canvas;
using platform::TRect;

namespace {
int Nearest(double v) { return int(std::nearbyint(v)); }
int CeilDiv(int a, int b) { return b > 0 ? (a + b - 1) / b : 0; }

QString ChannelTitle(const TwPlotChannelCustom* Channel) {
  return Channel->TitleText().trimmed().isEmpty() ? Channel->Name() : Channel->TitleText();
}
}  // namespace

TwPlotLegend::TwPlotLegend(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                           TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)) {
  FFont.Color = platform::clWhite;
  FSelectedItemFont.Color = platform::clBlack;
  FColumnTitlesFont.Color = platform::clAqua;
  FColumnTitlesFont.Style = platform::fsBold;
  SetHorizontal(false);
  FUpButton = std::make_unique<TwPlotLegendButton>(AOwner, true);
  FDownButton = std::make_unique<TwPlotLegendButton>(AOwner, false);
  for (TwPlotLegendButton* b : {FUpButton.get(), FDownButton.get()}) {
    b->SetVisible(false);
    b->OnClick = [this, b](TwPersistent*) { ButtonClick(b == FUpButton.get()); };
    b->OnInvalidate = [this](TwPersistent*) {
      if (OnInvalidateNow) OnInvalidateNow(this);
    };
  }
}

TwPlotLegend::~TwPlotLegend() = default;

void TwPlotLegend::SetFont(platform::TFont& Field, const platform::TFont& Value) {
  if (Field == Value) return;
  Field = Value;
  DoChange();
}

void TwPlotLegend::SetChannelNameColorStyle(TwPlotLegendChannelNameColorStyle Value) {
  if (Value == FChannelNameColorStyle) return;
  FChannelNameColorStyle = Value;
  DoChange();
}

// ---- cell texts ----

QString TwPlotLegend::AxisTitleText(TwPlotAxis* Axis) const {
  if (!Axis) return TranslateText(QStringLiteral("None"));
  return Axis->Title().trimmed().isEmpty() ? Axis->Name() : Axis->Title();
}

QString TwPlotLegend::XValueText(TwPlotChannelCustom* Channel) const {
  if (FCursorAllChannels) return Channel->DataCursorXText;
  if (Channel->Count() == 0) return TranslateText(QStringLiteral("Empty"));
  TwPlotAxis* axis = Channel->XAxis();
  if (!axis) return TranslateText(QStringLiteral("N/A"));
  return axis->GetLegendText(Channel->GetDataX(Channel->Count() - 1));
}

QString TwPlotLegend::YValueText(TwPlotChannelCustom* Channel) const {
  if (FCursorAllChannels) return Channel->DataCursorYText;
  if (Channel->Count() == 0) return TranslateText(QStringLiteral("Empty"));
  TwPlotAxis* axis = Channel->YAxis();
  if (!axis) return TranslateText(QStringLiteral("N/A"));
  return axis->GetLegendText(Channel->GetDataY(Channel->Count() - 1));
}

QString TwPlotLegend::StatisticText(TwPlotChannelCustom* Channel, TwStatistic Which) const {
  if (Channel->Count() == 0) return TranslateText(QStringLiteral("Empty"));
  TwPlotAxis* axis = Channel->YAxis();
  if (!axis) return TranslateText(QStringLiteral("N/A"));
  const double v = Which == isYMax   ? Channel->RunningYMax()
                   : Which == isYMin ? Channel->RunningYMin()
                                     : Channel->RunningYMean();
  return axis->GetLegendText(v);
}

bool TwPlotLegend::ColumnShown(TwColumn Column) const {
  switch (Column) {
    case icLine: return FShowColumnLine;
    case icMarker: return FShowColumnMarker;
    case icName: return true;
    case icXTitle: return FShowColumnXAxisTitle;
    case icYTitle: return FShowColumnYAxisTitle;
    case icXValue: return FShowColumnXValue || FCursorAllChannels;
    case icYValue: return FShowColumnYValue || FCursorAllChannels;
    case icYMax: return FShowColumnYMax;
    case icYMin: return FShowColumnYMin;
    case icYMean: return FShowColumnYMean;
    default: return false;
  }
}

QString TwPlotLegend::CellText(const TwPlotLegendItem& Item, TwColumn Column) const {
  TwPlotChannelCustom* c = Item.Channel;
  switch (Column) {
    case icName: return ChannelTitle(c);
    case icXTitle: return AxisTitleText(c->XAxis());
    case icYTitle: return AxisTitleText(c->YAxis());
    case icXValue: return XValueText(c);
    case icYValue: return YValueText(c);
    case icYMax: return StatisticText(c, isYMax);
    case icYMin: return StatisticText(c, isYMin);
    case icYMean: return StatisticText(c, isYMean);
    default: return {};
  }
}

// ---- layout ----

void TwPlotLegend::CalcColumnWidths(Canvas& Canvas, int CharWidth, int CharHeight) {
  for (int& w : FColumnWidth) w = 0;
  // Names: wrapped within ChannelNameMaxWidth, else one line in either font.
  if (FChannelNameMaxWidth != 0) {
    FColumnWidth[icName] = Nearest(CharWidth * FChannelNameMaxWidth);
    for (TwPlotLegendItem& item : FItems) {
      Canvas.Font = FFont;
      int h = TextHeightWrapped(Canvas, item.Channel->TitleText(), FColumnWidth[icName]);
      Canvas.Font = FSelectedItemFont;
      item.MaxHeight = std::max(h, TextHeightWrapped(Canvas, item.Channel->TitleText(), FColumnWidth[icName]));
    }
  } else {
    for (TwPlotLegendItem& item : FItems) {
      item.MaxHeight = CharHeight;
      for (const platform::TFont* font : {&FFont, &FSelectedItemFont}) {
        Canvas.Font = *font;
        FColumnWidth[icName] = std::max(FColumnWidth[icName], Canvas.TextWidth(ChannelTitle(item.Channel)));
      }
    }
  }
  FItemMaxHeight = 0;
  for (const TwPlotLegendItem& item : FItems) FItemMaxHeight = std::max(FItemMaxHeight, item.MaxHeight);

  if (FColumnTitlesVisible) {
    Canvas.Font = FColumnTitlesFont;
    FCaptionHeight = Canvas.TextHeight(QStringLiteral("0"));
    FCaptionMargin = FCaptionHeight / 4;
    const QString captions[icCount] = {{},
                                       {},
                                       FCaptionColumnTitle,
                                       FCaptionColumnXAxisTitle,
                                       FCaptionColumnYAxisTitle,
                                       FCaptionColumnXValue,
                                       FCaptionColumnYValue,
                                       FCaptionColumnYMax,
                                       FCaptionColumnYMin,
                                       FCaptionColumnYMean};
    for (int c = icName; c < icCount; ++c)
      if (ColumnShown(TwColumn(c)))
        FColumnWidth[c] = std::max(FColumnWidth[c], Canvas.TextWidth(TranslateText(captions[c])));
  }
  if (FShowColumnLine) FColumnWidth[icLine] = FLineColumnWidth + 3;
  if (FShowColumnMarker) FColumnWidth[icMarker] = FLineColumnWidth + 3;

  Canvas.Font = FFont;
  for (const TwPlotLegendItem& item : FItems) {
    TwPlotChannelCustom* c = item.Channel;
    for (TwColumn col : {icXTitle, icYTitle, icYMax, icYMin, icYMean})
      if (ColumnShown(col)) FColumnWidth[col] = std::max(FColumnWidth[col], Canvas.TextWidth(CellText(item, col)));
    for (TwColumn col : {icXValue, icYValue}) {
      if (!ColumnShown(col)) continue;
      TwPlotAxis* axis = col == icXValue ? static_cast<TwPlotAxis*>(c->XAxis()) : c->YAxis();
      int w = 0;
      if (FCursorAllChannels) {
        if (axis) w = axis->CursorMinWidth(Canvas, FFont);
        const QString& text = col == icXValue ? c->DataCursorXText : c->DataCursorYText;
        w = std::max(w, int(text.length()) * CharWidth);
      } else {
        if (axis) w = axis->LegendMinWidth(Canvas, FFont);
        Canvas.Font = FFont;
        w = std::max(w, Canvas.TextWidth(CellText(item, col)));
      }
      FColumnWidth[col] = std::max(FColumnWidth[col], w);
    }
  }
  int pos = 0;
  for (int c = 0; c < icCount; ++c) {
    FColumnStart[c] = pos;
    if (ColumnShown(TwColumn(c))) pos += FColumnWidth[c] + FColumnSpacingPixels;
  }
  FItemWidth = pos - FColumnSpacingPixels;
}

void TwPlotLegend::PlaceItems() {
  const int n = ItemCount();
  FWrapColLefts.assign(1, FInnerRect.Left);
  int row = 1, col = 1, y = FItemsRect.Top;
  FViewStopIndex = n - 1;
  for (int i = FViewStartIndex; i < n; ++i) {
    TwPlotLegendItem& item = FItems[i];
    item.ARow = row;
    item.ACol = col;
    item.ALeft = FWrapColLefts[col - 1];
    item.ATop = y;
    y += FItemMaxHeight + FRowSpacingPixels;
    ++row;
    if (row > FWrapRowCount && i != n - 1) {
      ++col;
      row = 1;
      y = FItemsRect.Top;
      if (col > FWrapColCount) {
        FViewStopIndex = i;
        break;
      }
      FWrapColLefts.push_back(FInnerRect.Left + (FItemWidth + FWrapSpacingPixels) * (col - 1));
    }
  }
}

void TwPlotLegend::CalcLayout(Canvas& Canvas) {
  Canvas.Font = FFont;
  const int cw = Canvas.TextWidth(QStringLiteral("0")), ch = Canvas.TextHeight(QStringLiteral("0"));
  FMarginTopPixels = Nearest(ch * FMarginTop);
  FMarginBottomPixels = Nearest(ch * FMarginBottom);
  FMarginLeftPixels = Nearest(cw * FMarginLeft);
  FMarginRightPixels = Nearest(cw * FMarginRight);
  FInnerRect = TRect{Left() + FMarginLeftPixels, Top() + FMarginTopPixels, Right() - FMarginRightPixels,
                     Bottom() - FMarginBottomPixels};
  FColumnSpacingPixels = Nearest(cw * FColumnSpacing);
  FRowSpacingPixels = Nearest(ch * FWrapRowSpacingMin);
  FWrapSpacingPixels = Nearest(ch * FWrapColSpacingMin);
  FItemHeight = ch;
  FItemMaxHeight = 0;
  FCaptionHeight = FCaptionMargin = 0;
  for (int c = 0; c < icCount; ++c) FColumnWidth[c] = FColumnStart[c] = 0;
  FItems.clear();
  for (int i = 0; i < Owner()->ChannelCount(); ++i) {
    TwPlotChannelCustom* channel = Owner()->GetChannelCustom(i);
    if (channel->VisibleInLegend()) FItems.push_back({channel});
  }
  const int n = ItemCount();
  // Margins only.
  FRequiredWidth = FMarginLeftPixels + FMarginRightPixels;
  FRequiredHeight = FMarginTopPixels + FMarginBottomPixels;
  FWrapColCount = FWrapRowCount = 0;
  if (n == 0) {
    FUpButton->SetVisible(false);
    FDownButton->SetVisible(false);
    FViewStartIndex = 0;
    FViewStopIndex = -1;
    return;
  }
  FViewStartIndex = std::clamp(FViewStartIndex, 0, n - 1);
  CalcColumnWidths(Canvas, cw, ch);
  FCaptionRect = TRect{FInnerRect.Left, FInnerRect.Top, FInnerRect.Right, FInnerRect.Top + FCaptionHeight};
  FItemsRect = TRect{FInnerRect.Left, FCaptionRect.Bottom + FCaptionMargin, FInnerRect.Right, FInnerRect.Bottom};

  // Fitting; every divisor is at least 1 (an item can be 0 wide).
  const int itemsWidth = FItemsRect.Width(), itemsHeight = FItemsRect.Height();
  const int rowsFit =
      std::max(1, (itemsHeight + FRowSpacingPixels) / std::max(1, FItemMaxHeight + FRowSpacingPixels));
  const int colDivisor = std::max(1, FItemWidth + FWrapSpacingPixels);
  const int colsFit = std::max(1, ((Horizontal() ? itemsWidth - 25 : itemsWidth) + FWrapSpacingPixels) / colDivisor);
  int C = FWrapColAutoCountEnabled ? FWrapColAutoCountMax : FWrapColDesiredCount;
  const int L = FWrapRowAutoCountEnabled ? FWrapRowAutoCountMax : FWrapRowDesiredCount;
  int R;
  if (Horizontal()) {
    C = std::min(C, colsFit);
    R = FWrapRowAutoCountEnabled ? CeilDiv(n, C) : L;
    R = std::min(R, L);
    if (R < 3 && R * C < n) R = 3;
    if (R <= 0) C = 0;
    else if (FWrapColAutoCountEnabled) C = std::min(C, CeilDiv(n, R));
  } else {
    if (FWrapColAutoCountEnabled) C = std::min(CeilDiv(n, rowsFit), FWrapColAutoCountMax);
    R = std::min({rowsFit, n, L});
    if (R < 3 && R * C < n) R = 3;
  }
  FWrapColCount = std::max(0, C);
  FWrapRowCount = std::max(0, R);
  PlaceItems();

  FRequiredWidth = FWrapColCount * FItemWidth + std::max(0, FWrapColCount - 1) * FWrapSpacingPixels +
                   FMarginLeftPixels + FMarginRightPixels;
  FRequiredHeight = FMarginTopPixels + FCaptionHeight + FCaptionMargin +
                    (FItemMaxHeight + FRowSpacingPixels) * FWrapRowCount + FMarginBottomPixels - FRowSpacingPixels;

  if (FWrapRowCount * FWrapColCount < n && Enabled()) {
    const TRect& r = FItemsRect;
    FUpButton->SetDrawRect({r.Right - 17, r.Top, r.Right, r.Top + 17});
    FDownButton->SetDrawRect({r.Right - 17, r.Bottom - 17, r.Right, r.Bottom});
    FUpButton->SetVisible(true);
    FDownButton->SetVisible(true);
    FRequiredWidth += 25;
  } else {
    FUpButton->SetVisible(false);
    FDownButton->SetVisible(false);
    if (FViewStartIndex != 0) {
      FViewStartIndex = 0;
      PlaceItems();
    }
  }

  if (FWrapColSpacingAuto && Horizontal() && FWrapColCount > 1) {
    const int gap = (itemsWidth - 25 - FWrapColCount * FItemWidth) / (FWrapColCount - 1);
    for (size_t c = 0; c < FWrapColLefts.size(); ++c) FWrapColLefts[c] = FInnerRect.Left + (FItemWidth + gap) * int(c);
    for (TwPlotLegendItem& item : FItems)
      if (item.ACol > 0) item.ALeft = FInnerRect.Left + (FItemWidth + gap) * (item.ACol - 1);
  }
  if (FWrapRowSpacingAuto && !Horizontal()) {
    int rows = 0;
    for (const TwPlotLegendItem& item : FItems)
      if (item.ACol == 1) rows = std::max(rows, item.ARow);
    if (rows > 1) {
      FRowSpacingPixels = (itemsHeight - FItemMaxHeight * rows) / (rows - 1);
      const int top = FInnerRect.Top + (FColumnTitlesVisible ? FCaptionHeight + FCaptionMargin : 0);
      for (TwPlotLegendItem& item : FItems)
        if (item.ARow > 0) item.ATop = top + (item.ARow - 1) * (FItemMaxHeight + FRowSpacingPixels);
    }
  }
  FUpButton->SetEnabled(FViewStartIndex != 0);
  FDownButton->SetEnabled(FViewStopIndex != n - 1);
}

int TwPlotLegend::GetRequiredWidth(Canvas& Canvas) {
  CalcLayout(Canvas);
  return Horizontal() ? FRequiredHeight : FRequiredWidth;
}

// ---- drawing ----

void TwPlotLegend::drawLineSample(Canvas& Canvas, int X, int Y, TwPlotLineStyle Style, platform::TColor Color) {
  struct Stroke {
    int a, b;
  };
  static const std::vector<Stroke> strokes[] = {
      {{0, 13}}, {{0, 5}, {8, 13}}, {{0, 2}, {4, 6}, {8, 10}}, {{0, 5}, {7, 9}}, {{0, 5}, {7, 9}, {11, 13}}};
  const int first = -FLineColumnHeight / 2;
  for (int d = first; d <= first + FLineColumnHeight; ++d) {
    if (FLineColumnWidth == 13) {
      Canvas.Pen = platform::TPen{Color, 1, platform::psSolid};
      if (Style < iplsSolid || Style > iplsDashDotDot) continue;
      for (const Stroke& s : strokes[Style]) {
        Canvas.MoveTo(X + s.a, Y + d);
        Canvas.LineTo(X + s.b, Y + d);
      }
    } else {
      Canvas.Pen = platform::TPen{Color, 1, platform::TPenStyle(Style)};
      Canvas.MoveTo(X, Y + d);
      Canvas.LineTo(X + FLineColumnWidth, Y + d);
    }
  }
}

void TwPlotLegend::drawCaptions(Canvas& Canvas) {
  Canvas.Font = FColumnTitlesFont;
  Canvas.Brush.Style = platform::bsClear;
  const QString captions[icCount] = {{},
                                     {},
                                     FCaptionColumnTitle,
                                     FCaptionColumnXAxisTitle,
                                     FCaptionColumnYAxisTitle,
                                     FCaptionColumnXValue,
                                     FCaptionColumnYValue,
                                     FCaptionColumnYMax,
                                     FCaptionColumnYMin,
                                     FCaptionColumnYMean};
  for (int x : FWrapColLefts) {
    for (int c = icName; c < icCount; ++c) {
      if (!ColumnShown(TwColumn(c))) continue;
      TRect r{x + FColumnStart[c], FCaptionRect.Top, x + FColumnStart[c] + FColumnWidth[c], FCaptionRect.Bottom};
      const TwTextFlags align = c == icName ? itfLeft : (c == icXTitle || c == icYTitle) ? itfCenter : itfRight;
      DrawTextFlags(Canvas, TranslateText(captions[c]), r, FColumnTitlesFont.Color, true,
                    TwTextFlags(align | itfVCenter | itfSingleLine | itfNoClip));
    }
  }
}

void TwPlotLegend::drawItem(Canvas& Canvas, const TwPlotLegendItem& Item, platform::TColor BackGroundColor) {
  TwPlotChannelCustom* channel = Item.Channel;
  const TRect nameRect{Item.ALeft + FColumnStart[icName], Item.ATop,
                       Item.ALeft + FColumnStart[icName] + FColumnWidth[icName] + 1, Item.ATop + Item.MaxHeight};
  channel->SetLegendRect(nameRect);
  const int midY = Item.ATop + FItemHeight / 2;
  if (FShowColumnLine)
    drawLineSample(Canvas, Item.ALeft + FColumnStart[icLine], midY, channel->TraceLineStyle(), channel->Color());
  if (FShowColumnMarker)
    channel->DrawMarker(Canvas, -1, BackGroundColor,
                        {Item.ALeft + FColumnStart[icMarker] + FColumnWidth[icMarker] / 2, midY});

  if (channel->UserSelected()) {
    Canvas.Brush = platform::TBrush{FSelectedItemBackGroundColor, platform::bsSolid};
    Canvas.FillRect(nameRect);
    Canvas.Font = FSelectedItemFont;
  } else {
    Canvas.Font = FFont;
  }
  Canvas.Brush.Style = platform::bsClear;
  if (FChannelNameColorStyle == iplcncsChannelColor) {
    Canvas.Font.Color = channel->Color();
  } else if (FChannelNameColorStyle == iplcncsXAxisFontColor && channel->XAxis()) {
    Canvas.Font.Color = channel->XAxis()->LabelsFont().Color;
  } else if (FChannelNameColorStyle == iplcncsYAxisFontColor && channel->YAxis()) {
    Canvas.Font.Color = channel->YAxis()->LabelsFont().Color;
  }
  TRect r = nameRect;
  DrawTextFlags(Canvas, ChannelTitle(channel), r, Canvas.Font.Color, true,
                TwTextFlags(itfLeft | itfTop | itfWordBreak | itfWordEllipsis));

  Canvas.Font = FFont;
  Canvas.Brush.Style = platform::bsClear;
  for (int c = icXTitle; c < icCount; ++c) {
    if (!ColumnShown(TwColumn(c))) continue;
    TRect cell{Item.ALeft + FColumnStart[c], Item.ATop, Item.ALeft + FColumnStart[c] + FColumnWidth[c],
               Item.ATop + FItemHeight};
    const TwTextFlags align = (c == icXTitle || c == icYTitle) ? itfLeft : itfRight;
    DrawTextFlags(Canvas, CellText(Item, TwColumn(c)), cell, FFont.Color, true,
                  TwTextFlags(align | itfVCenter | itfSingleLine));
  }
}

void TwPlotLegend::Draw(Canvas& Canvas, platform::TColor BackGroundColor) {
  if (!Visible()) return;
  CalcLayout(Canvas);
  if (FItems.empty()) return;
  Canvas.Brush = platform::TBrush{FBackGroundColor, platform::bsSolid};
  Canvas.Pen = platform::TPen{platform::clBlack, 1, platform::psSolid};
  if (!FBackGroundTransparent) Canvas.FillRect(DrawRect());
  if (FColumnTitlesVisible) drawCaptions(Canvas);
  for (int i = 0; i < Owner()->ChannelCount(); ++i) Owner()->GetChannelCustom(i)->SetLegendRect({});
  for (int i = FViewStartIndex; i <= FViewStopIndex && i < ItemCount(); ++i) drawItem(Canvas, FItems[i], BackGroundColor);
  FUpButton->Draw(Canvas, BackGroundColor);
  FDownButton->Draw(Canvas, BackGroundColor);
  if (UserSelected()) {
    TRect r = DrawRect();
    if (Horizontal()) {
      r.Top += 2;
      r.Bottom -= 2;
    } else {
      r.Left += 2;
      r.Right -= 2;
    }
    DrawFocusRectangle(Canvas, r);
  }
}

// ---- input ----

void TwPlotLegend::ButtonClick(bool Up) {
  if (Up) {
    if (FViewStartIndex > 0) SetViewStartIndex(FViewStartIndex - 1);
  } else if (FViewStartIndex < ItemCount() - 1) {
    SetViewStartIndex(FViewStartIndex + 1);
  }
}

TwPlotObject* TwPlotLegend::GetMouseOverObject(int X, int Y) {
  for (TwPlotLegendButton* b : {FUpButton.get(), FDownButton.get()}) {
    if (b->Visible() && b->HitTest(X, Y)) {
      FMouseOverObject = b;
      return b;
    }
  }
  for (int i = 0; i < Owner()->ChannelCount(); ++i) {
    TwPlotChannelCustom* channel = Owner()->GetChannelCustom(i);
    if (channel->VisibleInLegend() && channel->LegendRect().Contains({X, Y})) {
      FMouseOverObject = channel;
      return channel;
    }
  }
  return TwPlotLayoutObject::GetMouseOverObject(X, Y);
}

TCursor TwPlotLegend::GetMouseCursor(const TwPlotMouseData& MouseData) {
  TCursor cursor = TwPlotLayoutObject::GetMouseCursor(MouseData);
  Owner()->DoGetMouseCursorEvent(this, cursor);
  return cursor;
}

void TwPlotLegend::DoMouseUp(const TwPlotMouseData& MouseData) {
  if (!MouseDown()) return;
  if (DrawRect().Contains({MouseData.X, MouseData.Y})) Owner()->DoClickEvent(this);
}

void TwPlotLegend::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotLayoutObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
}

void TwPlotLegend::NotificationSetFocus(TwPersistent* Sender) {
  if (Sender != this) SetUserSelected(false);
}

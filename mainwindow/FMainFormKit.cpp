// Factories of the main window's form: one call creates a control, names and
// registers it with the form, places it and gives it the console look.
#include "mainwindow/FMainFormKit.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

#include "controls/ExTrackBar.h"
#include "controls/UpDown.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "controls/UxPanel.h"
#include "controls/UxShapeButton.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/LProgressBar.h"
#include "mainwindow/BandTexts.h"
#include "mainwindow/FMain.h"
#include "model/Codecs.h"

namespace mainform {

namespace {

template <typename T>
T* Place(T* control, const QRect& r) {
  control->setGeometry(r);
  control->show();
  return control;
}

void SetTextColour(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, colour);
  w->setPalette(pal);
}

}  // namespace

QLabel* Label(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& text,
              Qt::Alignment align, const QColor& colour) {
  auto* label = form.Create<QLabel>(parent, name);
  label->setText(text);
  label->setAlignment(align);
  SetTextColour(label, colour.isValid() ? colour : Colours().text);
  return Place(label, r);
}

QLabel* Caption(QWidget* parent, const QRect& r, const QString& text, Qt::Alignment align, bool bold) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(align);
  SetTextColour(label, Colours().text);
  if (bold) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
  }
  return Place(label, r);
}

TUxGroupBox* Group(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, bool framed) {
  auto* group = form.Create<TUxGroupBox>(parent, name);
  group->SetGroupStyle(gsCustom);
  group->SetTransparent(true);
  group->SetBorderOuter(framed ? fsFlat : fsNone);
  group->SetFlatColor(Colours().groupEdge);
  group->SetFlatColorAdjustment(0);
  return Place(group, r);
}

void SetupPlate(TUxShapeButton* plate, const QRect& face) {
  plate->SetBevelWidth(0);
  plate->SetBorderStyle(bsNone);
  plate->SetBitmap(PlatePicture(face.size()));
  plate->SetEnabled(false);
  plate->move(face.topLeft());
  plate->lower();
  plate->show();
}

TUxPanel* Panel(TfmMain& form, QWidget* parent, const QString& name, const QRect& r) {
  auto* panel = form.Create<TUxPanel>(parent, name);
  panel->SetTransparent(true);
  panel->SetBorderOuter(fsNone);
  return Place(panel, r);
}

TUxBmpButton* Button(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& caption,
                     const QColor& lit, ButtonKind kind, int group, int tag) {
  auto* button = form.Create<TUxBmpButton>(parent, name);
  ApplyFaces(button, KeyFaces(r.size(), lit));
  button->SetCaption(caption);
  button->SetFontColor(Colours().caption);
  button->SetTag(tag);
  button->SetShowFocus(false);
  if (kind != ButtonKind::Push) {
    button->SetGroupIndex(group);
    button->SetAllowAllUp(kind == ButtonKind::Toggle);
  }
  return Place(button, r);
}

TExTrackBar* Fader(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, int min, int max,
                   int pageSize, int position, int tag, bool blueThumb) {
  auto* fader = form.Create<TExTrackBar>(parent, name);
  ApplyFaderLook(fader, blueThumb);
  fader->SetMin(min);
  fader->SetMax(max);
  fader->SetPageSize(pageSize);
  fader->SetPosition(position);
  fader->SetTag(tag);
  return Place(fader, r);
}

TRoundEdit* ValueBox(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& text,
                     bool readOnly, int tag) {
  auto* box = form.Create<TRoundEdit>(parent, name);
  ValueBoxLook(box, readOnly);
  box->SetText(text);
  box->SetReadOnly(readOnly);
  box->SetTag(tag);
  return Place(box, QRect(r.topLeft(), QSize(r.width(), kBoxHeight)));
}

void ValueBoxLook(TRoundEdit* box, bool readOnly) {
  box->SetRounding(6);
  box->SetBorderColor(platform::ToQColor(platform::clHighlightText));
  box->SetColor(readOnly ? QColor(223, 255, 255) : QColor(255, 255, 255));
  box->SetAlignment(Qt::AlignCenter);
  box->SetAutoSelect(false);
  box->SetHideSelection(false);
  box->SetFont(platform::TFont{.Name = QStringLiteral("Tahoma"), .Height = -11, .Color = platform::clBlack});
}

void FitValueBox(TRoundEdit* box, const QStringList& texts, int room) {
  // A line edit shows its text unscrolled (so its first character whole)
  // only while the text, one pixel and the caret fit between its two
  // 2-pixel margins; one pixel more keeps sub-pixel advances inside.
  constexpr int kEditNeeds = 2 * 2 + 1 + 1 + 1;
  constexpr int kSmallestFont = 6;
  auto widest = [&](const QFont& font) {
    const QFontMetrics metrics(font);
    int w = 0;
    for (const QString& t : texts) w = std::max(w, metrics.horizontalAdvance(t));
    return w;
  };
  // The inner edit is placed on resize; a box not shown yet has its resize
  // pending, so it is placed now to read the face around it.
  QResizeEvent placed(box->size(), box->size());
  QCoreApplication::sendEvent(box, &placed);
  const int face = box->width() - box->Edit()->width();  // rounding and the right group
  const int centre = box->geometry().center().x();
  auto needs = [&] { return widest(box->Edit()->font()) + kEditNeeds + face; };
  const int width = std::min(room, std::max(box->width(), needs()));
  box->setGeometry(centre - (width - 1) / 2, box->y(), width, box->height());
  platform::TFont font = box->Font();
  while (needs() > width && -font.Height > kSmallestFont) {
    ++font.Height;  // negative: the em height in pixels
    box->SetFont(font);
  }
}

TUxComboBox* Combo(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QStringList& items,
                   int index, TComboBoxStyle style, int tag) {
  auto* combo = form.Create<TUxComboBox>(parent, name);
  combo->SetStyle(style);
  for (const QString& item : items) combo->Add(item);
  combo->SetItemIndex(index);
  combo->SetColor(Colours().comboFace);
  combo->SetFlatButtons(true);  // as every form's combo box
  combo->SetTag(tag);
  return Place(combo, r);
}

TUpDown* UpDown(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, int min, int max, int tag) {
  auto* ud = form.Create<TUpDown>(parent, name);
  ud->SetMin(min);
  ud->SetMax(max);
  ud->SetTag(tag);
  return Place(ud, r);
}

LProgressBar* Meter(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, MeterKind kind) {
  auto* meter = form.Create<LProgressBar>(parent, name);
  switch (kind) {
    case MeterKind::Input:
      meter->SetFirstNum(1), meter->SetSecondNum(2), meter->SetThirdNum(6), meter->SetMax(9);
      break;
    case MeterKind::Output:
      meter->SetFirstNum(1), meter->SetSecondNum(3), meter->SetThirdNum(4), meter->SetMax(8);
      break;
    case MeterKind::Limiter:
      meter->SetFirstNum(0), meter->SetSecondNum(1), meter->SetThirdNum(0), meter->SetMax(1);
      meter->SetSecondColor(QColor(155, 78, 0));
      meter->SetLSecondColor(QColor(255, 163, 70));
      break;
  }
  return Place(meter, r);
}

display::LMyFFTDrawHpLp6dB* ResponsePlot(TfmMain& form, QWidget* parent, const QString& name, const QRect& r,
                                         int tag) {
  auto* plot = form.Create<display::LMyFFTDrawHpLp6dB>(parent, name);
  plot->SetTag(tag);
  display::ResponsePlotModel& model = plot->Model();
  // The curves' grid: 4096 points up to 48 kHz, which the axis labels and the
  // vertical grid must share.
  model.SetFFTNuimber(display::TFFTNumber::n4096);
  model.SetSampleRate(display::TSampleRate::n96000);
  model.SetXAutoScale(false);
  model.SetYAutoScale(false);
  model.SetXMin(966);
  model.SetXMax(3840);
  model.SetYMin(-18);
  model.SetYMax(18);
  display::PlotFont font;  // Tahoma, 11 pixels, lime
  model.SetPlotTitleFont(font);
  model.SetAxisTitleFont(font);
  model.SetMouseCoordFont(font);
  font.Color = platform::clActiveBorder;
  model.SetAxisLabelFont(font);
  if (name == QLatin1String("fftDrawInA")) model.SetYTitle("°");
  return Place(plot, r);
}

QStringList SlopeItems() {
  return {"BW -6",  "BL -6",  "BW -12", "BL -12", "LK -12", "BW -18", "BL -18", "BW -24", "BL -24", "LK -24",
          "BW -30", "BL -30", "BW -36", "BL -36", "LK -36", "BW -42", "BL -42", "BW -48", "BL -48", "LK -48"};
}

QStringList LevelItems() {
  // Item i is 50 - i dB; one-digit values keep the column with a blank.
  QStringList items;
  for (int db = 50; db >= 0; --db)
    items << (db >= 10 ? QStringLiteral("%1dB").arg(db) : QStringLiteral("%1 dB").arg(db));
  return items;
}

QStringList GainTexts() {
  QStringList texts;
  for (int p = -280; p <= 120; ++p) texts << TfmMain::FormatGain(p);
  return texts;
}

QStringList CutFrequencyTexts() {
  QStringList texts;
  for (int c = kFrequencyCodeMin; c <= kFrequencyCodeMax; ++c) texts << TfmMain::FrequencyText(c);
  return texts;
}

QStringList BandFrequencyTexts() {
  QStringList texts;
  for (int c = kFrequencyCodeMin; c <= kFrequencyCodeMax; ++c) texts << bandtext::Frequency(CodeToFrequency(c));
  return texts;
}

QStringList BandQTexts() {
  QStringList texts;
  for (int c = 0; c <= kQCodeMax; ++c) texts << bandtext::Q(c);
  return texts;
}

QStringList BandGainTexts() {
  QStringList texts;
  for (int c = kEqGainCodeMin; c <= kEqGainCodeMax; ++c) texts << bandtext::Gain(c);
  return texts;
}

}  // namespace mainform

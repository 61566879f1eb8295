// The Delay page. Upper half: one delay line per channel, a row of dashes
// from the line's start to a draggable handle with the time riding beside it
// (inputs and outputs on two panels at one place). Lower half: one fader and
// value box per channel on two strip panels at one place, the In/Out selector
// and the unit buttons.
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "controls/UxPanel.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"

namespace {

using namespace mainform;

// Delay line rows. The handle's left edge is 40 at delay 0 in the panel's
// coordinates and the line starts there too, so the dashes end at the handle
// and the drag arithmetic (pointer x in the line's coordinates) lands on the
// handle's centre.
constexpr int kLineLeft = 40;
constexpr int kRowStep = 28;
constexpr int kRowTop = 2;
constexpr int kShowTop = 8;
constexpr int kHandleSize = 30;
constexpr int kLineHeight = 26;
constexpr int kMaxDelay = 32640;

struct Side {
  const char* suffixWord;  // "In" / "Out"
  int firstChannel;
  int panelWidth;
  int lineWidth;
  const char* headingKey;
  QColor dashColour;
};

const Side kSides[2] = {
    {"In", 0, 520, 475, "SID_IN_DELAY", QColor(120, 200, 255)},
    {"Out", 8, 1055, 1006, "SID_OUT_DELAY", QColor(255, 190, 90)},
};

// The delay handle: a round amber knob with a bright index line marking the
// delay point.
QPixmap HandlePicture() {
  QImage image(kHandleSize, kHandleSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QPointF centre(kHandleSize / 2.0, kHandleSize / 2.0);
  QRadialGradient fill(centre - QPointF(3, 4), 14);
  fill.setColorAt(0, QColor(255, 222, 140));
  fill.setColorAt(0.6, QColor(226, 150, 40));
  fill.setColorAt(1, QColor(150, 88, 16));
  p.setPen(QPen(QColor(60, 36, 8), 1.2));
  p.setBrush(fill);
  p.drawEllipse(centre, 11, 11);
  p.setPen(QPen(QColor(255, 255, 255), 2));
  p.drawLine(QPointF(centre.x(), centre.y() - 7), QPointF(centre.x(), centre.y() + 7));
  return QPixmap::fromImage(image);
}

// An opaque framed panel: the two sides lie at one place, so the front one
// must hide the other completely.
void MakeOpaque(TUxPanel* panel) {
  panel->SetTransparent(false);
  panel->SetColor(Colours().frameFill);
  panel->SetBorderOuter(fsFlat);
  panel->SetFlatColor(Colours().groupEdge);
  panel->SetFlatColorAdjustment(0);
}

void BuildDelayLines(TfmMain& form, QWidget* page, const Side& side, const QPixmap& handle) {
  const QString word = QString::fromLatin1(side.suffixWord);
  auto* heading = Label(form, page, "lbFftDelay" + word, QRect(28, 5, side.panelWidth, 17),
                        form.TranslateSid(side.headingKey), Qt::AlignLeft | Qt::AlignVCenter);
  heading->setIndent(8);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  heading->setAutoFillBackground(true);
  QPalette pal = heading->palette();
  pal.setColor(QPalette::Window, Colours().main);
  heading->setPalette(pal);

  TUxPanel* panel = Panel(form, page, "plFftDelay" + word, QRect(28, 22, side.panelWidth, 234));
  MakeOpaque(panel);

  QFont lineFont(QStringLiteral("Times New Roman"));
  lineFont.setPixelSize(16);
  QFont timeFont = panel->font();
  timeFont.setPointSize(8);

  for (int row = 0; row < 8; ++row) {
    const int ch = side.firstChannel + row;
    const QString suffix = platform::ChannelSuffix(ch);
    const int top = kRowStep * row + kRowTop;

    auto* show = Label(form, panel, "lbDelayShow" + word + suffix, QRect(4, kRowStep * row + kShowTop, 34, 16),
                       word + QString::number(row + 1), Qt::AlignLeft | Qt::AlignVCenter, Colours().dimText);
    show->setFont(timeFont);

    auto* line = Label(form, panel, "lbDelayLine" + word + suffix, QRect(kLineLeft, top, side.lineWidth, kLineHeight),
                       QString(), Qt::AlignLeft | Qt::AlignVCenter, side.dashColour);
    line->setFont(lineFont);
    line->setAutoFillBackground(true);
    QPalette track = line->palette();
    track.setColor(QPalette::Window, QColor(41, 51, 62));
    line->setPalette(track);
    platform::SetTag(line, ch);

    auto* image = form.Create<QLabel>(panel, "imDelay" + word + suffix);
    image->setPixmap(handle);
    image->setGeometry(kLineLeft, top, kHandleSize, kHandleSize);
    image->setCursor(Qt::PointingHandCursor);
    platform::SetTag(image, ch);
    image->show();

    auto* time = Label(form, panel, "lbFftDelayTime" + word + suffix,
                       QRect(kLineLeft + kHandleSize, top + kHandleSize / 4, 72, 16), QStringLiteral("0.00ms"),
                       Qt::AlignLeft | Qt::AlignVCenter, QColor(255, 236, 150));
    time->setFont(timeFont);
  }
}

// A framed box for one radio group: the unit buttons and the selectors share
// GroupIndex 1, so each group needs a parent of its own.
TUxGroupBox* RadioBox(QWidget* parent, const QRect& r) {
  auto* box = new TUxGroupBox(parent);
  box->SetGroupStyle(gsCustom);
  box->SetTransparent(true);
  box->SetBorderOuter(fsFlat);
  box->SetFlatColor(Colours().groupEdge);
  box->SetFlatColorAdjustment(0);
  box->setGeometry(r);
  box->show();
  return box;
}

void BuildDelayStrips(TfmMain& form, QWidget* page, const Side& side) {
  const QString word = QString::fromLatin1(side.suffixWord);
  TUxPanel* strips = Panel(form, page, "uxpDelay" + word, QRect(170, 0, 900, 280));
  strips->SetTransparent(false);
  strips->SetColor(Colours().main);
  Label(form, strips, word == "In" ? "lbDelayInput" : "lbDelayOutput", QRect(0, 2, 900, 20),
        form.TranslateSid(word == "In" ? "SID_IN" : "SID_OUT"), Qt::AlignCenter);
  // The longest delays in each unit, as the fader and the unit buttons write them.
  QStringList longest;
  for (int unit = 0; unit < 3; ++unit)
    for (bool spaced : {true, false}) longest << TfmMain::DelayText(kMaxDelay, unit, spaced);
  for (int k = 0; k < 8; ++k) {
    const int ch = side.firstChannel + k;
    const QString suffix = platform::ChannelSuffix(ch);
    const int x = 8 + 111 * k;
    Caption(strips, QRect(x, 22, 102, 18), word + QString::number(k + 1), Qt::AlignCenter, true);
    Fader(form, strips, "isDelay" + word + suffix, QRect(x + 37, 42, kFaderWidth, 190), 0, kMaxDelay, 6, 0, ch);
    FitValueBox(ValueBox(form, strips, "cvdDelay" + word + suffix, QRect(x + 3, 240, 96, kBoxHeight),
                         QStringLiteral("0.00ms"), false, ch),
                longest, 108);
  }
}

}  // namespace

void TfmMain::BuildDelayPage() {
  auto* upper = FindControl<QWidget>("uxgFftDelay");
  auto* lower = FindControl<QWidget>("uxgParamDelay");
  if (!upper || !lower) return;

  // Upper: outputs first, so the input panel (the selected side at start) lies
  // in front; the output side waits hidden until it is chosen.
  const QPixmap handle = HandlePicture();
  BuildDelayLines(*this, upper, kSides[1], handle);
  BuildDelayLines(*this, upper, kSides[0], handle);
  FindControl<QWidget>("lbFftDelayOut")->hide();
  FindControl<QWidget>("plFftDelayOut")->hide();

  // Lower: the selector and the unit buttons on the left, the strips beside.
  Label(*this, lower, "lbDelaySel", QRect(8, 10, 150, 18), TranslateSid("SID_CH_SELECT"), Qt::AlignCenter);
  TUxGroupBox* select = RadioBox(lower, QRect(8, 30, 150, 44));
  const char* selKeys[2] = {"SID_IN", "SID_OUT"};
  const char* selNames[2] = {"uxbDelaySelIn", "uxbDelaySelOut"};
  for (int i = 0; i < 2; ++i)
    Button(*this, select, selNames[i], QRect(7 + 70 * i, 8, 66, 28), TranslateSid(selKeys[i]), Keys().select,
           ButtonKind::Radio, 1, i);
  FindControl<TUxBmpButton>("uxbDelaySelIn")->SetDown(true);

  Label(*this, lower, "lbDelayUnit", QRect(8, 92, 150, 18), TranslateSid("SID_DELAY_UNIT"), Qt::AlignCenter);
  TUxGroupBox* units = RadioBox(lower, QRect(8, 112, 150, 44));
  const char* unitKeys[3] = {"SID_UNIT_MS", "SID_UNIT_M", "SID_UNIT_FT"};
  for (int i = 0; i < 3; ++i)
    Button(*this, units, QStringLiteral("uxbUnit%1").arg(i), QRect(7 + 46 * i, 8, 44, 28), TranslateSid(unitKeys[i]),
           Keys().select, ButtonKind::Radio, 1, i);
  FindControl<TUxBmpButton>("uxbUnit0")->SetDown(true);

  BuildDelayStrips(*this, lower, kSides[1]);
  BuildDelayStrips(*this, lower, kSides[0]);
}

// The Matrix page. Upper half: the signal-flow overview, one row of
// processing blocks per input, output and the effect channel, with the paint
// box between inputs and outputs on which the routing lines are drawn and the
// effect bus running from the inputs' "SEL" blocks into the effect row. Lower
// half: one column of crosspoints per output (on/off, level text, up-down).
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <functional>

#include "controls/DvPowerButton.h"
#include "controls/UpDown.h"
#include "controls/UxGroupBox.h"
#include "controls/UxPanel.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "mainwindow/MatrixDiagram.h"

namespace {

using namespace mainform;

// A framework shape: a filled rectangle, rounded when `radius` > 0, with an
// optional outline. The overview's name plates and the effect bus lines.
class MatrixShape : public QWidget {
 public:
  MatrixShape(const QColor& fill, const QColor& pen, int radius, QWidget* parent)
      : QWidget(parent), fill_(fill), pen_(pen), radius_(radius) {
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, radius_ > 0);
    p.setPen(pen_.isValid() ? QPen(pen_, 1) : QPen(Qt::NoPen));
    p.setBrush(fill_);
    const QRectF r = pen_.isValid() ? QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5) : QRectF(rect());
    if (radius_ > 0)
      p.drawRoundedRect(r, radius_, radius_);
    else
      p.drawRect(r);
  }

 private:
  QColor fill_, pen_;
  int radius_;
};

const QColor kOutputPlate(52, 86, 120);
const QColor kBusColour(192, 192, 192);

// The routing lines' paint box: transparent, so the group box shows through;
// its paint is the page's diagram paint.
class PaintBox : public QWidget {
 public:
  explicit PaintBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents, true); }
  std::function<void(QObject* Sender, QPainter& Canvas)> OnPaint;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (OnPaint) OnPaint(this, p);
  }
};

constexpr int kInRowLeft = 50;    // input and effect rows end where the paint box starts
constexpr int kInRowHeight = 24;  // row centre = the routing line's left end
constexpr int kOutRowHeight = 30;
constexpr int kOutCellTop = 3;  // output cells centred on the line's right end
constexpr int kCellHeight = 24;

MatrixShape* Shape(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QColor& fill,
                   const QColor& pen, int radius) {
  auto* shape = new MatrixShape(fill, pen, radius, parent);
  if (!name.isEmpty()) form.Register(shape, name);
  shape->setGeometry(r);
  shape->show();
  return shape;
}

QFont CellFont(const QWidget* w, int points, bool bold) {
  QFont f = w->font();
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

// One processing block of a row: a framed box with its caption.
QLabel* Cell(TfmMain& form, QWidget* row, const QString& name, int left, int top, int width, const QString& text,
             int tag) {
  // The block's face is a shape of the same name ("sp" for "lb") behind the caption.
  const QRect r(left, top, width, kCellHeight);
  Shape(form, row, "sp" + name.mid(2), r, QColor(0x34, 0x40, 0x4e), QColor(0x6e, 0x80, 0x92), 3);
  auto* cell = Label(form, row, name, r, text, Qt::AlignCenter, Colours().caption);
  cell->setFont(CellFont(cell, 7, true));
  cell->setCursor(Qt::PointingHandCursor);
  platform::SetTag(cell, tag);
  return cell;
}

// The two-line name plate: a fixed role text over the channel's own name.
void NamePlate(TfmMain& form, QWidget* row, const QString& suffixWord, const QString& suffix, const QString& role,
               const QString& channelName, int tag, const QRect& plate, int nameLeft, int chNameLeft, int width,
               const QColor& colour) {
  Shape(form, row, "spMatrixName" + suffixWord + suffix, plate, colour, colour.lighter(160), 3);
  auto* name = Label(form, row, "lbMatrixName" + suffixWord + suffix, QRect(nameLeft, plate.top() + 1, width, 11), role,
                     Qt::AlignLeft | Qt::AlignVCenter, QColor(230, 230, 230));
  name->setFont(CellFont(name, 6, false));
  name->setIndent(4);
  auto* chName =
      Label(form, row, "lbMatrixChName" + suffixWord + suffix, QRect(chNameLeft, plate.top() + 11, width, 13),
            channelName, Qt::AlignLeft | Qt::AlignVCenter, Colours().caption);
  chName->setFont(CellFont(chName, 8, true));
  chName->setIndent(4);
  chName->setCursor(Qt::PointingHandCursor);
  platform::SetTag(chName, tag);
}

void BuildOverview(TfmMain& form, QWidget* upper) {
  // Inputs: name plate, then GAIN GATE AGC PEQ FBQ SEL.
  struct Column {
    const char* role;
    const char* text;
    int left;
  };
  const Column inColumns[] = {{"Gain", "GAIN", 77}, {"Gate", "GATE", 134}, {"HpLp", "AGC", 191},
                              {"Peq", "PEQ", 248},  {"Phase", "FBQ", 305}, {"Delay", "SEL", 362}};
  for (int i = 0; i < 8; ++i) {
    const QString x = platform::ChannelSuffix(i);
    TUxPanel* row = Panel(form, upper, "plMatrixIn" + x, QRect(kInRowLeft, 17 + 29 * i, 415, kInRowHeight));
    NamePlate(form, row, "In", x, QStringLiteral("INPUT %1").arg(i + 1), QStringLiteral("In%1").arg(i + 1), i,
              QRect(0, 0, 58, kCellHeight), 0, 0, 70, MatrixSourceColour(i));
    for (const Column& c : inColumns)
      Cell(form, row, "lbMatrix" + QString::fromLatin1(c.role) + "In" + x, c.left, 0, 50, c.text, i);
  }

  // Outputs: XOVER PEQ GAIN COMP PHASE DELAY MUTE, then the name plate.
  const Column outColumns[] = {{"Xover", "XOVER", 2}, {"Peq", "PEQ", 61},      {"Gain", "GAIN", 121},
                               {"Comp", "COMP", 180}, {"Phase", "PHASE", 240}, {"Delay", "DELAY", 298},
                               {"Mute", "MUTE", 359}};
  for (int k = 0; k < 8; ++k) {
    const QString n = platform::ChannelSuffix(8 + k);
    TUxPanel* row = Panel(form, upper, "plMatrixOut" + n, QRect(561, 23 + 30 * k, 510, kOutRowHeight));
    for (const Column& c : outColumns)
      Cell(form, row, "lbMatrix" + QString::fromLatin1(c.role) + "Out" + n, c.left, kOutCellTop, 50, c.text, 8 + k);
    NamePlate(form, row, "Out", n, QStringLiteral("OUTPUT %1").arg(k + 1), QStringLiteral("Out%1").arg(k + 1), 8 + k,
              QRect(416, kOutCellTop, 58, kCellHeight), 418, 419, 80, kOutputPlate);
  }

  // The effect channel: its name, then MUTE (in the free place after the
  // name) and AEC SEL EFX PEQ COMP.
  TUxPanel* eff = Panel(form, upper, "plMatrixEff", QRect(kInRowLeft, 249, 415, kInRowHeight));
  auto* effName = Label(form, eff, "lbMatrixChNameEff", QRect(0, 0, 70, kCellHeight), QStringLiteral("Aux"),
                        Qt::AlignCenter, QColor(20, 24, 28));
  effName->setFont(CellFont(effName, 8, true));
  effName->setStyleSheet(
      QStringLiteral("QLabel { background: #c0c0c0; border: 1px solid #e6e6e6; border-radius: 3px; }"));
  platform::SetTag(effName, 18);
  const Column effColumns[] = {{"Mute", "MUTE", 77}, {"Aec", "AEC", 134}, {"Sel", "SEL", 191},
                               {"Efx", "EFX", 248},  {"Peq", "PEQ", 305}, {"Comp", "COMP", 362}};
  for (const Column& c : effColumns)
    Cell(form, eff, "lbMatrix" + QString::fromLatin1(c.role) + "Eff", c.left, 0, 50, c.text, 18);

  // The routing lines' paint box between the input and output rows.
  auto* box = form.Create<PaintBox>(upper, QStringLiteral("pbMatrix"));
  box->OnPaint = [&form](QObject* sender, QPainter& canvas) { form.uxgFftMatrixPaint(sender, canvas); };
  box->setGeometry(465, 26, 97, 240);
  box->show();

  // The effect bus: down from input A's "SEL" block past input H, left along
  // the gap above the effect row, and into the effect channel's name.
  Shape(form, upper, "AuxMixLine1", QRect(434, 35, 3, 214), kBusColour, QColor(), 0);
  Shape(form, upper, "AuxMixLine2", QRect(153, 246, 285, 3), kBusColour, QColor(), 0);
  Shape(form, upper, "AuxMixLine3", QRect(102, 246, 51, 3), kBusColour, QColor(), 0);
  Shape(form, upper, "AuxMixLine4", QRect(102, 246, 3, 6), kBusColour, QColor(), 0);
  // The bus passes behind the "SEL" blocks it collects from.
  for (int i = 0; i < 8; ++i) form.FindControl<QWidget>("plMatrixIn" + platform::ChannelSuffix(i))->raise();
}

// The page frame's upper piece ends above the foot of the diagram, whose
// effect row would sit across the line between the page's halves: here the
// upper panel runs on to the diagram's foot, and the line is drawn there.
void PaintDiagramBackground(TfmMain& form, QWidget* upper, QPainter& canvas) {
  PaintPageBackground(upper, canvas);
  auto* left = form.FindControl<QWidget>("imLeftUpBase");
  auto* right = form.FindControl<QWidget>("imRightUpBase");
  if (!left || !right) return;
  const qreal split = left->geometry().bottom() + 1 - upper->y();
  const qreal foot = upper->height() - 1.5;
  if (split >= foot) return;
  // The frame's outline runs 3.5 pixels inside its pieces, with corners of 6.
  const qreal x0 = left->x() - upper->x() + 3.5;
  const qreal x1 = right->geometry().right() + 1 - upper->x() - 3.5;
  const qreal from = split - 12;
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, true);
  canvas.fillRect(QRectF(x0 + 0.5, from, x1 - x0 - 1, upper->height() - from), Colours().frameFill);
  canvas.setPen(QPen(Colours().frameEdge, 1));
  canvas.drawLine(QPointF(x0, from), QPointF(x0, foot));
  canvas.drawLine(QPointF(x1, from), QPointF(x1, foot));
  canvas.drawLine(QPointF(x0, foot), QPointF(x1, foot));
  canvas.restore();
}

void BuildCrosspoints(TfmMain& form, QWidget* lower) {
  platform::TFont buttonFont;
  buttonFont.Name = QStringLiteral("Tahoma");
  buttonFont.Style = platform::fsBold;
  for (int o = 0; o < 8; ++o) {
    const QString n = QString::number(o + 1);
    TUxGroupBox* column = Group(form, lower, "uxgMatrixOut" + n, QRect(2 + 134 * o, 0, 130, 280), true);
    auto* heading = Label(form, column, "lbMatrixOut" + n, QRect(0, 3, 130, 18), "Out" + n, Qt::AlignCenter);
    heading->setFont(CellFont(heading, 9, true));
    for (int s = 0; s < 9; ++s) {
      const QString source = s < 8 ? platform::ChannelSuffix(s) : QStringLiteral("Aux");
      const QString tail = source + "MatrixOut" + n;
      const int y = 24 + 28 * s;

      auto* on = static_cast<TDvPowerButton*>(
          PowerButton(form, column, "vr" + tail, QRect(4, y + 4, 45, 16),
                      s < 8 ? QStringLiteral("In%1").arg(s + 1) : QStringLiteral("Aux"), s, s == o));
      on->SetMargin(0);
      on->SetSpacing(2);
      on->SetFont(buttonFont);
      on->SetColor(QColor(216, 216, 216));
      on->SetHelpContext(o);

      auto* level = form.Create<QLineEdit>(column, "ed" + tail);
      level->setText(QStringLiteral("+0.0dB"));
      level->setAlignment(Qt::AlignCenter);
      level->setFont(CellFont(level, 8, false));
      level->setGeometry(52, y + 2, 58, 20);
      platform::SetTag(level, s);
      level->setProperty("HelpContext", o);
      level->show();

      TUpDown* step = UpDown(form, column, "ud" + tail, QRect(110, y + 2, 17, 20), -280, 0, s);
      step->SetPosition(0);
      step->SetHelpContext(o);
    }
  }
}

}  // namespace

void TfmMain::BuildMatrixPage() {
  auto* upper = FindControl<QWidget>("uxgFftMatrix");
  auto* lower = FindControl<QWidget>("uxgParamMatrix");
  if (!upper || !lower) return;
  BuildOverview(*this, upper);
  if (auto* group = dynamic_cast<TUxGroupBox*>(upper))
    group->OnPaint = [this](QObject* sender, QPainter& canvas) {
      PaintDiagramBackground(*this, static_cast<QWidget*>(sender), canvas);
    };
  BuildCrosspoints(*this, lower);
  BindMatrixHandlers();
  // The diagram's effect blocks are the effect page's.
  BindEffectHandlers();
}

// The Matrix page: the 72 crosspoints (on/off, level text, up-down) and the
// routing diagram. A crosspoint's buttons keep one rule with the effect page:
// an input on the effect bus never reaches an output both directly and through
// the effect return ("Aux"). While Aux is routed to an output, the bus inputs'
// crosspoints of that output are off and disabled; while a bus input is routed
// directly, the output's Aux crosspoint is disabled.
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "controls/DvPowerButton.h"
#include "controls/UpDown.h"
#include "mainwindow/FMain.h"
#include "mainwindow/MatrixDiagram.h"
#include "model/Dynamics.h"
#include "model/Lunitcontrol.h"
#include "platform/Form.h"

namespace {

QString Source(int s) { return s < 8 ? platform::ChannelSuffix(s) : QStringLiteral("Aux"); }
// "A" + "MatrixOut" + "1": the part every control of crosspoint (s, o) shares.
QString Tail(int s, int o) { return Source(s) + "MatrixOut" + QString::number(o + 1); }
int HelpContext(const QObject* o) { return o->property("HelpContext").toInt(); }
std::array<std::uint16_t, 8> Routing(const LUnitControl& unit) {
  std::array<std::uint16_t, 8> r{};
  for (int o = 0; o < 8; ++o) r[static_cast<std::size_t>(o)] = unit.GetMatrix(8 + o);
  return r;
}
bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// A level text's focus loss and key presses run the page's Exit and KeyDown
// handlers; the key goes on to the edit.
class LevelTextEvents : public QObject {
 public:
  LevelTextEvents(QLineEdit* edit, TfmMain& form) : QObject(edit), form_(form) { edit->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      form_.edAMatrixOut1Exit(watched);
    } else if (event->type() == QEvent::KeyPress) {
      int key = static_cast<QKeyEvent*>(event)->key();
      form_.edAMatrixOut1KeyDown(watched, key, static_cast<QKeyEvent*>(event)->modifiers());
    }
    return false;
  }

 private:
  TfmMain& form_;
};

}  // namespace

void TfmMain::vrAMatrixOut1Click(QObject* Sender) {
  auto* button = dynamic_cast<TDvPowerButton*>(Sender);
  if (!button || !UnitControl) return;
  const int s = button->Tag();
  const int o = button->HelpContext();
  if (s < 0 || s > 8 || o < 0 || o > 7) return;
  const std::uint16_t bit = static_cast<std::uint16_t>(1u << s);
  std::uint16_t r = UnitControl->GetMatrix(8 + o);
  const std::uint16_t e = UnitControl->GetMatrix(18) & 0xFF;
  const bool off = false;
  if (button->Active()) {
    r |= bit;
    if (s == 8) {
      for (int i = 0; i < 8; ++i) {
        if (!(e & (1u << i))) continue;
        if (!SetCrosspoint(o, i, false, &off)) return;
        r = static_cast<std::uint16_t>(r & ~(1u << i));
      }
    } else if (e & bit) {
      // Aux is off already: the interlock keeps it so.
      if (!SetCrosspoint(o, 8, false, nullptr)) return;
    }
  } else {
    r = static_cast<std::uint16_t>(r & ~bit);
    if (s == 8) {
      for (int i = 0; i < 8; ++i)
        if ((e & (1u << i)) && !SetCrosspoint(o, i, true, nullptr)) return;
    } else if (!(r & e) && !SetCrosspoint(o, 8, true, nullptr)) {
      return;
    }
  }
  UnitControl->SetMatrix(8 + o, r);
  DrawMatrix();
}

void TfmMain::udAMatrixOut1ChangingEx(QObject* Sender, bool& AllowChange, int NewValue, TUpDownDirection) {
  if (NewValue < -280 || NewValue > 0) {
    AllowChange = false;
    return;
  }
  const int s = platform::Tag(Sender);
  const int o = HelpContext(Sender);
  if (s < 0 || s > 8 || o < 0 || o > 7) return;
  auto* text = FindControl<QLineEdit>("ed" + Tail(s, o));
  if (!text) return;
  text->setText(FormatGain(NewValue));
  if (Updating || !UnitControl) return;
  UnitControl->SetMixLevel(8 + o, s, static_cast<std::uint16_t>(NewValue + 280));
  DrawMatrix();
}

// The typed level moves the up-down, whose change handler stores and sends;
// an invalid or unchanged text gets the current level back.
void TfmMain::edAMatrixOut1Exit(QObject* Sender) {
  auto* edit = dynamic_cast<QLineEdit*>(Sender);
  if (!edit) return;
  const int s = platform::Tag(edit);
  const int o = HelpContext(edit);
  if (s < 0 || s > 8 || o < 0 || o > 7) return;
  auto* ud = FindControl<TUpDown>("ud" + Tail(s, o));
  if (!ud) return;
  using dynamics::TypedMember;
  const std::optional<int> q =
      dynamics::TypedPosition(TypedMember::MatrixLevel, edit->text().toStdString(), ud->Min(), ud->Max());
  if (q && *q != ud->Position()) {
    ud->RequestPosition(*q);
    edit->setText(QString::fromStdString(dynamics::TypedText(TypedMember::MatrixLevel, ud->Position())));
    return;
  }
  edit->setText(QString::fromStdString(dynamics::TypedText(TypedMember::MatrixLevel, ud->Position())));
  edit->end(false);
}

void TfmMain::edAMatrixOut1KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers) {
  if (IsEnter(Key)) edAMatrixOut1Exit(Sender);
}

std::vector<MatrixSegment> TfmMain::DrawMatrix() {
  auto* box = FindControl<QWidget>("pbMatrix");
  if (!box || !UnitControl) return {};
  box->update();
  return MatrixSegments(Routing(*UnitControl), ExtraHeight, box->width());
}

void TfmMain::uxgFftMatrixPaint(QObject*, QPainter& Canvas) {
  auto* box = FindControl<QWidget>("pbMatrix");
  if (!box || !UnitControl) return;
  for (const MatrixSegment& line : MatrixSegments(Routing(*UnitControl), ExtraHeight, box->width())) {
    Canvas.setPen(QPen(line.colour, 2));
    Canvas.drawLine(line.left, line.right);
  }
}

void TfmMain::BindMatrixHandlers() {
  for (int o = 0; o < 8; ++o) {
    for (int s = 0; s < kMixSources; ++s) {
      const QString tail = Tail(s, o);
      if (auto* b = FindControl<TDvPowerButton>("vr" + tail)) b->OnClick = [this](QObject* x) { vrAMatrixOut1Click(x); };
      if (auto* u = FindControl<TUpDown>("ud" + tail))
        u->OnChangingEx = [this](QObject* x, bool& allow, int v, TUpDownDirection d) {
          udAMatrixOut1ChangingEx(x, allow, v, d);
        };
      if (auto* e = FindControl<QLineEdit>("ed" + tail)) new LevelTextEvents(e, *this);
    }
  }
}

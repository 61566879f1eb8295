// What the three dynamics pages share: the binding of their handlers, the
// one-shot AGC redraw timer and the drawing of a transfer curve on a plot.
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <stdexcept>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "mainwindow/FMain.h"
#include "model/Dynamics.h"
#include "platform/Form.h"
#include "platform/Timer.h"
#include "plot/wXYPlot.h"
#include "plot/wXYPlotChannel.h"

namespace {

// A label's mouse press runs a handler with the label as Sender.
class LabelPress : public QObject {
 public:
  LabelPress(QLabel* label, std::function<void(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)> handler)
      : QObject(label), handler_(std::move(handler)) {
    label->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) {
      const auto* e = static_cast<QMouseEvent*>(event);
      handler_(watched, e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
    }
    return false;
  }

 private:
  std::function<void(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)> handler_;
};

}  // namespace

bool TfmMain::DrawTransferCurve(const char* plotName,
                                const std::vector<std::vector<dynamics::XY>>& points) {
  auto* plot = FindControl<TwXYPlot>(QString::fromLatin1(plotName));
  if (!plot) return false;
  for (std::size_t i = 0; i < points.size(); ++i) {
    TwXYPlotChannel* channel = nullptr;
    try {
      channel = plot->GetChannel(static_cast<int>(i));
      // The channel holds the points of its last drawing (as many as now).
      channel->DeletePoints(static_cast<int>(points[i].size()));
    } catch (const std::out_of_range&) {
      if (!channel) return false;
    }
    for (const dynamics::XY& p : points[i]) channel->AddXY(p.x, p.y);
  }
  return true;
}

void TfmMain::BindDynamicsHandlers() {
  using Change = void (TfmMain::*)(QObject*);
  using Key = void (TfmMain::*)(QObject*, int&, Qt::KeyboardModifiers);
  auto fader = [this](const QString& name, Change change, MouseDownHandler press) {
    auto* f = FindControl<TExTrackBar>(name);
    if (!f) return;
    f->OnChange = [this, change](QObject* s) { (this->*change)(s); };
    f->OnMouseDown = [this, press](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers k, int x, int y) {
      (this->*press)(s, b, k, x, y);
    };
  };
  auto box = [this](const QString& name, Change exit, Key key, MouseDownHandler press) {
    auto* e = FindControl<TRoundEdit>(name);
    if (!e) return;
    e->OnExit = [this, exit](QObject* s) { (this->*exit)(s); };
    e->OnKeyDown = [this, key](QObject* s, int& k, Qt::KeyboardModifiers m) { (this->*key)(s, k, m); };
    e->OnMouseDown = [this, press](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers k, int x, int y) {
      (this->*press)(s, b, k, x, y);
    };
  };
  auto heading = [this](const QString& name, MouseDownHandler press) {
    if (auto* l = FindControl<QLabel>(name))
      new LabelPress(l, [this, press](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers k, int x, int y) {
        (this->*press)(s, b, k, x, y);
      });
  };
  auto upDown = [this](const QString& name, void (TfmMain::*changing)(QObject*, bool&, int, int)) {
    if (auto* u = FindControl<TUpDown>(name))
      u->OnChangingEx = [this, changing](QObject* s, bool& allow, int v, TUpDownDirection d) {
        (this->*changing)(s, allow, v, static_cast<int>(d));
      };
  };
  for (int i = 0; i < 8; ++i) {
    const QString n = platform::ChannelSuffix(8 + i);
    const QString x = platform::ChannelSuffix(i);
    const MouseDownHandler compFader = &TfmMain::isCompThresholdOut1MouseDown;
    const MouseDownHandler compBox = &TfmMain::cvdCompThresholdOut1MouseDown;
    fader("isCompThresholdOut" + n, &TfmMain::isCompThresholdOut1Change, compFader);
    fader("isCompRatioOut" + n, &TfmMain::isCompRatioOut1Change, compFader);
    fader("isCompAttackOut" + n, &TfmMain::isCompAttackOut1Change, compFader);
    fader("isCompReleaseOut" + n, &TfmMain::isCompReleaseOut1Change, compFader);
    box("cvdCompThresholdOut" + n, &TfmMain::cvdCompThresholdOut1Exit, &TfmMain::cvdCompThresholdOut1KeyDown, compBox);
    box("cvdCompRatioOut" + n, &TfmMain::cvdCompRatioOut1Exit, &TfmMain::cvdCompRatioOut1KeyDown, compBox);
    box("cvdCompAttackOut" + n, &TfmMain::cvdCompAttackOut1Exit, &TfmMain::cvdCompAttackOut1KeyDown, compBox);
    box("cvdCompReleaseOut" + n, &TfmMain::cvdCompReleaseOut1Exit, &TfmMain::cvdCompReleaseOut1KeyDown, compBox);
    heading("lbCompOut" + n, &TfmMain::lbCompOut1MouseDown);

    const MouseDownHandler gateFader = &TfmMain::isGateThresholdInAMouseDown;
    const MouseDownHandler gateBox = &TfmMain::cvdGateThresholdInAMouseDown;
    fader("isGateThresholdIn" + x, &TfmMain::isGateThresholdInAChange, gateFader);
    fader("isGateAttackIn" + x, &TfmMain::isGateAttackInAChange, gateFader);
    fader("isGateReleaseIn" + x, &TfmMain::isGateReleaseInAChange, gateFader);
    box("cvdGateThresholdIn" + x, &TfmMain::cvdGateThresholdInAExit, &TfmMain::cvdGateThresholdInAKeyDown, gateBox);
    box("cvdGateAttackIn" + x, &TfmMain::cvdGateAttackInAExit, &TfmMain::cvdGateAttackInAKeyDown, gateBox);
    box("cvdGateReleaseIn" + x, &TfmMain::cvdGateReleaseInAExit, &TfmMain::cvdGateReleaseInAKeyDown, gateBox);
    heading("lbGateIn" + x, &TfmMain::lbGateInAMouseDown);

    const MouseDownHandler agcPress = &TfmMain::lbAgcInAMouseDown;
    const MouseDownHandler agcBox = &TfmMain::cvdAgcThresholdInAMouseDown;
    fader("isAgcThresholdIn" + x, &TfmMain::isAgcThresholdInAChange, agcPress);
    fader("isAgcAttackIn" + x, &TfmMain::isAgcAttackInAChange, agcPress);
    fader("isAgcReleaseIn" + x, &TfmMain::isAgcReleaseInAChange, agcPress);
    upDown("udAgcRatioIn" + x, &TfmMain::udAgcRatioInAChangingEx);
    upDown("udAgcTargetIn" + x, &TfmMain::udAgcTargetInAChangingEx);
    box("cvdAgcThresholdIn" + x, &TfmMain::cvdAgcThresholdInAExit, &TfmMain::cvdAgcThresholdInAKeyDown, agcBox);
    box("cvdAgcAttackIn" + x, &TfmMain::cvdAgcAttackInAExit, &TfmMain::cvdAgcAttackInAKeyDown, agcBox);
    box("cvdAgcReleaseIn" + x, &TfmMain::cvdAgcReleaseInAExit, &TfmMain::cvdAgcReleaseInAKeyDown, agcBox);
    box("cvdAgcRatioIn" + x, &TfmMain::cvdAgcRatioInAExit, &TfmMain::cvdAgcRatioInAKeyDown, agcBox);
    box("cvdAgcTargetIn" + x, &TfmMain::cvdAgcTargetInAExit, &TfmMain::cvdAgcTargetInAKeyDown, agcBox);
    heading("lbAgcIn" + x, agcPress);
  }
  tmAgcDisp = new platform::Timer(this, 1);
  Register(tmAgcDisp, QStringLiteral("tmAgcDisp"));
  tmAgcDisp->OnTimer = [this](QObject* s) { tmAgcDispTimer(s); };
}

// Page and channel navigation: the 23 page buttons, the arrows that scroll
// the button bar, the Matrix page's overview labels that jump to a page, and
// the link-mask query behind the page change.
//
// A channel page shows the upper container of the head of the channel's link
// group (inputs and outputs each share one lower container, with the head's
// PEQ grid in front); the panel is loaded with the clicked channel itself.
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <vector>

#include "controls/UxBmpButton.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/Plot.h"
#include "link/LComm.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "model/Lunitcontrol.h"

namespace {

constexpr int kScrollTabs = 57;  // one tab step on plMenuSel
constexpr int kBarLeft = 3;

struct FunctionPage {
  int page;
  const char* name;  // the page's button is uxbMenu + name, its containers uxgFft/uxgParam + name
};
constexpr FunctionPage kFunctionPages[] = {{16, "Comp"},   {17, "Delay"}, {18, "Eff"}, {19, "Matrix"},
                                           {20, "Gate"},   {21, "Gain"},  {22, "Agc"}};

const char* FunctionPageName(int page) {
  for (const FunctionPage& p : kFunctionPages)
    if (p.page == page) return p.name;
  return nullptr;
}

// A QLabel's click (press and release inside) runs a handler with the label
// as Sender.
class LabelClick : public QObject {
 public:
  LabelClick(QLabel* label, std::function<void(QObject*)> handler) : QObject(label), handler_(std::move(handler)) {
    label->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* label = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseButtonPress) {
      pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease && pressed_) {
      pressed_ = false;
      const auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() == Qt::LeftButton && label->rect().contains(e->position().toPoint())) handler_(watched);
    }
    return false;
  }

 private:
  std::function<void(QObject*)> handler_;
  bool pressed_ = false;
};

}  // namespace

int TfmMain::GetLinkMask(int channel) const {
  if (!UnitControl || channel < 0 || channel > 15) return 0;
  return UnitControl->GetChannelLinkMask(channel);
}

int TfmMain::PageHead(int page) const {
  if (page < 0 || page > 15) return page;
  if (GetLinkMask(page) != 0) return page;
  const int first = page < 8 ? 0 : 8;
  const int bit = 1 << (page - first);
  for (int i = first; i < first + 8; ++i)
    if (GetLinkMask(i) & bit) return i;
  // No mask of the side holds the channel (a file or the processor can leave
  // it so): it heads a group of its own, or its page could never be shown.
  return page;
}

QString TfmMain::PageButtonName(int page) {
  if (page >= 0 && page < 16) return platform::ComposedName(page < 8 ? "uxbMenuIn" : "uxbMenuOut", page);
  const char* name = FunctionPageName(page);
  return name ? QStringLiteral("uxbMenu") + name : QString();
}

void TfmMain::StackPageButtons(QWidget* selected) {
  // Neighbouring tabs overlap: each stands over its left neighbour, and the
  // selected one over both of its neighbours.
  std::vector<TUxBmpButton*> tabs;
  for (int page = 0; page <= 22; ++page)
    if (auto* b = FindControl<TUxBmpButton>(PageButtonName(page))) tabs.push_back(b);
  std::stable_sort(tabs.begin(), tabs.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
  for (TUxBmpButton* b : tabs) b->raise();
  if (selected) selected->raise();
}

void TfmMain::uxbMenuInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button) return;
  const int p = button->Tag();
  if (p == CurrentPage) return;

  // Every control of both pages first: a page whose controls cannot all be
  // found is not changed to.
  auto containers = [this](int page, int channel, QWidget*& upper, QWidget*& lower) {
    if (page >= 0 && page < 16) {
      const bool input = page < 8;
      upper = FindControl<QWidget>(platform::ComposedName(input ? "uxgFftIn" : "uxgFftOut", channel));
      lower = FindControl<QWidget>(input ? "uxgParamInA" : "uxgParamOut1");
    } else if (const char* name = FunctionPageName(page)) {
      upper = FindControl<QWidget>(QStringLiteral("uxgFft") + name);
      lower = FindControl<QWidget>(QStringLiteral("uxgParam") + name);
    }
  };
  auto* oldButton = FindControl<TUxBmpButton>(PageButtonName(CurrentPage));
  QWidget* oldUpper = nullptr;
  QWidget* oldLower = nullptr;
  containers(CurrentPage, CurrentPage, oldUpper, oldLower);
  if (!oldButton || !oldUpper || !oldLower) return;

  const int h = PageHead(p);
  QWidget* upper = nullptr;
  QWidget* lower = nullptr;
  containers(p, h, upper, lower);
  if (!upper || !lower) return;
  QWidget* peqPanel = nullptr;
  QLabel* title = nullptr;
  QLabel* nameLabel = nullptr;
  display::Plot* plot = nullptr;
  display::LMyFFTDrawHpLp6dB* plotWidget = nullptr;
  if (p >= 0 && p < 16) {
    const bool input = p < 8;
    peqPanel = FindControl<QWidget>(platform::ComposedName(input ? "uxpPeqIn" : "uxpPeqOut", h));
    title = FindControl<QLabel>(platform::ComposedName(input ? "lbFftChannelIn" : "lbFftChannelOut", h));
    nameLabel = FindControl<QLabel>(input ? "lbGainNameInA" : "lbGainNameOut1");
    plot = Plots[h].get();
    plotWidget = PlotWidget(h);
    if (!peqPanel || !title || !nameLabel || !plot || !plotWidget) return;
  }

  if (CommProc) CommProc->SetGraceResends(1);
  oldButton->SetFontColor(mainform::Colours().caption);

  if (p >= 0 && p < 16) {
    EditChannel = h;
    peqPanel->raise();
    plot->RemoveCurve(display::Plot::SumSection);
    plot->DrawSection(display::Plot::SumSection, display::ChannelCurveColour(p));
    plotWidget->UpdateCurvePage();
    const QString caption = QStringLiteral("%1%2").arg(p < 8 ? "In" : "Out").arg(p % 8 + 1);
    title->setText(caption);
    nameLabel->setText(caption);
  } else if (p == 18) {
    EditChannel = 18;
  }

  button->SetFontColor(mainform::Colours().selected);
  if (p == 21)
    RefreshGainOverlays();
  else if (p >= 0 && p < 16)
    RefreshChannelOverlays(p);
  CurrentPage = p;
  StackPageButtons(button);
  LoadChannelToPanel(p);

  oldUpper->hide();
  lower->show();
  lower->raise();
  upper->show();
  upper->raise();
}

void TfmMain::uxbMenuLeftClick(QObject* Sender) {
  const int tag = platform::Tag(Sender);
  if (tag == 1)
    MenuScrollStep = MenuScrollStep == 0 ? 7 : 10;
  else if (tag == 0)
    MenuScrollStep = MenuScrollStep == 10 ? 7 : 0;
  if (auto* bar = FindControl<QWidget>("plMenuSel")) bar->move(kBarLeft - kScrollTabs * MenuScrollStep, bar->y());
}

void TfmMain::SelectPageByButton(const QString& buttonName) {
  auto* button = FindControl<TUxBmpButton>(buttonName);
  if (!button) return;
  button->Click();
  button->SetDown(true);
  if (auto* matrix = FindControl<TUxBmpButton>("uxbMenuMatrix")) matrix->SetDown(false);
}

void TfmMain::lbMatrixPeqInAClick(QObject* Sender) {
  const int channel = platform::Tag(Sender);
  if (channel < 0 || channel > 15) return;
  SelectPageByButton(PageButtonName(channel));
}

void TfmMain::lbMatrixHpLpInAClick(QObject*) { SelectPageByButton(QStringLiteral("uxbMenuAgc")); }

void TfmMain::lbMatrixCompOut1Click(QObject*) { SelectPageByButton(QStringLiteral("uxbMenuComp")); }

void TfmMain::lbMatrixGainInAClick(QObject*) { SelectPageByButton(QStringLiteral("uxbMenuGain")); }

void TfmMain::lbMatrixDelayInAClick(QObject* Sender) {
  SelectPageByButton(QStringLiteral("uxbMenuDelay"));
  const int channel = platform::Tag(Sender);
  if (channel >= 8 && channel < 16) {
    // An output's "DELAY": the Delay page with the outputs' strips in front.
    if (auto* outputs = FindControl<QWidget>("uxpDelayOut")) outputs->raise();
  } else {
    // An input's "SEL": on to the effect page.
    SelectPageByButton(QStringLiteral("uxbMenuEff"));
  }
}

void TfmMain::BindNavigation() {
  for (int page = 0; page <= 22; ++page)
    if (auto* b = FindControl<TUxBmpButton>(PageButtonName(page)))
      b->OnClick = [this](QObject* s) { uxbMenuInAClick(s); };
  for (const char* name : {"uxbMenuLeft", "uxbMenuRight"})
    if (auto* b = FindControl<TUxBmpButton>(QString::fromLatin1(name)))
      b->OnClick = [this](QObject* s) { uxbMenuLeftClick(s); };

  auto bind = [this](const QString& name, void (TfmMain::*handler)(QObject*)) {
    if (auto* label = FindControl<QLabel>(name)) new LabelClick(label, [this, handler](QObject* s) { (this->*handler)(s); });
  };
  for (int i = 0; i < 8; ++i) {
    const QString x = platform::ChannelSuffix(i);
    const QString n = platform::ChannelSuffix(8 + i);
    for (const char* role : {"Gain", "Peq", "Phase"}) {
      bind(QStringLiteral("lbMatrix%1In").arg(role) + x, &TfmMain::lbMatrixPeqInAClick);
      bind(QStringLiteral("lbMatrix%1Out").arg(role) + n, &TfmMain::lbMatrixPeqInAClick);
    }
    bind("lbMatrixXoverOut" + n, &TfmMain::lbMatrixPeqInAClick);
    bind("lbMatrixMuteOut" + n, &TfmMain::lbMatrixPeqInAClick);
    bind("lbMatrixHpLpIn" + x, &TfmMain::lbMatrixHpLpInAClick);
    bind("lbMatrixCompOut" + n, &TfmMain::lbMatrixCompOut1Click);
    bind("lbMatrixDelayOut" + n, &TfmMain::lbMatrixDelayInAClick);
    bind("lbMatrixDelayIn" + x, &TfmMain::lbMatrixDelayInAClick);
  }
  TUxBmpButton* down = nullptr;
  for (int page = 0; page <= 22 && !down; ++page)
    if (auto* b = FindControl<TUxBmpButton>(PageButtonName(page)); b && b->Down()) down = b;
  StackPageButtons(down);
}

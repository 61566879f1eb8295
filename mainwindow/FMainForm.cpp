// The main window's form: the frame, the top bar with the page buttons and the
// link area, the page frame `uxgMain` with every page's containers, and the
// preset bar.
//
// BuildForm creates every page container, upper (`uxgFft…`) and lower
// (`uxgParam…`), inside `uxgMain` before it calls the page builders; each
// builder (FMainFormGain.cpp, FMainFormChannel.cpp, FMainFormEffect.cpp,
// FMainFormDelay.cpp, FMainFormDynamics.cpp, FMainFormMatrix.cpp) finds its
// containers with FindControl and fills them, so the builders depend on no
// order among themselves. The geometry is the design at 1126 × 725; FormResize
// spreads any extra size.
#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>

#include <algorithm>

#include "controls/ExTrackBar.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "controls/UxGroupBox.h"
#include "controls/UxPanel.h"
#include "controls/UxShapeButton.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"

using namespace mainform;

namespace {

// Design geometry of the frame (client coordinates).
constexpr QRect kFunctionBar(5, 2, 1115, 44);
constexpr QRect kMain(5, 48, 1112, 629);
constexpr QRect kPreset(10, 624, 1100, 44);
// Inside uxgMain.
constexpr QRect kUpper(0, 0, 1112, 284);
constexpr QRect kLower(20, 292, 1072, 284);
constexpr int kFrameSplit = 256;  // where the upper frame pieces end
constexpr int kFrameRightLeft = 1077;
constexpr int kFrameLeftWidth = 1082;
// Page bar.
constexpr QSize kPageButton(74, 40);
constexpr int kChannelTabLeft = 387;
constexpr int kTabMargin = 24;  // the captions start 24 pixels from a tab's left edge
constexpr int kTabStep = 57;
// A caption ends 2 pixels left of the foot of the next tab's slanted edge.
constexpr int kTabCaptionRoom = kTabStep - 2;

struct PageButton {
  const char* name;
  const char* caption;
  int tag;
  int left;
};
// The function pages, left to right on plMenuSel; the channel tabs follow.
constexpr PageButton kFunctionPages[] = {
    {"uxbMenuGain", "Gain", 21, -12},     {"uxbMenuGate", "Gate", 20, 45},   {"uxbMenuAgc", "AGC", 22, 102},
    {"uxbMenuComp", "Comp", 16, 159},     {"uxbMenuDelay", "Delay", 17, 216}, {"uxbMenuMatrix", "Matrix", 19, 272},
    {"uxbMenuEff", "Aux", 18, 329},
};

// The pages' names: every upper container is uxgFft + name, every lower one uxgParam + name.
const char* const kUpperPages[] = {"Gain", "Delay", "Comp", "Gate", "Agc", "Matrix", "Eff"};
const char* const kLowerPages[] = {"InA", "Out1", "Gain", "Delay", "Comp", "Gate", "Agc", "Matrix", "Eff"};

}  // namespace

void TfmMain::BuildForm() {
  auto* client = new QWidget(this);
  Register(client, QStringLiteral("fmMainClient"));
  client->setAutoFillBackground(true);
  QPalette pal = client->palette();
  pal.setColor(QPalette::Window, Colours().form);
  pal.setColor(QPalette::WindowText, Colours().text);
  client->setPalette(pal);
  // Below the design size the window scrolls over the content.
  auto* scroll = Create<QScrollArea>(this, QStringLiteral("fmMainScroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setPalette(pal);
  scroll->setWidget(client);
  setCentralWidget(scroll);

  // ---- Top bar: page tabs with their scroll arrows, link state, link button.
  TUxGroupBox* bar = Group(*this, client, "uxgFunction", kFunctionBar);
  auto* left = Button(*this, bar, "uxbMenuLeft", QRect(2, 2, 20, 40), "<", Keys().select, ButtonKind::Push, 0, 0);
  TUxPanel* block = Panel(*this, bar, "plMenuBlock", QRect(24, 2, 748, 40));
  TUxPanel* strip = Panel(*this, block, "plMenuSel", QRect(3, 0, 2000, 40));
  auto* right = Button(*this, bar, "uxbMenuRight", QRect(774, 2, 20, 40), ">", Keys().select, ButtonKind::Push, 0, 1);
  (void)left;
  (void)right;

  const ButtonFaces functionTab = TabFaces(kPageButton, true);
  const ButtonFaces channelTab = TabFaces(kPageButton, false);
  auto tab = [&](const QString& name, const QString& caption, int tag, int x, const ButtonFaces& faces) {
    auto* b = Create<TUxBmpButton>(strip, name);
    b->SetButtonSize(bszButtonToBitmap);
    ApplyFaces(b, faces);
    b->SetCaption(caption);
    b->SetFontColor(Colours().caption);
    b->SetTag(tag);
    b->SetGroupIndex(1);
    b->SetShowFocus(false);
    b->setGeometry(QRect(QPoint(x, 0), kPageButton));
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    // The next tab covers this one from kTabCaptionRoom on: a caption wider
    // than the stand-in fonts leave room for starts left of the form's margin.
    const int width = QFontMetrics(f).horizontalAdvance(caption);
    b->SetMargin(std::clamp(kTabCaptionRoom - width, 2, kTabMargin));
    b->show();
    return b;
  };
  for (const PageButton& p : kFunctionPages)
    tab(p.name, p.caption, p.tag, p.left, QLatin1String(p.name) == "uxbMenuEff" ? channelTab : functionTab);
  for (int k = 0; k < 16; ++k) {
    const bool input = k < 8;
    tab(platform::ComposedName(input ? "uxbMenuIn" : "uxbMenuOut", k),
        QStringLiteral("%1%2").arg(input ? "In" : "Out").arg(k % 8 + 1), k, kChannelTabLeft + kTabStep * k, channelTab);
  }
  // Gain is the start page. Tabs are stacked right over left, the chosen one on top.
  auto* gain = FindControl<TUxBmpButton>("uxbMenuGain");
  gain->SetDown(true);
  gain->SetFontColor(Colours().selected);
  gain->raise();

  Label(*this, bar, "lbShowIdNumber", QRect(802, 4, 70, 16), "ID : 1");
  Label(*this, bar, "lbStatus", QRect(876, 4, 170, 16), QString(), Qt::AlignLeft | Qt::AlignVCenter,
        Colours().dimText);
  Label(*this, bar, "lbShowIp", QRect(802, 24, 244, 16), "Disconnected", Qt::AlignLeft | Qt::AlignVCenter,
        Colours().dimText);
  // The bar's end piece: a plate behind the processor's ID, state and address.
  SetupPlate(Create<TUxShapeButton>(bar, "uxsbMenuEnd"), QRect(798, 2, 250, 40));
  auto* link = Button(*this, bar, "uxbMenuLink", QRect(1052, 2, 60, 40), "OffLine", Keys().on, ButtonKind::Toggle, 2);
  QFont linkFont = link->font();
  linkFont.setBold(true);
  link->setFont(linkFont);

  // ---- Page frame and page containers.
  auto* main = Create<TUxGroupBox>(client, "uxgMain");
  main->SetGroupStyle(gsCustom);
  main->SetTransparent(false);
  main->SetBorderOuter(fsNone);
  main->SetColor(Colours().main);
  main->setGeometry(kMain);
  const int lowerHeight = kMain.height() - kFrameSplit;
  auto frame = [&](const char* name, const QRect& r, bool leftPiece) {
    auto* image = Create<QLabel>(main, name);
    image->setPixmap(QPixmap::fromImage(FramePicture(r.size(), leftPiece)));
    image->setGeometry(r);
  };
  frame("imLeftUpBase", QRect(0, 0, kFrameLeftWidth, kFrameSplit), true);
  frame("imRightUpBase", QRect(kFrameRightLeft, 0, kMain.width() - kFrameRightLeft, kFrameSplit), false);
  frame("imLeftDownBase", QRect(0, kFrameSplit, kFrameLeftWidth, lowerHeight), true);
  frame("imRightDownBase", QRect(kFrameRightLeft, kFrameSplit, kMain.width() - kFrameRightLeft, lowerHeight), false);

  auto container = [&](const QString& name, const QRect& r) {
    TUxGroupBox* g = Group(*this, main, name, r);
    g->OnPaint = [](QObject* sender, QPainter& canvas) {
      PaintPageBackground(static_cast<QWidget*>(sender), canvas);
    };
    g->hide();
    return g;
  };
  for (const char* page : kLowerPages) container(QStringLiteral("uxgParam") + page, kLower);
  for (int ch = 0; ch < 16; ++ch)
    container(platform::ComposedName(ch < 8 ? "uxgFftIn" : "uxgFftOut", ch), kUpper);
  for (const char* page : kUpperPages) container(QStringLiteral("uxgFft") + page, kUpper);

  // The template fader whose thumb pictures start-up copies to the dynamics faders.
  TExTrackBar* blue = Fader(*this, main, "isBlue", QRect(0, 0, kFaderWidth, 180), 0, 10, kPageLevel, 0, 0, true);
  blue->hide();

  // ---- Preset bar: the processor address list and the current preset.
  auto* preset = Create<TUxGroupBox>(client, "uxgPreset");
  preset->SetGroupStyle(gsCustom);
  preset->SetTransparent(false);
  preset->SetColor(Colours().presetBar);
  preset->SetBorderOuter(fsFlat);
  preset->SetFlatColor(QColor(96, 96, 96));
  preset->SetFlatColorAdjustment(0);
  preset->setGeometry(kPreset);
  const QColor ink = Colours().presetText;
  Label(*this, preset, "lAddress", QRect(12, 13, 60, 18), "Address", Qt::AlignLeft | Qt::AlignVCenter, ink);
  // The list and its label appear with the first processor that answers discovery.
  Label(*this, preset, "lbIp", QRect(76, 13, 22, 18), "IP", Qt::AlignLeft | Qt::AlignVCenter, ink)->hide();
  Combo(*this, preset, "uxcIpAddress", QRect(100, 11, 150, 22), {}, -1, csOwnerDrawFixed)->hide();
  // Rescan: enabled with the first processor that answers discovery.
  Button(*this, preset, "sbIpScan", QRect(254, 11, 52, 22), "Scan", Keys().select)->setEnabled(false);

  Label(*this, preset, "lPreset", QRect(340, 13, 56, 18), "Preset", Qt::AlignLeft | Qt::AlignVCenter, ink);
  // The number and the name stand on shape-button plates: disabled pictures
  // keyed out over the bar (AutoSize makes each button 4 pixels larger).
  auto plate = [&](const char* plateName, const char* name, const QRect& r, const QString& text) {
    SetupPlate(Create<TUxShapeButton>(preset, plateName), r);
    QLabel* l = Label(*this, preset, name, r, text, Qt::AlignCenter, QColor(0, 255, 0));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  };
  plate("uxsbPstNum", "lbPstNum", QRect(398, 10, 50, 24), "F00");
  plate("uxsbPstName", "lbPstName", QRect(452, 10, 220, 24), QString());
  Button(*this, preset, "bStore", QRect(700, 9, 84, 26), "Store", Keys().select);
  Button(*this, preset, "bRecall", QRect(790, 9, 84, 26), "Recall", Keys().select);

  // ---- The pages.
  BuildGainPage();
  BuildChannelPages();
  BuildEffectPage();
  BuildDelayPage();
  BuildDynamicsPages();
  BuildMatrixPage();

  // The start page: Gain in front.
  for (const char* name : {"uxgFftGain", "uxgParamGain"}) {
    auto* page = FindControl<QWidget>(name);
    page->show();
    page->raise();
  }
}

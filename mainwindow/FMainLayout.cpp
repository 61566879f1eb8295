// The window's resize handler: the rules of MainLayout.h applied to the form.
// Below the design size in a direction, the content keeps its last size in
// that direction and the scroll area around it scrolls.
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVariant>

#include "controls/ExTrackBar.h"
#include "dialogs/FLinkSel.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "mainwindow/MainLayout.h"

using mainlayout::Field;

namespace {

void Apply(QWidget* w, Field field, int value) {
  QRect r = w->geometry();
  switch (field) {
    case Field::Left: r.moveLeft(value); break;
    case Field::Top: r.moveTop(value); break;
    case Field::Width: r.setWidth(value); break;
    case Field::Height: r.setHeight(value); break;
  }
  if (r != w->geometry()) w->setGeometry(r);
}

// The row of captions and switches under a response plot (channel, Aux and
// Gain pages): the plot grows by dh, so the row moves down by dh with the
// bottom of its container and stays in front of the plot. A child whose
// design top is at or below the plots' design bottom belongs to the row.
void MovePlotRow(QWidget* upper, int dh) {
  constexpr int kPlotBottom = 256;
  const QObjectList children = upper->children();  // raise() reorders the live list
  for (QObject* o : children) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) continue;
    QVariant design = w->property("designTop");
    if (!design.isValid()) {
      design = w->y() >= kPlotBottom ? w->y() : -1;
      w->setProperty("designTop", design);
    }
    if (design.toInt() < 0) continue;
    w->move(w->x(), design.toInt() + dh);
    w->raise();
  }
}

}  // namespace

void TfmMain::resizeEvent(QResizeEvent* event) {
  platform::MainForm::resizeEvent(event);
  FormResize(this);
}

namespace {

int MenuHeight(const QWidget* menu) { return menu && !menu->isHidden() ? menu->sizeHint().height() : 0; }

}  // namespace

QSize TfmMain::OuterSize() const {
  using namespace mainlayout;
  return QSize(width() + kDesignFrameWidth, height() - MenuHeight(menuWidget()) + kDesignFrameHeight);
}

void TfmMain::SetOuterSize(const QSize& outer) {
  using namespace mainlayout;
  resize(outer.width() - kDesignFrameWidth, outer.height() - kDesignFrameHeight + MenuHeight(menuWidget()));
}

void TfmMain::FormResize(QObject*) {
  using namespace mainlayout;
  const QSize outer = OuterSize();
  const int w = outer.width();
  const int h = outer.height();
  auto* area = FindControl<QScrollArea>("fmMainScroll");
  auto* client = FindControl<QWidget>("fmMainClient");
  if (!area || !client) return;
  const auto policy = w < kDesignWidth || h < kDesignHeight ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  area->setHorizontalScrollBarPolicy(policy);
  area->setVerticalScrollBarPolicy(policy);

  int dh = -1;
  int dw = -1;
  if (h >= kDesignHeight) {
    dh = h - kDesignHeight;
    ExtraHeight = dh;
  }
  if (w >= kDesignWidth) {
    dw = w - kDesignWidth;
    extraWidth_ = dw;
  }
  // The content: the design's client area grown by the last extra size of
  // each direction, so it fills the window from the design size up.
  client->resize(kDesignWidth - kDesignFrameWidth + extraWidth_, kDesignHeight - kDesignFrameHeight + ExtraHeight);

  for (const Rule& rule : Rules(dw, dh))
    if (auto* control = FindControl<QWidget>(rule.name)) Apply(control, rule.field, rule.value);
  // The frame pieces are pictures drawn for their size.
  const std::pair<const char*, bool> frames[] = {
      {"imLeftUpBase", true}, {"imRightUpBase", false}, {"imLeftDownBase", true}, {"imRightDownBase", false}};
  for (auto [name, leftPiece] : frames)
    if (auto* image = FindControl<QLabel>(QString::fromLatin1(name)); image && image->pixmap().size() != image->size())
      image->setPixmap(QPixmap::fromImage(mainform::FramePicture(image->size(), leftPiece)));
  if (dh >= 0) {
    for (int ch = 0; ch < 16; ++ch)
      if (auto* upper = FindControl<QWidget>(platform::ComposedName(ch < 8 ? "uxgFftIn" : "uxgFftOut", ch)))
        MovePlotRow(upper, dh);
    for (const char* page : {"uxgFftEff", "uxgFftGain"})
      if (auto* upper = FindControl<QWidget>(QString::fromLatin1(page))) MovePlotRow(upper, dh);
  }

  // The delay indicators follow their sliders along the (new) line width.
  for (int ch = 0; ch < 16; ++ch) {
    const QString s = platform::ComposedName(ch < 8 ? "In" : "Out", ch);
    auto* slider = FindControl<TExTrackBar>("isDelay" + s);
    auto* line = FindControl<QWidget>("lbDelayLine" + s);
    auto* image = FindControl<QWidget>("imDelay" + s);
    auto* time = FindControl<QWidget>("lbFftDelayTime" + s);
    if (!slider || !line || !image || !time) break;
    const DelayIndicator at =
        PlaceDelayIndicator(slider->Position(), slider->Max(), line->width(), image->y(), image->height());
    image->move(at.imageLeft, image->y());
    time->move(at.timeLeft, at.timeTop);
  }
  if (auto* main = FindControl<QWidget>("uxgMain")) main->update();
  // The dash rows once start-up has made the other windows; the main
  // window's own creation skips them.
  if (fmLinkSel)
    for (int ch = 0; ch < 16; ++ch) DrawDelayLine(ch);
}

// Delay editing on the Delay page: the sixteen faders, the typed values, the
// unit buttons, and the delay lines whose handle the user drags. A line's
// handle sits at fader position x (line width - 90) / Max + 40 in the panel,
// the time label rides just right of it, and a row of dashes runs from the
// line's start to the handle. Linked channels follow through ApplyLinkedDelay.
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "mainwindow/FMain.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"
#include "platform/Format.h"

namespace {

constexpr int kLineStart = 40;    // the handle's left edge at delay 0
constexpr int kLineMargin = 90;   // the line's width less the handle's travel
constexpr int kDashWidth = 6;     // pixels per dash
constexpr int kMaxDashes = 396;

QString Name(const char* in, const char* out, int channel) {
  return platform::ComposedName(QString::fromLatin1(channel < 8 ? in : out), channel);
}

// The unit forms cut from a typed value: the last characters go, two for
// milliseconds and feet, one for metres, once for every form found.
struct UnitForms {
  const char* forms[4];
  int cut;
};
constexpr UnitForms kUnitForms[3] = {
    {{"ms", "Ms", "mS", "MS"}, 2},
    {{"m", "M", nullptr, nullptr}, 1},
    {{"ft", "Ft", "fT", "FT"}, 2},
};

// The number at the start of a text of digits, points, commas and blanks:
// leading blanks skipped, a point as the decimal separator. Empty when no
// digit starts it (only blanks, commas or points).
std::optional<double> LeadingNumber(const QString& text) {
  int i = 0;
  while (i < text.size() && text[i] == QLatin1Char(' ')) ++i;
  const int start = i;
  int digits = 0;
  while (i < text.size() && text[i].isDigit()) ++i, ++digits;
  if (i < text.size() && text[i] == QLatin1Char('.')) {
    ++i;
    while (i < text.size() && text[i].isDigit()) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  bool ok = false;
  const double v = text.mid(start, i - start).toLatin1().toDouble(&ok);  // C locale
  if (!ok) return std::nullopt;
  return v;
}

// Routes a delay line's mouse press, move and release to the window's
// handlers with the line as Sender and the position in the line.
class DelayLineMouse : public QObject {
 public:
  DelayLineMouse(QLabel* line, TfmMain* form) : QObject(line), form_(form) {
    line->setMouseTracking(true);
    line->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
      return false;
    const auto* e = static_cast<QMouseEvent*>(event);
    const QPoint at = e->position().toPoint();
    if (type == QEvent::MouseButtonPress)
      form_->lbDelayLineInAMouseDown(watched, e->button(), e->modifiers(), at.x(), at.y());
    else if (type == QEvent::MouseMove)
      form_->lbDelayLineInAMouseMove(watched, e->modifiers(), at.x(), at.y());
    else
      form_->lbDelayLineInAMouseUp(watched, e->button(), e->modifiers(), at.x(), at.y());
    // Taken here, so the press is not passed to the panel and the line keeps
    // the mouse until the release.
    return true;
  }

 private:
  TfmMain* form_;
};

}  // namespace

QString TfmMain::DelayDashes(int count) {
  return QString(std::clamp(count, 0, kMaxDashes), QLatin1Char('-'));
}

int TfmMain::DelayDisplayUnit() const {
  const int unit = UnitControl ? UnitControl->GetDelayUnit() : 0;
  return unit >= 0 && unit <= 2 ? unit : 0;  // an unknown unit shows in ms
}

void TfmMain::DrawDelayLine(int channel) {
  if (channel < 0 || channel > 15) return;
  auto* handle = FindControl<QWidget>(Name("imDelayIn", "imDelayOut", channel));
  auto* line = FindControl<QLabel>(Name("lbDelayLineIn", "lbDelayLineOut", channel));
  auto* time = FindControl<QWidget>(Name("lbFftDelayTimeIn", "lbFftDelayTimeOut", channel));
  if (!handle || !line || !time) return;
  time->move(handle->x() + handle->width(), handle->y() + handle->height() / 4);
  line->setText(DelayDashes((handle->x() - kLineStart) / kDashWidth));
}

void TfmMain::isDelayInAChange(QObject* Sender) {
  if (Updating || !UnitControl) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int ch = fader->Tag();
  if (ch < 0 || ch > 15) return;
  auto* box = FindControl<TRoundEdit>(Name("cvdDelayIn", "cvdDelayOut", ch));
  auto* handle = FindControl<QWidget>(Name("imDelayIn", "imDelayOut", ch));
  auto* line = FindControl<QWidget>(Name("lbDelayLineIn", "lbDelayLineOut", ch));
  auto* time = FindControl<QLabel>(Name("lbFftDelayTimeIn", "lbFftDelayTimeOut", ch));
  if (!box || !handle || !line || !time) return;
  const int p = fader->Position();
  const int max = fader->Max() > 0 ? fader->Max() : 1;
  const int left = p * (line->width() - kLineMargin) / max + kLineStart;
  auto placeTime = [&] { time->move(left + handle->width(), handle->y() + handle->height() / 4); };
  handle->move(left, handle->y());
  placeTime();
  const QString text = DelayText(p, DelayDisplayUnit(), true);
  box->SetText(text);
  time->setText(text);
  placeTime();
  UnitControl->SetDelay(ch, static_cast<std::uint16_t>(p));
  ApplyLinkedDelay(ch, p, left);
}

void TfmMain::uxbUnit0Click(QObject* Sender) {
  const int unit = platform::Tag(Sender);
  for (int ch = 0; ch < 16; ++ch) {
    auto* box = FindControl<TRoundEdit>(Name("cvdDelayIn", "cvdDelayOut", ch));
    auto* fader = FindControl<TExTrackBar>(Name("isDelayIn", "isDelayOut", ch));
    auto* time = FindControl<QLabel>(Name("lbFftDelayTimeIn", "lbFftDelayTimeOut", ch));
    if (!box || !fader || !time) return;
    const QString text = DelayText(fader->Position(), unit, false);
    box->SetText(text);
    time->setText(text);
  }
  if (!Updating && UnitControl) UnitControl->SetDelayUnit(static_cast<std::uint16_t>(unit));
}

void TfmMain::cvdDelayInBKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers) {
  if (Key == Qt::Key_Return || Key == Qt::Key_Enter) ApplyTypedDelay(Sender);
}

void TfmMain::cvdDelayInAExit(QObject* Sender) { ApplyTypedDelay(Sender); }

void TfmMain::ApplyTypedDelay(QObject* Sender) {
  auto* box = dynamic_cast<TRoundEdit*>(Sender);
  if (!box) return;
  const int ch = box->Tag();
  if (ch < 0 || ch > 15) return;
  auto* fader = FindControl<TExTrackBar>(Name("isDelayIn", "isDelayOut", ch));
  if (!fader) return;
  const int unit = DelayDisplayUnit();
  QString text = box->Text();
  const UnitForms& forms = kUnitForms[unit];
  for (const char* form : forms.forms)
    if (form && text.contains(QLatin1String(form))) text.chop(forms.cut);
  std::optional<int> samples;
  if (!text.isEmpty() && IsNumericText(text.toStdString()))
    if (const std::optional<double> v = LeadingNumber(text))
      samples = std::clamp(DelayToSamples(*v, unit), fader->Min(), fader->Max());
  box->SetText(QString());
  if (samples) fader->SetPosition(*samples);
  box->SetText(DelayText(fader->Position(), unit, true));
  // The caret to the end, as the End key puts it.
  QWidget* target = box->Edit() ? static_cast<QWidget*>(box->Edit()) : box;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QCoreApplication::sendEvent(target, &release);
}

void TfmMain::lbDelayLineInAMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  auto* line = qobject_cast<QWidget*>(Sender);
  if (!line) return;
  const int ch = platform::Tag(line);
  if (ch < 0 || ch > 15) return;
  if (auto* selector = FindControl<TUxBmpButton>(ch < 8 ? "uxbDelaySelIn" : "uxbDelaySelOut")) {
    selector->Click();
    selector->SetDown(true);
  }
  auto* handle = FindControl<QWidget>(Name("imDelayIn", "imDelayOut", ch));
  if (!handle) return;
  if (std::abs(X - handle->x() + 25) <= 14 && std::abs(Y - line->height() / 2) <= 14) DelayDragging = 1;
}

void TfmMain::lbDelayLineInAMouseMove(QObject* Sender, Qt::KeyboardModifiers, int X, int Y) {
  auto* line = qobject_cast<QLabel*>(Sender);
  if (!line) return;
  const int ch = platform::Tag(line);
  if (ch < 0 || ch > 15) return;
  if (DelayDragging != 1) {
    auto* handle = FindControl<QWidget>(Name("imDelayIn", "imDelayOut", ch));
    if (!handle) return;
    const bool over = std::abs(X - handle->x() + 25) <= 14 && std::abs(Y - line->height() / 2) < 15;
    line->setCursor(over ? Qt::PointingHandCursor : Qt::ArrowCursor);
    return;
  }
  // A line no wider than the margin has no travel to drag along.
  const int w = line->width();
  if (w <= kLineMargin) return;
  auto* fader = FindControl<TExTrackBar>(Name("isDelayIn", "isDelayOut", ch));
  if (!fader) return;
  const int x = std::min(X, w - 75) - 15;
  fader->SetPosition(x * fader->Max() / (w - kLineMargin));
  line->setText(DelayDashes(x < 0 ? 0 : x / kDashWidth));
}

void TfmMain::lbDelayLineInAMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  DelayDragging = 0;
}

void TfmMain::uxbDelaySelInClick(QObject* Sender) {
  const char* side = platform::Tag(Sender) != 0 ? "Out" : "In";
  // The strips below and the lines above: the chosen side's pair in front.
  for (const char* prefix : {"uxpDelay", "lbFftDelay", "plFftDelay"}) {
    if (auto* panel = FindControl<QWidget>(QString::fromLatin1(prefix) + QString::fromLatin1(side))) {
      panel->show();
      panel->raise();
    }
  }
}

void TfmMain::BindDelayHandlers() {
  for (int ch = 0; ch < 16; ++ch) {
    if (auto* fader = FindControl<TExTrackBar>(Name("isDelayIn", "isDelayOut", ch)))
      fader->OnChange = [this](QObject* s) { isDelayInAChange(s); };
    if (auto* box = FindControl<TRoundEdit>(Name("cvdDelayIn", "cvdDelayOut", ch))) {
      box->OnKeyDown = [this](QObject* s, int& key, Qt::KeyboardModifiers m) { cvdDelayInBKeyDown(s, key, m); };
      box->OnExit = [this](QObject* s) { cvdDelayInAExit(s); };
    }
    if (auto* line = FindControl<QLabel>(Name("lbDelayLineIn", "lbDelayLineOut", ch))) {
      new DelayLineMouse(line, this);
      // One dash every 6 pixels, whatever the font's hyphen is wide, so the
      // row ends at the handle.
      QFont font = line->font();
      font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
      font.setLetterSpacing(QFont::AbsoluteSpacing, kDashWidth - QFontMetricsF(font).horizontalAdvance(QLatin1Char('-')));
      line->setFont(font);
    }
    // The handle and its time label lie over the line: the line takes their
    // presses, so a press on the handle starts the drag.
    for (QWidget* over : {FindControl<QWidget>(Name("imDelayIn", "imDelayOut", ch)),
                          FindControl<QWidget>(Name("lbFftDelayTimeIn", "lbFftDelayTimeOut", ch))})
      if (over) over->setAttribute(Qt::WA_TransparentForMouseEvents, true);
  }
  for (const char* name : {"uxbUnit0", "uxbUnit1", "uxbUnit2"})
    if (auto* b = FindControl<TUxBmpButton>(QString::fromLatin1(name))) b->OnClick = [this](QObject* s) { uxbUnit0Click(s); };
  for (const char* name : {"uxbDelaySelIn", "uxbDelaySelOut"})
    if (auto* b = FindControl<TUxBmpButton>(QString::fromLatin1(name)))
      b->OnClick = [this](QObject* s) { uxbDelaySelInClick(s); };
}

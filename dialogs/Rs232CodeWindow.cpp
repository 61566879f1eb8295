#include "dialogs/Rs232CodeWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "dialogs/Rs232Tables.h"
#include "mainwindow/FMain.h"

namespace {

constexpr int kWheelStep = 30;
constexpr int kArrowStep = 30;

// The window icon: a small page with a serial plug's pins.
QIcon WindowIcon() {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(40, 60, 110), 2));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(5, 3, 22, 26), 3, 3);
  p.setBrush(QColor(40, 60, 110));
  for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(9 + i * 3.5, 12), 1.2, 1.2);
  for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(10.75 + i * 3.5, 18), 1.2, 1.2);
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace

TRs232CodeWindow::TRs232CodeWindow(bool chinese) {
  setWindowTitle(chinese ? QString::fromUtf8("232通讯协议控制代码") : QStringLiteral("RS232 Protocal Code"));
  setWindowIcon(WindowIcon());
  SetOuterSize(chinese ? QSize(746, 661) : QSize(754, 662));

  Page = new QScrollArea(this);
  Page->setGeometry(rect());
  Page->setWidgetResizable(false);
  Page->setFrameShape(QFrame::NoFrame);
  Page->setFocusPolicy(Qt::NoFocus);
  QPalette white = Page->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  Page->setPalette(white);
  Page->setBackgroundRole(QPalette::Window);
  Page->viewport()->installEventFilter(this);
  sheet_ = new QWidget;
  sheet_->setPalette(white);
  sheet_->setAutoFillBackground(true);

  RTFLabel = Create<TRTFLabel>(sheet_, "RTFLabel");
  RTFLabel->setGeometry(50, chinese ? 8 : 24, 630, chinese ? 5000 : 4850);
  RTFLabel->SetTransparent(true);
  RTFLabel->SetWordWrap(false);
  {
    const QByteArray document = rs232doc::Document(chinese);
    QString text;
    text.reserve(document.size());
    for (const char b : document) text.append(QChar(char16_t(std::uint8_t(b))));
    RTFLabel->SetRichText(text);
  }
  RTFLabel->Loaded();

  // Created after the label, the pictures lie over it.
  for (int position = 0; position < rs232doc::kPictureCount; ++position) {
    const rs232doc::PicturePlace& place = rs232doc::Place(position);
    const int number = chinese ? place.chinese : place.english;
    const int height = chinese ? place.chineseHeight : place.englishHeight;
    TExImage* image = Create<TExImage>(sheet_, QStringLiteral("ExImage%1").arg(number));
    image->setGeometry(50, chinese ? place.chineseTop : place.englishTop, 630, height);
    // Drawn and written as PNG when first read or shown: most runs never
    // open this window.
    image->Picture()->ReadDeferred(
        [position, chinese, height] { return rs232doc::TablePng(position, chinese, height); });
    ExImage[number - 1] = image;
  }
  Page->setWidget(sheet_);
  FormResize();
}

void TRs232CodeWindow::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_RS232_CODE"));
}

QMargins TRs232CodeWindow::FrameMargins() const {
  const QRect outer = frameGeometry();
  const QRect client = geometry();
  return QMargins(client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
                  outer.bottom() - client.bottom());
}

QSize TRs232CodeWindow::OuterSize() const { return size().grownBy(FrameMargins()); }

void TRs232CodeWindow::SetOuterSize(const QSize& outer) {
  pendingOuter_ = outer;
  resize(outer.shrunkBy(FrameMargins()));
}

void TRs232CodeWindow::showEvent(QShowEvent* event) {
  platform::Form::showEvent(event);
  if (!pendingOuter_.isValid()) return;
  const QSize outer = pendingOuter_;
  pendingOuter_ = QSize();
  resize(outer.shrunkBy(FrameMargins()));
  // A window manager frames the window only once it is mapped.
  QTimer::singleShot(0, this, [this, outer] {
    if (isVisible() && !pendingOuter_.isValid()) resize(outer.shrunkBy(FrameMargins()));
  });
}

void TRs232CodeWindow::FormResize() {
  const int outer = OuterSize().width();
  const int left = outer < 750 ? 50 : (outer - 750) / 2 + 50;
  RTFLabel->move(left, RTFLabel->y());
  for (TExImage* image : ExImage)
    if (image) image->move(left, image->y());
  // The scroll range reaches the controls' far edges; a wider window shows white.
  int right = 0, bottom = 0;
  for (QWidget* child : sheet_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    right = std::max(right, child->geometry().right() + 1);
    bottom = std::max(bottom, child->geometry().bottom() + 1);
  }
  const QSize view = Page->maximumViewportSize();
  const int scrollBar = Page->verticalScrollBar()->sizeHint().width();
  sheet_->resize(std::max(right, bottom > view.height() ? view.width() - scrollBar : view.width()), bottom);
}

void TRs232CodeWindow::FormKeyDown(int key) {
  QScrollBar* vertical = Page->verticalScrollBar();
  QScrollBar* horizontal = Page->horizontalScrollBar();
  switch (key) {
    case Qt::Key_PageUp: vertical->setValue(vertical->value() - OuterSize().height()); break;
    case Qt::Key_PageDown: vertical->setValue(vertical->value() + OuterSize().height()); break;
    case Qt::Key_Up: vertical->setValue(vertical->value() - kArrowStep); break;
    case Qt::Key_Down: vertical->setValue(vertical->value() + kArrowStep); break;
    case Qt::Key_Left: horizontal->setValue(horizontal->value() - kArrowStep); break;
    case Qt::Key_Right: horizontal->setValue(horizontal->value() + kArrowStep); break;
    default: break;
  }
}

void TRs232CodeWindow::FormMouseWheelUp() {
  QScrollBar* vertical = Page->verticalScrollBar();
  vertical->setValue(vertical->value() - kWheelStep);
}

void TRs232CodeWindow::FormMouseWheelDown() {
  QScrollBar* vertical = Page->verticalScrollBar();
  vertical->setValue(vertical->value() + kWheelStep);
}

void TRs232CodeWindow::FormClose(platform::CloseAction&) {
  setWindowState(Qt::WindowNoState);
  SetOuterSize(QSize(755, 666));
}

int TRs232CodeWindow::VertScrollPosition() const { return Page->verticalScrollBar()->value(); }
int TRs232CodeWindow::HorzScrollPosition() const { return Page->horizontalScrollBar()->value(); }

void TRs232CodeWindow::resizeEvent(QResizeEvent* event) {
  platform::Form::resizeEvent(event);
  Page->setGeometry(rect());
  FormResize();
}

void TRs232CodeWindow::keyPressEvent(QKeyEvent* event) {
  // The window holds no focusable control: every key is the form's, and
  // keys it does not use do nothing (Escape does not close it).
  FormKeyDown(event->key());
  event->accept();
}

bool TRs232CodeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Page->viewport() && event->type() == QEvent::Wheel) {
    // One step per notch of 120, partial turns adding up.
    wheelAccumulator_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
    while (wheelAccumulator_ >= 120) {
      wheelAccumulator_ -= 120;
      FormMouseWheelUp();
    }
    while (wheelAccumulator_ <= -120) {
      wheelAccumulator_ += 120;
      FormMouseWheelDown();
    }
    return true;
  }
  return platform::Form::eventFilter(watched, event);
}

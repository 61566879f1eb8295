#include "dialogs/DialogLook.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <tuple>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "mainwindow/FMainFormKit.h"
#include "controls/UxGroupBox.h"
#include "mainwindow/FMain.h"
#include "mainwindow/LanguageTables.h"

namespace dialogs {

QString Sid(const char* key) { return fmMain ? fmMain->TranslateSid(key) : DesignText(key); }

QString DesignText(const char* key) { return LookupSid(EnglishTable(), QString::fromLatin1(key)); }

const Palette& Colours() {
  static const Palette palette;
  return palette;
}

void ApplyDialogLook(QWidget* form) {
  const Palette& c = Colours();
  QPalette p = form->palette();
  p.setColor(QPalette::Window, c.window);
  p.setColor(QPalette::WindowText, c.text);
  p.setColor(QPalette::ButtonText, c.text);
  form->setPalette(p);
  form->setAutoFillBackground(true);
}

namespace {

QImage PaintButtonFace(const QSize& size, int state) {
  const Palette& c = Colours();
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  const QRectF r = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QColor top = c.face, bottom = c.faceTo;
  switch (state) {
    case 1: top = c.faceHot; bottom = c.face; break;
    case 2: top = c.faceDown; bottom = c.faceTo; break;
    case 3: top = c.latched; bottom = c.latchedTo; break;
    case 4: top = c.faceTo; bottom = c.faceTo.darker(120); break;
    default: break;
  }
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  QPainterPath path;
  path.addRoundedRect(r, 4, 4);
  p.fillPath(path, fill);
  p.setPen(QPen(c.buttonFrame, 1));
  p.drawPath(path);
  // A thin highlight under the top edge reads as a raised face; pressed faces
  // lose it.
  if (state != 2 && state != 4) {
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(r.left() + 4, r.top() + 1.5), QPointF(r.right() - 4, r.top() + 1.5));
  }
  return image;
}

const QImage& Itself(const QImage& image) { return image; }

}  // namespace

QImage ButtonFace(const QSize& size, int state) {
  static std::map<std::tuple<int, int, int>, QImage> cache;
  return mainform::SharedPictures(cache, std::make_tuple(size.width(), size.height(), state),
                                  [&] { return PaintButtonFace(size, state); }, Itself);
}

void SetButtonFaces(TUxBmpButton* button, const QRect& r) {
  TUxButtonBitmaps* faces = button->Bitmaps();
  faces->SetHot(ButtonFace(r.size(), 1));
  faces->SetDown(ButtonFace(r.size(), 2));
  faces->SetStayDown(ButtonFace(r.size(), 3));
  faces->SetDisabled(ButtonFace(r.size(), 4));
  faces->SetUp(ButtonFace(r.size(), 0));
  button->SetFontColor(Colours().text);
  button->setGeometry(r);
}

void StyleGroupBox(TUxGroupBox* box, const QRect& r, const QString& caption) {
  const Palette& c = Colours();
  box->SetColor(c.group);
  box->SetFlatColor(c.groupFrame);
  box->SetFlatColorAdjustment(0);
  box->SetFontColor(c.text);
  box->SetCaption(caption);
  box->setGeometry(r);
}

void SetupFader(TExTrackBar* fader, const QRect& r, int min, int max, int position, int tag, int pageSize) {
  mainform::ApplyFaderLook(fader, false);
  fader->SetMin(min);
  fader->SetMax(max);
  fader->SetPageSize(pageSize);
  fader->SetPosition(position);
  fader->SetTag(tag);
  fader->setGeometry(r);
}

void SetupValueBox(TRoundEdit* box, const QRect& r, const QString& text) {
  mainform::ValueBoxLook(box, true);
  box->SetReadOnly(true);
  box->SetText(text);
  box->setGeometry(r);
}

QImage DrawPicture(Picture kind, const QSize& size) {
  const Palette& c = Colours();
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (kind == Picture::Panel) {
    // A bevelled panel the background pictures of the setting dialogs use.
    const QRectF r = QRectF(image.rect()).adjusted(1, 1, -1, -1);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, c.group.lighter(115));
    fill.setColorAt(1, c.window);
    p.setPen(QPen(c.groupFrame, 2));
    p.setBrush(fill);
    p.drawRoundedRect(r, 8, 8);
    return image;
  }
  const double d = std::min(size.width(), size.height()) - 4;
  const QRectF circle((size.width() - d) / 2, (size.height() - d) / 2, d, d);
  QRadialGradient fill(circle.center() - QPointF(d / 5, d / 5), d * 0.75);
  const QColor base = kind == Picture::Question ? QColor(40, 120, 190) : QColor(60, 150, 90);
  fill.setColorAt(0, base.lighter(150));
  fill.setColorAt(1, base);
  p.setPen(QPen(c.buttonFrame, 1.5));
  p.setBrush(fill);
  p.drawEllipse(circle);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(int(d * 0.62));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(circle, Qt::AlignCenter, kind == Picture::Question ? QStringLiteral("?") : QStringLiteral("i"));
  return image;
}

void SetPicture(QLabel* label, Picture kind, const QRect& r) {
  label->setGeometry(r);
  label->setAlignment(Qt::AlignCenter);
  label->setPixmap(QPixmap::fromImage(DrawPicture(kind, r.size())));
}

}  // namespace dialogs

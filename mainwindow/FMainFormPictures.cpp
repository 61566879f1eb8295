// The pictures of the main window that we draw ourselves: page-tab and key
// faces of the bitmap buttons, fader thumbs and the page frame. Faces are
// drawn without anti-aliasing on the olive key colour, so the button keys out
// exactly the corners; thumbs and frames carry their own alpha.
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <tuple>

#include "controls/ExTrackBar.h"
#include "controls/UxBmpButton.h"
#include "controls/UxPanel.h"
#include "mainwindow/FMainFormKit.h"

namespace mainform {

const Palette& Colours() {
  static const Palette palette;
  return palette;
}

const KeyColours& Keys() {
  static const KeyColours keys;
  return keys;
}

namespace {

QImage Blank(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Colours().transparent);
  return image;
}

QColor Lighter(const QColor& c, int amount) {
  return QColor(qMin(255, c.red() + amount), qMin(255, c.green() + amount), qMin(255, c.blue() + amount));
}
QColor Darker(const QColor& c, int amount) {
  return QColor(qMax(0, c.red() - amount), qMax(0, c.green() - amount), qMax(0, c.blue() - amount));
}

// The tab outline: slanted sides, square top corners cut by one pixel.
QPolygon TabShape(QSize size) {
  const int w = size.width() - 1, h = size.height() - 1, slant = 8;
  return QPolygon({QPoint(0, h), QPoint(slant, 2), QPoint(slant + 1, 1), QPoint(w - slant - 1, 1),
                   QPoint(w - slant, 2), QPoint(w, h)});
}

QImage Tab(QSize size, const QColor& top, const QColor& bottom, const QColor& edge, const QColor& accent) {
  QImage image = Blank(size);
  QPainter p(&image);
  const QPolygon shape = TabShape(size);
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.setPen(edge);
  p.setBrush(fill);
  p.drawPolygon(shape);
  // A highlight under the top edge and, for the chosen tab, an accent bar along the bottom.
  p.setPen(Lighter(top, 40));
  p.drawLine(10, 2, size.width() - 11, 2);
  if (accent.isValid()) p.fillRect(QRect(6, size.height() - 4, size.width() - 12, 3), accent);
  return image;
}

// A key with corners cut by two pixels.
QImage Key(QSize size, const QColor& face, const QColor& edge, bool sunken) {
  QImage image = Blank(size);
  QPainter p(&image);
  const int w = size.width() - 1, h = size.height() - 1;
  const QPolygon shape({QPoint(2, 0), QPoint(w - 2, 0), QPoint(w, 2), QPoint(w, h - 2), QPoint(w - 2, h),
                        QPoint(2, h), QPoint(0, h - 2), QPoint(0, 2)});
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, sunken ? Darker(face, 18) : Lighter(face, 22));
  fill.setColorAt(1, sunken ? Lighter(face, 10) : Darker(face, 22));
  p.setPen(edge);
  p.setBrush(fill);
  p.drawPolygon(shape);
  p.setPen(sunken ? Darker(face, 40) : Lighter(face, 50));
  p.drawLine(3, 1, w - 3, 1);
  return image;
}

ButtonFaces DrawTabFaces(QSize size, bool functionPage) {
  const QColor base = functionPage ? QColor(44, 74, 80) : QColor(52, 64, 78);
  const QColor edge(110, 128, 146);
  ButtonFaces f;
  f.up = Tab(size, Lighter(base, 20), Darker(base, 12), edge, QColor());
  f.hot = Tab(size, Lighter(base, 45), Lighter(base, 5), Lighter(edge, 30), QColor());
  f.down = Tab(size, Lighter(base, 60), Lighter(base, 20), Lighter(edge, 50), QColor(0, 200, 0));
  f.stayDown = f.down;
  f.disabled = Tab(size, QColor(60, 64, 70), QColor(48, 52, 58), QColor(90, 94, 100), QColor());
  return f;
}

ButtonFaces DrawKeyFaces(QSize size, const QColor& lit) {
  const QColor face = Colours().keyFace;
  const QColor edge(24, 30, 37);
  ButtonFaces f;
  f.up = Key(size, face, edge, false);
  f.hot = Key(size, Lighter(face, 22), edge, false);
  f.down = Key(size, lit, Darker(lit, 70), true);
  f.stayDown = Key(size, lit, Darker(lit, 70), false);
  f.disabled = Key(size, QColor(58, 64, 71), QColor(40, 44, 50), false);
  return f;
}

const QImage& UpFace(const ButtonFaces& faces) { return faces.up; }

}  // namespace

ButtonFaces TabFaces(QSize size, bool functionPage) {
  static std::map<std::tuple<int, int, bool>, ButtonFaces> cache;
  return SharedPictures(cache, std::make_tuple(size.width(), size.height(), functionPage),
                        [&] { return DrawTabFaces(size, functionPage); }, UpFace);
}

ButtonFaces KeyFaces(QSize size, const QColor& lit) {
  static std::map<std::tuple<int, int, QRgb>, ButtonFaces> cache;
  return SharedPictures(cache, std::make_tuple(size.width(), size.height(), lit.rgba()),
                        [&] { return DrawKeyFaces(size, lit); }, UpFace);
}

QImage ThumbPicture(QSize size, bool blue, int state) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  QColor body = blue ? QColor(70, 120, 200) : QColor(200, 205, 212);
  if (state == 1) body = Lighter(body, 30);
  if (state == 2) body = blue ? QColor(110, 160, 235) : QColor(235, 238, 242);
  if (state == 3) body = QColor(110, 114, 120);
  const QRectF r(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, Lighter(body, 35));
  fill.setColorAt(0.5, body);
  fill.setColorAt(1, Darker(body, 45));
  p.setPen(QPen(Darker(body, 110), 1));
  p.setBrush(fill);
  p.drawRoundedRect(r, 3, 3);
  // The grip line across the cap marks the value.
  p.setPen(QPen(state == 3 ? QColor(70, 70, 70) : QColor(20, 20, 20), 2));
  p.drawLine(QPointF(3, size.height() / 2.0), QPointF(size.width() - 3, size.height() / 2.0));
  return image;
}

QImage FramePicture(QSize size, bool leftPiece) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  // Draw the outline wider than the piece on its open side so no edge shows there.
  const qreal extend = 12;
  QRectF r(3.5, 3.5, size.width() - 7.0, size.height() - 7.0);
  if (leftPiece) r.setRight(r.right() + extend);
  else r.setLeft(r.left() - extend);
  p.setPen(QPen(Colours().frameEdge, 1));
  p.setBrush(Colours().frameFill);
  p.drawRoundedRect(r, 6, 6);
  return image;
}

QImage PlatePicture(QSize size) {
  // Aliased, so that every pixel is either the key colour or the plate's.
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(0, 128, 128));
  QPainter p(&image);
  p.setPen(QPen(QColor(96, 100, 104), 1));
  p.setBrush(QColor(24, 28, 32));
  p.drawRoundedRect(QRect(0, 0, size.width() - 1, size.height() - 1), 4, 4);
  p.setPen(QColor(8, 10, 12));
  p.drawLine(3, 1, size.width() - 4, 1);  // the sunken top edge
  return image;
}

void PaintPageBackground(QWidget* container, QPainter& canvas) {
  QWidget* parent = container->parentWidget();
  if (!parent) return;
  if (auto* panel = dynamic_cast<TUxCustomPanel*>(parent); panel && !panel->Transparent())
    canvas.fillRect(container->rect(), panel->Color());
  for (QObject* child : parent->children()) {
    auto* image = qobject_cast<QLabel*>(child);
    if (!image || !image->isVisibleTo(parent) || image->pixmap().isNull()) continue;
    const QRect r = image->geometry().translated(-container->pos());
    if (r.intersects(container->rect())) canvas.drawPixmap(r.topLeft(), image->pixmap());
  }
}

void ApplyFaces(TUxBmpButton* button, const ButtonFaces& faces) {
  TUxButtonBitmaps* b = button->Bitmaps();
  b->SetTransparentColor(Colours().transparent);
  b->SetUp(faces.up);
  b->SetHot(faces.hot);
  b->SetDown(faces.down);
  b->SetStayDown(faces.stayDown);
  b->SetDisabled(faces.disabled);
}

void ApplyFaderLook(TExTrackBar* fader, bool blue) {
  // One set of pictures per colour, made once; each fader takes copies, which
  // share the bytes.
  struct Set {
    TGDIPPicture normal, hot, down, disabled;
  };
  static Set* sets[2] = {nullptr, nullptr};
  Set*& set = sets[blue ? 1 : 0];
  if (!set) {
    set = new Set;
    const QSize size(kThumbAcross, kThumbAlong);
    set->normal.Assign(ThumbPicture(size, blue, 0));
    set->hot.Assign(ThumbPicture(size, blue, 1));
    set->down.Assign(ThumbPicture(size, blue, 2));
    set->disabled.Assign(ThumbPicture(size, blue, 3));
  }
  const QColor none = trackbar::Tc(platform::clNone);
  const QColor black = trackbar::Tc(platform::clBlack);
  fader->SetOrientation(trVertical);
  fader->SetColor(none);
  fader->SetColorTo(none);
  fader->SetColorDisabled(none);
  fader->SetColorDisabledTo(none);
  fader->SetBorderColor(none);
  fader->SetBorderColorDisabled(none);
  TTrackBarSlider* s = fader->Slider();
  s->SetColor(trackbar::Tc(platform::clWhite));
  s->SetColorTo(black);
  s->SetDirection(gdHorizontal);
  s->SetSize(3);
  s->SetBorderColor(trackbar::Tc(platform::clMedGray));
  s->SetBorderColorDisabled(black);
  s->SetColorDisabled(black);
  s->SetColorDisabledTo(black);
  s->SetColorCompleted(none);
  s->SetColorCompletedTo(none);
  s->SetColorCompletedDisabled(none);
  s->SetColorCompletedDisabledTo(none);
  TTrackBarThumb* t = fader->Thumb();
  t->SetShape(tsPointer);
  t->SetSize(kThumbAcross);
  t->SetWidth(kThumbAlong);
  t->SetPicture(&set->normal);
  t->SetPictureHot(&set->hot);
  t->SetPictureDown(&set->down);
  t->SetPictureDisabled(&set->disabled);
  fader->TickMark()->SetStyle(tsNone);
  fader->SetShowFocus(true);
  fader->SetTrackHint(false);
  fader->TrackLabel()->SetFormat(QStringLiteral("Pos: %d"));
  fader->Loaded();
}

}  // namespace mainform

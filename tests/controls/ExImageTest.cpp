// The picture control: placement of its picture, repaints, version, hint and
// mouse events.
#include <QBuffer>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QPainter>
#include <gtest/gtest.h>

#include "controls/ExImage.h"

namespace {

const QColor kParent(20, 160, 40);
const QColor kPicture(200, 30, 30);

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray Solid(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kPicture);
  return Png(image);
}

// A picture whose pixel (x, y) reads red x mod 256, green y.
QByteArray Coordinates(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixelColor(x, y, QColor(x % 256, y, 90));
  return Png(image);
}

// A parent of a known colour with one picture control at (10, 10).
struct Scene {
  QWidget parent;
  TExImage* image;
  Scene() {
    parent.resize(700, 160);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, kParent);
    parent.setPalette(p);
    parent.setAutoFillBackground(true);
    image = new TExImage(&parent);
    image->setGeometry(10, 10, 630, 113);
  }
  // A pixel in the control's coordinates, from a grab of the parent.
  QColor At(int x, int y) { return parent.grab().toImage().pixelColor(10 + x, 10 + y); }
};

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

TEST(ExImage, CentresTheMeasuredPictureAndShowsTheParentAround) {
  Scene s;
  EXPECT_TRUE(s.image->Center());
  EXPECT_FALSE(s.image->Stretch());
  s.image->Picture()->LoadFromData(Solid(538, 69));
  EXPECT_EQ(s.image->PictureRect(), QRect(46, 22, 538, 69));
  EXPECT_EQ(s.At(46, 22), kPicture);
  EXPECT_EQ(s.At(583, 90), kPicture);
  EXPECT_EQ(s.At(45, 22), kParent);
  EXPECT_EQ(s.At(584, 90), kParent);
  EXPECT_EQ(s.At(46, 21), kParent);

  s.image->SetCenter(false);
  EXPECT_EQ(s.At(0, 0), kPicture);
  EXPECT_EQ(s.At(537, 68), kPicture);
  EXPECT_EQ(s.At(538, 0), kParent);
  EXPECT_EQ(s.At(0, 69), kParent);

  s.image->SetStretch(true);
  EXPECT_EQ(s.At(0, 0), kPicture);
  EXPECT_EQ(s.At(629, 112), kPicture);
}

TEST(ExImage, LargerPictureIsCutEquallyOnBothSides) {
  Scene s;
  // 11 and 7 pixels too large: offsets -5 and -3 (truncated toward zero).
  s.image->Picture()->LoadFromData(Coordinates(641, 120));
  EXPECT_EQ(s.image->PictureRect(), QRect(-5, -3, 641, 120));
  EXPECT_EQ(s.At(0, 0), QColor(5, 3, 90));
  EXPECT_EQ(s.At(629, 112), QColor(634 % 256, 115, 90));
  // Nothing spills over the control's edges onto the parent.
  const QImage parent = s.parent.grab().toImage();
  EXPECT_EQ(parent.pixelColor(9, 50), kParent);
  EXPECT_EQ(parent.pixelColor(640, 50), kParent);
  EXPECT_EQ(parent.pixelColor(300, 9), kParent);
}

TEST(ExImage, EmptyPictureDrawsNothing) {
  Scene s;
  EXPECT_TRUE(s.image->PictureRect().isEmpty());
  EXPECT_EQ(s.At(315, 56), kParent);
}

TEST(ExImage, RepaintsOnlyForChanges) {
  Scene s;
  s.image->Picture()->LoadFromData(Solid(20, 20));
  PaintCounter counter;
  s.image->installEventFilter(&counter);
  s.parent.show();
  QCoreApplication::processEvents();
  counter.paints = 0;
  s.image->SetStretch(false);
  s.image->SetCenter(true);
  QCoreApplication::processEvents();
  EXPECT_EQ(counter.paints, 0);
  s.image->SetStretch(true);
  QCoreApplication::processEvents();
  EXPECT_GE(counter.paints, 1);
  counter.paints = 0;
  s.image->Picture()->LoadFromData(Solid(30, 30));  // the picture's own change event
  QCoreApplication::processEvents();
  EXPECT_GE(counter.paints, 1);
  counter.paints = 0;
  TGDIPPicture other;
  other.LoadFromData(Solid(40, 10));
  s.image->SetPicture(&other);
  QCoreApplication::processEvents();
  EXPECT_GE(counter.paints, 1);
  EXPECT_EQ(s.image->Picture()->Data(), other.Data());  // a copy of the bytes
  EXPECT_NE(s.image->Picture(), &other);
}

TEST(ExImage, VersionHintFocusAndMouse) {
  Scene s;
  s.image->SetVersion(QStringLiteral("9.9.9.9"));
  EXPECT_EQ(s.image->Version(), "1.1.0.0");
  EXPECT_EQ(s.image->GetVersionNr(), 0x01010000u);
  EXPECT_EQ(s.image->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(s.image->OffSet(), 4);
  TExImage fresh;
  EXPECT_EQ(fresh.size(), QSize(128, 128));

  TExHintInfo hint;
  hint.SetTitle(QStringLiteral("Table"));
  hint.SetNotes({QStringLiteral("a note")});
  s.image->SetOfficeHint(&hint);
  EXPECT_EQ(s.image->OfficeHint()->Title(), "Table");
  EXPECT_EQ(s.image->OfficeHint()->Notes(), QStringList{"a note"});
  EXPECT_NE(s.image->OfficeHint(), &hint);

  std::vector<std::string> events;
  s.image->OnMouseEnter = [&](QObject* sender) {
    EXPECT_EQ(sender, s.image);
    EXPECT_TRUE(s.image->MouseInControl());
    events.push_back("enter");
  };
  s.image->OnMouseLeave = [&](QObject*) {
    EXPECT_FALSE(s.image->MouseInControl());
    events.push_back("leave");
  };
  QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
  QCoreApplication::sendEvent(s.image, &enter);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(s.image, &leave);
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
}

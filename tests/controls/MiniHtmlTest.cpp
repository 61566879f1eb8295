// The splash's mini-markup renderer: measuring, plain text, links, colour and
// number readers, malformed markup, and what painting puts on a white page.
#include "controls/ExSplashMiniHtml.h"
#include "controls/GdipObjects.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <climits>
#include <memory>

using namespace platform;

namespace {

struct Result {
  bool hit = false;
  QString link, plain, focused;
  int width = 0, height = 0, links = 0, hot = -1;
  TRect hotRect;
};

struct Options {
  TRect box{0, 0, 500, 250};
  bool measureOnly = true;
  bool hitTestOnly = false;
  bool keepColours = false;
  int mouseX = 0, mouseY = 0;
};

// A white page with a graphics on it and the 8-point base font.
class MiniHtml : public ::testing::Test {
 protected:
  MiniHtml() : page(600, 300, QImage::Format_ARGB32_Premultiplied) {
    page.fill(Qt::white);
    painter = std::make_unique<QPainter>(&page);
    g = std::make_unique<TGPGraphics>(*painter);
    base.Name = "Tahoma";
    base.SetSize(8);
    base.Color = clBlack;
  }
  Result Run(const QString& text, const Options& o = {}) {
    Result r;
    r.hit = DrawMiniHtml(g.get(), base, text, o.box, nullptr, o.mouseX, o.mouseY, -1, -1, 5, o.hitTestOnly,
                         o.measureOnly, false, o.keepColours, true, false, true, 1.0, clBlue, clNone, clNone, clGray,
                         r.link, r.plain, r.focused, r.width, r.height, r.links, r.hot, r.hotRect, nullptr, 2);
    return r;
  }
  int Gh(int points) {
    TFont f = base;
    f.SetSize(points);
    return g->TextHeight("gh", f);
  }
  int Width(const QString& s, TFontStyles style = 0) {
    TFont f = base;
    f.Style = style;
    TRect r{0, 0, 0, 0};
    g->DrawText(s, -1, r, f, DT_CALCRECT, clNone);
    return r.Right - r.Left;
  }
  QImage Painted(const QString& text, bool keepColours = false) {
    Options o;
    o.box = TRect{0, 0, 300, 100};
    o.measureOnly = false;
    o.keepColours = keepColours;
    page.fill(Qt::white);
    Run(text, o);
    return page.copy();
  }

  QImage page;
  std::unique_ptr<QPainter> painter;
  std::unique_ptr<TGPGraphics> g;
  TFont base;
};

bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 90 && qBlue(c) < 90; }
bool IsGreen(QRgb c) { return qGreen(c) > 150 && qRed(c) < 110 && qBlue(c) < 110; }

int Count(const QImage& image, QRect area, bool (*test)(QRgb)) {
  int n = 0;
  area &= image.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += test(image.pixel(x, y));
  return n;
}

TEST_F(MiniHtml, MeasuresTheSystemsLineAndItsKin) {
  const int h8 = Gh(8);
  Result r = Run("<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>");
  EXPECT_EQ(r.height, Gh(20) + 2) << "one line, no gap after the last";
  EXPECT_EQ(r.plain, "Loading Program....\r");

  r = Run("one<BR>two");
  EXPECT_EQ(r.height, h8 + 2 + h8 + 2);
  EXPECT_EQ(r.plain, "one\rtwo");

  EXPECT_EQ(Run("<FONT size=\"3\">gh</FONT>").height, Gh(12) + 2);
  EXPECT_EQ(Run("<FONT size=\"30\">gh</FONT>").height, Gh(30) + 2);

  r = Run("<Z>hid</Z>vis");
  EXPECT_EQ(r.plain, "hidvis");
  EXPECT_EQ(r.width, Width("vis") + 2) << "hidden text takes no width";

  // Thirty lines do not fit in 250 pixels: measuring counts them all, painting stops.
  QString many;
  for (int i = 0; i < 30; ++i) many += "l<BR>";
  EXPECT_EQ(Run(many).height, 30 * h8 + 29 * 2 + 2);
  Options paint;
  paint.measureOnly = false;
  EXPECT_LT(Run(many, paint).height, 250 + h8 + 2);
}

TEST_F(MiniHtml, EntitiesShowAsTheirCharacters) {
  EXPECT_EQ(Run("a&amp;b").plain, "a&b");
  const Result r = Run("x &lt;B&gt; y");
  EXPECT_EQ(r.plain, "x <B> y");
  EXPECT_EQ(r.width, Width("x ") + Width("<B> ") + Width("y") + 2) << "no bold";
  EXPECT_NE(Width("y"), Width("y", fsBold)) << "bold would have shown in the width";
  EXPECT_EQ(Run("&AMP;copy; &euro;").plain, QString(QChar(0x00A9)) + " " + QChar(0x20AC)) << "repeated until none";
}

TEST_F(MiniHtml, FindsTheLinkUnderTheMouse) {
  Options o;
  o.measureOnly = false;
  o.hitTestOnly = true;
  o.mouseX = 1 + Width("one") + Width("two") / 2;
  o.mouseY = Gh(8) / 2;
  Result r = Run("<A href=\"u1\">one</A> <A href=\"u2\">two</A>", o);
  EXPECT_EQ(r.links, 2);
  EXPECT_EQ(r.link, "u2");
  EXPECT_EQ(r.hot, 2);
  EXPECT_TRUE(r.hit);

  o.mouseX = 1 + Width("one") / 2;
  r = Run("<A href=\"u1\">one</A> <A href=\"u2\">two</A>", o);
  EXPECT_EQ(r.link, "u1");
  EXPECT_EQ(r.hot, 1);

  o.mouseY = 200;  // below the line
  r = Run("<A href=\"u1\">one</A> <A href=\"u2\">two</A>", o);
  EXPECT_EQ(r.link, "");
  EXPECT_EQ(r.hot, -1);
  EXPECT_FALSE(r.hit);
}

TEST_F(MiniHtml, ReadsColoursAndNumbers) {
  EXPECT_EQ(HtmlHexColor("#ff0000"), 255u);
  EXPECT_EQ(HtmlHexColor("#FF0000"), 255u);
  EXPECT_EQ(HtmlHexColor("#0000FF"), clBlue);
  EXPECT_EQ(HtmlHexColor("#F"), 15u) << "only the digits present";
  EXPECT_EQ(HtmlHexColor("#"), 0u);
  EXPECT_EQ(HtmlColorByName("clBtnFace"), 0xFF00000Fu);
  EXPECT_EQ(HtmlColorByName("CLWHITE"), clWhite);
  EXPECT_EQ(HtmlColorByName("clInfoBk"), 0xFF000018u);
  EXPECT_EQ(HtmlColorByName("clNoSuchColour"), 0u);
  EXPECT_EQ(HtmlNumber("$1F"), 31);
  EXPECT_EQ(HtmlNumber("0x1F"), 31);
  EXPECT_EQ(HtmlNumber("x1f"), 31);
  EXPECT_EQ(HtmlNumber("  -12px"), -12);
  EXPECT_EQ(HtmlNumber("99999999999"), INT_MAX);
  EXPECT_EQ(HtmlNumber("-99999999999"), INT_MIN);
  EXPECT_EQ(HtmlNumber("abc"), 0);
}

TEST_F(MiniHtml, MalformedMarkupAlwaysReturns) {
  Options paint;
  paint.measureOnly = false;
  for (const char* text : {"<", "<B", "<>x", "<XYZ>t", "&amp;amp;", "<FONT color=\"#F\">x", "<IMG src=\"pic\">",
                           "<IMG src=\"IDX:3\">", "<IMG src=\"SSYS:12\">", "<FONT size=\"99999999999\">x",
                           "<A href=\"u\">no end", "<L><L><L>x", "<P align=\"RIGHT\" indent=\"-5\">x"}) {
    const Result r = Run(text, paint);
    EXPECT_GE(r.height, 2) << text;
  }
  EXPECT_EQ(Run("<XYZ>t").plain, "t");
  EXPECT_EQ(Run("<>x").plain, "x");
  EXPECT_EQ(Run("<B").plain, "") << "a tag without > ends the text";
  EXPECT_EQ(Run("&amp;amp;").plain, "&");
  EXPECT_EQ(Run("a<#b>c").plain, "a#bc") << "the <# quirk shows the tag as text";

  // A word wider than its box stays on one line.
  Options narrow = paint;
  narrow.box = TRect{0, 0, 10, 250};
  const Result r = Run(QString(1000, 'w'), narrow);
  EXPECT_EQ(r.height, Gh(8) + 2);
  EXPECT_GT(r.width, 10);
}

TEST_F(MiniHtml, WrapsAtSpacesInsideTheBox) {
  Options o;
  o.box = TRect{0, 0, 1 + Width("aaa bbb ") + 2, 250};
  const Result r = Run("aaa bbb ccc", o);
  EXPECT_EQ(r.height, 2 * Gh(8) + 2 + 2) << "the third word goes to a second line";
  EXPECT_EQ(r.plain, "aaa bbb ccc");
}

TEST_F(MiniHtml, PaintsRulesBulletsColoursAndZigzags) {
  const int h8 = Gh(8);
  QImage image = Painted("x<HR>y");
  const int rule = h8 + 2 + 1;  // the first line's bottom (height and gap) plus 1
  for (int x : {1, 100, 299}) EXPECT_EQ(image.pixel(x, rule), qRgb(0, 0, 0)) << x;
  EXPECT_NE(image.pixel(150, rule - 1), qRgb(0, 0, 0));

  image = Painted("<UL><L TYPE=\"SQUARE\" COLOR=\"clRed\">x");
  const int top = h8 + 2;  // <UL> breaks the first line
  EXPECT_EQ(Count(image, QRect(1, top + 2, 8, 8), IsRed), 64);
  EXPECT_EQ(Count(image, QRect(1, top + 1, 8, 1), IsRed), 0);
  EXPECT_EQ(Count(image, QRect(9, top + 2, 1, 8), IsRed), 0);

  EXPECT_GT(Count(Painted("<FONT color=\"#00FF00\">x</FONT>"), QRect(0, 0, 40, 30), IsGreen), 0);
  EXPECT_EQ(Count(Painted("<FONT color=\"#00FF00\">x</FONT>", true), QRect(0, 0, 40, 30), IsGreen), 0);

  image = Painted("<E>word</E>");
  EXPECT_GT(Count(image, QRect(0, h8 - 4, Width("word") + 2, 3), IsRed), 4);
  EXPECT_EQ(Count(Painted("word"), QRect(0, 0, 100, 40), IsRed), 0);
}

}  // namespace

// The ratio scale, the transfer curves and the typed-entry rules of the
// dynamics and matrix value boxes, without widgets.
#include <gtest/gtest.h>

#include "model/Dynamics.h"

using namespace dynamics;

namespace {

void ExpectPoints(const std::vector<XY>& got, std::initializer_list<XY> want, const char* what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  std::size_t i = 0;
  for (const XY& w : want) {
    EXPECT_NEAR(got[i].x, w.x, 1e-4) << what << " point " << i;
    EXPECT_NEAR(got[i].y, w.y, 1e-4) << what << " point " << i;
    ++i;
  }
}

}  // namespace

TEST(RatioScale, TextsAndValues) {
  EXPECT_STREQ(RatioTexts[0], "1.0");
  EXPECT_STREQ(RatioTexts[9], "4.0");
  EXPECT_STREQ(RatioTexts[15], "Limit");
  EXPECT_EQ(RatioValues[14], 20.0);
  EXPECT_EQ(RatioValues[15], 20.1);
  EXPECT_EQ(RatioText(0), "1:1.0");
  EXPECT_EQ(RatioText(13), "1:10.0");
  EXPECT_EQ(RatioText(15), "Limit");
  EXPECT_EQ(RatioText(16), "");
}

TEST(TransferCurves, CompressorGateAndAgc) {
  CurvePoints c = CompCurve(-40, 9);
  ExpectPoints(c[0], {{20, -10}, {-20, -20}, {-100, -100}}, "comp 4.0");
  ExpectPoints(c[1], {{-19.8, -20.4}}, "comp marker");
  c = CompCurve(-40, 15);
  ExpectPoints(c[0], {{20, -20}, {-20, -20}, {-100, -100}}, "comp limit");
  for (int r = 0; r < 16; ++r) ExpectPoints(CompCurve(40, r)[0], {{20, 20}, {20, 20}, {-100, -100}}, "comp +20");

  c = GateCurve(-80);
  ExpectPoints(c[0], {{20, 20}, {-40, -40}, {-40, -100}}, "gate -40");
  ExpectPoints(c[1], {{-39.8, -40.4}}, "gate marker");
  ExpectPoints(GateCurve(40)[0], {{20, 20}, {20, 20}, {20, -100}}, "gate +20");

  c = AgcCurve(-80, -40, 5);
  ASSERT_EQ(c.size(), 3u);
  ExpectPoints(c[0], {{20, 0}, {-40, -30}, {-40, -40}, {-100, -100}}, "agc 2.0");
  ExpectPoints(c[1], {{-39.8, -40.4}}, "agc threshold marker");
  ExpectPoints(c[2], {{-19.8, -20.4}}, "agc target marker");
  ExpectPoints(AgcCurve(-80, -40, 15)[0], {{20, -20}, {-40, -20}, {-40, -40}, {-100, -100}}, "agc limit");
  // Threshold at the target: no step, slope 1/R above it.
  ExpectPoints(AgcCurve(-40, -40, 9)[0], {{20, -10}, {-20, -20}, {-20, -20}, {-100, -100}}, "agc T = G");
}

TEST(TypedEntry, TextsToPositions) {
  struct Case {
    TypedMember member;
    const char* text;
    int min, max;
    int agcThreshold;
    std::optional<int> want;
  };
  const auto T = TypedMember::Threshold, G = TypedMember::AgcTarget, M = TypedMember::Time,
             R = TypedMember::CompRatio, A = TypedMember::AgcRatio, X = TypedMember::MatrixLevel;
  const std::optional<int> none;
  const Case cases[] = {
      {T, "-12.7dB", -180, 40, 0, -25},
      {T, "5.7", -180, 40, 0, 11},
      {T, "-5.7DB", -180, 40, 0, -11},
      {T, "5.3", -180, 40, 0, 10},
      {T, "3,5", -180, 40, 0, 6},
      {T, "30", -180, 40, 0, 40},
      {T, "-200", -180, 40, 0, -180},
      {T, "30", -120, 0, 0, 0},
      {T, "-100", -120, 0, 0, -120},
      {T, " +7", -180, 40, 0, 14},
      {G, "5", -120, 0, -20, 0},
      {G, "-30", -120, 0, -20, -20},
      {G, "-7.5", -120, 0, -20, -15},
      {M, "2500ms", 0, 998, 0, 998},
      {M, "0", 0, 998, 0, 0},
      {M, "5", 9, 2999, 0, 9},
      {M, "12.7", 0, 998, 0, 11},
      {M, "99999999999999", 0, 2999, 0, 2999},
      {R, "3", 0, 15, 0, 7},
      {R, "3.2", 0, 15, 0, 8},
      {R, "20.05", 0, 15, 0, 15},
      {R, "2.2", 0, 15, 0, 6},
      {R, "1:2.2", 0, 15, 0, 6},
      {R, "0.5", 0, 15, 0, 0},
      {R, "25", 0, 15, 0, 15},
      {R, "1.1", 0, 15, 0, 1},
      {A, "1:4", 0, 15, 0, 9},
      {X, "-25.7", -280, 0, 0, -211},
      {X, "-20.3", -280, 0, 0, -200},
      {X, "-5.37", -280, 0, 0, -53},
      {X, "-75", -280, 0, 0, -280},
      {X, "-60", -280, 0, 0, -280},
      {X, "-20.5dB", -280, 0, 0, -201},
      {X, "3", -280, 0, 0, 0},
      // Invalid texts.
      {T, "", -180, 40, 0, none},
      {T, "-", -180, 40, 0, none},
      {T, ".", -180, 40, 0, none},
      {T, "abc", -180, 40, 0, none},
      {T, "1.2.3", -180, 40, 0, none},
      {T, "--3", -180, 40, 0, none},
      {T, "5.", -180, 40, 0, none},
      {T, "5.+", -180, 40, 0, none},
      {T, ".3", -180, 40, 0, none},
      {T, "-.3", -180, 40, 0, none},
      {T, "+", -180, 40, 0, none},
      {T, " ", -180, 40, 0, none},
      {T, ",", -180, 40, 0, none},
      {T, "-+", -180, 40, 0, none},
      {T, "++5", -180, 40, 0, none},
      {G, "5.+", -120, 0, -120, none},
      {M, "", 0, 998, 0, none},
      {M, "-5", 0, 998, 0, none},
      {M, " ", 0, 998, 0, none},
      {M, ",", 0, 998, 0, none},
      {M, "5s", 0, 998, 0, none},
      {R, "2:1", 0, 15, 0, none},
      {R, "1:", 0, 15, 0, none},
      {R, ":", 0, 15, 0, none},
      {R, "1:2:3", 0, 15, 0, none},
      {R, "3.", 0, 15, 0, none},
      {A, "3 ", 0, 15, 0, none},
      {A, "3,5", 0, 15, 0, none},
      {X, "-25.+", -280, 0, 0, none},
      {X, "x", -280, 0, 0, none},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TypedPosition(c.member, c.text, c.min, c.max, c.agcThreshold), c.want)
        << "member " << int(c.member) << " text \"" << c.text << "\"";
}

TEST(TypedEntry, PositionsToTexts) {
  struct Case {
    TypedMember member;
    int p;
    const char* text;
  };
  const Case cases[] = {
      {TypedMember::Threshold, -25, "-12.5dB"},  {TypedMember::Threshold, 40, "+20.0dB"},
      {TypedMember::Threshold, 0, "+0.0dB"},     {TypedMember::Threshold, -1, "-0.5dB"},
      {TypedMember::AgcTarget, 0, "0.0"},        {TypedMember::AgcTarget, -20, "-10.0"},
      {TypedMember::Time, 998, "999ms"},         {TypedMember::Time, 9, "10ms"},
      {TypedMember::CompRatio, 7, "1:3.0"},      {TypedMember::AgcRatio, 15, "Limit"},
      {TypedMember::MatrixLevel, -211, "-25.5dB"}, {TypedMember::MatrixLevel, -200, "-20.0dB"},
      {TypedMember::MatrixLevel, -53, "-5.3dB"}, {TypedMember::MatrixLevel, -280, "-60.0dB"},
      {TypedMember::MatrixLevel, -201, "-20.5dB"}, {TypedMember::MatrixLevel, 0, "+0.0dB"},
  };
  for (const Case& c : cases) EXPECT_EQ(TypedText(c.member, c.p), c.text) << int(c.member) << " " << c.p;
}

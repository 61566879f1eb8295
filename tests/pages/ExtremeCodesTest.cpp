// An image whose every code sits at an end of its field (each stream byte
// 0x00, or each 0xFF: gains and frequencies of 0xFFFF, Q 255, unknown types
// and slopes) reaches the pages as values their controls can hold: every
// curve stays drawn, the cut handles stay on the plot, and no text reads
// "inf" or a value beyond its control's range. The image keeps the bytes.
#include <QLineEdit>
#include <QRegularExpression>

#include <cmath>
#include <vector>

#include "RecordingMainFixture.h"
#include "controls/RoundEdit.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/Plot.h"
#include "model/PresetImage.h"
#include "platform/Form.h"

namespace {

class ExtremeCodesTest : public RecordingMainTest {
 protected:
  void LoadStream(std::uint8_t fill) {
    std::vector<std::uint8_t> body(kStreamSize - kStreamNameOffset, fill);
    main->UnitControl->DecodeStream(body, kStreamNameOffset);
    main->ApplyUnitModel();
  }
  // The number a value text shows, in Hz for "KHz"; NaN when it shows none.
  static double Number(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([-+]?\\d+(\\.\\d+)?)\\s*(KHz|Hz|dB|ms|m|ft)?\\s*$"));
    const auto m = number.match(text);
    if (!m.hasMatch()) return std::nan("");
    return m.captured(1).toDouble() * (m.captured(3) == "KHz" ? 1000.0 : 1.0);
  }
  void ExpectWithin(const QString& where, const QString& text, double lo, double hi) {
    const double v = Number(text);
    EXPECT_TRUE(v >= lo - 1e-9 && v <= hi + 1e-9) << where.toStdString() << " shows \"" << text.toStdString() << "\"";
  }
  static bool Finite(const display::ResponseCurve& curve) {
    for (double v : curve)
      if (!std::isfinite(v)) return false;
    return true;
  }
};

TEST_F(ExtremeCodesTest, EveryCurveTextAndHandleStaysInRange) {
  for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
    SCOPED_TRACE("every byte " + std::to_string(fill));
    LoadStream(fill);
    // The image keeps what it was sent.
    EXPECT_EQ(main->UnitControl->GetPeqBand(3, 2).Frequency, fill * 0x101);
    EXPECT_EQ(main->UnitControl->GetPeqBand(12, 6).Gain, fill * 0x101);

    for (int ch : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18}) {
      SCOPED_TRACE("channel " + std::to_string(ch));
      EXPECT_TRUE(Finite(main->Plots[ch]->Sections[display::Plot::SumSection]->Response));
      std::vector<double> drawn;
      ASSERT_TRUE(main->PlotWidget(ch)->Model().GetPlotY(drawn, display::Plot::SumSection));
      for (double v : drawn) ASSERT_TRUE(std::isfinite(v));
      if (ch != 18) {
        for (int cut : {10, 11}) {
          EXPECT_TRUE(main->PlotWidget(ch)->BlockDrawn(cut)) << "cut " << cut;
          const int x = main->PlotWidget(ch)->GetBlockPos(cut).X;
          EXPECT_TRUE(x >= 0 && x <= main->PlotWidget(ch)->GetPlotWidth()) << "cut " << cut << " at " << x;
        }
      }
      TMyPEQAllpassBandPassStop* grid = main->PeqGridOf(ch);
      for (int b = 0; b < grid->GetChannelNumber(); ++b) {
        const QString row = QStringLiteral("grid %1 row %2").arg(ch).arg(b);
        ExpectWithin(row, grid->FrequencyEdit(b)->text(), 19.6, 20160);
        ExpectWithin(row, grid->QEdit(b)->text(), 0.4, 128);
        ExpectWithin(row, grid->GainEdit(b)->text(), -12, 12);
      }
    }
    main->RefreshGainOverlays();
    for (int ch = 0; ch < 16; ++ch)
      EXPECT_TRUE(Finite(main->Plots[ch < 8 ? 16 : 17]->Sections[ch]->Response)) << "Gain page, channel " << ch;

    // Each channel on its panel, its band on the band boxes; the mirror strips.
    for (int ch = 0; ch < 16; ++ch) {
      main->LoadChannelToPanel(ch);
      const QString s = ch < 8 ? QStringLiteral("InA") : QStringLiteral("Out1");
      const struct {
        QString box;
        double lo, hi;
      } boxes[] = {{"cvdEqFreq" + s, 19.6, 20160}, {"cvdEqBw" + s, 0.4, 128},         {"cvdEqGain" + s, -12, 12},
                   {"cvdLowCutFreq" + s, 19.6, 20160}, {"cvdHighCutFreq" + s, 19.6, 20160}, {"cvdGain" + s, -60, 12}};
      for (const auto& b : boxes)
        ExpectWithin(QStringLiteral("channel %1 %2").arg(ch).arg(b.box), Find<TRoundEdit>(b.box)->Text(), b.lo, b.hi);
      const QString mirror = platform::ComposedName(ch < 8 ? "cvdGainBackupIn" : "cvdGainBackupOut", ch);
      ExpectWithin(mirror, Find<TRoundEdit>(mirror)->Text(), -60, 12);
    }
  }
}

}  // namespace

// What the effect and utility windows show: each fader's text after the main
// window loads it from the image -- at the fader's start, at both ends and
// back at the start -- against the windows' value-to-text tables, and every
// value box and caption shown whole at the windows' own fonts, in both
// languages.
#include <QLabel>
#include <QRadioButton>

#include <functional>
#include <vector>

#include "RecordingMainFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/wKnob.h"
#include "dialogs/FAec.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FCamera.h"
#include "dialogs/FChNameList.h"
#include "dialogs/FChannelName.h"
#include "dialogs/FComp.h"
#include "dialogs/FRvb.h"
#include "dialogs/FTest.h"

namespace {

std::uint32_t Low(std::uint32_t word, int v) { return (word & 0xFFFF0000u) | static_cast<std::uint16_t>(v); }
std::uint32_t High(std::uint32_t word, int v) { return (word & 0xFFFFu) | static_cast<std::uint32_t>(v) << 16; }

// One fader (or knob) and the box (or label) showing it: the image values to
// load, each with the text it must show. The first value puts the fader at
// its start position.
struct FaderRow {
  const char* fader;
  const char* text;
  std::function<void(PresetImage&, int)> store;
  std::vector<std::pair<int, const char*>> values;
};

// A window, how the main window loads it, and its faders.
struct WindowRows {
  platform::Form** form;
  std::function<bool(RecordingMain&)> load;
  std::vector<FaderRow> faders;
};

std::vector<WindowRows> Windows() {
  using Im = PresetImage;
  auto load = [](bool (TfmMain::*loader)()) { return [loader](RecordingMain& m) { return (m.*loader)(); }; };
  auto refresh = [](RecordingMain& m) {
    m.ApplyUnitModel();
    return true;
  };
  return {
      {reinterpret_cast<platform::Form**>(&fmRvb),
       load(&TfmMain::LoadRvbDialog),
       {{"isEchoGain", "cvdEchoGain", [](Im& im, int v) { im.Effect.Echo[1] = High(im.Effect.Echo[1], v); },
         {{0, "  0"}, {100, "100"}, {57, " 57"}}},
        {"isEchoRepeat", "cvdEchoRepeat", [](Im& im, int v) { im.Effect.Echo[1] = Low(im.Effect.Echo[1], v); },
         {{0, "   0"}, {100, " 100"}}},
        {"isEchoDelay", "cvdEchoDelay", [](Im& im, int v) { im.Effect.Echo[0] = High(im.Effect.Echo[0], v); },
         {{0, "   0ms"}, {400, " 400ms"}, {200, " 200ms"}}},
        {"isEchoPreDelay", "cvdEchoPreDelay", [](Im& im, int v) { im.Effect.Echo[0] = Low(im.Effect.Echo[0], v); },
         {{0, "   0ms"}, {250, " 250ms"}}},
        {"isRvbGain", "cvdRvbGain", [](Im& im, int v) { im.Effect.Reverb[1] = High(im.Effect.Reverb[1], v); },
         {{0, " 0"}, {100, "100"}}},
        {"isRvbReflect", "cvdRvbReflect", [](Im& im, int v) { im.Effect.Reverb[0] = High(im.Effect.Reverb[0], v); },
         {{0, " 0"}, {100, "100"}}},
        {"isRvbTime", "cvdRvbTime", [](Im& im, int v) { im.Effect.Reverb[1] = Low(im.Effect.Reverb[1], v); },
         {{0, "0.1ms"}, {199, "4.00s"}, {1, "0.4ms"}, {2, "0.9ms"}, {3, "1ms"}, {30, "96ms"}, {98, "980ms"},
          {99, "1.00s"}, {139, "1.96s"}}},
        {"isRvbPreDelay", "cvdRvbPreDelay", [](Im& im, int v) { im.Effect.Reverb[0] = Low(im.Effect.Reverb[0], v); },
         {{0, "   0ms"}, {250, " 250ms"}}},
        {"isEffectVol", "cvdEffectVol", [](Im& im, int v) { im.Effect.EffectVolume = static_cast<std::uint8_t>(v); },
         {{0, "0"}, {100, "100"}}}}},
      {reinterpret_cast<platform::Form**>(&fmCamera),
       load(&TfmMain::LoadCameraDialog),
       {{"isThreshold", "cvdThreshold", [](Im& im, int v) { im.Effect.Camera.WordB = Low(im.Effect.Camera.WordB, v); },
         {{80, " -50.0dB"}, {180, "  +0.0dB"}, {179, "  -0.5dB"}, {120, " -30.0dB"}}},
        {"isAttack", "cvdAttack", [](Im& im, int v) { im.Effect.Camera.WordA = Low(im.Effect.Camera.WordA, v); },
         {{0, "  1ms"}, {4999, "5000ms"}, {98, " 99ms"}}},
        {"isRelease", "cvdRelease", [](Im& im, int v) { im.Effect.Camera.WordA = High(im.Effect.Camera.WordA, v); },
         {{0, "  1ms"}, {4999, "5000ms"}}}}},
      {reinterpret_cast<platform::Form**>(&fmComp),
       load(&TfmMain::LoadCompDialog),
       {{"isThreshold", "cvdThreshold", [](Im& im, int v) { im.Effect.Comp[3] = static_cast<std::uint16_t>(v); },
         {{220, " +20.0dB"}, {0, " -90.0dB"}, {140, " -20.0dB"}}},
        {"isAttack", "cvdAttack", [](Im& im, int v) { im.Effect.Comp[1] = static_cast<std::uint16_t>(v); },
         {{0, "  1ms"}, {199, "200ms"}}},
        {"isRelease", "cvdRelease", [](Im& im, int v) { im.Effect.Comp[2] = static_cast<std::uint16_t>(v); },
         {{0, "  1ms"}, {998, "999ms"}}},
        {"isRatio", "cvdRatio", [](Im& im, int v) { im.Effect.Comp[0] = static_cast<std::uint16_t>(v); },
         {{0, "1:1.0"}, {15, "Limit"}, {1, "1:1.1"}, {2, "1:1.3"}, {3, "1:1.5"}, {4, "1:1.7"}, {5, "1:2.0"},
          {6, "1:2.5"}, {7, "1:3.0"}, {8, "1:3.5"}, {9, "1:4.0"}, {10, "1:5.0"}, {11, "1:6.0"}, {12, "1:8.0"},
          {13, "1:10.0"}, {14, "1:20.0"}}}}},
      // Loaded by the refresh pass: the stored bytes, not the positions.
      {reinterpret_cast<platform::Form**>(&fmAec),
       refresh,
       {{"isAecGainInput", "cvdAecGainInput", [](Im& im, int v) { im.Effect.Aec[0] = static_cast<std::uint8_t>(v); },
         {{0, "+0.0dB"}, {60, "-60.0dB"}, {12, "-12.0dB"}}},
        {"isAecGainVcsIn", "cvdAecGainVcsIn", [](Im& im, int v) { im.Effect.Aec[2] = static_cast<std::uint8_t>(v); },
         {{2, "+0.0dB"}, {0, "-2.0dB"}, {9, "+14.0dB"}, {1, "-1.0dB"}, {3, "+2.0dB"}, {4, "+4.0dB"},
          {5, "+6.0dB"}, {6, "+8.0dB"}, {7, "+10.0dB"}, {8, "+12.0dB"}}},
        {"isAecGainVcsOut", "cvdAecGainVcsOut", [](Im& im, int v) { im.Effect.Aec[3] = static_cast<std::uint8_t>(v); },
         {{1, "+ 6.0dB"}, {0, "+ 8.0dB"}, {14, "-20.0dB"}, {4, "+ 0.0dB"}, {3, "+ 2.0dB"}, {5, "- 2.0dB"},
          {9, "-10.0dB"}}},
        {"isAecGainOutput", "cvdAecGainOutput", [](Im& im, int v) { im.Effect.Aec[1] = static_cast<std::uint8_t>(v); },
         {{0, "+ 0.0dB"}, {80, "-40.0dB"}, {1, "- 0.5dB"}}}}},
      {reinterpret_cast<platform::Form**>(&fmAutoMix),
       load(&TfmMain::LoadAutoMixDialog),
       {{"isGainAux", "cvdGainAux", [](Im& im, int v) { im.Effect.Gain = static_cast<std::uint16_t>(v); },
         {{280, "+0.0dB"}, {0, "-60.0dB"}, {400, "+12.0dB"}, {80, "-20.0dB"}, {79, "-20.5dB"}}},
        {"isShareTime", "cvdShareTime", [](Im& im, int v) { im.Effect.AutoMix.WordA = Low(im.Effect.AutoMix.WordA, v); },
         {{3, "5.3ms"}, {3749, "5000.0ms"}, {200, "268.0ms"}}},
        {"isShareRatio", "cvdShareRatio",
         [](Im& im, int v) { im.Effect.AutoMix.WordA = High(im.Effect.AutoMix.WordA, v); },
         {{1, "1"}, {10, "10"}}},
        {"kbShareWeightIn03", "lbGainIn03", [](Im& im, int v) { im.Effect.AutoMixWeight[2] = static_cast<std::uint16_t>(v); },
         {{280, "-0.0dB"}, {0, "-60.0dB"}, {400, "+12.0dB"}, {30, "-45.0dB"}, {281, "+0.1dB"}, {80, "-20.0dB"},
          {79, "-20.5dB"}}}}},
  };
}

class DialogTextsTest : public RecordingMainTest {
 protected:
  void SetUp() override {
    RecordingMainTest::SetUp();
    fmComp = new TfmComp();
    fmComp->FormCreate();
    fmRvb = new TfmRvb();
    fmCamera = new TfmCamera();
    fmAec = new TfmAec();
    fmAutoMix = new TfmAutoMix();
    fmTest = new TfmTest();
    fmChannelName = new TfmChannelName();
    fmChNameList = new TfmChNameList();
  }
  void TearDown() override {
    for (platform::Form* f : Forms()) delete f;
    fmComp = nullptr;
    fmRvb = nullptr;
    fmCamera = nullptr;
    fmAec = nullptr;
    fmAutoMix = nullptr;
    fmTest = nullptr;
    fmChannelName = nullptr;
    fmChNameList = nullptr;
    RecordingMainTest::TearDown();
  }
  static std::vector<platform::Form*> Forms() {
    return {fmComp, fmRvb, fmCamera, fmAec, fmAutoMix, fmTest, fmChannelName, fmChNameList};
  }
  static std::string Shown(platform::Form* form, const char* name) {
    if (auto* box = form->FindControl<TRoundEdit>(QString::fromLatin1(name))) return box->Text().toStdString();
    if (auto* label = form->FindControl<QLabel>(QString::fromLatin1(name))) return label->text().toStdString();
    return std::string("<no ") + name + ">";
  }
};

TEST_F(DialogTextsTest, LoadedFadersShowTheImageWhereverTheyStood) {
  for (const WindowRows& w : Windows()) {
    platform::Form* form = *w.form;
    const std::string window = form->objectName().toStdString();
    // Every fader at its start first: the texts the window was built with.
    for (const FaderRow& f : w.faders) f.store(Image(), f.values.front().first);
    ASSERT_TRUE(w.load(*main)) << window;
    for (const FaderRow& f : w.faders)
      EXPECT_EQ(Shown(form, f.text), f.values.front().second) << window << " " << f.fader << " at its start";
    for (const FaderRow& f : w.faders) {
      auto check = [&](const std::pair<int, const char*>& v) {
        f.store(Image(), v.first);
        ASSERT_TRUE(w.load(*main));
        EXPECT_EQ(Shown(form, f.text), v.second) << window << " " << f.fader << " from " << v.first;
      };
      for (std::size_t k = 1; k < f.values.size(); ++k) check(f.values[k]);
      check(f.values.front());  // back at the start, from elsewhere
      check(f.values.front());  // and the same value again
    }
  }
  EXPECT_TRUE(main->frames.empty()) << "loading sends nothing";
}

// The columns of the inner edit's grab that carry ink: pixels far from its face.
std::pair<int, int> InkColumns(QWidget* edit) {
  const QImage image = edit->grab().toImage();
  const QColor face = edit->palette().color(QPalette::Base);
  int first = image.width(), last = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - face.red()) + std::abs(c.green() - face.green()) + std::abs(c.blue() - face.blue()) > 96) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  return {first, last};
}

// The box shows its whole text when the text's ink is as wide as in the same
// box made wide enough for any text.
::testing::AssertionResult ShowsWhole(TRoundEdit* box) {
  const auto [first, last] = InkColumns(box->Edit());
  const int width = box->width();
  box->resize(width + 300, box->height());
  const auto [wideFirst, wideLast] = InkColumns(box->Edit());
  box->resize(width, box->height());
  if (last < 0 || last - first != wideLast - wideFirst)
    return ::testing::AssertionFailure() << "\"" << box->Text().toStdString() << "\" inks " << last - first + 1
                                         << " of " << wideLast - wideFirst + 1 << " columns in a box " << width
                                         << " wide";
  return ::testing::AssertionSuccess();
}

// A caption's text laid out in its rectangle, as the label lays it out.
::testing::AssertionResult ShowsWhole(QLabel* label) {
  const QRect room = label->contentsRect();
  const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
  const QRect needed = QFontMetrics(label->font()).boundingRect(room, int(label->alignment()) | wrap, label->text());
  if (!room.contains(needed))
    return ::testing::AssertionFailure() << "\"" << label->text().toStdString() << "\" needs " << needed.width() << " x "
                                         << needed.height() << " in " << room.width() << " x " << room.height();
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsWhole(TUxBmpButton* button) {
  QRect glyph, text;
  button->GetLayout(glyph, text);
  if (!button->rect().contains(text))
    return ::testing::AssertionFailure() << "\"" << button->Caption().toStdString() << "\" needs " << text.width()
                                         << " of " << button->width();
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsWhole(QRadioButton* radio) {
  if (radio->sizeHint().width() > radio->width())
    return ::testing::AssertionFailure() << "\"" << radio->text().toStdString() << "\" needs "
                                         << radio->sizeHint().width() << " of " << radio->width();
  return ::testing::AssertionSuccess();
}

// Each value box at the widest text its fader gives it.
TEST_F(DialogTextsTest, ValueBoxesShowTheirWidestTextsWhole) {
  for (platform::Form* form : std::vector<platform::Form*>{fmRvb, fmCamera, fmAec, fmAutoMix, fmComp}) {
    form->show();
    for (TRoundEdit* box : form->findChildren<TRoundEdit*>()) {
      if (!box->isVisibleTo(form)) continue;
      const QString role = box->objectName().mid(3);
      auto* fader = form->FindControl<TExTrackBar>("is" + role);
      ASSERT_NE(fader, nullptr) << box->objectName().toStdString();
      const QFontMetrics metrics(box->Edit()->font());
      int widest = fader->Min(), most = -1;
      for (int p = fader->Min(); p <= fader->Max(); ++p) {
        fader->SetPosition(p);
        if (const int w = metrics.horizontalAdvance(box->Text()); w > most) {
          most = w;
          widest = p;
        }
      }
      fader->SetPosition(widest);
      EXPECT_TRUE(ShowsWhole(box)) << form->objectName().toStdString() << " " << box->objectName().toStdString();
    }
    form->hide();
  }
}

// Every caption, button and weight label, in both languages, the weight
// labels at their widest text.
TEST_F(DialogTextsTest, CaptionsShowTheirWholeTextsInBothLanguages) {
  for (int i = 1; i <= 8; ++i) {
    auto* knob = fmAutoMix->FindControl<TwKnob>(QStringLiteral("kbShareWeightIn%1").arg(i, 2, 10, QLatin1Char('0')));
    ASSERT_NE(knob, nullptr);
    knob->SetPosition(-280);  // -60.0dB
  }
  for (const char* language : {"English", "ChineseGB"}) {
    main->Language = QString::fromLatin1(language);
    for (platform::Form* form : Forms()) {
      form->FormShow();
      const std::string where = std::string(language) + " " + form->objectName().toStdString() + " ";
      for (QLabel* label : form->findChildren<QLabel*>()) {
        if (label->isVisibleTo(form) && !label->text().isEmpty())
          EXPECT_TRUE(ShowsWhole(label)) << where << label->objectName().toStdString();
      }
      for (TUxBmpButton* button : form->findChildren<TUxBmpButton*>()) {
        if (button->isVisibleTo(form)) EXPECT_TRUE(ShowsWhole(button)) << where << button->objectName().toStdString();
      }
      for (QRadioButton* radio : form->findChildren<QRadioButton*>())
        EXPECT_TRUE(ShowsWhole(radio)) << where << radio->objectName().toStdString();
    }
  }
  main->Language = QStringLiteral("English");
}

}  // namespace

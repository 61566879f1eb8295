// What the main window's form builders share: the colours of the console
// look, the pictures we draw for button faces, fader thumbs and the page
// frame, and small factories that create a named, registered control with its
// geometry and start values in one call. The builders of the pages
// (FMainForm*.cpp) use these so every page looks and is set up alike.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <map>

#include "controls/UxComboBox.h"

class QLabel;
class QPainter;
class QWidget;
class TColumnHeadings;
class TExTrackBar;
class TMyPEQAllpassBandPassStop;
class TfmMain;
class TRoundEdit;
class TUpDown;
class TUxBmpButton;
class TUxGroupBox;
class TUxPanel;
class TUxShapeButton;
class LProgressBar;
namespace display {
class LMyFFTDrawHpLp6dB;
}

namespace mainform {

// ---- Colours ------------------------------------------------------------------
struct Palette {
  QColor form{30, 37, 45};          // window client area
  QColor main{39, 48, 58};          // uxgMain, the page frame
  QColor frameEdge{86, 102, 120};   // page frame line
  QColor frameFill{33, 41, 50};     // inside the page frame
  QColor groupEdge{66, 80, 95};     // frame of a control group
  QColor text{221, 227, 234};       // labels on the dark pages
  QColor dimText{154, 167, 180};    // secondary labels
  QColor presetBar{137, 137, 137};  // uxgPreset (its design colour)
  QColor presetText{16, 20, 24};    // labels on the preset bar
  QColor caption{255, 255, 255};    // button captions; also an unselected page button
  QColor selected{0, 255, 0};       // caption of the selected page button
  QColor keyFace{72, 86, 101};      // face of a button that is up
  QColor comboFace{223, 255, 255};  // the pale cyan of the owner-drawn combos
  QColor transparent{128, 128, 0};  // key colour of every button bitmap (olive)
};
const Palette& Colours();

// Lit colours of latched buttons, by role.
struct KeyColours {
  QColor mute{184, 50, 58};
  QColor phase{47, 111, 184};
  QColor line{176, 118, 30};
  QColor phantom{196, 64, 40};
  QColor select{42, 127, 143};
  QColor on{46, 139, 87};
  QColor band{0, 150, 0};
};
const KeyColours& Keys();

// ---- Pictures (FMainFormPictures.cpp) ------------------------------------------
// One face per state of a bitmap button; the corners outside the shape are the
// transparent key colour.
struct ButtonFaces {
  QImage up, hot, down, stayDown, disabled;
};
// Drawn pictures are made once per key and shared: QImage copies share their
// pixels until one is written. An entry nobody but the cache holds any more
// (tested on one image of it) is dropped when a new one is drawn, so sizes
// that went out of use do not pile up.
template <typename Key, typename Pictures, typename Draw>
Pictures SharedPictures(std::map<Key, Pictures>& cache, const Key& key, Draw draw,
                        const QImage& (*held)(const Pictures&)) {
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  for (auto it = cache.begin(); it != cache.end();)
    it = held(it->second).isDetached() ? cache.erase(it) : std::next(it);
  return cache.emplace(key, draw()).first->second;
}

// Page-bar tab: a trapezoid so neighbouring tabs overlap like file tabs.
// Function pages (Gain ... Matrix) are tinted apart from the channel pages.
ButtonFaces TabFaces(QSize size, bool functionPage);
// Rounded key; lit in `lit` while down or latched.
ButtonFaces KeyFaces(QSize size, const QColor& lit);
// Fader thumb seen from above: a cap with a centre line, in four states
// (0 normal, 1 hot, 2 down, 3 disabled); `blue` is the dynamics pages' cap.
QImage ThumbPicture(QSize size, bool blue, int state);
// Page frame pieces: a rounded outline, open on the side that meets the other
// piece (left pieces open right, right pieces open left).
QImage FramePicture(QSize size, bool leftPiece);
// A dark display plate with rounded corners in the key colour (its
// bottom-left pixel), the face of a shape button.
QImage PlatePicture(QSize size);
// A shape button made a plate: disabled, no bevel, no border, PlatePicture of
// the face's size as its picture, its face at `face` (AutoSize makes the
// button 4 pixels larger), behind its parent's other children.
void SetupPlate(TUxShapeButton* plate, const QRect& face);

// Thumb extents of every vertical fader: across the track and along it.
constexpr int kThumbAcross = 16;
constexpr int kThumbAlong = 29;
// Vertical fader width and the value boxes' height.
constexpr int kFaderWidth = 27;
constexpr int kBoxHeight = 24;
// Page sizes (what one click on the track moves) of the faders by role; a
// dialog's fader takes the one of the main window's faders of its role.
constexpr int kPageLevel = 6;  // gains, levels and delays
constexpr int kPageThreshold = 10;
constexpr int kPageAttack = 10;
constexpr int kPageRelease = 20;
constexpr int kPageRatio = 3;

void ApplyFaces(TUxBmpButton* button, const ButtonFaces& faces);

// Page containers stand in front of one another (a page change hides only
// the old upper one), so each paints its parent's background, the frame
// pictures included, beneath its controls: a container behind it never shows
// through. BuildForm binds it to every page container's OnPaint; a page that
// binds its own OnPaint calls it first.
void PaintPageBackground(QWidget* container, QPainter& canvas);
// The one look of every fader of the windows (main window and dialogs):
// vertical, a white-to-black groove 3 wide framed in clMedGray, the 16 x 29
// thumb pictures (blue: the dynamics pages' cap), no ticks, the focus
// outline; then Loaded.
void ApplyFaderLook(TExTrackBar* fader, bool blue);

// ---- Factories (FMainFormKit.cpp) ----------------------------------------------
// Each creates the control under `parent`, registers it under `name` with the
// form, places it at `r` and shows it.
QLabel* Label(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& text,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, const QColor& colour = QColor());
// A label not looked up by any code (a heading or a channel caption).
QLabel* Caption(QWidget* parent, const QRect& r, const QString& text, Qt::Alignment align = Qt::AlignCenter,
                bool bold = false);
// A container: transparent, borderless custom group box, or framed when `framed`.
TUxGroupBox* Group(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, bool framed = false);
TUxPanel* Panel(TfmMain& form, QWidget* parent, const QString& name, const QRect& r);

enum class ButtonKind { Push, Toggle, Radio };
// Push: no group. Toggle: a group of its own (GroupIndex `group`, AllowAllUp).
// Radio: one of the buttons with this parent and GroupIndex `group`.
TUxBmpButton* Button(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& caption,
                     const QColor& lit, ButtonKind kind = ButtonKind::Push, int group = 0, int tag = 0);

// A vertical fader with our grey cap (or the blue one).
TExTrackBar* Fader(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, int min, int max,
                   int pageSize, int position, int tag, bool blueThumb = false);
TRoundEdit* ValueBox(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& text,
                     bool readOnly, int tag = 0);
// The value boxes' look in every window: Rounding 6, a clHighlightText
// border, white (pale cyan when read-only), centred, Tahoma of 11 pixels in black.
void ValueBoxLook(TRoundEdit* box, bool readOnly);
// Makes the box show each of `texts` whole at the font it resolves to here:
// measured, the box grows about its centre up to `room` pixels, and where
// that is not enough its font steps down a pixel at a time. Call it once the
// box is placed.
void FitValueBox(TRoundEdit* box, const QStringList& texts, int room);
TUxComboBox* Combo(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QStringList& items,
                   int index, TComboBoxStyle style, int tag = 0);
// An up-down: two arrows stepping a position; writes from code fire nothing.
TUpDown* UpDown(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, int min, int max, int tag = 0);

// Power and demo buttons (FMainFormDvButtons.cpp).
// A power button is a latching switch, lit (Active) or not.
QWidget* PowerButton(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& caption,
                     int tag, bool active = false);
// A demo button is a push button with a bevel: EQ bypass and EQ reset.
QWidget* DemoButton(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, const QString& caption,
                    int tag);

// LED bar meters: 9 segments (1/2/6) for inputs and the effect channel,
// 8 (1/3/4) for outputs; the limiter lamp is one amber segment.
enum class MeterKind { Input, Output, Limiter };
LProgressBar* Meter(TfmMain& form, QWidget* parent, const QString& name, const QRect& r, MeterKind kind);

// A response plot with the channel's Tag, the axis ranges of the design
// (the whole audio band across, ±18 dB up), its 48 kHz grid and its fonts.
display::LMyFFTDrawHpLp6dB* ResponsePlot(TfmMain& form, QWidget* parent, const QString& name, const QRect& r,
                                         int tag);

// A PEQ grid (FMainFormPeqGrid.cpp) with its band buttons over the row
// numbers: `rows` bands, Tag = channel, band buttons "uxbEq" + band + role
// suffix (GroupIndex channel + 1, Tag band).
void PeqGrid(TfmMain& form, QWidget* parent, const QString& gridName, const QString& bandSuffix, const QRect& r,
             int channel, int rows);

// The channel and effect plots' row (FMainFormChannel.cpp): the plot in its
// upper container and under it the Mag/Phase choice, the key hint and the
// EQ bypass, reset and show-all buttons. `suffix` is the channel's role
// suffix (InA, Out3, Eff).
void BuildPlotRow(TfmMain& form, QWidget* upper, const QString& suffix, int channel);
// The shared input or output panel (FMainFormPanel.cpp).
void BuildChannelPanel(TfmMain& form, bool input);
// The selected band's frequency, Q and gain faders with labels and value
// boxes, 180 pixels wide from `left` (FMainFormPanel.cpp).
void BuildEqFaders(TfmMain& form, QWidget* panel, const QString& suffix, int left);

// The heading line "lb…" over a PEQ grid (FMainFormPanel.cpp): each word of
// `text` centred over its column of the grid's first row.
TColumnHeadings* GridHeadings(TfmMain& form, QWidget* parent, const QString& name, const QString& text, const QRect& r,
                              const TMyPEQAllpassBandPassStop& grid);

// The item lists of the cut-slope combos (20) and the level combos (51).
QStringList SlopeItems();
QStringList LevelItems();
// Every text a value box of these kinds can show: a gain fader's (positions
// -280 ... 120), a cut frequency's (codes 0 ... 300), and a band's frequency,
// Q and gain (their codes); for FitValueBox.
QStringList GainTexts();
QStringList CutFrequencyTexts();
QStringList BandFrequencyTexts();
QStringList BandQTexts();
QStringList BandGainTexts();

}  // namespace mainform

// The main window's layout on resize, as plain arithmetic: given the extra
// width dw and extra height dh over the design size (1126 × 725), the
// geometry fields each named control takes. Controls not named keep their
// design place in their container. The window (FMainLayout.cpp) applies the
// rules; this file touches no widget, so the rules are tested without one.
#pragma once

#include <QString>

#include <vector>

namespace mainlayout {

// The design's outer size, frame included.
inline constexpr int kDesignWidth = 1126;
inline constexpr int kDesignHeight = 725;
// The design's frame: its outer size less the client area under the menu
// bar (borders, title bar and menu bar). The form's controls fill the
// 1120 × 670 left inside, the preset bar ending 2 pixels above its foot.
inline constexpr int kDesignFrameWidth = 6;
inline constexpr int kDesignFrameHeight = 55;

enum class Field { Left, Top, Width, Height };

struct Rule {
  QString name;
  Field field;
  int value;
};

// Every rule of the height tables at dh >= 0 (pages and plots, level meters
// and their scale labels).
std::vector<Rule> VerticalRules(int dh);
// Every rule of the width tables at dw >= 0, the matrix overview's cells
// included.
std::vector<Rule> HorizontalRules(int dw);
// Both; a negative dw or dh leaves that direction out (the window is
// narrower or lower than the design, so that direction keeps its layout).
std::vector<Rule> Rules(int dw, int dh);

// The value a rule list gives a control's field; `missing` when none does.
int Find(const std::vector<Rule>& rules, const QString& name, Field field, int missing = -1);

// A delay strip's indicator follows its slider along the line label: the
// image's left edge and the time label's left and top edges.
struct DelayIndicator {
  int imageLeft;
  int timeLeft;
  int timeTop;
};
DelayIndicator PlaceDelayIndicator(int position, int maximum, int lineWidth, int imageTop, int imageHeight);

}  // namespace mainlayout

// The curves of a response plot: a list of keyed curves, newest first, each
// with its own copy of the x and y values, colour and style.
#pragma once

#include <vector>

#include "platform/Graphics.h"

namespace display {

// Red in the low byte, then green, then blue.
using TColor = platform::TColor;

constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// 0 line, 1 filled squares, 2 hollow squares, 3 line with filled squares,
// 4 line with hollow squares.
using TMyPlotStyle = int;

struct TPlotListMember {
    std::vector<double> XValues;
    std::vector<double> YValues;
    TColor PlotColor = 0;
    TMyPlotStyle PlotStyle = 0;
    int Key = 0;

    int NumPoints() const { return static_cast<int>(YValues.size()); }
};

// Drawing follows the list from the head, the newest curve, to the oldest.
class TPlotList {
public:
    TPlotList() = default;
    // A deep copy that holds the members in reverse order: each copied member
    // goes to the head, as the plot's copy operations expect.
    TPlotList(const TPlotList& other);
    TPlotList& operator=(const TPlotList&) = delete;
    TPlotList(TPlotList&&) = default;
    TPlotList& operator=(TPlotList&&) = default;

    // Replaces the values of the member with this key (keeping its colour,
    // style and place) and returns true; otherwise adds a member at the head
    // and returns false. A negative count or missing array counts as none.
    bool AddOrReplace(const double* x, const double* y, int count, int key, TColor colour,
                      TMyPlotStyle style);
    // AddOrReplace of every member of the other list, from its head on.
    void Append(const TPlotList& other);
    // The first member from the head with this key; null if there is none.
    const TPlotListMember* Find(int key) const;
    TPlotListMember* Find(int key);
    // Removes the first member with this key; false if there is none.
    bool Remove(int key);
    void Clear();

    // Members from the head (newest) to the oldest.
    const std::vector<TPlotListMember>& Members() const { return members_; }
    bool Empty() const { return members_.empty(); }

private:
    std::vector<TPlotListMember> members_;  // [0] is the head
};

}  // namespace display

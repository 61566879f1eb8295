#include "display/PlotList.h"

#include <algorithm>
#include <utility>

namespace display {

TPlotList::TPlotList(const TPlotList& other) : members_(other.members_.rbegin(), other.members_.rend()) {}

bool TPlotList::AddOrReplace(const double* x, const double* y, int count, int key, TColor colour,
                             TMyPlotStyle style) {
    const std::size_t n = (count > 0 && x && y) ? static_cast<std::size_t>(count) : 0;
    if (TPlotListMember* member = Find(key)) {
        member->XValues.assign(x, x + n);
        member->YValues.assign(y, y + n);
        return true;
    }
    TPlotListMember member;
    member.XValues.assign(x, x + n);
    member.YValues.assign(y, y + n);
    member.PlotColor = colour;
    member.PlotStyle = style;
    member.Key = key;
    members_.insert(members_.begin(), std::move(member));
    return false;
}

void TPlotList::Append(const TPlotList& other) {
    if (&other == this)
        return;
    for (const TPlotListMember& m : other.members_)
        AddOrReplace(m.XValues.data(), m.YValues.data(), m.NumPoints(), m.Key, m.PlotColor, m.PlotStyle);
}

const TPlotListMember* TPlotList::Find(int key) const {
    auto it = std::find_if(members_.begin(), members_.end(), [key](const auto& m) { return m.Key == key; });
    return it == members_.end() ? nullptr : &*it;
}

TPlotListMember* TPlotList::Find(int key) {
    return const_cast<TPlotListMember*>(std::as_const(*this).Find(key));
}

bool TPlotList::Remove(int key) {
    auto it = std::find_if(members_.begin(), members_.end(), [key](const auto& m) { return m.Key == key; });
    if (it == members_.end())
        return false;
    members_.erase(it);
    return true;
}

void TPlotList::Clear() {
    members_.clear();
}

}  // namespace display

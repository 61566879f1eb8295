// Point stores: growth, ring buffer, compact-interval X, Extra bits, errors.
#include "plot/wPlotDataList.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/wException.h"

namespace {

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const TwException& e) {
    return e.what();
  }
  return {};
}

std::vector<double> Xs(const TwPlotDataCustomList& s) {
  std::vector<double> out;
  for (int i = 0; i < s.Count(); ++i) out.push_back(s.GetX(i));
  return out;
}

std::vector<double> Ys(const TwPlotDataCustomList& s) {
  std::vector<double> out;
  for (int i = 0; i < s.Count(); ++i) out.push_back(s.GetY(i));
  return out;
}

std::unique_ptr<TwPlotDataCustomList> Store(TwPlotDataStyle style) {
  switch (style) {
    case ipdsCompact: return std::make_unique<TwPlotDataCompactList>();
    case ipdsCompactInterval: return std::make_unique<TwPlotDataCompactIntervalList>();
    case ipdsFullFeature: return std::make_unique<TwPlotDataFullList>();
    default: return std::make_unique<TwPlotDataNullList>();
  }
}

TEST(PointStore, SizesAndGrowth) {
  const struct {
    TwPlotDataStyle style;
    int size;
  } cases[] = {{ipdsStandard, 24}, {ipdsCompact, 8}, {ipdsCompactInterval, 4}, {ipdsFullFeature, 144}};
  for (const auto& c : cases) {
    auto s = Store(c.style);
    EXPECT_EQ(s->DataPointSize(), c.size);
    EXPECT_EQ(s->MaxDataPoints(), 2147483647 / c.size);
    std::vector<int> capacities;
    for (int i = 0; i < 13; ++i) {
      EXPECT_EQ(s->Add(i, i, false, false), i);
      capacities.push_back(s->Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 4, 4, 4, 8, 8, 8, 8, 12, 12, 12, 12, 28})) << c.size;
    EXPECT_EQ(s->MemoryUsed(), 28LL * c.size);
    s->Clear();
    EXPECT_EQ(s->Count(), 0);
    EXPECT_EQ(s->Capacity(), 0) << "a growable store releases its memory";
  }
}

TEST(PointStore, RingOverwritesTheOldestPoint) {
  TwPlotDataNullList s;
  s.SetRingBufferSize(3);
  std::vector<int> returned;
  for (double x : {1, 2, 3, 4}) returned.push_back(s.Add(x, 10 * x, false, false));
  EXPECT_EQ(returned, (std::vector<int>{0, 1, 2, 2}));
  EXPECT_EQ(Xs(s), (std::vector<double>{2, 3, 4}));
  EXPECT_EQ(Ys(s), (std::vector<double>{20, 30, 40}));
  EXPECT_EQ(s.PhysicalIndex(0), 1);
  EXPECT_EQ(s.Capacity(), 3);
  EXPECT_EQ(s.RingBufferSize(), 3);

  // Turning the ring off after it has wrapped empties the store.
  s.SetRingBufferSize(0);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_EQ(s.Capacity(), 0);
}

TEST(PointStore, RingSmallerThanCountKeepsTheNewest) {
  TwPlotDataNullList s;
  for (double x : {1, 2, 3, 4, 5}) s.Add(x, 0, false, false);
  s.SetRingBufferSize(2);
  EXPECT_EQ(Xs(s), (std::vector<double>{4, 5}));
  EXPECT_EQ(s.Capacity(), 2);
}

TEST(PointStore, CompactIntervalComputesX) {
  TwPlotDataCompactIntervalList s;
  for (double x : {10, 12, 100}) s.Add(x, x / 2, false, false);
  EXPECT_EQ(Xs(s), (std::vector<double>{10, 12, 14}));
  s.SetX(0, 0);
  EXPECT_EQ(Xs(s), (std::vector<double>{0, 2, 4}));
  EXPECT_EQ(ErrorOf([&] { s.SetX(1, 5); }),
            "Data Style does not support setting individual X-Value with the exception of the first X-Value");
  EXPECT_EQ(Xs(s), (std::vector<double>{0, 2, 4}));

  TwPlotDataCompactIntervalList d;
  for (double x : {10, 12, 100}) d.Add(x, x, false, false);
  d.DeletePoints(1);
  EXPECT_EQ(Xs(d), (std::vector<double>{10, 12}));
  EXPECT_EQ(Ys(d), (std::vector<double>{12, 100}));

  // A full ring moves FirstX on, so the oldest remaining point keeps its X.
  TwPlotDataCompactIntervalList r;
  r.SetRingBufferSize(3);
  for (double x : {0, 1, 2, 3}) r.Add(x, x, false, false);
  EXPECT_EQ(Xs(r), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(Ys(r), (std::vector<double>{1, 2, 3}));
}

TEST(PointStore, StandardExtraBitsAndFlags) {
  TwPlotDataNullList s;
  s.Stored().MarkerVisible = true;
  s.Stored().MarkerStyle = ipmsCharacter;
  s.Add(1, 2, false, false);
  s.Add(1, 2, true, false);
  s.Add(1, 2, false, true);
  EXPECT_TRUE(s.GetMarkerVisible(0));
  EXPECT_EQ(s.GetMarkerStyle(0), ipmsCharacter);
  const struct {
    int index;
    bool null, empty;
  } flags[] = {{0, false, false}, {1, true, false}, {2, false, true}};
  for (const auto& f : flags) {
    double x, y;
    bool empty, null;
    s.GetXYEmptyNull(f.index, x, y, empty, null);
    EXPECT_EQ(null, f.null) << f.index;
    EXPECT_EQ(empty, f.empty) << f.index;
  }
  // The bit setters leave the rest of the record alone.
  s.SetMarkerVisible(0, false);
  EXPECT_FALSE(s.GetMarkerVisible(0));
  EXPECT_EQ(s.GetMarkerStyle(0), ipmsCharacter);
  s.SetNull(0, true);
  EXPECT_TRUE(s.GetNull(0));
  EXPECT_EQ(s.GetX(0), 1);
  EXPECT_EQ(s.GetY(0), 2);

  // A compact store keeps no flags.
  TwPlotDataCompactList c;
  c.Add(1, 2, true, true);
  EXPECT_FALSE(c.GetNull(0));
  EXPECT_FALSE(c.GetEmpty(0));
}

TEST(PointStore, StandardRecordExtraIs92ForCharacterMarkers) {
  // The record itself, through a store that exposes it.
  struct Peek : TwPlotDataNullList {
    std::uint16_t Extra(int i) const { return FList[static_cast<std::size_t>(PhysicalIndex(i))].Extra; }
  } s;
  s.Stored().MarkerVisible = true;
  s.Stored().MarkerStyle = ipmsCharacter;
  s.Add(0, 0, false, false);
  s.Add(0, 0, true, true);
  EXPECT_EQ(s.Extra(0), 92);
  EXPECT_EQ(s.Extra(1), 95);
}

TEST(PointStore, FullStoreCopiesStoredStyle) {
  TwPlotDataFullList s;
  s.Stored().TraceLineColor = 0x123456;
  s.Stored().MarkerSize = 7;
  s.Stored().MarkerCharacter = QChar('x');
  s.Add(1, 2, false, true);
  EXPECT_EQ(s.GetTraceLineColor(0), 0x123456u);
  EXPECT_EQ(s.GetMarkerSize(0), 7);
  EXPECT_EQ(s.GetMarkerCharacter(0), QChar(0)) << "the character is never copied";
  EXPECT_TRUE(s.GetEmpty(0));
  s.SetHigh(0, 5);
  EXPECT_EQ(s.GetHigh(0), 5);
}

TEST(PointStore, Errors) {
  for (TwPlotDataStyle style : {ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature}) {
    auto s = Store(style);
    const std::string deleteText =
        style == ipdsFullFeature ? "Delete Size Out Of Range" : "Delete size out of Range";
    EXPECT_EQ(ErrorOf([&] { s->DeletePoints(0); }), deleteText) << "an empty store";
    for (int i = 0; i < 3; ++i) s->Add(i, i, false, false);
    EXPECT_EQ(ErrorOf([&] { s->DeletePoints(3); }), deleteText);
    EXPECT_EQ(ErrorOf([&] { s->DeletePoints(-1); }), deleteText);
    EXPECT_EQ(ErrorOf([&] { s->DeletePoints(0); }), "");
    EXPECT_EQ(s->Count(), 3);
    EXPECT_EQ(ErrorOf([&] { s->GetY(3); }), "Index out of Bounds");
    EXPECT_EQ(ErrorOf([&] { s->SetY(-1, 0); }), "Index out of Bounds");
    EXPECT_EQ(ErrorOf([&] { s->SetCapacity(s->MaxDataPoints() + 1); }), "Exceed Maximum List Size");
  }
}

// Mended: a wrapped ring deletes its oldest logical points; a ring keeps a
// capacity of 1; negative sizes are refused and change nothing.
TEST(PointStore, MendedRingFaults) {
  TwPlotDataNullList s;
  s.SetRingBufferSize(3);
  for (double x : {1, 2, 3, 4}) s.Add(x, x, false, false);
  ASSERT_EQ(Xs(s), (std::vector<double>{2, 3, 4}));
  s.DeletePoints(1);
  EXPECT_EQ(Xs(s), (std::vector<double>{3, 4}));
  EXPECT_EQ(s.Add(5, 5, false, false), 2);
  EXPECT_EQ(Xs(s), (std::vector<double>{3, 4, 5}));

  TwPlotDataNullList z;
  z.SetRingBufferSize(3);
  z.Add(1, 1, false, false);
  z.SetCapacity(0);
  EXPECT_EQ(z.Capacity(), 1);
  z.Add(2, 2, false, false);
  z.Add(3, 3, false, false);
  EXPECT_EQ(Xs(z), (std::vector<double>{3}));

  TwPlotDataNullList n;
  n.Add(1, 1, false, false);
  EXPECT_EQ(ErrorOf([&] { n.SetRingBufferSize(-1); }), "Index out of Bounds");
  EXPECT_EQ(ErrorOf([&] { n.SetRingBufferSize(n.MaxDataPoints() + 1); }), "Exceed Maximum List Size");
  EXPECT_EQ(ErrorOf([&] { n.SetCapacity(-1); }), "Index out of Bounds");
  EXPECT_EQ(n.RingBufferSize(), 0);
  EXPECT_FALSE(n.RingBufferEnabled());
  EXPECT_EQ(n.Count(), 1);
  EXPECT_EQ(n.Capacity(), 4);
}

// Growing a wrapped ring keeps its logical order, and new points land after
// the newest one.
TEST(PointStore, WrappedRingResizedKeepsOrder) {
  TwPlotDataNullList s;
  s.SetRingBufferSize(3);
  for (double x : {1, 2, 3, 4}) s.Add(x, x, false, false);
  s.SetCapacity(5);
  EXPECT_EQ(Xs(s), (std::vector<double>{2, 3, 4}));
  s.Add(5, 5, false, false);
  EXPECT_EQ(Xs(s), (std::vector<double>{2, 3, 4, 5}));
}

// Capacity is a limit: the slots grow with the points held, in the store's
// own steps, whether the ring asks for the largest size or the capacity is
// set by hand. The ring still drops its oldest points once full.
TEST(PointStore, SlotsGrowWithThePointsHeldNotWithTheCapacity) {
  for (TwPlotDataStyle style : {ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature}) {
    auto s = Store(style);
    s->SetRingBufferSize(s->MaxDataPoints());
    EXPECT_EQ(s->RingBufferSize(), s->MaxDataPoints()) << style;
    EXPECT_EQ(s->Allocated(), 0) << style;
    std::vector<int> allocated;
    for (int i = 0; i < 13; ++i) {
      s->Add(i, i, false, false);
      allocated.push_back(s->Allocated());
    }
    EXPECT_EQ(allocated, (std::vector<int>{4, 4, 4, 4, 8, 8, 8, 8, 12, 12, 12, 12, 28})) << style;
    s->SetRingBufferSize(0);
    s->Clear();
    EXPECT_EQ(s->Allocated(), 0) << style;
    s->SetCapacity(s->MaxDataPoints());
    EXPECT_EQ(s->Capacity(), s->MaxDataPoints()) << style;
    EXPECT_EQ(s->Allocated(), 0) << style;
    s->Add(0, 0, false, false);
    EXPECT_EQ(s->Allocated(), 4) << style;
  }

  // A ring of 10 fed 25 points: allocated 4, 8, then 10 (never above the
  // capacity); the newest 10 points stay, oldest first.
  TwPlotDataNullList r;
  r.SetRingBufferSize(10);
  std::vector<int> returned, allocated;
  for (int x = 1; x <= 25; ++x) {
    returned.push_back(r.Add(x, 10 * x, false, false));
    allocated.push_back(r.Allocated());
  }
  EXPECT_EQ(returned, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}));
  EXPECT_EQ(allocated, (std::vector<int>{4, 4, 4, 4, 8, 8, 8, 8, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
                                     10, 10}));
  EXPECT_EQ(Xs(r), (std::vector<double>{16, 17, 18, 19, 20, 21, 22, 23, 24, 25}));
  EXPECT_EQ(Ys(r), (std::vector<double>{160, 170, 180, 190, 200, 210, 220, 230, 240, 250}));
  // Resized after it has wrapped, it empties and gives its allocated back.
  r.SetRingBufferSize(3);
  EXPECT_EQ(r.Count(), 0);
  EXPECT_EQ(r.Allocated(), 0);
  for (double x : {1, 2, 3, 4, 5}) r.Add(x, 0, false, false);
  EXPECT_EQ(Xs(r), (std::vector<double>{3, 4, 5}));
  EXPECT_EQ(r.Allocated(), 3);
}

}  // namespace

// The handle guards: each handle freed exactly once, by its one owner, and
// every guard of the seam leaves the sim's counters where it found them.
#include "platform/Ownership.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/sim/SimPlatform.h"

namespace {

using ::testing::ElementsAreArray;

struct Recorder {
  std::vector<int>* closed = nullptr;
  void operator()(int handle) const { closed->push_back(handle); }
};
using Guard = platform::UniqueHandle<int, Recorder>;

TEST(UniqueHandle, FreesEachHandleOnceByItsLastOwner) {
  struct Case {
    const char* name;
    std::function<void(Guard& a, Guard& b)> act;
    std::vector<int> closedByAct;  // a holds 1 and b holds 2 before it
    int a, b;                      // what they hold after it
    std::vector<int> closedInAll;  // once both have gone, in any order
  };
  const Case cases[] = {
      {"move-assign", [](Guard& a, Guard& b) { a = std::move(b); }, {1}, 2, 0, {1, 2}},
      {"self move-assign",
       [](Guard& a, Guard&) {
         Guard& same = a;
         a = std::move(same);
       },
       {},
       1,
       2,
       {1, 2}},
      {"move-construct",
       [](Guard& a, Guard& b) {
         Guard taken(std::move(a));
         b = std::move(taken);
       },
       {2},
       0,
       1,
       {1, 2}},
      {"reset to another", [](Guard& a, Guard&) { a.reset(3); }, {1}, 3, 2, {1, 2, 3}},
      {"reset to none", [](Guard& a, Guard&) { a.reset(); }, {1}, 0, 2, {1, 2}},
      {"release", [](Guard& a, Guard&) { EXPECT_EQ(a.release(), 1); }, {}, 0, 2, {2}},
      {"put", [](Guard& a, Guard&) { *a.put() = 5; }, {1}, 5, 2, {1, 2, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<int> closed;
    {
      Guard a(1, Recorder{&closed});
      Guard b(2, Recorder{&closed});
      c.act(a, b);
      EXPECT_THAT(closed, ElementsAreArray(c.closedByAct));
      EXPECT_EQ(a.get(), c.a);
      EXPECT_EQ(b.get(), c.b);
      EXPECT_EQ(static_cast<bool>(a), c.a != 0);
    }
    std::sort(closed.begin(), closed.end());
    EXPECT_THAT(closed, ElementsAreArray(c.closedInAll));
  }
}

TEST(SeamGuards, EachHoldsOneOfWhatTheSimCountsUntilItGoes) {
  struct Case {
    const char* name;
    std::function<int(sim::SimPlatform&)> live;
    // Takes one handle into a guard, runs the check while held, and lets it go.
    std::function<void(sim::SimPlatform&, const std::function<void()>& whileHeld)> hold;
  };
  const Case cases[] = {
      {"registry key", [](sim::SimPlatform& sim) { return sim.registry.OpenKeyCount(); },
       [](sim::SimPlatform& sim, const std::function<void()>& whileHeld) {
         platform::UniqueKey key;
         ASSERT_EQ(
             sim.registry.RegCreateKeyA(win::HKEY_CURRENT_USER, "Software\\Guarded", key.put()),
             win::ERROR_SUCCESS);
         whileHeld();
       }},
      {"memory DC", [](sim::SimPlatform& sim) { return sim.gdi.LiveDCs(); },
       [](sim::SimPlatform& sim, const std::function<void()>& whileHeld) {
         const platform::UniqueDC dc(sim.gdi.CreateCompatibleDC(0));
         whileHeld();
       }},
      {"window DC", [](sim::SimPlatform& sim) { return sim.gdi.LiveDCs(); },
       [](sim::SimPlatform&, const std::function<void()>& whileHeld) {
         const platform::WindowDC screen(0);
         whileHeld();
       }},
      {"GDI object", [](sim::SimPlatform& sim) { return sim.gdi.LiveObjects(); },
       [](sim::SimPlatform& sim, const std::function<void()>& whileHeld) {
         const platform::UniqueGdiObject brush(sim.gdi.CreateSolidBrush(0x123456));
         whileHeld();
       }},
      {"COM apartment", [](sim::SimPlatform&) { return sim::SimThreads::ThisThread().depth; },
       [](sim::SimPlatform& sim, const std::function<void()>& whileHeld) {
         const platform::ComApartment com(sim.threads, win::COINIT_APARTMENTTHREADED);
         whileHeld();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::SimPlatform sim;
    const int before = c.live(sim);
    c.hold(sim, [&] { EXPECT_EQ(c.live(sim), before + 1); });
    EXPECT_EQ(c.live(sim), before);
  }
}

// Undone before the bitmap goes, a selection lets it be deleted at once
// rather than linger until its DC goes.
TEST(SeamGuards, ASelectionGivesTheDcBackWhatItHeld) {
  sim::SimPlatform sim;
  const platform::UniqueDC dc(sim.gdi.CreateCompatibleDC(0));
  const win::HBITMAP original = sim.gdi.SelectedBitmap(dc.get());
  {
    const platform::UniqueGdiObject bitmap(sim.gdi.CreateBitmap(4, 4, 1, 32, nullptr));
    const platform::Selection selection(dc.get(), bitmap.get());
    EXPECT_EQ(sim.gdi.SelectedBitmap(dc.get()), bitmap.get());
    // What cannot be selected leaves nothing to undo.
    const platform::UniqueGdiObject region(sim.gdi.CreateRectRgn(0, 0, 1, 1));
    EXPECT_FALSE(platform::Selection(dc.get(), region.get()));
  }
  EXPECT_EQ(sim.gdi.SelectedBitmap(dc.get()), original);
  EXPECT_EQ(sim.gdi.LiveBitmaps(), 0);
}

// A join refused for the other model owes no CoUninitialize: balancing it
// would end the apartment the thread already had.
TEST(SeamGuards, ARefusedApartmentIsNotBalanced) {
  sim::SimPlatform sim;
  ASSERT_EQ(sim.threads.CoInitializeEx(win::COINIT_MULTITHREADED), win::S_OK);
  { const platform::ComApartment refused(sim.threads, win::COINIT_APARTMENTTHREADED); }
  EXPECT_EQ(sim::SimThreads::ThisThread().depth, 1);
  sim.threads.CoUninitialize();
}

}  // namespace

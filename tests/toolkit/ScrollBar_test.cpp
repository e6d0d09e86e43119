#include "toolkit/ScrollBar.h"

#include <gtest/gtest.h>

namespace {

using toolkit::ScrollRange;
using toolkit::ValueForRequest;

TEST(ScrollRange, MapsValuesToThumbPositionsInBothDirections) {
  const ScrollRange up{0, 20, 1, 1};
  const ScrollRange down{900, 200, 1, 30};
  EXPECT_EQ(up.Span(), 20);
  EXPECT_EQ(down.Span(), 700);
  EXPECT_EQ(up.PositionOf(14), 14);
  EXPECT_EQ(down.PositionOf(900), 0);
  EXPECT_EQ(down.PositionOf(200), 700);
  EXPECT_EQ(down.ValueAt(400), 500);
}

TEST(ValueForRequest, MovesByTheStepsAndStaysInTheRange) {
  const ScrollRange down{900, 200, 1, 30};
  struct Case {
    int value;
    win::WORD code;
    int track;
    std::optional<int> wanted;
  };
  for (const Case& c : {
           Case{500, win::SB_LINERIGHT, 0, 499},
           Case{500, win::SB_LINELEFT, 0, 501},
           Case{500, win::SB_PAGERIGHT, 0, 470},
           Case{500, win::SB_PAGELEFT, 0, 530},
           Case{890, win::SB_PAGELEFT, 0, 900},
           Case{210, win::SB_PAGERIGHT, 0, 200},
           Case{500, win::SB_LEFT, 0, 900},
           Case{500, win::SB_RIGHT, 0, 200},
           Case{500, win::SB_THUMBPOSITION, 650, 250},
           Case{500, win::SB_THUMBPOSITION, 9999, 200},
           Case{500, win::SB_THUMBTRACK, 650, std::nullopt},
           Case{500, win::SB_ENDSCROLL, 0, std::nullopt},
           Case{500, 42, 0, std::nullopt},
       }) {
    EXPECT_EQ(ValueForRequest(down, c.value, c.code, c.track), c.wanted)
        << "value " << c.value << " code " << c.code;
  }
}

}  // namespace

#include <gtest/gtest.h>

#include "gfx/dpi_scale.h"
#include "ui/look/confirm_layout.h"
#include "ui/look/layout.h"
#include "ui/look/scaled_layout.h"

namespace haltwise::layout {
namespace {

Rect PlaceOf(const std::string& name) {
  for (const NamedPlace& p : MainWindowPlaces()) {
    if (p.name == name) return p.place;
  }
  ADD_FAILURE() << "no place for " << name;
  return {};
}

struct ScaledPlace {
  const char* name;
  Rect at100, at125, at150, at200;
};

// Worked out by hand from the design places: edges times dpi / 96, halves
// away from zero.
const ScaledPlace kTable[] = {
    {"btnTitle", {142, 14, 489, 28}, {178, 18, 611, 35}, {213, 21, 734, 42}, {284, 28, 978, 56}},
    {"btnClose", {548, 14, 564, 28}, {685, 18, 705, 35}, {822, 21, 846, 42}, {1096, 28, 1128, 56}},
    {"btnIdle", {85, 63, 193, 96}, {106, 79, 241, 120}, {128, 95, 290, 144}, {170, 126, 386, 192}},
    {"btnCustom",
     {194, 131, 302, 163},
     {243, 164, 378, 204},
     {291, 197, 453, 245},
     {388, 262, 604, 326}},
    {"chkForce",
     {368, 153, 545, 171},
     {460, 191, 681, 214},
     {552, 230, 818, 257},
     {736, 306, 1090, 342}},
    {"btnStart",
     {496, 177, 547, 218},
     {620, 221, 684, 273},
     {744, 266, 821, 327},
     {992, 354, 1094, 436}},
    {"lgCPU",
     {347, 232, 439, 281},
     {434, 290, 549, 351},
     {521, 348, 659, 422},
     {694, 464, 878, 562}},
    {"JvContentScroller",
     {59, 391, 573, 418},
     {74, 489, 716, 523},
     {89, 587, 860, 627},
     {118, 782, 1146, 836}},
};

TEST(ScaledLayout, PlacesAtEachScale) {
  for (const ScaledPlace& row : kTable) {
    SCOPED_TRACE(row.name);
    const Rect design = PlaceOf(row.name);
    EXPECT_EQ(DpiScale(96)(design), row.at100);
    EXPECT_EQ(DpiScale(120)(design), row.at125);
    EXPECT_EQ(DpiScale(144)(design), row.at150);
    EXPECT_EQ(DpiScale(192)(design), row.at200);
  }
}

TEST(ScaledLayout, WindowIs631WideAtDesignAndGrowsWithTheScale) {
  EXPECT_EQ(FormAt(DpiScale(96)), (Rect{0, 0, 631, 436}));
  EXPECT_EQ(FormAt(DpiScale(120)), (Rect{0, 0, 789, 545}));
  EXPECT_EQ(FormAt(DpiScale(144)), (Rect{0, 0, 947, 654}));
  EXPECT_EQ(FormAt(DpiScale(192)), (Rect{0, 0, 1262, 872}));
  // A failed DPI query is taken as the design.
  EXPECT_EQ(FormAt(DpiScale(0)), FormAt(DpiScale(96)));
}

// Every control stays inside the window, and two controls that do not
// overlap in the design never overlap at any scale.
TEST(ScaledLayout, ControlsStayInsideAndApart) {
  const auto places = MainWindowPlaces();
  const auto overlap = [](const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  };
  for (int dpi : {96, 108, 120, 144, 168, 192, 240, 288}) {
    const DpiScale scale(dpi);
    const Rect form = FormAt(scale);
    for (std::size_t i = 0; i < places.size(); ++i) {
      const Rect a = scale(places[i].place);
      EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= form.right && a.bottom <= form.bottom)
          << places[i].name << " at " << dpi;
      EXPECT_FALSE(a.IsEmpty()) << places[i].name << " at " << dpi;
      for (std::size_t j = i + 1; j < places.size(); ++j) {
        if (overlap(places[i].place, places[j].place)) continue;
        EXPECT_FALSE(overlap(a, scale(places[j].place)))
            << places[i].name << " and " << places[j].name << " at " << dpi;
      }
    }
  }
}

TEST(ScaledLayout, LcdDotsGrowWithTheScaleAndKeep47By9Dots) {
  struct Case {
    int dpi;
    LcdDots dots;
    Rect place;
  };
  const Case cases[] = {
      {96, {2, 1}, {343, 186, 483, 212}},
      {120, {2, 1}, {446, 236, 586, 262}},  // 2.5 rounds down: centred in its larger place
      {144, {3, 1}, {526, 281, 713, 316}},
      {192, {4, 2}, {686, 372, 966, 424}},
      {288, {6, 3}, {1029, 558, 1449, 636}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    const DpiScale scale(c.dpi);
    EXPECT_EQ(LcdDotsAt(scale), c.dots);
    const Rect lcd = LcdAt(scale);
    EXPECT_EQ(lcd, c.place);
    EXPECT_EQ((lcd.Width() + c.dots.spacing) / (c.dots.dot + c.dots.spacing), 47);
    EXPECT_EQ((lcd.Height() + c.dots.spacing) / (c.dots.dot + c.dots.spacing), 9);
    const Rect box = scale(kLcd);
    EXPECT_TRUE(lcd.left >= box.left && lcd.right <= box.right && lcd.top >= box.top &&
                lcd.bottom <= box.bottom);
  }
}

TEST(ScaledLayout, GraphBarsSpreadWithTheScale) {
  EXPECT_EQ(GraphBarSpacingAt(DpiScale(96)), 3);
  EXPECT_EQ(GraphBarSpacingAt(DpiScale(120)), 4);
  EXPECT_EQ(GraphBarSpacingAt(DpiScale(144)), 5);
  EXPECT_EQ(GraphBarSpacingAt(DpiScale(192)), 6);
}

TEST(DpiScaleTest, RoundsHalvesAwayFromZeroAndScalesFonts) {
  const DpiScale s150(144);
  EXPECT_EQ(s150(1), 2);  // 1.5
  EXPECT_EQ(s150(-1), -2);
  EXPECT_EQ(s150(-11), -17);  // 16.5
  EXPECT_EQ(s150(0), 0);
  FontSpec font;
  font.height = -11;
  EXPECT_EQ(DpiScale(192)(font).height, -22);
  EXPECT_EQ(s150.ToDesignCeil(17), 12);  // 11.33 up: scaled again it still holds 17
  EXPECT_EQ(s150.ToDesignCeil(18), 12);
}

}  // namespace
}  // namespace haltwise::layout

namespace haltwise::confirm_layout {
namespace {

TEST(ConfirmLayout, CancelKeepsItsPlaceWhenASecondButtonJoinsTheRow) {
  EXPECT_EQ(Button(0, 1), (Rect{120, 40, 193, 62}));
  EXPECT_EQ(Button(1, 2), Button(0, 1));
  const Rect second = Button(0, 2);
  EXPECT_EQ(second.Width(), kButtonWidth);
  EXPECT_EQ(second.right + kButtonGap, Button(1, 2).left);
  EXPECT_GE(second.left, kBevel);
  // Apart and inside the box at every scale.
  for (int dpi : {96, 120, 144, 192}) {
    const DpiScale scale(dpi);
    EXPECT_LT(scale(second).right, scale(Button(1, 2)).left) << dpi;
    EXPECT_LE(scale(Button(1, 2)).right, scale(kWidth) - scale(kBevel)) << dpi;
  }
}

}  // namespace
}  // namespace haltwise::confirm_layout

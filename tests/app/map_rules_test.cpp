// The map's rules that need no pixels: highlight toggling, drag direction, centring, selection
// and the picture each cell shows.
#include <gtest/gtest.h>

#include "shell/map_rules.h"
#include "shell_test_support.h"

namespace gm {
namespace {

std::vector<int> normalKinds(const HighlightSet& h) {
  std::vector<int> kinds;
  for (int k = 0; k < 29; ++k)
    if (h.contains(k)) kinds.push_back(k);
  return kinds;
}

TEST(HighlightMenu, LeavingAllStartsFromNothingAndItemsToggleIndependently) {
  HighlightSet h;
  EXPECT_EQ(normalKinds(h).size(), 29u);
  EXPECT_TRUE(h.checked(0));

  h.click(6);  // hospitals
  EXPECT_EQ(normalKinds(h), std::vector<int>({23}));
  EXPECT_FALSE(h.checked(0));
  EXPECT_TRUE(h.checked(6));

  h.click(8);  // vacant land joins
  EXPECT_EQ(normalKinds(h), std::vector<int>({1, 2, 3, 23}));

  h.click(6);
  EXPECT_EQ(normalKinds(h), std::vector<int>({1, 2, 3}));
  h.click(8);
  EXPECT_TRUE(normalKinds(h).empty()) << "unchecking the last item dims every cell";
  EXPECT_FALSE(h.checked(0));

  h.click(1);
  EXPECT_EQ(normalKinds(h), std::vector<int>({19, 20}));
  h.click(0);
  EXPECT_EQ(normalKinds(h).size(), 29u);
  for (int tag = 1; tag < HighlightSet::kItems; ++tag) EXPECT_FALSE(h.checked(tag)) << tag;
  EXPECT_TRUE(h.checked(0));
}

TEST(HighlightMenu, AllThenHospitalThenUncheckDimsEverything) {
  HighlightSet h;
  h.click(6);
  h.click(6);
  EXPECT_TRUE(normalKinds(h).empty());
}

TEST(RightDrag, EqualDistancesScrollHorizontallyAndComingSetsTheDirection) {
  // dx = last X - X: the mouse moved right when dx < 0.
  EXPECT_EQ(dragStepFor(-3, 0, true).columns, -1);  // the map follows the mouse
  EXPECT_EQ(dragStepFor(3, 0, true).columns, 1);
  EXPECT_EQ(dragStepFor(0, -3, true).rows, -1);
  EXPECT_EQ(dragStepFor(0, 3, true).rows, 1);
  EXPECT_EQ(dragStepFor(-3, 0, false).columns, 1);  // reversed
  EXPECT_EQ(dragStepFor(0, 3, false).rows, -1);

  const DragStep diagonal = dragStepFor(-4, -4, true);
  EXPECT_EQ(diagonal.columns, -1);
  EXPECT_EQ(diagonal.rows, 0);
  EXPECT_TRUE(diagonal.moved);

  const DragStep steeper = dragStepFor(-4, 5, true);
  EXPECT_EQ(steeper.columns, 0);
  EXPECT_EQ(steeper.rows, 1);

  EXPECT_FALSE(dragStepFor(0, 0, true).moved) << "no movement keeps the pop-up menu";
}

TEST(Centring, PutsTheCellInTheMiddleWithoutLeavingTheMap) {
  EXPECT_EQ(centredFirst(25, 10, 50), 20);
  EXPECT_EQ(centredFirst(5, 10, 50), 0);  // equal to the half: stays at the edge
  EXPECT_EQ(centredFirst(6, 10, 50), 1);
  EXPECT_EQ(centredFirst(48, 10, 50), 40);  // no further than the last page
  EXPECT_EQ(centredFirst(3, 10, 5), 0);     // the whole map fits
  EXPECT_EQ(centredFirst(7, 5, 20), 5);     // half of an odd count rounds down
}

TEST(Selection, RefusesKindZeroAndCellsOutsideTheCity) {
  auto w = test::smallWorld(4, 5);
  w->block(2, 3).kind = 0;
  EXPECT_TRUE(selectableBlock(*w, 0, 0));
  EXPECT_TRUE(selectableBlock(*w, 4, 3));
  EXPECT_FALSE(selectableBlock(*w, 3, 2));
  EXPECT_FALSE(selectableBlock(*w, 5, 0));
  EXPECT_FALSE(selectableBlock(*w, 0, 4));
  EXPECT_FALSE(selectableBlock(*w, -1, 0));
}

TEST(CellPictures, StoresLevelsAndDimmingFollowTheBlock) {
  auto w = test::smallWorld(3, 3);
  HighlightSet all;

  // The player's store: the first slot in use on the block, slot 1 when none.
  w->block(0, 1).kind = 19;
  w->kaichou.slot(1).joutai = kSuspended;
  EXPECT_EQ(cellPicture(*w, 1, 0, all), (CellPicture{PictureSet::OwnStore, 19, kSuspended, false}));
  Ttempo& second = w->kaichou.slot(7);
  second.used = true;
  second.blockX = 1;
  second.blockY = 0;
  second.joutai = kOpen;
  EXPECT_EQ(cellPicture(*w, 1, 0, all).index, kOpen);

  // A rival store: the record standing there, else record 1, drawn as state 0 while free.
  w->block(1, 1).kind = 20;
  w->rivals.Tenpo(1).joutai = kRivalOpen;  // a left-over state of a freed record
  EXPECT_EQ(cellPicture(*w, 1, 1, all), (CellPicture{PictureSet::RivalStore, 20, 0, false}));
  TEntempo& rival = w->rivals.Tenpo(4);
  rival.used = true;
  rival.blockRow = 1;
  rival.blockColumn = 1;
  rival.joutai = kRivalBuilding;
  EXPECT_EQ(cellPicture(*w, 1, 1, all).index, kRivalBuilding);
  // A rival block whose store is gone shows record 1 when that one is in use elsewhere.
  w->block(2, 1).kind = 20;
  TEntempo& first = w->rivals.Tenpo(1);
  first.used = true;
  first.blockRow = 0;
  first.blockColumn = 2;
  EXPECT_EQ(cellPicture(*w, 1, 2, all).index, kRivalOpen);

  // Housing shows its development level.
  Tchip& housing = w->block(2, 2);
  housing.kind = 21;
  housing.SetPopulation(kindInfo(21).capacity * 80 / 100);
  const CellPicture level = cellPicture(*w, 2, 2, all);
  EXPECT_EQ(level.set, PictureSet::Level);
  EXPECT_EQ(level.index, housing.DevelopmentLevel());

  // Kinds outside the highlight set, and bytes with the top bit set, are dimmed.
  HighlightSet hospitals;
  hospitals.click(6);
  EXPECT_TRUE(cellPicture(*w, 1, 0, hospitals).dimmed);
  EXPECT_TRUE(cellPicture(*w, 0, 0, hospitals).dimmed);
  w->block(0, 0).kind = 23;
  EXPECT_FALSE(cellPicture(*w, 0, 0, hospitals).dimmed);
  w->block(0, 0).kind = 0x80 | 4;
  EXPECT_EQ(cellPicture(*w, 0, 0, all), (CellPicture{PictureSet::Kind, 4, 4, true}));
}

TEST(Scales, SixCellSizes) {
  const int sizes[] = {32, 24, 16, 12, 8, 4};
  for (int i = 0; i < kScaleCount; ++i) EXPECT_EQ(cellSizeOfScale(i), sizes[i]);
  EXPECT_EQ(cellSizeOfScale(6), 0);
}

}  // namespace
}  // namespace gm

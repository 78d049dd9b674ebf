#include "classboard/pool_evaluation.h"

#include <gtest/gtest.h>

#include <QTableWidget>
#include <span>
#include <vector>

#include "classroom/classroom.h"
#include "common/walked_journeys.h"
#include "figures/exact_statistics.h"

namespace quirlweg {
namespace {

// The board's table follows the class's pool as it grows and starts over with each round, in
// the round's own setting: a round's figures never take in the journeys of the one before.
TEST(PoolEvaluation, FollowsThePoolAndStartsOverWithEachRound) {
  const JourneySetting plane{2, 5, 0.5, true, 0, 0};
  const JourneySetting line{1, 7, 0.5, false, 0, 0};
  classroom::Classroom lesson("ACDEF", plane);
  ASSERT_EQ(std::get<int>(lesson.AddDevice("token", "", 11)), 1);
  const auto first = WalkedJourneys(plane, 11, 40);
  PoolEvaluation pool(nullptr);
  ASSERT_FALSE(lesson.Report(1, 1, 1, std::span(first).first(30)).refusal);
  pool.Follow(lesson);
  ASSERT_FALSE(lesson.Report(1, 1, 31, std::span(first).subspan(30)).refusal);
  pool.Follow(lesson);
  EXPECT_EQ(pool.series().size(), 40U);

  lesson.NewRound(line, {{1, 12}});
  ASSERT_FALSE(lesson.Report(1, 2, 1, WalkedJourneys(line, 12, 5)).refusal);
  pool.Follow(lesson);
  ASSERT_EQ(pool.series().size(), 5U);
  EXPECT_EQ(pool.series().Settings(), std::vector<JourneySetting>{line});
  EXPECT_TRUE(SameWalk(pool.exact().setting(), line));
  const auto* table = pool.findChild<QTableWidget*>(QStringLiteral("grdPool"));
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->item(static_cast<int>(SeriesRow::Boundary), 0)->text(), QStringLiteral("5"));
}

}  // namespace
}  // namespace quirlweg

#include "test_util.h"

#include "groups/GroupLines.h"

using namespace fixturo;
using namespace fixturo::test;

namespace {

std::array<QString, Col::ColumnCount> Row(const QString &pts, const QString &w, const QString &d,
                                          const QString &l, const QString &gf, const QString &ga)
{
    return {QStringLiteral("Spain"), pts, w, d, l, gf, ga};
}

} // namespace

TEST(GroupLines, GoalsTakeTwoSpacesOnlyAfterASingleCharacter)
{
    EXPECT_EQ(GetStrinGoal("4", "10"), "4  10");
    EXPECT_EQ(GetStrinGoal("12", "3"), "12 3");
    EXPECT_EQ(GetStrinGoal("", "3"), " 3");
    EXPECT_EQ(GetStrinGoal("100", ""), "100 ");
}

TEST(GroupLines, StatisticsLineJoinsTheStoredTexts)
{
    EXPECT_EQ(StatisticsLine(Row("0", "0", "0", "0", "0", "0")), "0  0 0 0 0  0");
    EXPECT_EQ(StatisticsLine(Row("7", "2", "1", "0", "12", "3")), "7  2 1 0 12 3");
    EXPECT_EQ(StatisticsLine(Row("4", "1", "1", "1", "4", "10")), "4  1 1 1 4  10");
    // Nothing is right-aligned: a two-digit points value just pushes the line.
    EXPECT_EQ(StatisticsLine(Row("10", "3", "1", "0", "9", "2")), "10  3 1 0 9  2");
}

TEST(GroupLines, StatisticsLinesFollowTheStandings)
{
    ModVars vars = FreshState();
    // Group A: Switzerland beat Czech Republic, Turkey, Portugal: three wins.
    SetScore(vars, RowOf(vars, "Switzerland", "Czech Republic"), "3", "0");
    SetScore(vars, RowOf(vars, "Switzerland", "Turkey"), "2", "1");
    SetScore(vars, RowOf(vars, "Switzerland", "Portugal"), "10", "0");
    Refresh(vars);
    ASSERT_EQ(vars.GroupTeams[0][0][Col::Name], "Switzerland");
    EXPECT_EQ(StatisticsLine(vars.GroupTeams[0][0]), "9  3 0 0 15 1");
    EXPECT_EQ(StatisticsLine(vars.GroupTeams[1][0]), "0  0 0 0 0  0");
}

TEST(GroupLines, GroupHeadings)
{
    EXPECT_EQ(GroupHeading(0), "GROUP A      Pts W D L GF GA");
    EXPECT_EQ(GroupHeading(3), "GROUP D      Pts W D L GF GA");
}

TEST(GroupLines, ScheduleLineShowsGoalsAsStored)
{
    ModVars vars = FreshState();
    EXPECT_EQ(ScheduleLine(vars.MatchTable[0]), "Saturday 7 June 2008   Switzerland  -  Czech Republic");
    SetScore(vars, 0, "0", "1");
    EXPECT_EQ(ScheduleLine(vars.MatchTable[0]), "Saturday 7 June 2008   Switzerland 0 - 1 Czech Republic");
    SetScore(vars, 3, "10", "07");
    EXPECT_EQ(ScheduleLine(vars.MatchTable[3]), "Sunday 8 June 2008   Germany 10 - 07 Poland");
}

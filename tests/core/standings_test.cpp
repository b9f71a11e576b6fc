#include "test_util.h"

using namespace fixturo;
using namespace fixturo::test;

namespace {

QStringList Stats(const ModVars &vars, const QString &group, const QString &team)
{
    const GroupTable &table = vars.GroupTeams[group.back().unicode() - u'A'];
    const auto &row = table[GetIndexGroup(vars, group, team).value()];
    return {row[Col::Pts], row[Col::W], row[Col::D], row[Col::L], row[Col::GF], row[Col::GA]};
}

} // namespace

TEST(Standings, NoResultsGiveZerosEverywhere)
{
    ModVars vars = FreshState();
    SetStatisticVars(vars);
    for (const GroupTable &table : vars.GroupTeams)
        for (const auto &row : table)
            for (int c = Col::Pts; c < Col::ColumnCount; ++c)
                EXPECT_EQ(row[c], "0");
}

TEST(Standings, WinDrawAndLossCountForBothTeams)
{
    ModVars vars = FreshState();
    SetScore(vars, 0, "2", "1"); // Switzerland - Czech Republic
    SetScore(vars, 1, "0", "0"); // Portugal - Turkey
    SetScore(vars, 9, "1", "3"); // Switzerland - Turkey
    SetStatisticVars(vars);
    EXPECT_EQ(Stats(vars, "Group A", "Switzerland"), QStringList({"3", "1", "0", "1", "3", "4"}));
    EXPECT_EQ(Stats(vars, "Group A", "Czech Republic"), QStringList({"0", "0", "0", "1", "1", "2"}));
    EXPECT_EQ(Stats(vars, "Group A", "Turkey"), QStringList({"4", "1", "1", "0", "3", "1"}));
    EXPECT_EQ(Stats(vars, "Group A", "Portugal"), QStringList({"1", "0", "1", "0", "0", "0"}));
}

TEST(Standings, PlayedMeansGoals1Filled)
{
    ModVars vars = FreshState();
    SetScore(vars, 0, "1", ""); // a 1-0 win of the first-named team
    SetScore(vars, 1, "", "3"); // not played: counts for nothing, goals neither
    SetStatisticVars(vars);
    EXPECT_EQ(Stats(vars, "Group A", "Switzerland"), QStringList({"3", "1", "0", "0", "1", "0"}));
    EXPECT_EQ(Stats(vars, "Group A", "Portugal"), QStringList({"0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Stats(vars, "Group A", "Turkey"), QStringList({"0", "0", "0", "0", "0", "0"}));
}

TEST(Standings, FiguresFollowTheNameAndKnockoutResultsDoNotCount)
{
    ModVars vars = FreshState();
    SetScore(vars, 2, "4", "0"); // Austria - Croatia
    SetScore(vars, 24, "9", "0");
    SetStatisticVars(vars);
    const QStringList austria = Stats(vars, "Group B", "Austria");
    Swap(vars.GroupTeams[1], 0, 3);
    SetStatisticVars(vars);
    SetStatisticVars(vars);
    EXPECT_EQ(vars.GroupTeams[1][3][Col::Name], "Austria");
    EXPECT_EQ(Stats(vars, "Group B", "Austria"), austria);
    EXPECT_EQ(austria, QStringList({"3", "1", "0", "0", "4", "0"}));
}

TEST(Standings, GroupIndexIsExact)
{
    const ModVars vars = FreshState();
    EXPECT_EQ(GetIndexGroup(vars, "Group A", "Czech Republic"), 3);
    EXPECT_FALSE(GetIndexGroup(vars, "Group A", "czech republic"));
    EXPECT_FALSE(GetIndexGroup(vars, "Group B", "Portugal"));
    EXPECT_FALSE(GetIndexGroup(vars, "QF", "Portugal"));
}

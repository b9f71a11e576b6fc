#include "test_util.h"

#include <QSet>

using namespace fixturo;
using namespace fixturo::test;

namespace {

void CompleteGroup(ModVars &vars, int group, const QString &goals1 = "1", const QString &goals2 = "0")
{
    for (int r : GroupMatchRows(group))
        SetScore(vars, r, goals1, goals2);
}

QString Pair(const ModVars &vars, int row)
{
    return vars.MatchTable[row][Match::team1] + " - " + vars.MatchTable[row][Match::team2];
}

} // namespace

TEST(Qualification, IncompleteGroupsKeepThePlaceholders)
{
    ModVars vars = FreshState();
    SetScore(vars, 0, "", "2"); // goals2 alone: not played
    CompleteGroup(vars, 1);
    SetScore(vars, 2, "", "1");
    Refresh(vars);
    EXPECT_EQ(Pair(vars, 24), "Winner Grp A - Runner-up Grp B");
    EXPECT_EQ(Pair(vars, 25), "Winner Grp B - Runner-up Grp A");
    EXPECT_EQ(Pair(vars, 26), "Winner Grp C - Runner-up Grp D");
    EXPECT_EQ(Pair(vars, 27), "Winner Grp D - Runner-up Grp C");
    EXPECT_EQ(Pair(vars, 30), "Winner #29 - Winner #30");
}

TEST(Qualification, CompleteGroupSendsWinnerAndRunnerUp)
{
    ModVars vars = FreshState();
    CompleteGroup(vars, 0);
    SetScore(vars, 0, "3", ""); // goals2 empty still counts as played
    Refresh(vars);
    EXPECT_EQ(vars.MatchTable[24][Match::team1], vars.GroupRanking[0][0]);
    EXPECT_EQ(vars.MatchTable[25][Match::team2], vars.GroupRanking[0][1]);
    EXPECT_EQ(vars.MatchTable[24][Match::team2], "Runner-up Grp B");
    EXPECT_EQ(vars.MatchTable[25][Match::team1], "Winner Grp B");

    SetScore(vars, 24, "2", "0");
    SetScore(vars, 9, "", "");
    Refresh(vars);
    EXPECT_EQ(Pair(vars, 24), "Winner Grp A - Runner-up Grp B");
    EXPECT_EQ(vars.MatchTable[24][Match::goals1], "2") << "the stored quarter-final result stays";
}

TEST(Qualification, ManualOrderDecidesWhoGoesThrough)
{
    ModVars vars = FreshState();
    CompleteGroup(vars, 2);
    vars.TeamList = "1,Portugal,Turkey,Switzerland,Czech Republic,Austria,Croatia,Germany,Poland,"
                    "Romania,France,Italy,Netherlands,Greece,Russia,Spain,Sweden";
    vars.ManualOrderFlag = 1;
    Refresh(vars);
    EXPECT_EQ(vars.MatchTable[26][Match::team1], "Romania");
    EXPECT_EQ(vars.MatchTable[27][Match::team2], "France");
}

TEST(KnockoutWinner, GoalsThenPenaltiesByValue)
{
    MatchRow row;
    row[Match::team1] = "A";
    row[Match::team2] = "B";
    const auto winner = [&](const char *g1, const char *g2, const char *p1 = "", const char *p2 = "") {
        row[Match::goals1] = g1;
        row[Match::goals2] = g2;
        row[Match::penalties1] = p1;
        row[Match::penalties2] = p2;
        return KnockoutWinner(row).value_or("undecided");
    };
    EXPECT_EQ(winner("2", "1"), "A");
    EXPECT_EQ(winner("1", "10"), "B") << "by value, not as text";
    EXPECT_EQ(winner("1", "1", "3", "4"), "B");
    EXPECT_EQ(winner("0", "0", "6", "5"), "A");
    EXPECT_EQ(winner("01", "1"), "undecided");
    EXPECT_EQ(winner("", ""), "undecided");
    EXPECT_EQ(winner("1", "1", "03", "3"), "undecided");
}

TEST(Bracket, WinnersMoveOnStepByStep)
{
    ModVars vars = FreshState();
    EXPECT_EQ(SetVarsMatch(vars), "Winner");
    EXPECT_EQ(Pair(vars, 28), "Winner #25 - Winner #26");

    SetScore(vars, 24, "2", "1");           // Winner Grp A
    SetScore(vars, 25, "1", "1", "3", "4"); // Runner-up Grp A on penalties
    SetScore(vars, 28, "0", "0", "5", "4"); // a semi-final played with placeholders
    SetScore(vars, 30, "", "");
    EXPECT_EQ(SetVarsMatch(vars), "Winner");
    EXPECT_EQ(Pair(vars, 28), "Winner Grp A - Runner-up Grp A");
    EXPECT_EQ(Pair(vars, 30), "Winner Grp A - Winner #30");

    SetScore(vars, 30, "0", "1");
    EXPECT_EQ(SetVarsMatch(vars), "Winner #30");
    SetScore(vars, 29, "1", "0");
    EXPECT_EQ(SetVarsMatch(vars), "Winner #27") << "the placeholder itself moves on";
}

TEST(Bracket, ClearingAQuarterFinalKeepsTheSemiFinalResult)
{
    ModVars vars = FreshState();
    SetScore(vars, 24, "2", "1");
    SetScore(vars, 25, "0", "1");
    SetScore(vars, 28, "3", "0");
    EXPECT_EQ(SetVarsMatch(vars), "Winner");
    EXPECT_EQ(vars.MatchTable[30][Match::team1], "Winner Grp A");
    SetScore(vars, 24, "", "");
    SetVarsMatch(vars);
    EXPECT_EQ(vars.MatchTable[28][Match::team1], "Winner #25");
    EXPECT_EQ(vars.MatchTable[28][Match::goals1], "3");
    EXPECT_EQ(vars.MatchTable[30][Match::team1], "Winner #25");
}

TEST(Bracket, SlotTexts)
{
    EXPECT_EQ(GetStringLabel("1", "4"), "(4)1 ");
    EXPECT_EQ(GetStringLabel("2", ""), "2 ");
    EXPECT_EQ(GetStringLabel("", ""), " ");
    ModVars vars = FreshState();
    SetScore(vars, 27, "1", "1", "4", "3");
    EXPECT_EQ(SlotText(vars, kBracketSlots[6]), "(4)1 Winner Grp D");
    EXPECT_EQ(SlotText(vars, kBracketSlots[7]), "(3)1 Runner-up Grp C");
    EXPECT_EQ(SlotText(vars, kBracketSlots[12]), " Winner #29");
    // Every knockout side has exactly one slot with its own label and flag.
    QSet<int> labels, flags, sides;
    for (const BracketSlot &s : kBracketSlots) {
        labels << s.labelIndex;
        flags << s.flagIndex;
        sides << s.row * 2 + (s.side == Match::team2);
    }
    EXPECT_EQ(labels.size(), 14);
    EXPECT_EQ(flags.size(), 14);
    EXPECT_EQ(sides.size(), 14);
    EXPECT_FALSE(flags.contains(kChampionFlag));
}

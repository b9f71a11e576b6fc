#include "test_util.h"

#include "knockout/MatchRules.h"

#include <QSet>

using namespace fixturo;
using namespace fixturo::test;

namespace {

constexpr int kKnockoutRow = 24;

} // namespace

TEST(Qualification, OnlyCompleteGroupsSendTheirFirstTwo)
{
    ModVars vars = FreshState();
    for (int g : {0, 1})
        for (int r : GroupMatchRows(g))
            SetScore(vars, r, "1", "0");
    SetScore(vars, 2, "", "1"); // goals2 alone: group B is not complete
    SetScore(vars, 0, "3", ""); // goals1 alone counts as played
    Refresh(vars);
    const QString &first = vars.GroupRanking[0][0], &second = vars.GroupRanking[0][1];
    EXPECT_EQ(QStringList({Pair(vars, 24), Pair(vars, 25), Pair(vars, 26), Pair(vars, 27)}),
              QStringList({first + " - Runner-up Grp B", "Winner Grp B - " + second,
                           "Winner Grp C - Runner-up Grp D", "Winner Grp D - Runner-up Grp C"}));
}

TEST(KnockoutWinner, GoalsThenPenaltiesByValue)
{
    // clang-format off
    for (const auto &[result, winner] : {std::pair{"2,1,,", "A"}, {"1,10,,", "B"}, {"1,1,3,4", "B"}, {"0,0,6,5", "A"},
                                         {"01,1,,", "-"}, {",,,", "-"}, {"1,1,03,3", "-"}}) {
        // clang-format on
        ModVars vars = FreshState();
        const QStringList v = QString::fromLatin1(result).split(u',');
        SetScore(vars, kKnockoutRow, v[0], v[1], v[2], v[3]);
        EXPECT_EQ(KnockoutWinner(vars.MatchTable[kKnockoutRow])
                      .value_or("-")
                      .replace("Winner Grp A", "A")
                      .replace("Runner-up Grp B", "B"),
                  winner)
            << result;
    }
}

TEST(Bracket, WinnersMoveOnAndClearedMatchesGiveThePlaceBack)
{
    ModVars vars = FreshState();
    SetScore(vars, 24, "2", "1");           // Winner Grp A
    SetScore(vars, 25, "1", "1", "3", "4"); // Runner-up Grp A on penalties
    SetScore(vars, 28, "0", "0", "5", "4"); // a semi-final played with placeholders
    EXPECT_EQ(SetVarsMatch(vars), "Winner");
    EXPECT_EQ(Pair(vars, 28), "Winner Grp A - Runner-up Grp A");
    EXPECT_EQ(Pair(vars, 30), "Winner Grp A - Winner #30");
    SetScore(vars, 30, "0", "1");
    EXPECT_EQ(SetVarsMatch(vars), "Winner #30");
    SetScore(vars, 29, "1", "0");
    EXPECT_EQ(SetVarsMatch(vars), "Winner #27") << "the placeholder itself moves on";

    SetScore(vars, 24, "", "");
    SetVarsMatch(vars);
    EXPECT_EQ(Pair(vars, 28), "Winner #25 - Runner-up Grp A");
    EXPECT_EQ(vars.MatchTable[28][Match::penalties1], "5") << "the semi-final keeps its result";
    EXPECT_EQ(vars.MatchTable[30][Match::team1], "Winner #25");
}

TEST(Bracket, SlotTexts)
{
    ModVars vars = FreshState();
    SetScore(vars, 27, "1", "1", "4", "3");
    EXPECT_EQ(SlotText(vars, kBracketSlots[6]) + "/" + SlotText(vars, kBracketSlots[12]),
              "(4)1 Winner Grp D/ Winner #29");
    QSet<int> labels, flags, sides;
    for (const BracketSlot &s : kBracketSlots) {
        labels << s.labelIndex;
        flags << s.flagIndex;
        sides << s.row * 2 + (s.side == Match::team2);
    }
    EXPECT_EQ(labels.size() + flags.size() + sides.size(), 3 * 14) << "one slot per side, label and flag";
    EXPECT_FALSE(flags.contains(kChampionFlag));
}

// The penalty boxes show for a knockout draw by value; what OK then does.
TEST(ResultDialogRules, OkStoresClearsOrAsksForWhatIsMissing)
{
    using O = OkOutcome; // row 4 is a group match, kKnockoutRow a quarter-final
    // clang-format off
    const std::tuple<int, const char *, O> cases[] = {
        {4, "2,1,,", O::Store}, {4, ",,,", O::Store}, {4, "2,,,", O::InsertResults},
        {4, ",2,,", O::InsertResults}, {kKnockoutRow, ",,,", O::Clear}, {kKnockoutRow, "1,,,", O::InsertResults},
        {kKnockoutRow, "2,1,,", O::Store}, {kKnockoutRow, "1,1,4,3", O::Store}, {kKnockoutRow, "1,1,4,", O::InsertResults},
        {kKnockoutRow, "1,1,,0", O::InsertResults}, {kKnockoutRow, "1,1,,", O::InsertResultsPenalties},
        {kKnockoutRow, "1,1,3,03", O::InsertResultsPenalties}, {kKnockoutRow, "1,01,5,4", O::Store},
        {30, "0,00,,", O::InsertResultsPenalties}, {23, "1,1,,", O::Store}, {kKnockoutRow, "0,,,", O::InsertResults}};
    // clang-format on
    for (const auto &[row, typed, outcome] : cases) {
        const QStringList v = QString::fromLatin1(typed).split(u',');
        EXPECT_EQ(DecideOk(row, {v[0], v[1], v[2], v[3]}, PenaltiesShown(row, v[0], v[1])), outcome)
            << row << " " << typed;
    }
}

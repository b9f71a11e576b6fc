#include "support/TestSupport.h"

#include "knockout/Knockout.h"
#include "knockout/ResultRules.h"

using namespace fixturo;
using namespace fixturo::test;

TEST(Bracket, WinnersMoveOnAndClearedMatchesGiveThePlaceBack)
{
    Championship championship = initialChampionship();
    championship.matches[24].score = {"2", "1"};           // Winner Grp A
    championship.matches[25].score = {"1", "1", "3", "4"}; // Runner-up Grp A on penalties
    championship.matches[28].score = {"0", "0", "5", "4"}; // a semi-final played with placeholders
    EXPECT_EQ(advanceKnockoutWinners(championship), "Winner");
    EXPECT_EQ(pairing(championship, 28), "Winner Grp A - Runner-up Grp A");
    EXPECT_EQ(pairing(championship, 30), "Winner Grp A - Winner #30");
    EXPECT_EQ(pairing(championship, 0), "Switzerland - Czech Republic") << "group matches keep their teams";
    EXPECT_EQ(matchSpoken(championship, 25),
              "Match 26: Winner Grp B 1 (3 on penalties), Runner-up Grp A 1 (4 on penalties)");
    championship.matches[30].score = {"0", "1"};
    EXPECT_EQ(advanceKnockoutWinners(championship), "Winner #30");
    championship.matches[29].score = {"1", "0"};
    EXPECT_EQ(advanceKnockoutWinners(championship), "Winner #27") << "the placeholder itself moves on";
    championship.matches[24].score = {}; // the semi-final keeps its result, the final its place
    EXPECT_EQ(advanceKnockoutWinners(championship), "Winner #27");
    EXPECT_EQ(pairing(championship, 28), "Winner #25 - Runner-up Grp A");
    EXPECT_EQ(championship.matches[28].score.penalties1, "5");
    EXPECT_EQ(pairing(championship, 30), "Winner #25 - Winner #27");
}

// The penalty boxes show for a knockout draw by value; what OK then does; for a
// stored knockout result, the side that goes through: goals, then penalties,
// compared by value.
TEST(ResultDialogRules, OkStoresClearsOrAsksForWhatIsMissing)
{
    using O = OkOutcome;
    constexpr int kGroupRow = 4, kQuarterFinal = kFirstKnockoutRow;
    struct Case {
        const char *name;
        int row;
        Score typed;
        OkOutcome outcome;
        std::optional<Side> winner = std::nullopt;
    };
    // clang-format off
    const Case cases[] = {
        {.name = "group result", .row = kGroupRow, .typed = {"2", "1"}, .outcome = O::Store},
        {.name = "group match emptied", .row = kGroupRow, .typed = {}, .outcome = O::Store},
        {.name = "group, first goals alone", .row = kGroupRow, .typed = {"2", ""}, .outcome = O::InsertResults},
        {.name = "group draw, last group match", .row = kFirstKnockoutRow - 1, .typed = {"1", "1"}, .outcome = O::Store},
        {.name = "knockout emptied", .row = kQuarterFinal, .typed = {}, .outcome = O::Clear},
        {.name = "knockout, first goals alone", .row = kQuarterFinal, .typed = {"1", ""}, .outcome = O::InsertResults},
        {.name = "knockout won by the first", .row = kQuarterFinal, .typed = {"2", "1"}, .outcome = O::Store, .winner = Side::First},
        {.name = "goals by value, 10 over 9", .row = kQuarterFinal, .typed = {"9", "10"}, .outcome = O::Store, .winner = Side::Second},
        {.name = "first wins on penalties", .row = kQuarterFinal, .typed = {"1", "1", "4", "3"}, .outcome = O::Store, .winner = Side::First},
        {.name = "second wins on penalties", .row = kQuarterFinal, .typed = {"1", "1", "3", "4"}, .outcome = O::Store, .winner = Side::Second},
        {.name = "level by value, 1 and 01", .row = kQuarterFinal, .typed = {"1", "01", "4", "5"}, .outcome = O::Store, .winner = Side::Second},
        {.name = "draw, first penalties alone", .row = kQuarterFinal, .typed = {"1", "1", "4", ""}, .outcome = O::InsertResults},
        {.name = "draw without penalties", .row = kQuarterFinal, .typed = {"1", "1"}, .outcome = O::InsertResultsPenalties},
        {.name = "penalties level by value", .row = kQuarterFinal, .typed = {"1", "1", "3", "03"}, .outcome = O::InsertResultsPenalties},
        {.name = "final on penalties", .row = kFinalRow, .typed = {"0", "0", "6", "5"}, .outcome = O::Store, .winner = Side::First},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decideOk(c.row, c.typed, penaltiesShown(c.row, c.typed.goals1, c.typed.goals2)), c.outcome);
        if (c.winner) {
            const Match match{.team1 = "Home", .team2 = "Away", .score = c.typed};
            EXPECT_EQ(knockoutWinner(match), match.team(*c.winner));
        }
    }
}

#include "support/TestSupport.h"

#include <QSet>

using namespace fixturo;
using namespace fixturo::test;

TEST(FreshChampionship, NoResultAndTheManualOrderSwitchedOffWithItsNamesKept)
{
    Championship used = initialChampionship();
    used.matches[24].score = {"1", "1", "4", "3"};
    used.manualOrder.readText("1,Turkey,Portugal");
    const Championship fresh = freshChampionship(used);
    EXPECT_TRUE(fresh.matches[24].score == Score{});
    EXPECT_EQ(fresh.manualOrder.text(), "0,Turkey,Portugal");
    EXPECT_FALSE(fresh.manualOrder.isOn());
}

// A number as the result dialog and the results file read it: its leading
// integer, however it goes on; as element 0 of the manual order, it sets the
// switch when it is an integer within 16 bits, or else leaves it as it was.
TEST(LenientNumbers, ReadTheLeadingNumberAndTheManualOrderSwitch)
{
    struct Case {
        const char *name, *text;
        std::int64_t value;
        std::optional<bool> on;
    };
    // clang-format off
    const Case cases[] = {
        {.name = "digits then letters", .text = "12abc", .value = 12, .on = std::nullopt},
        {.name = "leading blanks", .text = " \t4", .value = 4, .on = true},
        {.name = "blank after the sign", .text = "- 5", .value = 0, .on = std::nullopt},
        {.name = "too large", .text = "-99999999999999999999999999", .value = -kNumberLimit, .on = std::nullopt},
        {.name = "zero", .text = "0", .value = 0, .on = false},
        {.name = "one between blanks", .text = " 1 ", .value = 1, .on = true},
        {.name = "largest switch", .text = "32767", .value = 32767, .on = true},
        {.name = "beyond 16 bits", .text = "40000", .value = 40000, .on = std::nullopt},
        {.name = "below 16 bits", .text = "-32769", .value = -32769, .on = std::nullopt},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(valueOf(QString::fromLatin1(c.text)), c.value);
        EXPECT_EQ(switchValue(QString::fromLatin1(c.text)), c.on);
    }
}

// Each group's six rows are its own matches: every pair of its teams once.
TEST(Fixture, EachGroupsRowsAreItsSixPairings)
{
    const Championship championship = initialChampionship();
    for (int g = 0; g < kGroupCount; ++g) {
        SCOPED_TRACE(g);
        QSet<QString> pairs;
        for (const int row : groupMatchRows(g)) {
            const Match &match = championship.matches[row];
            EXPECT_EQ(match.group, QStringLiteral("Group ") + QChar(u'A' + g));
            pairs << std::min(match.team1, match.team2) + u'|' + std::max(match.team1, match.team2);
        }
        EXPECT_EQ(pairs.size(), 6);
    }
}

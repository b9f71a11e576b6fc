#include "support/TestSupport.h"

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

TEST(LenientNumbers, ReadTheLeadingNumber)
{
    struct Case {
        const char *name, *text;
        std::int64_t value;
    };
    // clang-format off
    const Case cases[] = {
        {.name = "digits then letters", .text = "12abc", .value = 12},
        {.name = "leading blanks", .text = " \t4", .value = 4},
        {.name = "blank after the sign", .text = "- 5", .value = 0},
        {.name = "too large", .text = "-99999999999999999999999999", .value = -kNumberLimit},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(valueOf(QString::fromLatin1(c.text)), c.value);
    }
}

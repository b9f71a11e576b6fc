// What the windows show of a stored text: the text itself in English; in
// another language its words, and dates and times as that language writes them.
#include "support/TestSupport.h"

#include "lang/Language.h"

#include <functional>

using namespace fixturo;
using namespace Qt::StringLiterals;

namespace {

struct Shown {
    const char *name;
    const char *language;
    std::function<QString(const QString &)> show;
    const char *stored;
    const char *shown;
};

class DisplayText : public ::testing::TestWithParam<Shown> {};

TEST_P(DisplayText, FollowsTheLanguage)
{
    const Shown &s = GetParam();
    const test::Speaking speaking(QString::fromLatin1(s.language));
    ASSERT_EQ(speaking.installed, qstrcmp(s.language, "en") != 0);
    EXPECT_EQ(s.show(QString::fromUtf8(s.stored)), QString::fromUtf8(s.shown));
}

QString points(const QString &count)
{
    return counted("GroupLines", QT_TRANSLATE_N_NOOP("GroupLines", "%n point(s)"), count.toLongLong());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, DisplayText, ::testing::Values(
    Shown{.name = "runnerUp", .language = "de", .show = teamName, .stored = "Runner-up Grp B", .shown = "Zweiter Gr. B"},
    Shown{.name = "matchWinner", .language = "de", .show = teamName, .stored = "Winner #25", .shown = "Sieger #25"},
    Shown{.name = "champion", .language = "de", .show = teamName, .stored = "Winner", .shown = "Sieger"},
    Shown{.name = "cityEnding", .language = "de", .show = cityName, .stored = "Zurich - ", .shown = "Zürich - "},
    Shown{.name = "group", .language = "de", .show = stageName, .stored = "Group C", .shown = "Gruppe C"},
    Shown{.name = "stage", .language = "de", .show = stageName, .stored = "QF", .shown = "VF"},
    Shown{.name = "semiFinal", .language = "de", .show = stageName, .stored = "SF", .shown = "HF"},
    Shown{.name = "final", .language = "ru", .show = stageName, .stored = "F", .shown = "Финал"},
    Shown{.name = "dayDate", .language = "de", .show = [](const QString &d) { return dayDate(d); }, .stored = "19 June 2008", .shown = "19. Juni 2008"},
    Shown{.name = "shortMonth", .language = "ru", .show = [](const QString &d) { return dayDate(d, true); }, .stored = "19 June 2008", .shown = "19 июн. 2008 г."},
    Shown{.name = "time", .language = "el", .show = timeOfDay, .stored = "20:45", .shown = "8:45 Μ.Μ."},
    Shown{.name = "points", .language = "en", .show = points, .stored = "2", .shown = "2 points"},
    Shown{.name = "manyPoints", .language = "ru", .show = points, .stored = "5", .shown = "5 очков"}),
    [](const auto &s) { return std::string(s.param.name); });
// clang-format on

} // namespace

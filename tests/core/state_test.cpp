#include "test_util.h"

#include <QSet>

using namespace fixturo;
using namespace fixturo::test;

TEST(FixtureData, AllMatchesGroupsAndTeamArticlesAsPublished)
{
    const ModVars vars = FreshState();
    const QList<QByteArray> lines = FileBytes(FIXTURO_TEST_DATA "/fixture.txt").trimmed().split('\n');
    ASSERT_EQ(lines.size(), kMatchCount);
    for (int r = 0; r < kMatchCount; ++r) {
        const MatchRow &m = vars.MatchTable[r];
        // clang-format off
        EXPECT_EQ(QStringList({m[Match::team1], m[Match::team2], m[Match::date], m[Match::time], m[Match::city],
                               m[Match::group], m[Match::stadium], m[Match::goals1] + m[Match::goals2] + m[Match::penalties1] + m[Match::penalties2]})
                      .join(u'|'), QString::fromLatin1(lines[r]) + "|") << "match " << r + 1 << ", no result";
        // clang-format on
    }
    ModVars reused = vars; // a state in use starts again from the same values
    reused.SelectedMatch = reused.ManualOrderFlag = 7;
    InitFixtureData(reused);
    EXPECT_EQ(QList<int>({reused.ManualOrderFlag, reused.SelectedMatch}), QList<int>({0, 0}));
    SetScore(reused, 24, "1", "1", "4", "3"), reused.TeamList = "1,Turkey,Portugal";
    const ModVars fresh = FreshChampionship(reused); // no result, the order kept and switched off
    EXPECT_TRUE(ResultChanged(reused, vars, 24) && !ResultChanged(fresh, vars, 24) &&
                fresh.TeamList == "0,Turkey,Portugal");
    EXPECT_EQ(vars.TeamList, QString::fromLatin1(kInitialTeamList));
    // The group tables start in the order of the team list; the group rows name each match once.
    const QStringList listed = vars.TeamList.split(u',').mid(1);
    QList<int> rows;
    for (int g = 0; g < kGroupCount; ++g) {
        EXPECT_EQ(Order(vars, g), listed.mid(g * kTeamsPerGroup, kTeamsPerGroup));
        for (int r : GroupMatchRows(g))
            EXPECT_TRUE(vars.MatchTable[rows.emplaceBack(r)][Match::group].endsWith(QChar(u'A' + g))) << r;
    }
    EXPECT_EQ(QSet<int>(rows.begin(), rows.end()).size(), kGroupMatchCount) << "no group row twice";
    for (const QString &name : listed)
        EXPECT_EQ(TeamArticlePath(name),
                  "/wiki/" + QString(name).replace(u' ', u'_') + "_national_football_team");
    EXPECT_TRUE(TeamArticlePath("czech republic").isEmpty() && TeamArticlePath("Winner Grp A").isEmpty());
}

TEST(LenientNumbers, ReadTheLeadingNumber)
{
    // clang-format off
    const std::pair<const char16_t *, std::int64_t> cases[] = {
        {u"", 0}, {u"abc", 0}, {u"12abc", 12}, {u"07", 7}, {u" \t4", 4}, {u"-5", -5}, {u"+6", 6}, {u"- 5", 0},
        {u"99999999999999999999", kNumberLimit}, {u"-99999999999999999999999999", -kNumberLimit}};
    // clang-format on
    for (const auto &[text, value] : cases)
        EXPECT_EQ(ValueOf(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(Flags, FoundByTheNameWithoutSpacesInAnyCaseInTheirOwnShapes)
{
    EXPECT_TRUE(HasFlag("Czech Republic") && HasFlag("cZECH rEPUBLIC") && !HasFlag("Winner Grp A"));
    EXPECT_EQ(QList<QSize>({FlagSize("Croatia"), FlagSize("Germany"), FlagSize("czech republic")}),
              QList<QSize>({QSize(20, 10), QSize(20, 12), QSize(20, 13)}));
}

#include "test_util.h"

using namespace fixturo;
using namespace fixturo::test;

TEST(FixtureData, StartValues)
{
    const ModVars vars = FreshState();
    for (const MatchRow &row : vars.MatchTable)
        for (int f : {Match::goals1, Match::goals2, Match::penalties1, Match::penalties2})
            EXPECT_TRUE(row[f].isEmpty());
    EXPECT_EQ(vars.ManualOrderFlag, 0);
    EXPECT_EQ(vars.SelectedMatch, 0);
    EXPECT_EQ(vars.TeamList, QString::fromLatin1(kInitialTeamList));
    EXPECT_EQ(Order(vars, 0), QStringList({"Portugal", "Turkey", "Switzerland", "Czech Republic"}));
    EXPECT_EQ(Order(vars, 3), QStringList({"Greece", "Russia", "Spain", "Sweden"}));
}

TEST(FixtureData, VenueTextsAreKeptAsTheyStand)
{
    const ModVars vars = FreshState();
    EXPECT_EQ(vars.MatchTable[3][Match::city], "Klagenfurt - ");
    EXPECT_EQ(vars.MatchTable[2][Match::stadium], "Stade Ernst Happel");
    EXPECT_EQ(vars.MatchTable[11][Match::stadium], "Ernst Happel");
    EXPECT_EQ(vars.MatchTable[3][Match::stadium], "Stade Worthersee");
    EXPECT_EQ(vars.MatchTable[10][Match::stadium], "Worthersee");
    EXPECT_EQ(vars.MatchTable[30][Match::team1], "Winner #29");
    EXPECT_EQ(vars.MatchTable[24][Match::group], "QF");
    EXPECT_EQ(vars.MatchTable[23][Match::date], "Wednesday 18 June 2008");
}

TEST(FixtureData, EveryGroupMatchPairsTeamsOfItsOwnGroup)
{
    const ModVars vars = FreshState();
    for (int g = 0; g < kGroupCount; ++g) {
        const QStringList names = Order(vars, g);
        QStringList pairs;
        for (int r : GroupMatchRows(g)) {
            const MatchRow &m = vars.MatchTable[r];
            EXPECT_EQ(m[Match::group], QStringLiteral("Group ") + QChar(u'A' + g));
            EXPECT_TRUE(names.contains(m[Match::team1]) && names.contains(m[Match::team2]));
            QStringList pair{m[Match::team1], m[Match::team2]};
            pair.sort();
            pairs << pair.join(u'-');
        }
        pairs.removeDuplicates();
        EXPECT_EQ(pairs.size(), 6) << "each pair meets once in group " << g;
    }
}

TEST(LenientNumbers, ReadTheLeadingNumber)
{
    EXPECT_EQ(ValueOf(u""), 0);
    EXPECT_EQ(ValueOf(u"abc"), 0);
    EXPECT_EQ(ValueOf(u"12abc"), 12);
    EXPECT_EQ(ValueOf(u"3abc"), 3);
    EXPECT_EQ(ValueOf(u"07"), 7);
    EXPECT_EQ(ValueOf(u" 4"), 4);
    EXPECT_EQ(ValueOf(u"-5"), -5);
    EXPECT_EQ(ValueOf(u"99999999999999999999"), kNumberLimit);
    EXPECT_EQ(ValueOf(u"-99999999999999999999999999"), -kNumberLimit);
}

TEST(FlagNames, SpacesRemovedCaseIgnored)
{
    EXPECT_EQ(FlagKey("Czech Republic"), "CZECHREPUBLIC");
    EXPECT_TRUE(HasFlag("Czech Republic"));
    EXPECT_TRUE(HasFlag("czech republic"));
    EXPECT_TRUE(HasFlag(" T urkey "));
    EXPECT_FALSE(HasFlag("Winner Grp A"));
    EXPECT_FALSE(HasFlag("Winner"));
    EXPECT_FALSE(HasFlag(""));
}

TEST(TeamArticles, EveryTeamHasItsOwnArticle)
{
    const ModVars vars = FreshState();
    QStringList paths;
    for (const GroupTable &table : vars.GroupTeams)
        for (const auto &row : table) {
            const QString path = TeamArticlePath(row[Col::Name]);
            EXPECT_TRUE(path.startsWith("/wiki/") && path.endsWith("_national_football_team"));
            paths << path;
        }
    paths.removeDuplicates();
    EXPECT_EQ(paths.size(), 16);
    EXPECT_EQ(TeamArticlePath("Czech Republic"), "/wiki/Czech_Republic_national_football_team");
    EXPECT_TRUE(TeamArticlePath("czech republic").isEmpty());
    EXPECT_TRUE(TeamArticlePath("Winner Grp A").isEmpty());
}

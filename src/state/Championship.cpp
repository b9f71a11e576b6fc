#include "state/Championship.h"

#include <algorithm>

namespace fixturo {

namespace {

struct Fixture {
    const char *team1;
    const char *team2;
    const char *date;
    const char *time;
    const char *city;
    const char *group;
    const char *stadium;
};

// clang-format off
constexpr std::array<Fixture, kMatchCount> kFixtures{{
    {"Switzerland", "Czech Republic", "Saturday 7 June 2008", "18:00", "Basel", "Group A", "St. Jakob-Park"},
    {"Portugal", "Turkey", "Saturday 7 June 2008", "20:45", "Geneva", "Group A", "Stade de Geneve"},
    {"Austria", "Croatia", "Sunday 8 June 2008", "18:00", "Vienna", "Group B", "Stade Ernst Happel"},
    {"Germany", "Poland", "Sunday 8 June 2008", "20:45", "Klagenfurt - ", "Group B", "Stade Worthersee"},
    {"Romania", "France", "Monday 9 June 2008", "18:00", "Zurich", "Group C", "Letzigrund"},
    {"Netherlands", "Italy", "Monday 9 June 2008", "20:45", "Berne", "Group C", "Stade de Suisse"},
    {"Spain", "Russia", "Tuesday 10 June 2008", "18:00", "Innsbruck", "Group D", "Tivoli Neu"},
    {"Greece", "Sweden", "Tuesday 10 June 2008", "20:45", "Salzburg", "Group D", "EM Stadion Wals-Siezenheim"},
    {"Czech Republic", "Portugal", "Wednesday 11 June 2008", "18:00", "Geneva", "Group A", "Stade de Geneve"},
    {"Switzerland", "Turkey", "Wednesday 11 June 2008", "20:45", "Basel", "Group A", "St. Jakob-Park"},
    {"Croatia", "Germany", "Thursday 12 June 2008", "18:00", "Klagenfurt", "Group B", "Worthersee"},
    {"Austria", "Poland", "Thursday 12 June 2008", "20:45", "Vienna", "Group B", "Ernst Happel"},
    {"Italy", "Romania", "Friday 13 June 2008", "18:00", "Zurich", "Group C", "Letzigrund"},
    {"Netherlands", "France", "Friday 13 June 2008", "20:45", "Berne", "Group C", "Stade de Suisse"},
    {"Sweden", "Spain", "Saturday 14 June 2008", "18:00", "Innsbruck", "Group D", "Tivoli Neu"},
    {"Greece", "Russia", "Saturday 14 June 2008", "20:45", "Salzburg", "Group D", "EM Stadion Wals-Siezenheim"},
    {"Switzerland", "Portugal", "Sunday 15 June 2008", "20:45", "Basel", "Group A", "St. Jakob-Park"},
    {"Turkey", "Czech Republic", "Sunday 15 June 2008", "20:45", "Geneva", "Group A", "Stade de Geneve"},
    {"Poland", "Croatia", "Monday 16 June 2008", "20:45", "Klagenfurt", "Group B", "Worthersee"},
    {"Austria", "Germany", "Monday 16 June 2008", "20:45", "Vienna", "Group B", "Ernst Happel"},
    {"Netherlands", "Romania", "Tuesday 17 June 2008", "20:45", "Berne", "Group C", "Stade de Suisse"},
    {"France", "Italy", "Tuesday 17 June 2008", "20:45", "Zurich", "Group C", "Letzigrund"},
    {"Greece", "Spain", "Wednesday 18 June 2008", "20:45", "Salzburg", "Group D", "EM Stadion Wals-Siezenheim"},
    {"Russia", "Sweden", "Wednesday 18 June 2008", "20:45", "Innsbruck", "Group D", "Tivoli Neu"},
    {"Winner Grp A", "Runner-up Grp B", "Thursday 19 June 2008", "20:45", "Basel", "QF", "St. Jakob-Park"},
    {"Winner Grp B", "Runner-up Grp A", "Friday 20 June 2008", "20:45", "Vienna", "QF", "Ernst Happel"},
    {"Winner Grp C", "Runner-up Grp D", "Saturday 21 June 2008", "20:45", "Basel", "QF", "St. Jakob-Park"},
    {"Winner Grp D", "Runner-up Grp C", "Sunday 22 June 2008", "20:45", "Vienna", "QF", "Ernst Happel"},
    {"Winner #25", "Winner #26", "Wednesday 25 June 2008", "20:45", "Basel", "SF", "St. Jakob-Park"},
    {"Winner #27", "Winner #28", "Thursday 26 June 2008", "20:45", "Vienna", "SF", "Ernst Happel"},
    {"Winner #29", "Winner #30", "Sunday 29 June 2008", "20:45", "Vienna", "F", "Ernst Happel"},
}};

// The draw; the names are shown in the user's language (context "Team").
constexpr std::array<std::array<const char *, kTeamsPerGroup>, kGroupCount> kGroupNames{{
    {QT_TRANSLATE_NOOP("Team", "Portugal"), QT_TRANSLATE_NOOP("Team", "Turkey"),
     QT_TRANSLATE_NOOP("Team", "Switzerland"), QT_TRANSLATE_NOOP("Team", "Czech Republic")},
    {QT_TRANSLATE_NOOP("Team", "Austria"), QT_TRANSLATE_NOOP("Team", "Croatia"),
     QT_TRANSLATE_NOOP("Team", "Germany"), QT_TRANSLATE_NOOP("Team", "Poland")},
    {QT_TRANSLATE_NOOP("Team", "France"), QT_TRANSLATE_NOOP("Team", "Italy"),
     QT_TRANSLATE_NOOP("Team", "Netherlands"), QT_TRANSLATE_NOOP("Team", "Romania")},
    {QT_TRANSLATE_NOOP("Team", "Greece"), QT_TRANSLATE_NOOP("Team", "Russia"),
     QT_TRANSLATE_NOOP("Team", "Spain"), QT_TRANSLATE_NOOP("Team", "Sweden")},
}};

constexpr std::array<std::array<int, 6>, kGroupCount> kGroupRows{{
    {0, 1, 8, 9, 16, 17},
    {2, 3, 10, 11, 18, 19},
    {4, 5, 12, 13, 20, 21},
    {6, 7, 14, 15, 22, 23},
}};

struct Article {
    const char *team;
    const char *path;
};

constexpr std::array<Article, 16> kArticles{{
    {"Switzerland", "/wiki/Switzerland_national_football_team"},
    {"Czech Republic", "/wiki/Czech_Republic_national_football_team"},
    {"Portugal", "/wiki/Portugal_national_football_team"},
    {"Turkey", "/wiki/Turkey_national_football_team"},
    {"Austria", "/wiki/Austria_national_football_team"},
    {"Croatia", "/wiki/Croatia_national_football_team"},
    {"Germany", "/wiki/Germany_national_football_team"},
    {"Poland", "/wiki/Poland_national_football_team"},
    {"Netherlands", "/wiki/Netherlands_national_football_team"},
    {"Italy", "/wiki/Italy_national_football_team"},
    {"Romania", "/wiki/Romania_national_football_team"},
    {"France", "/wiki/France_national_football_team"},
    {"Greece", "/wiki/Greece_national_football_team"},
    {"Sweden", "/wiki/Sweden_national_football_team"},
    {"Spain", "/wiki/Spain_national_football_team"},
    {"Russia", "/wiki/Russia_national_football_team"},
}};

constexpr std::array<const char *, 16> kFlagKeys{
    "AUSTRIA", "CROATIA", "CZECHREPUBLIC", "FRANCE", "GERMANY",     "GREECE", "ITALY",  "NETHERLANDS",
    "POLAND",  "PORTUGAL", "ROMANIA",      "RUSSIA", "SPAIN", "SWEDEN", "SWITZERLAND", "TURKEY"};
// clang-format on

} // namespace

Championship initialChampionship()
{
    Championship championship;
    for (int g = 0; g < kGroupCount; ++g)
        for (int i = 0; i < kTeamsPerGroup; ++i)
            championship.groupTables[g][i].team = QString::fromLatin1(kGroupNames[g][i]);
    for (int r = 0; r < kMatchCount; ++r) {
        const Fixture &f = kFixtures[r];
        Match &match = championship.matches[r];
        match.team1 = QString::fromLatin1(f.team1);
        match.team2 = QString::fromLatin1(f.team2);
        match.date = QString::fromLatin1(f.date);
        match.time = QString::fromLatin1(f.time);
        match.city = QString::fromLatin1(f.city);
        match.group = QString::fromLatin1(f.group);
        match.stadium = QString::fromLatin1(f.stadium);
    }
    return championship;
}

Championship freshChampionship(const Championship &championship)
{
    Championship fresh = initialChampionship();
    fresh.manualOrder = championship.manualOrder.switchedOff();
    return fresh;
}

const std::array<int, 6> &groupMatchRows(int group)
{
    return kGroupRows[group];
}

std::int64_t valueOf(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > kNumberLimit)
            value = kNumberLimit; // stays clamped: limit * 10 + 9 still fits
    }
    return negative ? -value : value;
}

std::int64_t clampedValue(std::int64_t value)
{
    return std::clamp(value, -kNumberLimit, kNumberLimit);
}

QString flagKey(const QString &team)
{
    QString key = team;
    key.remove(u' ');
    return key.toUpper();
}

bool hasFlag(const QString &team)
{
    const QString key = flagKey(team);
    return std::any_of(kFlagKeys.begin(), kFlagKeys.end(),
                       [&](const char *k) { return key == QLatin1String(k); });
}

QSize flagSize(const QString &team)
{
    const QString key = flagKey(team);
    if (key == QLatin1String("CROATIA"))
        return {20, 10};
    if (key == QLatin1String("GERMANY"))
        return {20, 12};
    return {20, 13};
}

QString teamArticlePath(const QString &team)
{
    for (const Article &a : kArticles)
        if (team == QLatin1String(a.team))
            return QString::fromLatin1(a.path);
    return {};
}

} // namespace fixturo

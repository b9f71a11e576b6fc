#include "groups/OutlookLines.h"

#include "lang/Language.h"

#include <QCoreApplication>

namespace fixturo {

namespace {

QString ordinal(int place)
{
    //: A place in a group table.
    static const char *const kOrdinals[] = {
        QT_TRANSLATE_NOOP("OutlookLines", "1st"), QT_TRANSLATE_NOOP("OutlookLines", "2nd"),
        QT_TRANSLATE_NOOP("OutlookLines", "3rd"), QT_TRANSLATE_NOOP("OutlookLines", "4th")};
    return QCoreApplication::translate("OutlookLines", kOrdinals[place]);
}

// The first place a team can finish in (its only one under the manual order).
int firstPlace(const TeamOutlook &team)
{
    for (int k = 0; k < kTeamsPerGroup; ++k)
        if (team.places[k])
            return k;
    return 0;
}

} // namespace

QString needText(Need need)
{
    switch (need) {
    case Need::NoMatchLeft:
        return QCoreApplication::translate("OutlookLines", "no match left");
    case Need::ThroughWhatever:
        return QCoreApplication::translate("OutlookLines", "through whatever happens");
    case Need::DrawEnough:
        return QCoreApplication::translate("OutlookLines", "a draw is enough");
    case Need::NeedsWin:
        return QCoreApplication::translate("OutlookLines", "needs a win");
    case Need::WinEnough:
        return QCoreApplication::translate("OutlookLines",
                                           "a win is enough; otherwise it depends on other results");
    case Need::NeedsWinAndOtherResult:
        return QCoreApplication::translate("OutlookLines", "needs a win and another result");
    case Need::NeedsOtherResult:
        return QCoreApplication::translate("OutlookLines", "needs another result");
    case Need::OutWhatever:
        return QCoreApplication::translate("OutlookLines", "out whatever happens");
    }
    return {};
}

QString statusText(TeamStatus status)
{
    switch (status) {
    case TeamStatus::CertainWinner:
        return QCoreApplication::translate("OutlookLines", "through as group winner");
    case TeamStatus::Through:
        return QCoreApplication::translate("OutlookLines", "through to the quarter-finals");
    case TeamStatus::Out:
        return QCoreApplication::translate("OutlookLines", "out");
    case TeamStatus::Open:
        return QCoreApplication::translate("OutlookLines", "still open");
    }
    return {};
}

QString placesText(const TeamOutlook &team)
{
    QStringList places;
    for (int k = 0; k < kTeamsPerGroup; ++k)
        if (team.places[k])
            places << ordinal(k);
    if (places.size() < 2)
        return places.join(QString());
    const QString last = places.takeLast();
    //: The places a team can still finish in: "1st, 2nd or 3rd".
    return QCoreApplication::translate("OutlookLines", "%1 or %2")
        .arg(places.join(QCoreApplication::translate("OutlookLines", ", ")), last);
}

QString teamOutlookText(const GroupOutlook &outlook, const TeamOutlook &team)
{
    if (outlook.imposedOrder)
        return QCoreApplication::translate("OutlookLines", "%1: %2 by the manual order.")
            .arg(teamName(team.team), ordinal(firstPlace(team)));
    if (team.need == Need::NoMatchLeft)
        //: A team's outlook: team, status, places it can finish in.
        return QCoreApplication::translate("OutlookLines", "%1: %2; can finish %3.")
            .arg(teamName(team.team), statusText(team.status), placesText(team));
    //: A team's outlook: team, status, places it can finish in, what it needs from its next match.
    return QCoreApplication::translate("OutlookLines", "%1: %2; can finish %3; next match: %4.")
        .arg(teamName(team.team), statusText(team.status), placesText(team), needText(team.need));
}

QString groupNotes(const GroupOutlook &outlook)
{
    if (outlook.imposedOrder)
        return QCoreApplication::translate("OutlookLines",
                                           "The manual order is on: the imposed order decides this group.");
    QStringList notes;
    for (const OpenTie &tie : outlook.openTies) {
        QStringList teams;
        for (const QString &team : tie.teams)
            teams << teamName(team);
        const QString last = teams.takeLast();
        //: %1 is one team or a list of teams, %2 the last one. "File > Manual Order" names the menu item.
        notes << QCoreApplication::translate(
                     "OutlookLines",
                     "The rules may not separate %1 and %2: File > Manual Order settles such a tie.")
                     .arg(teams.join(QCoreApplication::translate("OutlookLines", ", ")), last);
    }
    return notes.join(u'\n');
}

} // namespace fixturo

#include "groups/OutlookLines.h"

namespace fixturo {

namespace {

QString ordinal(int place)
{
    static const char *const kOrdinals[] = {"1st", "2nd", "3rd", "4th"};
    return QString::fromLatin1(kOrdinals[place]);
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
        return QStringLiteral("no match left");
    case Need::ThroughWhatever:
        return QStringLiteral("through whatever happens");
    case Need::DrawEnough:
        return QStringLiteral("a draw is enough");
    case Need::NeedsWin:
        return QStringLiteral("needs a win");
    case Need::WinEnough:
        return QStringLiteral("a win is enough; otherwise it depends on other results");
    case Need::NeedsWinAndOtherResult:
        return QStringLiteral("needs a win and another result");
    case Need::NeedsOtherResult:
        return QStringLiteral("needs another result");
    case Need::OutWhatever:
        return QStringLiteral("out whatever happens");
    }
    return {};
}

QString statusText(TeamStatus status)
{
    switch (status) {
    case TeamStatus::CertainWinner:
        return QStringLiteral("through as group winner");
    case TeamStatus::Through:
        return QStringLiteral("through to the quarter-finals");
    case TeamStatus::Out:
        return QStringLiteral("out");
    case TeamStatus::Open:
        return QStringLiteral("still open");
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
    return places.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QString teamOutlookText(const GroupOutlook &outlook, const TeamOutlook &team)
{
    if (outlook.imposedOrder)
        return QStringLiteral("%1: %2 by the manual order.").arg(team.team, ordinal(firstPlace(team)));
    QString text =
        QStringLiteral("%1: %2; can finish %3").arg(team.team, statusText(team.status), placesText(team));
    if (team.need != Need::NoMatchLeft)
        text += QStringLiteral("; next match: ") + needText(team.need);
    return text + u'.';
}

QString groupNotes(const GroupOutlook &outlook)
{
    if (outlook.imposedOrder)
        return QStringLiteral("The manual order is on: the imposed order decides this group.");
    QStringList notes;
    for (const OpenTie &tie : outlook.openTies) {
        QStringList teams = tie.teams;
        const QString last = teams.takeLast();
        notes << QStringLiteral(
                     "The rules may not separate %1 and %2: File > Manual Order settles such a tie.")
                     .arg(teams.join(QStringLiteral(", ")), last);
    }
    return notes.join(u'\n');
}

} // namespace fixturo

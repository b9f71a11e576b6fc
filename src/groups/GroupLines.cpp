#include "groups/GroupLines.h"

namespace fixturo {

QString goalsColumns(const QString &goalsFor, const QString &goalsAgainst)
{
    return goalsFor + (goalsFor.size() == 1 ? QStringLiteral("  ") : QStringLiteral(" ")) + goalsAgainst;
}

QString standingLine(const Standing &s)
{
    return QString::number(s.points) + QStringLiteral("  ") + QString::number(s.won) + u' ' +
           QString::number(s.drawn) + u' ' + QString::number(s.lost) + u' ' +
           goalsColumns(QString::number(s.goalsFor), QString::number(s.goalsAgainst));
}

namespace {

// "1 point", "0 points": a count and its noun, singular for one.
QString counted(std::int64_t count, const char *singular, const char *plural)
{
    return QString::number(count) + u' ' + QString::fromLatin1(count == 1 ? singular : plural);
}

} // namespace

QString standingSpoken(const Standing &s)
{
    return QStringLiteral("%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against")
        .arg(s.team, counted(s.points, "point", "points"), QString::number(s.won), QString::number(s.drawn),
             QString::number(s.lost), counted(s.goalsFor, "goal", "goals"), QString::number(s.goalsAgainst));
}

QString groupHeading(int group)
{
    return QStringLiteral("GROUP ") + QChar(u'A' + group) + QStringLiteral("      Pts W D L GF GA");
}

QString scheduleLine(const Match &m)
{
    return m.date + QStringLiteral("   ") + m.team1 + u' ' + m.score.goals1 + QStringLiteral(" - ") +
           m.score.goals2 + u' ' + m.team2;
}

} // namespace fixturo

#include "groups/GroupLines.h"

#include "lang/Language.h"

#include <QCoreApplication>

#include <algorithm>

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

QString standingSpoken(const Standing &s)
{
    //: What a screen reader says for a row of a group table: team, points, won, drawn, lost, goals for, goals
    //: against.
    return QCoreApplication::translate("GroupLines", "%1: %2, %3 won, %4 drawn, %5 lost, %6 for, %7 against")
        .arg(teamName(s.team),
             counted("GroupLines", QT_TRANSLATE_N_NOOP("GroupLines", "%n point(s)"), s.points),
             QString::number(s.won), QString::number(s.drawn), QString::number(s.lost),
             counted("GroupLines", QT_TRANSLATE_N_NOOP("GroupLines", "%n goal(s)"), s.goalsFor),
             QString::number(s.goalsAgainst));
}

QString groupCaption(int group)
{
    //: The caption of a group's table, in capitals.
    return QCoreApplication::translate("GroupLines", "GROUP %1").arg(QChar(u'A' + group));
}

QString columnTitles()
{
    //: The titles over a group table's numbers: points, won, drawn, lost, goals for, goals against. Keep the
    //: shape: a title of three letters, three of one letter and two of two letters, one space apart, so that
    //: each title stands over its column.
    return QCoreApplication::translate("GroupLines", "Pts W D L GF GA");
}

QString groupHeading(int group)
{
    // The titles start in the same column whatever the caption's length, so
    // that each stands over its numbers.
    constexpr qsizetype kTitlesColumn = 13;
    const QString caption = groupCaption(group);
    return caption + QString(std::max<qsizetype>(1, kTitlesColumn - caption.size()), u' ') + columnTitles();
}

QString scheduleLine(const Match &m)
{
    return longDate(m.date) + QStringLiteral("   ") + teamName(m.team1) + u' ' + m.score.goals1 +
           QStringLiteral(" - ") + m.score.goals2 + u' ' + teamName(m.team2);
}

} // namespace fixturo

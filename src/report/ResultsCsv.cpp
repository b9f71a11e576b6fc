#include "report/ResultsCsv.h"

#include "knockout/Knockout.h"
#include "storage/FileIo.h"

#include <QStringList>

namespace fixturo {

namespace {

// The stage of a match as a spreadsheet reader would name it.
QString stageName(const Match &match)
{
    const QString &group = match.group;
    if (group == QLatin1String("QF"))
        return QStringLiteral("Quarter-final");
    if (group == QLatin1String("SF"))
        return QStringLiteral("Semi-final");
    if (group == QLatin1String("F"))
        return QStringLiteral("Final");
    return group;
}

// A field as it stands, or quoted with its quotes doubled when it holds a
// comma, a quote or a line break.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString resultsCsv(const Championship &championship)
{
    Championship bracket = championship;
    advanceKnockoutWinners(bracket);
    QString csv = QStringLiteral("Number,Stage,Date,Time,City,Stadium,Team 1,Team 2,Goals 1,Goals 2,"
                                 "Penalties 1,Penalties 2\r\n");
    for (int r = 0; r < kMatchCount; ++r) {
        const Match &match = bracket.matches[r];
        const QStringList fields{QString::number(r + 1),
                                 stageName(match),
                                 match.date,
                                 match.time,
                                 match.city,
                                 match.stadium,
                                 match.team1,
                                 match.team2,
                                 match.score.goals1,
                                 match.score.goals2,
                                 match.score.penalties1,
                                 match.score.penalties2};
        QStringList quoted;
        for (const QString &field : fields)
            quoted << csvField(field);
        csv += quoted.join(u',') + QLatin1String("\r\n");
    }
    return csv;
}

bool exportResultsCsv(const Championship &championship, const QString &path, QString *error)
{
    return writeFileAtomically(path, resultsCsv(championship).toUtf8(), error);
}

} // namespace fixturo

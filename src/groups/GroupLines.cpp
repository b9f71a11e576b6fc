#include "groups/GroupLines.h"

namespace fixturo {

QString GetStrinGoal(const QString &First, const QString &second)
{
    return First + (First.size() == 1 ? QStringLiteral("  ") : QStringLiteral(" ")) + second;
}

QString StatisticsLine(const std::array<QString, Col::ColumnCount> &row)
{
    return row[Col::Pts] + QStringLiteral("  ") + row[Col::W] + u' ' + row[Col::D] + u' ' + row[Col::L] +
           u' ' + GetStrinGoal(row[Col::GF], row[Col::GA]);
}

QString StatisticsSpoken(const std::array<QString, Col::ColumnCount> &row)
{
    return QStringLiteral("%1: %2 points, %3 won, %4 drawn, %5 lost, %6 goals for, %7 against")
        .arg(row[Col::Name], row[Col::Pts], row[Col::W], row[Col::D], row[Col::L], row[Col::GF],
             row[Col::GA]);
}

QString GroupHeading(int group)
{
    return QStringLiteral("GROUP ") + QChar(u'A' + group) + QStringLiteral("      Pts W D L GF GA");
}

QString ScheduleLine(const MatchRow &row)
{
    return row[Match::date] + QStringLiteral("   ") + row[Match::team1] + u' ' + row[Match::goals1] +
           QStringLiteral(" - ") + row[Match::goals2] + u' ' + row[Match::team2];
}

} // namespace fixturo

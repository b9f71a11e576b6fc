#pragma once

#include "app/Sequences.h"
#include "groups/ManualOrder.h"
#include "groups/Ranking.h"
#include "groups/Standings.h"
#include "knockout/Knockout.h"
#include "storage/ResultsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace fixturo::test {

inline ModVars FreshState()
{
    ModVars vars;
    InitFixtureData(vars);
    return vars;
}

inline void SetScore(ModVars &vars, int row, const QString &g1, const QString &g2, const QString &p1 = {},
                     const QString &p2 = {})
{
    MatchRow &m = vars.MatchTable[row];
    m[Match::goals1] = g1, m[Match::goals2] = g2, m[Match::penalties1] = p1, m[Match::penalties2] = p2;
}

// Index of a group match row by its two teams, in fixture order.
inline int RowOf(const ModVars &vars, const QString &t1, const QString &t2)
{
    for (int r = 0; r < kGroupMatchCount; ++r)
        if (vars.MatchTable[r][Match::team1] == t1 && vars.MatchTable[r][Match::team2] == t2)
            return r;
    ADD_FAILURE() << "no match " << t1.toStdString() << " - " << t2.toStdString();
    return 0;
}

// The names of a group's table, top to bottom.
inline QStringList Order(const ModVars &vars, int group)
{
    QStringList names;
    for (const auto &row : vars.GroupTeams[group])
        names << row[Col::Name];
    return names;
}

// "team1 - team2" of a match row.
inline QString Pair(const ModVars &vars, int row)
{
    return vars.MatchTable[row][Match::team1] + " - " + vars.MatchTable[row][Match::team2];
}

// The whole file, or nothing when it cannot be read.
inline QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace fixturo::test

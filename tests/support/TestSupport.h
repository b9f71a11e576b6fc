#pragma once

// What the tests share: the championship read back as names, whole files, and
// Qt texts in failure messages.

#include "state/Championship.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// Bytes that are no printable ASCII (CR, LF, a byte order mark) as %XX.
inline void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << '"' << bytes.toPercentEncoding(" !\"#$&'()*+,/:;<=>?@[]^`{|}").constData() << '"';
}
QT_END_NAMESPACE

namespace fixturo::test {

// The names of a group's table, top to bottom.
inline QStringList teamOrder(const Championship &championship, int group)
{
    QStringList names;
    for (const Standing &standing : championship.groupTables[group])
        names << standing.team;
    return names;
}

// "team1 - team2" of a match row.
inline QString pairing(const Championship &championship, int row)
{
    return championship.matches[row].team1 + " - " + championship.matches[row].team2;
}

// The whole file, or nothing when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace fixturo::test

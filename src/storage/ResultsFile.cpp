#include "storage/ResultsFile.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

#include <limits>

namespace fixturo {

namespace {

// The file is plain 8-bit text; Latin-1 maps every byte to one character and
// back, so whatever a file holds survives a load and a save unchanged.
QString FromFile(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray ToFile(const QString &text)
{
    return text.toLatin1();
}

constexpr qint64 kReadChunk = 64 * 1024;

} // namespace

QByteArray ResultsLine(const ModVars &vars)
{
    QString line;
    for (const MatchRow &row : vars.MatchTable) {
        line += row[Match::goals1] + u',' + row[Match::goals2];
        if (!row[Match::penalties1].isEmpty())
            line += u',' + row[Match::penalties1] + u',' + row[Match::penalties2];
        line += u'|';
    }
    line += vars.TeamList;
    return ToFile(line) + "\r\n";
}

void ApplyResultsLine(ModVars &vars, const QByteArray &line)
{
    if (line.isEmpty())
        return;
    const QList<QByteArray> fields = line.split('|');
    for (int i = 0; i < kMatchCount && i < fields.size(); ++i) {
        if (fields[i].isEmpty())
            continue; // an empty field gives no values
        const QList<QByteArray> values = fields[i].split(',');
        MatchRow &row = vars.MatchTable[i];
        if (values.size() == 2 || values.size() == 4) {
            row[Match::goals1] = FromFile(values[0]);
            row[Match::goals2] = FromFile(values[1]);
        }
        if (values.size() == 4) {
            row[Match::penalties1] = FromFile(values[2]);
            row[Match::penalties2] = FromFile(values[3]);
        }
    }
    if (fields.size() > kMatchCount)
        vars.TeamList = FromFile(fields[kMatchCount]);

    const QString flag = vars.TeamList.section(u',', 0, 0).trimmed();
    bool isInteger = false;
    const int value = flag.toInt(&isInteger);
    if (isInteger && value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max())
        vars.ManualOrderFlag = static_cast<std::int16_t>(value);
}

void LoadFromFile(ModVars &vars, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray line;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(kReadChunk);
        if (chunk.isEmpty())
            break;
        const qsizetype cr = chunk.indexOf('\r');
        const qsizetype lf = chunk.indexOf('\n');
        qsizetype end = cr < 0 ? lf : (lf < 0 ? cr : std::min(cr, lf));
        if (end >= 0) {
            line += chunk.left(end);
            break;
        }
        line += chunk;
    }
    file.close();
    ApplyResultsLine(vars, line);
}

bool SaveToFile(const ModVars &vars, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray line = ResultsLine(vars);
    if (file.write(line) != line.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace fixturo

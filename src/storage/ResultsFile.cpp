#include "storage/ResultsFile.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

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

constexpr qint64 kReadLimit = 1024 * 1024;
const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// The first line of a file's bytes, without its line end.
QByteArray FirstLine(const QByteArray &bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    return bytes.left(end);
}

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

void ApplyResultsLine(ModVars &vars, const QByteArray &rawLine)
{
    const QByteArray line = rawLine.startsWith(kByteOrderMark) ? rawLine.mid(3) : rawLine;
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
            row[Match::penalties1] = values.size() == 4 ? FromFile(values[2]) : QString();
            row[Match::penalties2] = values.size() == 4 ? FromFile(values[3]) : QString();
        }
    }
    if (fields.size() > kMatchCount)
        vars.TeamList = FromFile(fields[kMatchCount]);

    if (const auto value = SwitchValue(QStringView(vars.TeamList).left(vars.TeamList.indexOf(u','))))
        vars.ManualOrderFlag = *value;
}

QString NotAResultsFile(const QByteArray &bytes)
{
    const QByteArray line = FirstLine(bytes);
    if (line.count('|') == kMatchCount)
        return {};
    return QStringLiteral("Not a results file: its first line holds %1 of the %2 match entries.")
        .arg(line.count('|'))
        .arg(kMatchCount);
}

bool LoadFromFile(ModVars &vars, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    // A results file is a few hundred bytes; whatever is larger is not one.
    const QByteArray bytes = file.read(kReadLimit + 1);
    const bool readError = file.error() != QFileDevice::NoError;
    file.close();
    if (bytes.isEmpty())
        return !readError;
    const QByteArray line = FirstLine(bytes);
    ApplyResultsLine(vars, line);
    // The line as the file holds it (byte order mark aside), its ending, and
    // nothing after it: that is what a save writes back.
    QByteArray rest = bytes.mid(line.size());
    if (rest.startsWith("\r\n"))
        rest.remove(0, 2);
    else if (rest.startsWith('\r') || rest.startsWith('\n'))
        rest.remove(0, 1);
    const QByteArray kept = line.startsWith(kByteOrderMark) ? line.mid(3) : line;
    return rest.isEmpty() && ResultsLine(vars) == kept + "\r\n";
}

std::optional<QByteArray> ReadWhole(const QString &path, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes;
    }
    if (error)
        *error = file.errorString();
    return std::nullopt;
}

bool WriteWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // Beside a file that may be written, in a folder that refuses new files,
    // the file is written in place: the only way left to keep the results.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a write that fails (a full disk) is seen here and
    // never renamed over the old file by commit().
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size();
    if (ok && !file.flush())
        ok = false;
    if (ok && file.error() == QFileDevice::NoError && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

bool SaveToFile(const ModVars &vars, const QString &path, QString *error)
{
    return WriteWhole(path, ResultsLine(vars), error);
}

} // namespace fixturo

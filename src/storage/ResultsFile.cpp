#include "storage/ResultsFile.h"

#include "storage/FileIo.h"

#include <QFile>
#include <QList>

namespace fixturo {

namespace {

// The file is plain 8-bit text; Latin-1 maps every byte to one character and
// back, so whatever a file holds survives a load and a save unchanged.
QString fromFile(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray toFile(const QString &text)
{
    return text.toLatin1();
}

constexpr qint64 kReadLimit = 1024 * 1024;
const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// The first line of a file's bytes, without its line end.
QByteArray firstLine(const QByteArray &bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    return bytes.left(end);
}

} // namespace

QByteArray resultsLine(const Championship &championship)
{
    QString line;
    for (const Match &match : championship.matches) {
        const Score &s = match.score;
        line += s.goals1 + u',' + s.goals2;
        if (!s.penalties1.isEmpty())
            line += u',' + s.penalties1 + u',' + s.penalties2;
        line += u'|';
    }
    line += championship.manualOrder.text();
    return toFile(line) + "\r\n";
}

void applyResultsLine(Championship &championship, const QByteArray &rawLine)
{
    const QByteArray line = rawLine.startsWith(kByteOrderMark) ? rawLine.mid(3) : rawLine;
    if (line.isEmpty())
        return;
    const QList<QByteArray> fields = line.split('|');
    for (int i = 0; i < kMatchCount && i < fields.size(); ++i) {
        if (fields[i].isEmpty())
            continue; // an empty field gives no values
        const QList<QByteArray> values = fields[i].split(',');
        if (values.size() == 2 || values.size() == 4) {
            const bool withPenalties = values.size() == 4;
            championship.matches[i].score = {fromFile(values[0]), fromFile(values[1]),
                                             withPenalties ? fromFile(values[2]) : QString(),
                                             withPenalties ? fromFile(values[3]) : QString()};
        }
    }
    if (fields.size() > kMatchCount)
        championship.manualOrder.readText(fromFile(fields[kMatchCount]));
}

QString notAResultsFile(const QByteArray &bytes)
{
    const QByteArray line = firstLine(bytes);
    if (line.count('|') == kMatchCount)
        return {};
    return QStringLiteral("Not a results file: its first line holds %1 of the %2 match entries.")
        .arg(line.count('|'))
        .arg(kMatchCount);
}

bool loadResultsFile(Championship &championship, const QString &path)
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
    const QByteArray line = firstLine(bytes);
    applyResultsLine(championship, line);
    // The line as the file holds it (byte order mark aside), its ending, and
    // nothing after it: that is what a save writes back.
    QByteArray rest = bytes.mid(line.size());
    if (rest.startsWith("\r\n"))
        rest.remove(0, 2);
    else if (rest.startsWith('\r') || rest.startsWith('\n'))
        rest.remove(0, 1);
    const QByteArray kept = line.startsWith(kByteOrderMark) ? line.mid(3) : line;
    return rest.isEmpty() && resultsLine(championship) == kept + "\r\n";
}

bool saveResultsFile(const Championship &championship, const QString &path, QString *error)
{
    return writeFileAtomically(path, resultsLine(championship), error);
}

} // namespace fixturo

#include "storage/ResultsFile.h"

#include "storage/FileIo.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>

#include <algorithm>
#include <optional>

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

// The line without one leading byte order mark.
QByteArray withoutByteOrderMark(const QByteArray &line)
{
    return line.startsWith(kByteOrderMark) ? line.mid(kByteOrderMark.size()) : line;
}

// A stored score is empty (not played) or a number of at most nine digits:
// what can be typed, and what a hand-edited file may reasonably hold.
constexpr qsizetype kMaxScoreDigits = 9;

bool isScore(const QByteArray &value)
{
    return value.size() <= kMaxScoreDigits &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The values of an entry that sets a score (two or four of them, every one a
// score); nothing for an entry that leaves its match as it is.
std::optional<QList<QByteArray>> scoreValues(const QByteArray &entry)
{
    if (entry.isEmpty())
        return std::nullopt; // an empty field gives no values
    QList<QByteArray> values = entry.split(',');
    if (values.size() != 2 && values.size() != 4)
        return std::nullopt;
    if (!std::all_of(values.begin(), values.end(), isScore))
        return std::nullopt;
    return values;
}

// The first match (0-based) whose entry gives values that are no scores.
std::optional<int> firstBadScore(const QList<QByteArray> &fields)
{
    for (int i = 0; i < kMatchCount && i < fields.size(); ++i) {
        const QList<QByteArray> values = fields[i].split(',');
        if (!fields[i].isEmpty() && (values.size() == 2 || values.size() == 4) && !scoreValues(fields[i]))
            return i;
    }
    return std::nullopt;
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
    const QByteArray line = withoutByteOrderMark(rawLine);
    if (line.isEmpty())
        return;
    const QList<QByteArray> fields = line.split('|');
    for (int i = 0; i < kMatchCount && i < fields.size(); ++i) {
        if (const std::optional<QList<QByteArray>> values = scoreValues(fields[i])) {
            const bool withPenalties = values->size() == 4;
            championship.matches[i].score = {fromFile(values->at(0)), fromFile(values->at(1)),
                                             withPenalties ? fromFile(values->at(2)) : QString(),
                                             withPenalties ? fromFile(values->at(3)) : QString()};
        }
    }
    if (fields.size() > kMatchCount)
        championship.manualOrder.readText(fromFile(fields[kMatchCount]));
}

QString notAResultsFile(const QByteArray &bytes)
{
    const QByteArray line = withoutByteOrderMark(firstLine(bytes));
    if (line.count('|') != kMatchCount)
        return QCoreApplication::translate(
                   "ResultsFile", "Not a results file: its first line holds %1 of the %2 match entries.")
            .arg(line.count('|'))
            .arg(kMatchCount);
    if (const std::optional<int> match = firstBadScore(line.split('|')))
        return QCoreApplication::translate("ResultsFile",
                                           "Not a results file: the score of match %1 is not a number.")
            .arg(*match + 1);
    return {};
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
    // A first line longer than one read holds more than the read gave.
    return bytes.size() <= kReadLimit && rest.isEmpty() &&
           resultsLine(championship) == withoutByteOrderMark(line) + "\r\n";
}

bool saveResultsFile(const Championship &championship, const QString &path, QString *error)
{
    return writeFileAtomically(path, resultsLine(championship), error);
}

} // namespace fixturo

#pragma once

// What the tests share: the championship read back as names, whole files, and
// Qt texts in failure messages.

#include "state/Championship.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <optional>
#include <ostream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs `check` in a child process, as nobody when the test runs as root (who
// may write anywhere); its answer, or nothing when the child could not
// become nobody.
inline std::optional<bool> inChildAsNobody(const std::function<bool()> &check)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

// While it lives, this process's files cannot grow past 16 bytes, as on a
// full disk (writes beyond fail with EFBIG).
class FullDisk {
public:
    FullDisk()
    {
        getrlimit(RLIMIT_FSIZE, &m_limit);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit full = m_limit;
        full.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &m_limit); }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_limit{};
};

// How a write run on a full disk ended: whether it said it succeeded, and the
// reason it gave.
struct FullDiskWrite {
    bool succeeded = false;
    QString reason;
};

// Runs `write` in a child process whose files cannot grow past 16 bytes, as on
// a full disk (writes beyond fail with EFBIG). Nothing when the child could not
// limit itself.
inline std::optional<FullDiskWrite> writeOnFullDisk(const std::function<bool(QString *reason)> &write)
{
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        const rlimit limit{16, 16};
        if (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(2);
        QString reason;
        const bool succeeded = write(&reason);
        const QByteArray told = reason.toUtf8();
        const bool sent = ::write(channel[1], told.constData(), told.size()) == told.size();
        _exit(sent ? !succeeded : 2); // the exit status: 0 when the write succeeded
    }
    close(channel[1]);
    QByteArray told;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        told.append(buffer, n);
    close(channel[0]);
    int status = -1;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return FullDiskWrite{WEXITSTATUS(status) == 0, QString::fromUtf8(told)};
}

} // namespace fixturo::test

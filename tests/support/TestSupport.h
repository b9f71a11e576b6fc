#pragma once

// What the tests share: the championship read back as names, whole files, and
// Qt texts in failure messages.

#include "lang/Language.h"
#include "state/Championship.h"

#include <QByteArray>
#include <QCoreApplication>
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

// Speaks `language` for the test's life, English after it: the translations
// built with the tests, installed in the application (made here for a test
// that has none).
class Speaking {
public:
    explicit Speaking(const QString &language)
    {
        static int argc = 1;
        static char name[] = "tests";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
        installed = useLanguage(language, folders());
    }
    ~Speaking() { useLanguage(QStringLiteral("en"), {}); }
    static QStringList folders() { return {QStringLiteral(FIXTURO_TRANSLATIONS_DIR)}; }
    bool installed;
};

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

// How a write run in a child process ended: whether it said it succeeded, and
// the reason it gave.
struct ChildWrite {
    bool succeeded = false;
    QString reason;
};

// What limits a child process: its files cannot grow past 16 bytes, as on a
// full disk (writes beyond fail with EFBIG), or it acts as nobody when the test
// runs as root (who may write anywhere).
enum class Limit { FullDisk, Nobody };

// Runs `write` in a child process under `limit`; nothing when the child could
// not limit itself.
inline std::optional<ChildWrite> inChild(Limit limit, const std::function<bool(QString *reason)> &write)
{
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        const rlimit full{16, 16};
        const bool limited =
            limit == Limit::FullDisk
                ? std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &full) == 0
                : geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
        if (!limited)
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
    return ChildWrite{WEXITSTATUS(status) == 0, QString::fromUtf8(told)};
}

} // namespace fixturo::test

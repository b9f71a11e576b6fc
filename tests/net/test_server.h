#pragma once

// HTTP servers on 127.0.0.1 for the download tests: python's own static file
// server over a folder, and misbehaving_server.py in one of its modes. Each
// server picks a free port itself and reports it; the server process ends
// with the object.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>

#include <memory>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

#ifndef FIXTURO_TEST_SERVER_SCRIPT
#error "FIXTURO_TEST_SERVER_SCRIPT must name misbehaving_server.py"
#endif

namespace fixturo::test {

class TestServer {
public:
    TestServer() = default;
    TestServer(const TestServer &) = delete;
    TestServer &operator=(const TestServer &) = delete;

    ~TestServer()
    {
        if (m_process && m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }

    // python3 -m http.server serving `folder`.
    bool StartStatic(const QString &folder)
    {
        return Start({QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                      QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"),
                      folder, QStringLiteral("0")});
    }

    // misbehaving_server.py in `mode`.
    bool StartMisbehaving(const QString &mode)
    {
        return Start({QStringLiteral("-u"), QStringLiteral(FIXTURO_TEST_SERVER_SCRIPT), mode});
    }

    quint16 Port() const { return m_port; }

    QUrl Url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
    }

    // Why Start() failed.
    QString Problem() const { return m_problem; }

private:
    bool Start(const QStringList &arguments)
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty()) {
            m_problem = QStringLiteral("python3 not found");
            return false;
        }
        m_process = std::make_unique<QProcess>();
        m_process->setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_LINUX
        // The server ends with the test even when the test crashes.
        m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
        m_process->start(python, arguments);
        if (!m_process->waitForStarted(10000)) {
            m_problem = QStringLiteral("python3 did not start");
            return false;
        }
        // The static server prints "Serving HTTP on 127.0.0.1 port N ...",
        // the misbehaving one prints N alone.
        static const QRegularExpression portPattern(QStringLiteral("(?:port |^)(\\d+)\\b"));
        QByteArray output;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000) {
            m_process->waitForReadyRead(200);
            output += m_process->readAllStandardOutput();
            const QRegularExpressionMatch match = portPattern.match(QString::fromLatin1(output));
            if (match.hasMatch() && output.contains('\n')) {
                m_port = static_cast<quint16>(match.captured(1).toUInt());
                break;
            }
            if (m_process->state() == QProcess::NotRunning)
                break;
        }
        if (m_port == 0) {
            m_problem = QStringLiteral("no port reported; output: ") + QString::fromLatin1(output);
            return false;
        }
        return WaitUntilAccepting();
    }

    bool WaitUntilAccepting()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 15000) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            if (probe.waitForConnected(1000)) {
                probe.disconnectFromHost();
                return true;
            }
            QThread::msleep(50);
        }
        m_problem = QStringLiteral("port %1 does not accept connections").arg(m_port);
        return false;
    }

    std::unique_ptr<QProcess> m_process;
    quint16 m_port = 0;
    QString m_problem;
};

// A port on 127.0.0.1 with nothing listening on it.
inline quint16 RefusingPort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

// The whole content of a file, or an empty array when it cannot be read.
inline QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file (for test set-up), true on success.
inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace fixturo::test

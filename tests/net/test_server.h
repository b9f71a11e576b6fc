#pragma once

// HTTP servers on 127.0.0.1 for the download tests: python's static file
// server over a folder, or misbehaving_server.py in one of its modes. The
// server picks a free port and reports it; its process ends with the object.

#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

#include "support/TestSupport.h"

#include <csignal>
#include <sys/prctl.h>

namespace fixturo::test {

class TestServer {
public:
    // Only 127.0.0.1 is ever contacted: no proxy in between.
    TestServer()
    {
        for (const char *name :
             {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
    }
    ~TestServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool StartStatic(const QString &folder)
    {
        return Start({"-m", "http.server", "--bind", "127.0.0.1", "--directory", folder, "0"});
    }
    bool StartMisbehaving(const QString &mode) { return Start({FIXTURO_TEST_SERVER_SCRIPT, mode}); }

    QUrl Url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
    }

private:
    // Both servers listen before they print their port: "Serving HTTP on
    // 127.0.0.1 port N ..." or N alone. A server that reports none is a failure.
    bool Start(QStringList arguments)
    {
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_process.start(QStringLiteral("python3"), QStringList{"-u"} + arguments);
        static const QRegularExpression port(QStringLiteral("(?:port |^)(\\d+)\\b.*\n"));
        const QDeadlineTimer deadline(15000);
        QString output;
        while (m_port == 0 && m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            output += QString::fromLatin1(m_process.readAllStandardOutput());
            if (const QRegularExpressionMatch match = port.match(output); match.hasMatch())
                m_port = static_cast<quint16>(match.captured(1).toUInt());
        }
        if (m_port == 0)
            ADD_FAILURE() << "python3 " << arguments.join(u' ').toStdString()
                          << " reported no port: " << output.toStdString();
        return m_port != 0;
    }

    QProcess m_process;
    quint16 m_port = 0;
};

} // namespace fixturo::test

#pragma once

#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace fixturo {

// The results file's address on an update server: base (scheme, host and
// optional port, trailing "/" allowed) + "/files/results.txt".
QUrl resultsFileUrl(const QString &base);

// Whether an HTTP status delivers the file: 2xx only.
bool acceptableStatus(int status);

// Whether a transfer stays within max bytes: the length the server announced
// (negative when it announced none) and the bytes received so far.
bool withinLimit(qint64 announced, qint64 received, qint64 max);

// Whether a transfer that has ended brought the whole body: with an announced
// length, exactly that many bytes; without one, whatever came.
bool completeBody(qint64 announced, qint64 received);

// Fetches an http(s) address into a file. The body is kept in memory (it is at
// most the size limit) and replaces the target through writeFileAtomically,
// only after a complete transfer with a 2xx status: the download writes
// wherever a save could. Every failure and cancel() leave the target as it
// was. finished() comes exactly once per start(), never from inside start().
class ResultsDownload : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultIdleTimeoutMs = 15000;
    static constexpr qint64 kDefaultMaxBytes = 64 * 1024;
    static constexpr int kMaxRedirects = 5;

    ResultsDownload(QUrl source, QString target, QObject *parent = nullptr);
    ~ResultsDownload() override;

    // A transfer that brings no data this long fails.
    void setIdleTimeoutMs(int ms) { m_idleTimeoutMs = ms; }
    // A body larger than this fails.
    void setMaxBytes(qint64 bytes) { m_maxBytes = bytes; }
    // Checks the whole body before it replaces the target: a non-empty answer
    // is the reason the body is refused.
    void setBodyCheck(std::function<QString(const QByteArray &)> check) { m_bodyCheck = std::move(check); }
    // Certificate authorities trusted for https beside the system's own.
    void setExtraCaCertificates(QList<QSslCertificate> certificates) { m_extraCas = std::move(certificates); }

    void start();
    // Stops a running transfer; it ends with finished(false).
    void cancel();

    bool isRunning() const { return m_running; }
    // Whether the last transfer ended by cancel().
    bool wasCanceled() const { return m_canceled; }
    // Why the last transfer failed; empty after a success.
    QString errorString() const { return m_error; }
    // Whether the last transfer failed after the whole file had arrived,
    // because the target could not be written; errorString() is then the
    // system's reason.
    bool localWriteFailed() const { return m_localWriteFailed; }

signals:
    // Bytes received so far and the announced total (negative when unknown).
    void progress(qint64 received, qint64 total);
    void finished(bool ok);

private:
    void onMetaData();
    void onReadyRead();
    void onReplyFinished();
    bool statusRefused();
    void fail(const QString &why, bool abortReply = true);
    void succeed();
    void end(bool ok, bool abortReply = true);

    QUrl m_source;
    QString m_target;
    int m_idleTimeoutMs = kDefaultIdleTimeoutMs;
    qint64 m_maxBytes = kDefaultMaxBytes;

    QNetworkAccessManager *m_manager;
    QPointer<QNetworkReply> m_reply;
    std::function<QString(const QByteArray &)> m_bodyCheck;
    QList<QSslCertificate> m_extraCas;
    QByteArray m_body; // bounded by m_maxBytes
    qint64 m_received = 0;
    qint64 m_announced = -1;
    bool m_running = false;
    bool m_canceled = false;
    bool m_localWriteFailed = false;
    quint64 m_run = 0; // counts start()s, so a late report cannot end a newer run
    QString m_error;
};

} // namespace fixturo

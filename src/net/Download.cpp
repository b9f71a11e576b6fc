#include "net/Download.h"

#include "storage/FileIo.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

namespace fixturo {

QUrl resultsFileUrl(const QString &base)
{
    QString root = base.trimmed();
    while (root.endsWith(u'/'))
        root.chop(1);
    return QUrl(root + QStringLiteral("/files/results.txt"));
}

bool acceptableStatus(int status)
{
    return status >= 200 && status <= 299;
}

bool withinLimit(qint64 announced, qint64 received, qint64 max)
{
    return announced <= max && received <= max;
}

bool completeBody(qint64 announced, qint64 received)
{
    return announced < 0 || announced == received;
}

ResultsDownload::ResultsDownload(QUrl source, QString target, QObject *parent)
    : QObject(parent), m_source(std::move(source)), m_target(std::move(target)),
      m_manager(new QNetworkAccessManager(this))
{
}

ResultsDownload::~ResultsDownload()
{
    if (m_reply) {
        disconnect(m_reply, nullptr, this, nullptr);
        m_reply->abort();
    }
}

void ResultsDownload::start()
{
    if (m_running)
        return;
    m_running = true;
    ++m_run;
    m_canceled = false;
    m_localWriteFailed = false;
    m_error.clear();
    m_body.clear();
    m_received = 0;
    m_announced = -1;

    const QString scheme = m_source.scheme().toLower();
    if (!m_source.isValid() || m_source.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        const QString refusal = tr("Not an http address: %1").arg(m_source.toString());
        // Reported from the event loop, so that a caller who waits for
        // finished() after start() gets it.
        QMetaObject::invokeMethod(
            this,
            [this, refusal, run = m_run] {
                if (run == m_run)
                    fail(refusal);
            },
            Qt::QueuedConnection);
        return;
    }

    QNetworkRequest request(m_source);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    // Unencoded, so that Content-Length counts the bytes that arrive.
    request.setRawHeader("Accept-Encoding", "identity");
    // A transfer that brings no data this long is aborted by the network layer.
    request.setTransferTimeout(m_idleTimeoutMs);
    if (!m_extraCas.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(m_extraCas);
        request.setSslConfiguration(tls);
    }

    m_reply = m_manager->get(request);
    // Memory stays bounded however fast a server floods: the limit is passed
    // within one buffer.
    m_reply->setReadBufferSize(m_maxBytes + 1);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &ResultsDownload::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &ResultsDownload::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &ResultsDownload::onReplyFinished);
}

void ResultsDownload::cancel()
{
    if (m_running)
        m_canceled = true;
    fail(tr("Canceled"));
}

void ResultsDownload::onMetaData()
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() >= 400) {
        statusRefused();
        return;
    }
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    m_announced = length.isValid() ? length.toLongLong() : -1;
    if (!withinLimit(m_announced, m_received, m_maxBytes))
        fail(tr("The file is larger than %1 bytes").arg(m_maxBytes));
}

void ResultsDownload::onReadyRead()
{
    if (!m_running)
        return;
    if (statusRefused())
        return;
    const QByteArray chunk = m_reply->readAll();
    if (chunk.isEmpty())
        return;
    m_received += chunk.size();
    if (!withinLimit(m_announced, m_received, m_maxBytes)) {
        fail(tr("The file is larger than %1 bytes").arg(m_maxBytes));
        return;
    }
    m_body += chunk;
    emit progress(m_received, m_announced);
}

void ResultsDownload::onReplyFinished()
{
    if (!m_running)
        return;
    if (m_reply->error() == QNetworkReply::OperationCanceledError ||
        m_reply->error() == QNetworkReply::TimeoutError) {
        // Only the transfer timeout aborts a reply that cancel() has not ended.
        fail(tr("No data for %1 ms").arg(m_idleTimeoutMs));
        return;
    }
    if (m_reply->error() != QNetworkReply::NoError) {
        fail(m_reply->errorString());
        return;
    }
    onReadyRead(); // whatever is still buffered
    if (!m_running)
        return;
    if (!m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
        fail(tr("No HTTP answer"));
        return;
    }
    if (statusRefused())
        return;
    if (!completeBody(m_announced, m_received)) {
        fail(tr("Only %1 of %2 bytes arrived").arg(m_received).arg(m_announced));
        return;
    }
    if (m_bodyCheck) {
        if (const QString refusal = m_bodyCheck(m_body); !refusal.isEmpty()) {
            fail(refusal);
            return;
        }
    }
    succeed();
}

bool ResultsDownload::statusRefused()
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || acceptableStatus(status.toInt()))
        return false;
    fail(tr("HTTP status %1").arg(status.toInt()), false);
    return true;
}

void ResultsDownload::fail(const QString &why, bool abortReply)
{
    if (!m_running)
        return;
    m_error = why;
    end(false, abortReply);
}

void ResultsDownload::succeed()
{
    m_localWriteFailed = !writeFileAtomically(m_target, m_body, &m_error);
    end(!m_localWriteFailed);
}

void ResultsDownload::end(bool ok, bool abortReply)
{
    m_running = false;
    m_body.clear();
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        disconnect(reply, nullptr, this, nullptr);
        // A reply with an error status has its own error report queued:
        // abort() would report a second one. Its deletion stops it.
        if (abortReply && reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }
    emit finished(ok);
}

} // namespace fixturo

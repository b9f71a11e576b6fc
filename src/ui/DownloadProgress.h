#pragma once

#include <QList>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

class QWidget;

namespace fixturo {

struct UpdateSettings {
    QUrl source;                 // the update server's results file
    int idleTimeoutMs = 15000;   // a transfer silent this long fails
    qint64 maxBytes = 64 * 1024; // a larger body fails
    // Authorities trusted for an https source beside the system's (tests).
    QList<QSslCertificate> extraCaCertificates{};
};

// How a download that did not succeed ended.
struct DownloadFailure {
    bool canceled = false;   // the user pressed Cancel
    bool localWrite = false; // the file arrived but could not be written to target
    QString reason;          // why it failed, for the error box (the system's reason for localWrite)
};

// The built-in update server address with "/files/results.txt".
UpdateSettings defaultUpdateSettings();

// Fetches settings.source into target while a modal progress dialog with a
// Cancel button stands over parent. True only when the whole file arrived, is a
// results file, and replaced target; after any failure (or Cancel) target is
// unchanged and `failure`, when given, says why.
bool downloadResults(QWidget *parent, const UpdateSettings &settings, const QString &target,
                     DownloadFailure *failure = nullptr);

} // namespace fixturo

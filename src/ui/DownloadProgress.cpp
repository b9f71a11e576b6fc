#include "ui/DownloadProgress.h"

#include "net/Download.h"
#include "storage/ResultsFile.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>

#include <limits>

namespace fixturo {

UpdateSettings defaultUpdateSettings()
{
    UpdateSettings settings;
    settings.source = resultsFileUrl(QStringLiteral(FIXTURO_UPDATE_URL));
    return settings;
}

bool downloadResults(QWidget *parent, const UpdateSettings &settings, const QString &target,
                     DownloadFailure *failure)
{
    ResultsDownload download(settings.source, target);
    download.setIdleTimeoutMs(settings.idleTimeoutMs);
    download.setMaxBytes(settings.maxBytes);
    download.setExtraCaCertificates(settings.extraCaCertificates);
    // Only a results file replaces the local one.
    download.setBodyCheck(notAResultsFile);

    // Application-modal: no other action of the program starts while the
    // transfer runs in the local loop below.
    QProgressDialog dialog(QCoreApplication::translate("DownloadProgress", "Downloading the results…"),
                           QCoreApplication::translate("DownloadProgress", "Cancel"), 0, 0, parent);
    dialog.setObjectName(QStringLiteral("downloadProgress"));
    dialog.setWindowTitle(QCoreApplication::translate("DownloadProgress", " Update Online"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    // Wide enough that the title bar shows the whole title beside its buttons.
    dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) * 2 + 160);

    QEventLoop loop;
    bool ok = false;
    // Queued: a modal dialog's setValue() processes events, which must not
    // happen inside the download's own handlers.
    QObject::connect(
        &download, &ResultsDownload::progress, &dialog,
        [&dialog](qint64 received, qint64 total) {
            if (total > 0 && total <= std::numeric_limits<int>::max()) {
                dialog.setMaximum(static_cast<int>(total));
                dialog.setValue(static_cast<int>(received));
            }
        },
        Qt::QueuedConnection);
    QObject::connect(&download, &ResultsDownload::finished, &loop, [&ok, &loop](bool success) {
        ok = success;
        loop.quit();
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &download, &ResultsDownload::cancel);

    download.start();
    dialog.show();
    if (download.isRunning())
        loop.exec();
    dialog.hide();
    if (!ok && failure)
        *failure = {download.wasCanceled(), download.localWriteFailed(), download.errorString()};
    return ok;
}

} // namespace fixturo

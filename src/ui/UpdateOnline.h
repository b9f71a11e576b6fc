#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace fixturo {

struct UpdateSettings {
    QUrl source;                 // the update server's results file
    int idleTimeoutMs = 15000;   // a transfer silent this long fails
    qint64 maxBytes = 64 * 1024; // a larger body fails
};

// The built-in update server address with "/files/results.txt".
UpdateSettings DefaultUpdateSettings();

// Fetches settings.source into target while a modal progress dialog with a
// Cancel button stands over parent. True only when the whole file arrived and
// replaced target; after any failure (or Cancel) target is unchanged.
bool DownloadFile(QWidget *parent, const UpdateSettings &settings, const QString &target);

} // namespace fixturo

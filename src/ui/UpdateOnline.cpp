#include "ui/UpdateOnline.h"

namespace fixturo {

UpdateSettings DefaultUpdateSettings()
{
    UpdateSettings settings;
    settings.source = QUrl(QStringLiteral(FIXTURO_UPDATE_URL "/files/results.txt"));
    return settings;
}

bool DownloadFile(QWidget *, const UpdateSettings &, const QString &)
{
    return false; // the transfer comes with the online update
}

} // namespace fixturo

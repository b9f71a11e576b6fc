#include "storage/FileIo.h"

#include <QFile>
#include <QSaveFile>

namespace fixturo {

std::optional<QByteArray> readWholeFile(const QString &path, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes;
    }
    if (error)
        *error = file.errorString();
    return std::nullopt;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a write that fails (a full disk) is seen here and
    // never renamed over the old file by commit().
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size();
    if (ok && !file.flush())
        ok = false;
    if (ok && file.error() == QFileDevice::NoError && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace fixturo

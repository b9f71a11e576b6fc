#include "storage/FileIo.h"

#include <QFile>
#include <QFileInfo>
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
    // never renamed over the old file by commit(). A short write is followed
    // by another for the rest, which fails with the system's reason.
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 done = 0, n = 0; ok && done < bytes.size(); done += n)
        ok = (n = file.write(bytes.constData() + done, bytes.size() - done)) > 0;
    if (ok && !file.flush())
        ok = false;
    if (ok && file.error() == QFileDevice::NoError && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

QString freeBackupPath(const QString &path)
{
    const QString first = path + QStringLiteral(".bak");
    QString candidate = first;
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = first + u'.' + QString::number(n);
    return candidate;
}

} // namespace fixturo

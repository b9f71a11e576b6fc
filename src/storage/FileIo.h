#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace fixturo {

// The one way the program writes a file: the bytes go to a temporary file
// beside the target, every write is checked, and only then is the temporary
// file renamed over the target, so that a failed write leaves the old file
// whole. Beside a file that may be written, in a folder that refuses new
// files, the file is written in place. False on failure, with the reason in
// `error` when given.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The file's bytes, or nothing when it cannot be read (the reason in `error`
// when given).
std::optional<QByteArray> readWholeFile(const QString &path, QString *error = nullptr);

// A name for a copy of the file that keeps every earlier copy: "<path>.bak",
// or when that exists "<path>.bak.1", "<path>.bak.2" and so on.
QString freeBackupPath(const QString &path);

} // namespace fixturo

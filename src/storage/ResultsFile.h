#pragma once

#include "state/ModVars.h"

#include <QByteArray>

#include <optional>

namespace fixturo {

// The results file: one line of 31 match entries, each followed by "|", then
// TeamList, ended by CR LF. An entry is "goals1,goals2", or
// "goals1,goals2,penalties1,penalties2" when penalties1 is not empty.

inline constexpr const char *kResultsFileName = "results.txt";

// The line as SaveToFile writes it, CR LF included.
QByteArray ResultsLine(const ModVars &vars);

// Applies a results line (without its line end) to the state, by the load
// rules: two values set the goals and keep the penalties, four values set all
// four, any other count leaves the row; field 31 becomes TeamList; element 0 of
// TeamList sets ManualOrderFlag when it is an integer. The program writes four
// values whenever a match has penalties, so two values clear them. A leading
// UTF-8 byte order mark is skipped.
void ApplyResultsLine(ModVars &vars, const QByteArray &line);

// Why the bytes are not a results file, or an empty text when their first line
// holds the 31 match entries (the team list after them may be missing).
QString NotAResultsFile(const QByteArray &bytes);

// Reads the first line of the file (ended by CR LF, LF or CR, or the file's
// end) and applies it. A missing, unreadable or empty file changes nothing.
// False when the file holds something that a save would not write back the
// same (apart from the first line's ending): what it held would be lost.
bool LoadFromFile(ModVars &vars, const QString &path);

// Writes the results file atomically: a temporary file renamed over the old
// one, so a failed save leaves the previous file whole. A folder that refuses
// new files while the file itself is writable is written in place. False on
// failure, with the reason in `error` when given.
bool SaveToFile(const ModVars &vars, const QString &path, QString *error = nullptr);

// The file's bytes, or nothing when it cannot be read (the reason in `error`
// when given).
std::optional<QByteArray> ReadWhole(const QString &path, QString *error = nullptr);

// Writes bytes to a file atomically, checking every write before the old file
// is replaced. False on failure, with the reason in `error` when given.
bool WriteWhole(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace fixturo

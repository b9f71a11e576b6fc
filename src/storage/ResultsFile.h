#pragma once

#include "state/Championship.h"

#include <QByteArray>

namespace fixturo {

// The results file: one line of 31 match entries, each followed by "|", then
// the manual order's text, ended by CR LF. An entry is "goals1,goals2", or
// "goals1,goals2,penalties1,penalties2" when penalties1 is not empty.

inline constexpr const char *kResultsFileName = "results.txt";

// The line as saveResultsFile writes it, CR LF included.
QByteArray resultsLine(const Championship &championship);

// Applies a results line (without its line end) to the state, by the load
// rules: an entry of two values sets the goals and clears the penalties (the
// program writes four values whenever a match has penalties), four values set
// all four; an entry of any other count, or with a value that is no score (a
// score is empty or at most nine digits), leaves its match as it is. Field 31
// becomes the manual order's text (ManualOrder::readText). One leading UTF-8
// byte order mark is skipped.
void applyResultsLine(Championship &championship, const QByteArray &line);

// Why the bytes are not a results file, or an empty text when their first line
// holds the 31 match entries (the team list after them may be missing) and no
// entry gives a value that is no score.
QString notAResultsFile(const QByteArray &bytes);

// Reads the first line of the file (ended by CR LF, LF or CR, or the file's
// end) and applies it. A missing, unreadable or empty file changes nothing.
// False when the file holds something that a save would not write back the
// same (apart from the first line's ending): what it held would be lost. A
// file larger than a mebibyte is never a whole results file.
bool loadResultsFile(Championship &championship, const QString &path);

// Writes the results file through writeFileAtomically.
bool saveResultsFile(const Championship &championship, const QString &path, QString *error = nullptr);

} // namespace fixturo

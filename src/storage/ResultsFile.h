#pragma once

#include "state/ModVars.h"

#include <QByteArray>

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
// TeamList sets ManualOrderFlag when it is an integer.
void ApplyResultsLine(ModVars &vars, const QByteArray &line);

// Reads the first line of the file (ended by CR LF, LF or CR, or the file's
// end) and applies it. A missing, unreadable or empty file changes nothing.
void LoadFromFile(ModVars &vars, const QString &path);

// Writes the results file atomically: a temporary file renamed over the old
// one, so a failed save leaves the previous file whole. False on failure.
bool SaveToFile(const ModVars &vars, const QString &path);

} // namespace fixturo

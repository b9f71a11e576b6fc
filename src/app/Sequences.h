#pragma once

#include "state/ModVars.h"

#include <functional>

namespace fixturo {

// The window steps that the sequences call; the main window supplies them.
// An empty step is skipped.
struct WindowSteps {
    std::function<void()> LoadScheduleFlags;
    std::function<void()> UpdateAllLabels;
    std::function<void()> DrawGroupTables;
    std::function<void()> ShowGroupFlags;
};

// Start-up: fixture data, schedule flags, then the steps of the refresh after
// an update (results file, standings, ranking, schedule lines, group sort,
// ranking, tables, pairings, flags). False when the
// results file holds something that a save would not write back the same.
bool StartupSequence(ModVars &vars, const QString &resultsPath, const WindowSteps &steps);

// After the result dialog or the manual order window has closed.
void DialogRefreshSequence(ModVars &vars, const WindowSteps &steps);

// After a successful online update; false as for StartupSequence.
bool UpdateRefreshSequence(ModVars &vars, const QString &resultsPath, const WindowSteps &steps);

// Where the results file is kept: beside the program when its folder can be
// written, or when a results file there can (a program run from its own
// folder or a USB stick); otherwise in dataDir, which is made when missing.
QString ChooseResultsPath(const QString &programDir, const QString &dataDir);

// ChooseResultsPath for this program's folder and the user's data folder
// (QStandardPaths::AppDataLocation, so the application name must be set first).
QString ResultsFilePath();

} // namespace fixturo

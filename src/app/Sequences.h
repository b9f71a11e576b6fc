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
// ranking, tables, pairings, flags).
void StartupSequence(ModVars &vars, const QString &resultsPath, const WindowSteps &steps);

// After the result dialog or the manual order window has closed.
void DialogRefreshSequence(ModVars &vars, const WindowSteps &steps);

// After a successful online update.
void UpdateRefreshSequence(ModVars &vars, const QString &resultsPath, const WindowSteps &steps);

// The path of the results file beside the program.
QString ResultsFilePath();

} // namespace fixturo

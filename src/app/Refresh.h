#pragma once

#include "state/Championship.h"

#include <functional>

namespace fixturo {

// What the main window shows at each point of a refresh; an empty hook is
// skipped.
struct RefreshHooks {
    std::function<void()> showScheduleFlags;
    std::function<void()> showScheduleLines;
    std::function<void()> showGroupTables;
    std::function<void()> showGroupFlags;
};

// Start-up: the fixture data, the schedule flags, then the refresh after a
// download. False when the results file holds something that a save would not
// write back the same.
bool startUp(Championship &championship, const QString &resultsPath, const RefreshHooks &hooks);

// After the result dialog or the manual order window has closed, and after
// any other change of the state in memory: pairings, standings, schedule
// lines, group sort, ranking, standings, pairings, tables and flags.
void refreshAfterEdit(Championship &championship, const RefreshHooks &hooks);

// After the results file was replaced: it is read, then standings, ranking,
// schedule lines, group sort, ranking, tables, pairings and flags. False as for
// startUp.
bool refreshAfterDownload(Championship &championship, const QString &resultsPath, const RefreshHooks &hooks);

// Where the results file is kept, and the file it was first copied from.
struct ResultsLocation {
    QString path;
    QString copiedFrom; // empty unless the file beside the program was copied to `path`
};

// Beside the program when its folder can be written, or when a results file
// there can (a program run from its own folder or a USB stick); otherwise in
// dataDir, which is made when missing. When dataDir holds no results yet and
// a results file beside the program can be read (a read-only medium), it is
// copied there, so that the championship goes on where it stood.
ResultsLocation chooseResultsLocation(const QString &programDir, const QString &dataDir);

// chooseResultsLocation for this program's folder and the user's data folder
// (QStandardPaths::AppDataLocation, so the application name must be set first).
ResultsLocation resultsLocation();

} // namespace fixturo

#pragma once

#include "state/Championship.h"

#include <QString>

namespace fixturo {

// The 31 matches as CSV (RFC 4180: CR LF line ends, a field with a comma, a
// quote or a line break quoted, quotes doubled), after a header row: number,
// stage, date, time, city, stadium, team 1, team 2, goals 1, goals 2,
// penalties 1, penalties 2. The knockout rows carry the winners moved on as
// the bracket shows them; the state is not changed.
QString resultsCsv(const Championship &championship);

// Writes resultsCsv as UTF-8, replacing the file whole or not at all. False on
// failure, with the reason in `error` when given.
bool exportResultsCsv(const Championship &championship, const QString &path, QString *error);

} // namespace fixturo

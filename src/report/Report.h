#pragma once

#include "state/ModVars.h"

#include <QRectF>
#include <QSize>

class QPainter;
class QPrinter;

namespace fixturo {

// The championship on one landscape page: the four group tables with their
// flags and statistics, the 24 group matches with their dates and results, and
// the bracket with every slot, its flags and the champion. The same drawing
// serves the printer and every export. The state is not changed: the bracket's
// later rounds are worked out on a copy, as the bracket window does.

// Draws the page into `page` (device coordinates of the painter), keeping its
// proportions (those of an A4 sheet on its side) and centring it.
void DrawChampionship(QPainter &painter, const QRectF &page, const ModVars &vars);

// Prints the page on a printer that has been set up (a dialog, or a PDF file).
bool PrintChampionship(QPrinter &printer, const ModVars &vars, QString *error);

// A PNG export is A4 on its side at 150 dots per inch.
inline constexpr QSize kPngPageSize{1754, 1240};

// Writes the page to `path` as PDF, PNG or SVG, chosen by the file's extension
// (without regard to case). The file is replaced whole or not at all; on
// failure `error` (when given) says why.
bool ExportChampionship(const ModVars &vars, const QString &path, QString *error);

// The 31 matches as CSV (RFC 4180: CR LF line ends, a field with a comma, a
// quote or a line break quoted, quotes doubled), after a header row: number,
// stage, date, time, city, stadium, team 1, team 2, goals 1, goals 2,
// penalties 1, penalties 2.
QString ResultsCsv(const ModVars &vars);

// Writes ResultsCsv as UTF-8, replacing the file whole or not at all.
bool ExportResultsCsv(const ModVars &vars, const QString &path, QString *error);

} // namespace fixturo

#pragma once

#include "state/Championship.h"

#include <QSize>
#include <QString>

class QPrinter;

namespace fixturo {

// The championship page (drawChampionship) on a printer and in files.

// Prints the page on a printer that has been set up (a dialog, or a PDF file,
// which is replaced whole or not at all). False on failure, with the reason in
// `error` when given.
bool printChampionship(QPrinter &printer, const Championship &championship, QString *error);

// A PNG export is A4 on its side at 150 dots per inch.
inline constexpr QSize kPngPageSize{1754, 1240};

// Writes the page to `path` as PDF, PNG or SVG, chosen by the file's extension
// (without regard to case). The file is replaced whole or not at all; on
// failure `error` (when given) says why.
bool exportChampionship(const Championship &championship, const QString &path, QString *error);

} // namespace fixturo

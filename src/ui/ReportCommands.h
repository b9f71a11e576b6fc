#pragma once

#include "state/Championship.h"

class QWidget;

namespace fixturo {

// The championship on paper and in files, from the main window's File menu.
// Every failure is told in an error box over `parent`, with the system's reason.

// A print preview; its print button asks for the printer, then prints.
void printWithPreview(QWidget *parent, const Championship &championship);

// Asks for a PDF, PNG or SVG file, then exports the page to it.
void exportPageAs(QWidget *parent, const Championship &championship);

// Asks for a CSV file, then exports the results to it.
void exportCsvAs(QWidget *parent, const Championship &championship);

// An error box about a file: `what` with the file's path for %1, the reason as
// the box's detail.
void reportFileError(QWidget *parent, const QString &what, const QString &path, const QString &reason);

} // namespace fixturo

#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace fixturo {

// The program's pictures, drawn from the SVG files in resources/. Sizes are in
// device-independent pixels; on a high-density screen the pictures are drawn
// at a whole multiple of that size, so that they stay sharp.

// The flag of a team name, found by the name with every space removed,
// compared without case; a null pixmap for a name without a flag. A flag is
// opaque, 20 pixels wide and 13 high (Croatia 10, Germany 12).
QPixmap flagPicture(const QString &team);

// The result dialog's stadiums: St. Jakob-Park 564 by 372, Ernst Happel 200 by 73.
enum class Stadium { JakobPark, ErnstHappel };
QPixmap stadiumPicture(Stadium stadium);

// The about window's picture, 640 by 480.
QPixmap aboutPicture();

// The program icon, 48 by 48 among other sizes.
QIcon programIcon();

// Pointers: a small football (16 by 16) over match areas and "Second Round",
// a cross over the about picture, a pointing hand over the home-page link.
QCursor matchCursor();
QCursor crossCursor();
QCursor linkCursor();

} // namespace fixturo

#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace fixturo {

// The flag of a team name, found by the name with every space removed,
// compared without case; a null pixmap for a name without a flag.
QPixmap FlagPicture(const QString &name);

enum class Stadium { JakobPark, ErnstHappel };
QPixmap StadiumPicture(Stadium stadium);

QPixmap AboutPicture();
QIcon ProgramIcon();

// Pointers: the hand over match areas and "Second Round", the cross over the
// about picture, the link pointer over the home-page link.
QCursor MatchCursor();
QCursor CrossCursor();
QCursor LinkCursor();

} // namespace fixturo

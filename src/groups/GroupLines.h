#pragma once

#include "state/Championship.h"

namespace fixturo {

// The texts that the main window shows for the group stage.

// Goals for, then two spaces when that is exactly one character long and one
// space otherwise, then goals against: keeps the goals columns under their
// titles in a fixed-pitch font.
QString goalsColumns(const QString &goalsFor, const QString &goalsAgainst);

// The statistics line of a group table row: points, two spaces, won, drawn,
// lost one space apart, one space, then the goals (goalsColumns).
QString standingLine(const Standing &standing);

// What a screen reader says for a group table row: the name, then every
// column with its meaning ("Portugal: 6 points, 2 won, 0 drawn, 0 lost, 5
// goals for, 1 against").
QString standingSpoken(const Standing &standing);

// The heading of group box 0..3: "GROUP A      Pts W D L GF GA" for group 0,
// made of the group's caption and the column titles (in the user's language).
QString groupHeading(int group);
QString groupCaption(int group);
QString columnTitles();

// A line of the daily schedule: date, three spaces, team1, " ", goals1, " - ",
// goals2, " ", team2, as shown in the user's language.
QString scheduleLine(const Match &match);

} // namespace fixturo

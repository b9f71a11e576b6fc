#pragma once

#include "state/ModVars.h"

#include <array>

namespace fixturo {

// The texts that the main window shows for the group stage.

// First, then two spaces when First is exactly one character long and one
// space otherwise, then second: keeps the goals columns under their titles in
// a fixed-pitch font.
QString GetStrinGoal(const QString &First, const QString &second);

// The statistics line of a group table row: Pts, two spaces, W, D, L one space
// apart, one space, then the goals (GetStrinGoal). No other padding.
QString StatisticsLine(const std::array<QString, Col::ColumnCount> &row);

// What a screen reader says for a group table row: the name, then every
// column with its meaning ("Portugal: 6 points, 2 won, 0 drawn, 0 lost, 5
// goals for, 1 against").
QString StatisticsSpoken(const std::array<QString, Col::ColumnCount> &row);

// The heading of group box 0..3: "GROUP A      Pts W D L GF GA" for group 0.
QString GroupHeading(int group);

// A line of the daily schedule: date, three spaces, team1, " ", goals1, " - ",
// goals2, " ", team2, joined as stored.
QString ScheduleLine(const MatchRow &row);

} // namespace fixturo

#pragma once

#include "state/Championship.h"

#include <optional>

namespace fixturo {

// Row index (0..3) of a team in the table of a group labelled "Group A".."Group
// D"; empty when the label is none of the four groups or no row holds the name
// (exact comparison).
std::optional<int> rowOfTeam(const Championship &championship, const QString &groupLabel,
                             const QString &team);

// Recomputes points, won, drawn, lost, goals for and against of all 16 teams
// from the group matches. Only played matches add points and goals.
void recomputeStandings(Championship &championship);

} // namespace fixturo

#pragma once

#include "state/ModVars.h"

#include <optional>

namespace fixturo {

// Row index (0..3) of strteam in the table of strgroup; empty when the label is
// none of the four groups or no row holds the name (exact comparison).
std::optional<int> GetIndexGroup(const ModVars &vars, const QString &strgroup, const QString &strteam);

// Recomputes Pts, W, D, L, GF, GA of all 16 teams from the group matches.
// A match counts as played when its goals1 text is not empty; only played
// matches add points and goals.
void SetStatisticVars(ModVars &vars);

} // namespace fixturo

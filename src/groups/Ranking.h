#pragma once

#include "state/ModVars.h"

#include <optional>

namespace fixturo {

// Exchanges two rows of a group table in every column.
void Swap(GroupTable &aData, int iRow1, int iRow2);

// First group-match row (0..23) between the two teams, in either order.
std::optional<int> GetNumberIndexMAtch(const ModVars &vars, const QString &teama, const QString &teamb);

// GF minus GA of the team, searched row by row across groups A..D; 0 when the
// name is in no group.
std::int64_t GetDiffGoals(const ModVars &vars, const QString &team);

// Sorts one group table by points, then the two teams' own match, then goal
// difference, with six neighbour comparisons in a fixed order: (0,1), (1,2),
// (2,3), (0,1), (1,2), (0,1). Head-to-head results can form a cycle, so this is
// deliberately not a general-purpose sort: ties and cycles keep the order the
// comparisons leave.
void BubbleSort(ModVars &vars, GroupTable &lista, int elementi = kTeamsPerGroup - 1);

// Copies each group's names in table order into GroupRanking.
void SetRankGroupA(ModVars &vars);

} // namespace fixturo

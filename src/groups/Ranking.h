#pragma once

#include "state/Championship.h"

#include <optional>

namespace fixturo {

// First group-match row (0..23) between the two teams, in either order.
std::optional<int> groupMatchBetween(const Championship &championship, const QString &teamA,
                                     const QString &teamB);

// Goals for minus goals against of the team, searched row by row across
// groups A..D; 0 when the name is in no group.
std::int64_t goalDifference(const Championship &championship, const QString &team);

// Ranks one group table by points, then the two teams' own match, then goal
// difference, with six neighbour comparisons in a fixed order: (0,1), (1,2),
// (2,3), (0,1), (1,2), (0,1). Head-to-head results can form a cycle, so this is
// deliberately not a general-purpose sort: ties and cycles keep the order the
// comparisons leave.
void rankGroup(const Championship &championship, GroupTable &table);

// Reorders every group's rows to the order the manual order lists. A row found
// at index 0 never moves; a listed name that is not in the group moves nothing;
// a group whose four names are not all listed is left as it is.
void applyManualOrder(Championship &championship);

// The group sort of every refresh: the manual order when it is on, otherwise
// rankGroup on groups A, B, C and D.
void sortGroups(Championship &championship);

// Copies each group's names in table order into groupOrder.
void recordGroupOrder(Championship &championship);

} // namespace fixturo

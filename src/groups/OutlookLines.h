#pragma once

#include "groups/Outlook.h"

namespace fixturo {

// The texts that show a group's outlook.

// The wording of a need: "a draw is enough", "needs a win"...
QString needText(Need need);

// "through as group winner", "through to the quarter-finals", "out" or
// "still open".
QString statusText(TeamStatus status);

// The places a team can still finish in: "1st", "1st or 2nd", "2nd, 3rd or
// 4th".
QString placesText(const TeamOutlook &team);

// One team's outlook in a sentence, for a tooltip or a screen reader:
// "Turkey: still open; can finish 2nd or 3rd; next match: needs a win."
// With the manual order on: "Turkey: 2nd by the manual order."
QString teamOutlookText(const GroupOutlook &outlook, const TeamOutlook &team);

// What the group's open ties and the manual order mean for it, one sentence
// each; empty when nothing is open.
QString groupNotes(const GroupOutlook &outlook);

} // namespace fixturo

#pragma once

#include "state/Championship.h"

#include <array>
#include <optional>

namespace fixturo {

// Writes the quarter-final pairings (rows 24..27): for each complete group its
// winner and runner-up from groupOrder, otherwise the placeholders.
void fillQuarterFinals(Championship &championship);

// The winner of a knockout match: goals by value, then penalties by value.
// Empty when both are level (the match is undecided).
std::optional<QString> knockoutWinner(const Match &match);

// Moves the winners of matches 25..30 into rows 28..30 (placeholders where
// undecided), in bracket order, and returns the champion text: the final's
// winner, or "Winner".
QString advanceKnockoutWinners(Championship &championship);

// The score part of a bracket slot: "(" penalties ")" goals " ", or goals " ".
QString slotScore(const QString &goals, const QString &penalties);

// One team's place in the bracket: a knockout row and a side of it.
struct BracketSlot {
    int row; // 24..30
    Side side;
};
// The 14 slots in bracket order: the quarter-finals top to bottom, then the
// semi-finals, then the final.
extern const std::array<BracketSlot, 14> kBracketSlots;

// The text of a slot: the score part followed by the side's name.
QString slotText(const Championship &championship, const BracketSlot &slot);

// What a screen reader says for one side of a knockout match: the name, then
// the goals and the penalty goals as stored ("Portugal 1 (4 on penalties)").
QString sideSpoken(const Match &match, Side side);

// What a screen reader says for a knockout match area: "Match 25: Portugal 2,
// Germany 3".
QString matchSpoken(const Championship &championship, int row);

} // namespace fixturo

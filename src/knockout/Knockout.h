#pragma once

#include "state/ModVars.h"

#include <array>
#include <optional>

namespace fixturo {

// Writes the quarter-final pairings (rows 24..27): for each complete group its
// winner and runner-up from GroupRanking, otherwise the placeholders.
void UpdateMatchVars(ModVars &vars);

// The winner of a knockout row: goals by value, then penalties by value.
// Empty when both are level (the match is undecided).
std::optional<QString> KnockoutWinner(const MatchRow &row);

// Moves the winners of matches 25..30 into rows 28..30 (placeholders where
// undecided), in bracket order, and returns the champion text: the final's
// winner, or "Winner".
QString SetVarsMatch(ModVars &vars);

// The score part of a bracket slot: "(" penalties ")" goals " ", or goals " ".
QString GetStringLabel(const QString &goals, const QString &penalties);

// One team slot of the bracket window.
struct BracketSlot {
    int row;        // MatchTable row 24..30
    int side;       // Match::team1 or Match::team2
    int labelIndex; // lblTeam index
    int flagIndex;  // ImgFlagRound index
};
inline constexpr int kChampionLabel = 31;
inline constexpr int kChampionFlag = 0;
extern const std::array<BracketSlot, 14> kBracketSlots;

// The text of a slot: the score part followed by the side's name.
QString SlotText(const ModVars &vars, const BracketSlot &slot);

// What a screen reader says for one side of a knockout row: the name, then the
// goals and the penalty goals as stored ("Portugal 1 (4 on penalties)").
QString SideSpoken(const MatchRow &row, int side);

// What a screen reader says for a knockout match area: "Match 25: Portugal 2,
// Germany 3".
QString MatchSpoken(const ModVars &vars, int row);

} // namespace fixturo

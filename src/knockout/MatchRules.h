#pragma once

#include "state/ModVars.h"

namespace fixturo {

// The result dialog's decisions, free of any window.

// First knockout row: the dialog demands a winner from here on.
inline constexpr int kFirstKnockoutRow = 24;

// Key filter of the score boxes: control codes 0..31 and the digits pass.
bool ScoreKeyAccepted(char32_t code);

// Draw rule: for a knockout match, the penalty boxes are shown (and the goal
// boxes greyed) when both goal boxes are filled and level by value.
bool PenaltiesShown(int selectedMatch, const QString &goals1, const QString &goals2);

// The four texts of the dialog's score boxes.
struct ScoreEntry {
    QString goals1, goals2, penalties1, penalties2;
};

// What OK does with an entry.
enum class OkOutcome {
    Store,                  // store the four texts and close
    Clear,                  // store four empty texts and close
    InsertResults,          // "Insert the Results"; stay open
    InsertResultsPenalties, // "Insert the Results of Penalties"; stay open
};

// The OK rules. penaltiesShown is the draw rule's state.
OkOutcome DecideOk(int selectedMatch, const ScoreEntry &entry, bool penaltiesShown);

inline constexpr const char *kMsgInsertResults = "Insert the Results";
inline constexpr const char *kMsgInsertPenalties = "Insert the Results of Penalties";

// Applies an accepted outcome (Store or Clear) to the row.
void StoreEntry(MatchRow &row, OkOutcome outcome, const ScoreEntry &entry);

// "Match #N  group" and the info line "time  date  city  stadium".
QString MatchTitle(const ModVars &vars, int row);
QString MatchInfo(const MatchRow &row);

} // namespace fixturo

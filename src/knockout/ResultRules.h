#pragma once

#include "state/Championship.h"

namespace fixturo {

// The result dialog's decisions, free of any window.

// Key filter of the score boxes: control codes 0..31 and the digits pass.
bool scoreKeyAccepted(char32_t code);

// Draw rule: for a knockout match, the penalty boxes are shown (and the goal
// boxes greyed) when both goal boxes are filled and level by value.
bool penaltiesShown(int row, const QString &goals1, const QString &goals2);

// What OK does with the boxes' texts.
enum class OkOutcome {
    Store,                  // store the four texts and close
    Clear,                  // store four empty texts and close
    InsertResults,          // "Insert the Results"; stay open
    InsertResultsPenalties, // "Insert the Results of Penalties"; stay open
};

// The OK rules for match `row`; `shown` is the draw rule's state.
OkOutcome decideOk(int row, const Score &entry, bool shown);

// The messages of the two "stay open" outcomes (translated where shown).
inline constexpr const char *kMsgInsertResults =
    QT_TRANSLATE_NOOP("fixturo::ResultDialog", "Insert the Results");
inline constexpr const char *kMsgInsertPenalties =
    QT_TRANSLATE_NOOP("fixturo::ResultDialog", "Insert the Results of Penalties");

// The score an accepted outcome (Store or Clear) leaves in the match.
Score acceptedScore(OkOutcome outcome, const Score &entry);

// "Match #N  group" and the info line "time  date  city  stadium".
QString matchTitle(const Championship &championship, int row);
QString matchInfo(const Match &match);

} // namespace fixturo

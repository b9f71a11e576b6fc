#pragma once

#include "state/Championship.h"

#include <QDialog>

#include <array>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace fixturo {

class ClickableLabel;

// The knockout bracket: quarter-finals, semi-finals, final and champion. It
// moves the winners on (advanceKnockoutWinners) when it opens and after every
// result. A click on a match area (or Enter or Space on it) opens the result
// dialog; when that closes, resultEntered() reports the match's score (the one
// accepted, or the one it had) and the receiver stores it in the
// championship, after which the bracket redraws. Tab runs through the match
// areas in match order, the home-page link (Enter or Space opens it) and Exit.
class BracketDialog : public QDialog {
    Q_OBJECT
public:
    explicit BracketDialog(Championship &championship, QWidget *parent = nullptr);

    // The author's home page that the link shows and opens.
    static const char *const kHomePage;

    // Shows the championship as it is now (after an undo or redo while open).
    void refresh() { showBracket(); }

signals:
    void resultEntered(int row, const fixturo::Score &score);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildLayout();
    // Moves the winners on and shows every slot, the champion and the flags.
    void showBracket();
    // Opens the result dialog of `row`; when it closes, reports the score by
    // resultEntered() and redraws.
    void openResultDialog(int row);
    // A key on match area `area` (0..6): Enter or Space opens the match; the
    // arrows move to the next or previous one. True when the key was used.
    bool handleMatchKey(int area, const QKeyEvent &key);

    Championship &m_championship;

    QLabel *m_champion = nullptr;
    std::array<QLabel *, 14> m_slots{};     // in kBracketSlots order
    std::array<QLabel *, 14> m_slotFlags{}; // in kBracketSlots order
    QLabel *m_championFlag = nullptr;
    std::array<ClickableLabel *, 7> m_matchAreas{}; // matches 25..31
    QPushButton *m_exitButton = nullptr;
};

} // namespace fixturo

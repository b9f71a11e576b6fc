#pragma once

#include "state/Championship.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace fixturo {

// The result dialog of one match: its goals and, for a knockout draw, its
// penalties. OK checks the entry by the result rules and accepts; the close
// box discards the edit. The dialog never changes the championship: the
// caller stores score() when the dialog was accepted. It opens with the focus
// in the first goal box; Tab runs down the score (goals 1, goals 2, then the
// penalties 1 and 2 when shown) to OK, and Return presses OK.
class ResultDialog : public QDialog {
    Q_OBJECT
public:
    ResultDialog(const Championship &championship, int row, QWidget *parent = nullptr);

    // The score OK accepted (empty for a cleared knockout match).
    Score score() const { return m_score; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Places every control, the score boxes empty and the penalty boxes and
    // their caption hidden.
    void buildLayout();
    // Fills the window from the match: title, teams, flags, stadium, score.
    void showMatch(const Championship &championship);
    // The draw rule, after every change of a score box: shows or hides (and
    // empties) the penalty boxes with their caption and greys the goal boxes.
    void updatePenaltyBoxes();
    // OK: by decideOk, either keeps the accepted score and closes, or shows
    // why not and stays open.
    void accept() override;

    int m_row = 0;
    Score m_score;
    bool m_penaltiesShown = false;

    QLabel *m_jakobParkPicture = nullptr;
    QLabel *m_ernstHappelPicture = nullptr;
    QLabel *m_matchTitle = nullptr;
    QLabel *m_matchInfo = nullptr;
    QLabel *m_penaltiesCaption = nullptr;
    QLabel *m_drawHelp = nullptr;
    std::array<QLineEdit *, 4> m_scoreBoxes{}; // goals 1, goals 2, penalties 1, penalties 2
    QLabel *m_team1 = nullptr;
    QLabel *m_team2 = nullptr;
    std::array<QLabel *, 2> m_flags{};
    QPushButton *m_okButton = nullptr;
};

} // namespace fixturo

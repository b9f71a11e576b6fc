#pragma once

#include "state/ModVars.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QKeyEvent;

namespace fixturo {

// The knockout bracket: quarter-finals, semi-finals, final and champion. It
// moves the winners on (SetVarsMatch) when it opens and after every use of the
// result dialog, which a press on a match area opens.
class Frm2Round : public QDialog {
    Q_OBJECT
public:
    explicit Frm2Round(ModVars &vars, QWidget *parent = nullptr);

    // The author's home page that Label3 shows and opens.
    static const char *const kHomePage;

signals:
    // The result dialog of a match has closed: the results may have changed.
    void resultEntered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void BuildLayout();
    void SetVarsMatch();
    void UpdateBracketLabels();
    void setflags();
    void lblMatch_MouseDown(int row);
    // Enter or Space opens the match; the arrows move to the next or previous one.
    bool lblMatch_KeyPress(int row, const QKeyEvent &key);
    void Label3_Click();

    ModVars &m_vars;

    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label1 = nullptr;
    QPushButton *m_bExit = nullptr;
    std::array<QLabel *, 32> m_lblTeam{};      // 16..31 used
    std::array<QLabel *, 15> m_imgFlagRound{}; // 0..14
    std::array<QLabel *, 16> m_lblDate{};      // 8..13 and 15 used
    std::array<QLabel *, 36> m_lblMatch{};     // 8..15 and 28..35 used
};

} // namespace fixturo

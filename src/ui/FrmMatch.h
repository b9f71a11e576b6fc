#pragma once

#include "state/ModVars.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace fixturo {

// The result dialog: edits goals and penalties of MatchTable row SelectedMatch.
// OK stores the four texts as typed; the close box discards the edit.
class FrmMatch : public QDialog {
    Q_OBJECT
public:
    explicit FrmMatch(ModVars &vars, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildLayout();
    void SetElemForm();
    void txtScore_Change();
    void bOk_Click();

    ModVars &m_vars;
    int m_row = 0;
    bool m_penaltiesShown = false;

    QLabel *m_jakobPark = nullptr;
    QLabel *m_ernstHappel = nullptr;
    QLabel *m_lblMyMatchNum = nullptr;
    QLabel *m_lblMatchInfo = nullptr;
    QLabel *m_lblPenalties = nullptr;
    QLabel *m_lblDrawHelp = nullptr;
    std::array<QLineEdit *, 4> m_txtScore{};
    QLabel *m_lblTeam1 = nullptr;
    QLabel *m_lblTeam2 = nullptr;
    std::array<QLabel *, 2> m_imgFlagRound{};
    QPushButton *m_bOk = nullptr;
};

} // namespace fixturo

#pragma once

#include "groups/Outlook.h"

#include <QWidget>

#include <array>

class QLabel;

namespace fixturo {

class ClickableLabel;

// The four group tables of the main window: for each team its name (a link to
// its encyclopedia article), its flag and its statistics line. The view is
// transparent: the window's background shows around the group frames. The 16
// names are tab stops in table order; a click, Enter or Space on one emits
// teamActivated().
class GroupTablesView : public QWidget {
    Q_OBJECT
public:
    // Placed where the layout puts the four frames in the main window's client.
    explicit GroupTablesView(QWidget *parent = nullptr);

    // The names and statistics lines in table order.
    void showTables(const Championship &championship);
    // Each row's flag; a name without a flag leaves the picture as it was.
    void showFlags(const Championship &championship);
    // Each team's outlook as the tooltip and accessible description of its
    // row; the table lines stay as they are.
    void showOutlooks(const std::array<GroupOutlook, kGroupCount> &outlooks);

signals:
    // A team name was clicked, or Enter or Space pressed on it.
    void teamActivated(const QString &team);

private:
    std::array<ClickableLabel *, kGroupCount * kTeamsPerGroup> m_teams{};
    std::array<QLabel *, kGroupCount * kTeamsPerGroup> m_flags{};
    std::array<QLabel *, kGroupCount * kTeamsPerGroup> m_standings{};
    // The stored names of the teams the labels show, row by row.
    std::array<QString, kGroupCount * kTeamsPerGroup> m_teamNames{};
};

// Shows the flag of a team, named for a screen reader; a name without a flag
// leaves the label as it was.
void showFlag(QLabel *label, const QString &team);

} // namespace fixturo

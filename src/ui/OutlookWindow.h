#pragma once

#include "groups/Outlook.h"

#include <QDialog>

#include <array>

class QLabel;
class QTreeWidget;

namespace fixturo {

// The group outlook: for each group and team, the places it can still finish
// in, its status and what it needs from its next match, and the ties only the
// manual order can settle. It stays open beside the main window, which hands
// it every new state.
class OutlookWindow : public QDialog {
    Q_OBJECT
public:
    explicit OutlookWindow(QWidget *parent = nullptr);

    void showOutlooks(const std::array<GroupOutlook, kGroupCount> &outlooks);

private:
    std::array<QTreeWidget *, kGroupCount> m_tables{};
    std::array<QLabel *, kGroupCount> m_notes{};
};

} // namespace fixturo

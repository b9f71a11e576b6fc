#include "ui/OutlookWindow.h"

#include "groups/OutlookLines.h"
#include "lang/Language.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace fixturo {

OutlookWindow::OutlookWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("outlookWindow"));
    setWindowTitle(tr("Group Outlook"));
    auto *grid = new QGridLayout(this);
    for (int g = 0; g < kGroupCount; ++g) {
        const QString name = stageName(QStringLiteral("Group %1").arg(QChar(u'A' + g)));
        auto *box = new QGroupBox(name, this);
        auto *column = new QVBoxLayout(box);
        auto *table = new QTreeWidget(box);
        table->setObjectName(QStringLiteral("outlookTable_%1").arg(g));
        //: A group's outlook table, for a screen reader: "Group A outlook".
        table->setAccessibleName(tr("%1 outlook").arg(name));
        table->setRootIsDecorated(false);
        table->setHeaderLabels({tr("Team"), tr("Can finish"), tr("Status"), tr("Next match")});
        table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table->setSelectionMode(QAbstractItemView::NoSelection);
        auto *note = new QLabel(box);
        note->setObjectName(QStringLiteral("outlookNote_%1").arg(g));
        note->setWordWrap(true);
        note->setTextFormat(Qt::PlainText);
        column->addWidget(table);
        column->addWidget(note);
        grid->addWidget(box, g / 2, g % 2);
        m_tables[g] = table;
        m_notes[g] = note;
    }
    // Wide enough for the longest needs beside the places and the status.
    resize(1280, 520);
}

void OutlookWindow::showOutlooks(const std::array<GroupOutlook, kGroupCount> &outlooks)
{
    for (int g = 0; g < kGroupCount; ++g) {
        const GroupOutlook &outlook = outlooks[g];
        QTreeWidget *table = m_tables[g];
        table->clear();
        for (const TeamOutlook &team : outlook.teams) {
            const bool nextMatch = !outlook.imposedOrder && team.need != Need::NoMatchLeft;
            auto *item = new QTreeWidgetItem(
                table, {teamName(team.team), placesText(team),
                        outlook.imposedOrder ? tr("by the manual order") : statusText(team.status),
                        nextMatch ? needText(team.need) : QString()});
            for (int column = 0; column < table->columnCount(); ++column)
                item->setToolTip(column, teamOutlookText(outlook, team));
        }
        const QString notes = groupNotes(outlook);
        m_notes[g]->setText(notes);
        m_notes[g]->setVisible(!notes.isEmpty());
    }
}

} // namespace fixturo

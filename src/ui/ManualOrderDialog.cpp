#include "ui/ManualOrderDialog.h"

#include "lang/Language.h"
#include "ui/Message.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace fixturo {

namespace {

// One group's frame: where it stands and where its lists and their place
// numbers stand inside it, top to bottom.
struct FrameLayout {
    const char *title;
    int left;
    int top;
    std::array<int, kTeamsPerGroup> listTops;
    std::array<int, kTeamsPerGroup> numberTops;
};

constexpr std::array<FrameLayout, kGroupCount> kFrames{{
    {"Group A", 480, 600, {360, 780, 1200, 1620}, {360, 780, 1200, 1680}},
    {"Group B", 4020, 600, {360, 780, 1200, 1620}, {420, 840, 1260, 1680}},
    {"Group C", 480, 3120, {360, 720, 1140, 1560}, {360, 780, 1200, 1680}},
    {"Group D", 4020, 3120, {360, 720, 1140, 1620}, {360, 780, 1200, 1680}},
}};

// An object name for group g: "groupFrame_A".
QString groupName(const char *name, int group)
{
    return QString::fromLatin1(name) + u'_' + QChar(u'A' + group);
}

// An object name for place k+1 of group g: "placeList_A1".
QString placeName(const char *name, int group, int place)
{
    return groupName(name, group) + QString::number(place + 1);
}

// The caption under the lists: what ticking the switch does, and where the lists start.
constexpr const char *kCaption = QT_TRANSLATE_NOOP(
    "fixturo::ManualOrderDialog",
    "Ticked, these orders replace the tie-break rules for every group; lists open in the current order.");

} // namespace

ManualOrderDialog::ManualOrderDialog(const Championship &championship, QWidget *parent)
    : QDialog(parent), m_order(championship.manualOrder)
{
    setObjectName(QStringLiteral("manualOrderDialog"));
    useFixedDialogFrame(this);
    setWindowTitle(tr("Manual"));
    setModal(true);
    setFixedSize(twips(7455), twips(7170));
    // The window's default font: a plain 8 pt sans serif, as the layout's sizes expect.
    setFont(layoutFont("Arial", 8.25));

    buildLayout();

    centreOnScreen(this);

    showOrder(championship);
}

void ManualOrderDialog::buildLayout()
{
    m_useManualOrder = new QCheckBox(tr("Use Manual Order"), this);
    m_useManualOrder->setObjectName(QStringLiteral("useManualOrderBox"));
    m_useManualOrder->setGeometry(twipsRect(480, 180, 2955, 255));
    fitButton(m_useManualOrder, m_useManualOrder->font());

    for (int g = 0; g < kGroupCount; ++g) {
        const FrameLayout &f = kFrames[g];
        auto *frame = new QGroupBox(stageName(QString::fromLatin1(f.title)), this);
        frame->setObjectName(groupName("groupFrame", g));
        frame->setGeometry(twipsRect(f.left, f.top, 3075, 2295));
        setColour(frame, QPalette::WindowText, QColor(0, 0, 192));
        m_groupFrames[g] = frame;

        for (int k = 0; k < kTeamsPerGroup; ++k) {
            auto *number = new QLabel(QString::number(k + 1), frame);
            number->setObjectName(placeName("placeNumber", g, k));
            number->setGeometry(twipsRect(540, f.numberTops[k], 195, 195));
            number->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            setColour(number, QPalette::WindowText, Qt::black);

            auto *list = new QComboBox(frame);
            list->setObjectName(placeName("placeList", g, k));
            // Wider than the classic 1395 so that "Czech Republic" shows whole
            // beside today's drop-down arrows; the frame has room to 3075.
            list->setGeometry(twipsRect(900, f.listTops[k], 1755, 315));
            list->setEditable(false);
            connect(list, &QComboBox::activated, this, [this, g, k] { teamPicked(g, k); });
            m_lists[g][k] = list;
        }
    }

    // What the switch does, in one line across the foot of the window, a
    // little smaller where a wider font would not fit it.
    QLabel *caption = makeLabel(this, QStringLiteral("manualOrderCaption"), twipsRect(120, 6780, 7215, 255),
                                tr(kCaption), Qt::AlignCenter);
    setColour(caption, QPalette::WindowText, Qt::black);
    fitLabel(caption, font());

    m_okButton = new QPushButton(tr("Ok"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(twipsRect(2880, 5700, 1875, 975));
    fitButton(m_okButton, m_okButton->font());
    m_okButton->setAutoDefault(true); // Return presses it when it has the focus
    connect(m_okButton, &QPushButton::clicked, this, &ManualOrderDialog::accept);
}

void ManualOrderDialog::showOrder(const Championship &championship)
{
    // Switched off, the stored names are the draw order or an order no longer
    // in force: the lists start from the tables as the rules ranked them, so
    // that settling one group leaves the others as they stand.
    const bool useStored = championship.manualOrder.isOn();
    const ManualChoices choices = championship.manualOrder.choices();
    for (int g = 0; g < kGroupCount; ++g) {
        for (int k = 0; k < kTeamsPerGroup; ++k) {
            QComboBox *list = m_lists[g][k];
            list->clear();
            for (const Standing &standing : championship.groupTables[g])
                list->addItem(teamName(standing.team), standing.team);
            // A stored name that is not one of the group's leaves no choice.
            const QString &shown =
                useStored ? choices[kTeamsPerGroup * g + k] : championship.groupTables[g][k].team;
            list->setCurrentIndex(
                list->findData(shown, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
    }
    m_useManualOrder->setChecked(championship.manualOrder.storedSwitch());
}

ManualChoices ManualOrderDialog::choices() const
{
    ManualChoices choices;
    for (int g = 0; g < kGroupCount; ++g)
        for (int k = 0; k < kTeamsPerGroup; ++k)
            choices[kTeamsPerGroup * g + k] = m_lists[g][k]->currentData().toString();
    return choices;
}

void ManualOrderDialog::teamPicked(int group, int place)
{
    ManualChoices picked = choices();
    keepUnique(picked, group, place);
    for (int k = 0; k < kTeamsPerGroup; ++k)
        if (picked[kTeamsPerGroup * group + k].isEmpty())
            m_lists[group][k]->setCurrentIndex(-1);
}

void ManualOrderDialog::accept()
{
    const ManualChoices picked = choices();
    if (!choicesComplete(picked)) {
        showMessage(this, QMessageBox::NoIcon, QStringLiteral("Fixturo"), tr("Complete all please!"));
        return;
    }
    m_order.set(m_useManualOrder->isChecked(), picked);
    QDialog::accept();
}

} // namespace fixturo

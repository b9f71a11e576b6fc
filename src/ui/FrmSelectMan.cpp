#include "ui/FrmSelectMan.h"

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

struct FrameLayout {
    const char *frameName;
    const char *title;
    int left;
    int top;
    const char *listName;
    std::array<int, kTeamsPerGroup> listTops;
    std::array<int, kTeamsPerGroup> labelTops;
    std::array<int, kTeamsPerGroup> labelIndices; // Label1 index, top to bottom
};

constexpr std::array<FrameLayout, kGroupCount> kFrames{{
    {"Frame1",
     "Group A",
     480,
     600,
     "CmbSelectTeam",
     {360, 780, 1200, 1620},
     {360, 780, 1200, 1680},
     {0, 1, 2, 3}},
    {"Frame2",
     "Group B",
     4020,
     600,
     "CmbSelectTeamB",
     {360, 780, 1200, 1620},
     {420, 840, 1260, 1680},
     {4, 5, 6, 7}},
    {"Frame3",
     "Group C",
     480,
     3120,
     "CmbSelectTeamc",
     {360, 720, 1140, 1560},
     {360, 780, 1200, 1680},
     {8, 9, 10, 11}},
    {"Frame4",
     "Group D",
     4020,
     3120,
     "CmbSelectTeamd",
     {360, 720, 1140, 1620},
     {360, 780, 1200, 1680},
     {15, 14, 13, 12}},
}};

QString Indexed(const char *name, int index)
{
    return QString::fromLatin1(name) + u'_' + QString::number(index);
}

} // namespace

FrmSelectMan::FrmSelectMan(ModVars &vars, QWidget *parent) : QDialog(parent), m_vars(vars)
{
    setObjectName(QStringLiteral("FrmSelectMan"));
    setWindowTitle(QStringLiteral("Manual"));
    setModal(true);
    setFixedSize(Twips(7455), Twips(7170));
    // The window's default font: a plain 8 pt sans serif, as the layout's sizes expect.
    setFont(LayoutFont("Arial", 8.25));

    BuildLayout();

    CentreOnScreen(this);

    setv();
}

void FrmSelectMan::BuildLayout()
{
    m_chManOrd = new QCheckBox(QStringLiteral("Use Manual Order"), this);
    m_chManOrd->setObjectName(QStringLiteral("ChManOrd"));
    m_chManOrd->setGeometry(TwipsRect(480, 180, 2955, 255));

    for (int g = 0; g < kGroupCount; ++g) {
        const FrameLayout &f = kFrames[g];
        auto *frame = new QGroupBox(QString::fromLatin1(f.title), this);
        frame->setObjectName(QString::fromLatin1(f.frameName));
        frame->setGeometry(TwipsRect(f.left, f.top, 3075, 2295));
        QPalette caption = frame->palette();
        caption.setColor(QPalette::WindowText, QColor(0, 0, 192));
        frame->setPalette(caption);
        m_frames[g] = frame;

        for (int k = 0; k < kTeamsPerGroup; ++k) {
            auto *place = new QLabel(QString::number(k + 1), frame);
            place->setObjectName(Indexed("Label1", f.labelIndices[k]));
            place->setGeometry(TwipsRect(540, f.labelTops[k], 195, 195));
            place->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            QPalette black = place->palette();
            black.setColor(QPalette::WindowText, Qt::black);
            place->setPalette(black);

            auto *list = new QComboBox(frame);
            list->setObjectName(Indexed(f.listName, k));
            // Wider than the classic 1395 so that "Czech Republic" shows whole
            // beside today's drop-down arrows; the frame has room to 3075.
            list->setGeometry(TwipsRect(900, f.listTops[k], 1755, 315));
            list->setEditable(false);
            connect(list, &QComboBox::activated, this, [this, g, k] { CmbSelectTeam_Click(g, k); });
            m_lists[g][k] = list;
        }
    }

    m_command1 = new QPushButton(QStringLiteral("Ok"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(TwipsRect(2880, 5700, 1875, 975));
    m_command1->setAutoDefault(true); // Return presses it when it has the focus
    connect(m_command1, &QPushButton::clicked, this, &FrmSelectMan::Command1_Click);
}

void FrmSelectMan::setv()
{
    const ManualChoices stored = StoredChoices(m_vars);
    for (int g = 0; g < kGroupCount; ++g) {
        for (int k = 0; k < kTeamsPerGroup; ++k) {
            QComboBox *list = m_lists[g][k];
            list->clear();
            for (const auto &row : m_vars.GroupTeams[g])
                list->addItem(row[Col::Name]);
            // A stored name that is not one of the group's leaves no choice.
            list->setCurrentIndex(
                list->findText(stored[4 * g + k], Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
    }
    m_chManOrd->setChecked(StoredSwitch(m_vars));
}

ManualChoices FrmSelectMan::Choices() const
{
    ManualChoices choices;
    for (int g = 0; g < kGroupCount; ++g)
        for (int k = 0; k < kTeamsPerGroup; ++k)
            choices[4 * g + k] = m_lists[g][k]->currentText();
    return choices;
}

void FrmSelectMan::CmbSelectTeam_Click(int group, int index)
{
    ManualChoices choices = Choices();
    KeepUnique(choices, group, index);
    for (int k = 0; k < kTeamsPerGroup; ++k)
        if (choices[4 * group + k].isEmpty())
            m_lists[group][k]->setCurrentIndex(-1);
}

void FrmSelectMan::Command1_Click()
{
    const ManualChoices choices = Choices();
    if (!ChoicesComplete(choices)) {
        Message(this, QMessageBox::NoIcon, QStringLiteral("Fixturo"), QStringLiteral("Complete all please!"));
        return;
    }
    const bool useManualOrder = m_chManOrd->isChecked();
    m_vars.ManualOrderFlag = useManualOrder ? 1 : 0;
    m_vars.TeamList = ComposeTeamList(useManualOrder, choices);
    accept();
}

} // namespace fixturo

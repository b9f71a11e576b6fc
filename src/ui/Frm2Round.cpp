#include "ui/Frm2Round.h"

#include "knockout/Knockout.h"
#include "ui/FocusLabel.h"
#include "ui/FrmMatch.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QDesktopServices>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace fixturo {

const char *const Frm2Round::kHomePage = FIXTURO_HOME_PAGE;

namespace {

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

// Control face: the background of the window and of every control without a
// colour of its own.
const QColor kControlFace(240, 240, 240);

struct Place {
    int index;
    int left;
    int top;
};

// Team slots (lblTeam), 2340 x 240 each: two to a match area, in the areas' order.
constexpr std::array<Place, 14> kTeamPlaces{{
    {16, 1500, 900},
    {17, 1500, 1725},
    {18, 1500, 2550},
    {19, 1500, 3375},
    {20, 1500, 4200},
    {21, 1500, 5025},
    {22, 1500, 5850},
    {23, 1500, 6675},
    {24, 3600, 1275},
    {25, 3600, 2925},
    {26, 3600, 4575},
    {27, 3600, 6225},
    {28, 5760, 2025},
    {29, 5760, 5325},
}};

// Flags (ImgFlagRound), 375 x 255 each.
constexpr std::array<Place, 15> kFlagPlaces{{
    {0, 7440, 3660},
    {1, 5340, 1980},
    {2, 5340, 5280},
    {3, 3240, 1260},
    {4, 3240, 2880},
    {5, 3240, 4560},
    {6, 3240, 6180},
    {7, 1140, 900},
    {8, 1140, 1680},
    {9, 1140, 2520},
    {10, 1140, 3360},
    {11, 1140, 4200},
    {12, 1140, 4980},
    {13, 1140, 5820},
    {14, 1140, 6660},
}};

struct DatePlace {
    int index;
    int left;
    int top;
    const char *text;
};

// Match dates (lblDate), 915 x 240, Arial 6.75 pt; the final's date is apart.
constexpr std::array<DatePlace, 6> kDatePlaces{{
    {8, 1740, 1350, "19 June 2008"},
    {9, 1740, 3000, "20 June 2008"},
    {10, 1740, 4650, "21 June 2008"},
    {11, 1740, 6300, "22 June 2008"},
    {12, 3915, 2100, "25 June 2008"},
    {13, 3915, 5400, "26 June 2008"},
}};

struct MatchArea {
    int tagged;   // lblMatch index of the area that carries the row
    int untagged; // lblMatch index of the area beneath it
    int row;      // MatchTable row
    int left;
    int top;
    int height; // all 2115 wide
};

constexpr std::array<MatchArea, 7> kMatchAreas{{
    {28, 8, 24, 1140, 900, 1065},
    {29, 9, 25, 1140, 2550, 1065},
    {30, 10, 26, 1140, 4200, 1065},
    {31, 11, 27, 1140, 5850, 1065},
    {32, 12, 28, 3240, 1275, 1890},
    {33, 13, 29, 3240, 4575, 1890},
    {35, 15, 30, 5340, 2025, 3540},
}};

// Where the bracket's lines run: under each slot, from the left edge of its
// match area to the next round's; a stroke down the next round's edge joins
// the two slots of a match; a short mark on each quarter-final slot's left edge.
constexpr int kRoundWidth = 2100;         // from a match area's left edge to the next round's
constexpr int kLineBelowTop = 225;        // a slot's line, below the slot's top
constexpr int kEdgeMark = 375;            // length of a quarter-final slot's edge mark
constexpr std::size_t kQuarterFinals = 4; // the first match areas
constexpr Place kChampionPlace{kChampionLabel, 7860, 3675};
constexpr int kChampionLine = 1800; // the champion's line, from the final's right edge

QString Indexed(const char *name, int index)
{
    return QString::fromLatin1(name) + u'_' + QString::number(index);
}

} // namespace

Frm2Round::Frm2Round(ModVars &vars, QWidget *parent) : QDialog(parent), m_vars(vars)
{
    setObjectName(QStringLiteral("Frm2Round"));
    // Blank rather than empty: the platform shows the program's name in place
    // of an empty title.
    setWindowTitle(QStringLiteral(" "));
    setModal(true);
    setFixedSize(Twips(11430), Twips(8205));
    setFont(LayoutFont("Arial", 8.25, false)); // the window's default font, as the layout's sizes expect
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kControlFace);
    setPalette(pal);
    setAutoFillBackground(true);

    BuildLayout();

    CentreOnScreen(this);

    SetVarsMatch();
    UpdateBracketLabels();
    setflags();
}

void Frm2Round::BuildLayout()
{
    // Created from the bottom of the stack up: untagged areas, team labels and
    // texts, tagged match areas, flags. The lines are painted on the window.
    for (const MatchArea &a : kMatchAreas) {
        QLabel *area = MakeLabel(this, Indexed("lblMatch", a.untagged),
                                 TwipsRect(a.left, a.top, 2115, a.height), {}, kTopLeft);
        m_lblMatch[a.untagged] = area;
    }
    for (int index : {14, 34}) {
        QLabel *area =
            MakeLabel(this, Indexed("lblMatch", index), TwipsRect(6615, 5775, 1515, 465), {}, kTopLeft);
        area->hide();
        m_lblMatch[index] = area;
    }

    m_label2 = MakeLabel(this, QStringLiteral("Label2"), TwipsRect(420, 0, 2340, 465),
                         QStringLiteral("2nd ROUND"), kTopLeft);
    m_label2->setFont(LayoutFont("Arial", 18, true));
    m_label2->setAlignment(Qt::AlignCenter);
    m_label2->setAutoFillBackground(true);
    QPalette black = m_label2->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    m_label2->setPalette(black);

    m_label3 = MakeLabel(this, QStringLiteral("Label3"), TwipsRect(4215, 975, 5040, 315),
                         QString::fromLatin1(kHomePage), kTopLeft);
    m_label3->setFont(LayoutFont("Arial", 8.25, true));
    m_label3->setAlignment(Qt::AlignCenter);
    m_label3->setAutoFillBackground(true);
    QPalette link = m_label3->palette();
    link.setColor(QPalette::Window, QColor(224, 224, 224));
    link.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_label3->setPalette(link);
    m_label3->setCursor(LinkCursor());
    m_label3->installEventFilter(this);

    m_bExit = new QPushButton(QStringLiteral("Exit"), this);
    m_bExit->setObjectName(QStringLiteral("bExit"));
    m_bExit->setGeometry(TwipsRect(8115, 6675, 1065, 390));
    m_bExit->setAutoDefault(true); // Return presses it when it has the focus
    connect(m_bExit, &QPushButton::clicked, this, &QDialog::reject);

    m_label1 = MakeLabel(this, QStringLiteral("Label1"), TwipsRect(6015, 3450, 690, 240),
                         QStringLiteral("FINAL"), kTopLeft);

    const QFont dateFont = LayoutFont("Arial", 6.75, false);
    for (const DatePlace &d : kDatePlaces) {
        QLabel *date = MakeLabel(this, Indexed("lblDate", d.index), TwipsRect(d.left, d.top, 915, 240),
                                 QString::fromLatin1(d.text), kTopLeft);
        date->setFont(dateFont);
        m_lblDate[d.index] = date;
    }
    // The final's date is a little wider than its column so that the whole
    // date shows in today's fonts; nothing stands to its right before 7440.
    m_lblDate[15] = MakeLabel(this, QStringLiteral("lblDate_15"), TwipsRect(6015, 3675, 1200, 360),
                              QStringLiteral("29 June 2008"), kTopLeft);

    const QFont teamFont = LayoutFont("Arial", 8.25, true);
    for (const Place &p : kTeamPlaces) {
        QLabel *team =
            MakeLabel(this, Indexed("lblTeam", p.index), TwipsRect(p.left, p.top, 2340, 240), {}, kTopLeft);
        team->setFont(teamFont);
        m_lblTeam[p.index] = team;
    }
    QLabel *third =
        MakeLabel(this, QStringLiteral("lblTeam_30"), TwipsRect(6615, 5850, 1440, 240), {}, kTopLeft);
    third->setFont(dateFont);
    third->hide();
    m_lblTeam[30] = third;
    QLabel *champion = MakeLabel(this, Indexed("lblTeam", kChampionPlace.index),
                                 TwipsRect(kChampionPlace.left, kChampionPlace.top, 1800, 210),
                                 QStringLiteral("Winner"), kTopLeft);
    champion->setFont(teamFont);
    QPalette blue = champion->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    champion->setPalette(blue);
    m_lblTeam[kChampionLabel] = champion;

    // The tagged areas take the keyboard focus in match order, before Exit.
    for (const MatchArea &a : kMatchAreas) {
        auto *area = new FocusLabel(this);
        area->setObjectName(Indexed("lblMatch", a.tagged));
        area->setGeometry(TwipsRect(a.left, a.top, 2115, a.height));
        area->setFocusPolicy(Qt::StrongFocus);
        area->setProperty("tag", QString::number(a.row));
        area->setCursor(MatchCursor());
        area->setMouseTracking(true);
        area->installEventFilter(this);
        m_lblMatch[a.tagged] = area;
        QWidget::setTabOrder(area, m_bExit);
    }
    m_lblMatch[kMatchAreas.front().tagged]->setFocus();

    for (const Place &p : kFlagPlaces) {
        QLabel *flag = MakeLabel(this, Indexed("ImgFlagRound", p.index), TwipsRect(p.left, p.top, 375, 255),
                                 {}, kTopLeft);
        m_imgFlagRound[p.index] = flag;
    }
}

void Frm2Round::SetVarsMatch()
{
    m_lblTeam[kChampionLabel]->setText(fixturo::SetVarsMatch(m_vars));
}

void Frm2Round::UpdateBracketLabels()
{
    for (const BracketSlot &slot : kBracketSlots) {
        m_lblTeam[slot.labelIndex]->setText(SlotText(m_vars, slot));
        m_lblTeam[slot.labelIndex]->setAccessibleName(SideSpoken(m_vars.MatchTable[slot.row], slot.side));
    }
    for (const MatchArea &a : kMatchAreas)
        m_lblMatch[a.tagged]->setAccessibleName(MatchSpoken(m_vars, a.row));
    if (const auto champion = KnockoutWinner(m_vars.MatchTable[30]))
        m_lblTeam[kChampionLabel]->setText(*champion);
}

void Frm2Round::setflags()
{
    // A name without a flag leaves the picture as it is.
    const auto load = [](QLabel *image, const QString &name) {
        QPixmap flag = FlagPicture(name);
        if (flag.isNull())
            return;
        const QSizeF own = flag.deviceIndependentSize();
        if (own.width() > image->width() || own.height() > image->height()) {
            const qreal ratio = flag.devicePixelRatio();
            flag = flag.scaled(image->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            flag.setDevicePixelRatio(ratio);
        }
        image->setPixmap(flag);
        image->setAccessibleName(name);
    };
    load(m_imgFlagRound[kChampionFlag], m_lblTeam[kChampionLabel]->text());
    for (const BracketSlot &slot : kBracketSlots)
        load(m_imgFlagRound[slot.flagIndex], m_vars.MatchTable[slot.row][slot.side]);
}

bool Frm2Round::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label3) {
        if (event->type() == QEvent::MouseButtonPress)
            return true; // the label takes the press, so the release comes back to it
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (m_label3->rect().contains(mouse->position().toPoint()))
                Label3_Click();
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    const QVariant tag = watched->property("tag");
    if (tag.isValid()) {
        const int row = tag.toString().toInt();
        if (event->type() == QEvent::MouseMove) {
            m_vars.SelectedMatch = static_cast<std::int16_t>(row);
            return true;
        }
        // The second press of a double click arrives as a double-click event.
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            lblMatch_MouseDown(row);
            return true;
        }
        if (event->type() == QEvent::KeyPress)
            return lblMatch_KeyPress(row, *static_cast<QKeyEvent *>(event));
    }
    return QDialog::eventFilter(watched, event);
}

void Frm2Round::lblMatch_MouseDown(int row)
{
    // The press opens the match pressed, whatever the pointer crossed before.
    m_vars.SelectedMatch = static_cast<std::int16_t>(row);
    {
        FrmMatch dlg(m_vars, this);
        dlg.exec();
    }
    SetVarsMatch();
    UpdateBracketLabels();
    setflags();
    emit resultEntered();
}

bool Frm2Round::lblMatch_KeyPress(int row, const QKeyEvent &key)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;
    const auto at = std::find_if(kMatchAreas.begin(), kMatchAreas.end(),
                                 [row](const MatchArea &a) { return a.row == row; });
    const auto index = static_cast<int>(at - kMatchAreas.begin());
    const int count = static_cast<int>(kMatchAreas.size());
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        lblMatch_MouseDown(row);
        m_lblMatch[at->tagged]->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        m_lblMatch[kMatchAreas[(index + 1) % count].tagged]->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        m_lblMatch[kMatchAreas[(index + count - 1) % count].tagged]->setFocus(Qt::BacktabFocusReason);
        return true;
    default:
        return false;
    }
}

void Frm2Round::Label3_Click()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePage)));
}

void Frm2Round::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    // Horizontal lines are 2 pixels thick, vertical ones 1.
    const auto across = [&](int from, int to, int at) {
        painter.fillRect(Twips(from), Twips(at), Twips(to) - Twips(from) + 1, 2, Qt::black);
    };
    const auto down = [&](int from, int to, int at) {
        painter.fillRect(Twips(at), Twips(from), 1, Twips(to) - Twips(from) + 2, Qt::black);
    };
    for (std::size_t k = 0; k < kMatchAreas.size(); ++k) {
        const MatchArea &a = kMatchAreas[k];
        const int right = a.left + kRoundWidth;
        const Place &first = kTeamPlaces[2 * k];
        const Place &second = kTeamPlaces[2 * k + 1];
        across(a.left, right, first.top + kLineBelowTop);
        across(a.left, right, second.top + kLineBelowTop);
        down(first.top + kLineBelowTop, second.top + kLineBelowTop, right);
        if (k < kQuarterFinals) {
            down(first.top, first.top + kEdgeMark, a.left);
            down(second.top, second.top + kEdgeMark, a.left);
        }
    }
    const int finalRight = kMatchAreas.back().left + kRoundWidth;
    across(finalRight, finalRight + kChampionLine, kChampionPlace.top + kLineBelowTop);
}

} // namespace fixturo

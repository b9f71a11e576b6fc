#include "ui/BracketDialog.h"

#include "knockout/Knockout.h"
#include "lang/Language.h"
#include "ui/ClickableLabel.h"
#include "ui/Pictures.h"
#include "ui/ResultDialog.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include <utility>

namespace fixturo {

const char *const BracketDialog::kHomePage = FIXTURO_HOME_PAGE;

namespace {

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

// Control face: the background of the window and of every control without a
// colour of its own.
const QColor kControlFace(240, 240, 240);

// A top-left corner, in twips.
struct Place {
    int left;
    int top;
};

// The slots, 2340 x 240 each, in kBracketSlots order: two to a match area.
constexpr std::array<Place, 14> kSlotPlaces{{
    {1500, 900},
    {1500, 1725},
    {1500, 2550},
    {1500, 3375},
    {1500, 4200},
    {1500, 5025},
    {1500, 5850},
    {1500, 6675},
    {3600, 1275},
    {3600, 2925},
    {3600, 4575},
    {3600, 6225},
    {5760, 2025},
    {5760, 5325},
}};

// The slots' flags, 375 x 255 each, in kBracketSlots order, at the left of
// each match area.
constexpr std::array<Place, 14> kSlotFlagPlaces{{
    {1140, 900},
    {1140, 1680},
    {1140, 2520},
    {1140, 3360},
    {1140, 4200},
    {1140, 4980},
    {1140, 5820},
    {1140, 6660},
    {3240, 1260},
    {3240, 2880},
    {3240, 4560},
    {3240, 6180},
    {5340, 1980},
    {5340, 5280},
}};

constexpr Place kChampionPlace{7860, 3675}; // 1800 x 210
constexpr Place kChampionFlagPlace{7440, 3660};

// The match areas, 2115 wide, in match order: they take the clicks and the
// keyboard focus; each spans its match's two slots.
struct MatchAreaLayout {
    int row;
    int left;
    int top;
    int height;
};
constexpr std::array<MatchAreaLayout, 7> kMatchAreas{{
    {24, 1140, 900, 1065},
    {25, 1140, 2550, 1065},
    {26, 1140, 4200, 1065},
    {27, 1140, 5850, 1065},
    {28, 3240, 1275, 1890},
    {29, 3240, 4575, 1890},
    {30, 5340, 2025, 3540},
}};

// The dates of the quarter-finals and semi-finals, 915 x 240, between each
// match's slots; the final's date stands apart.
struct DateLayout {
    int row;
    int left;
    int top;
    const char *text;
};
constexpr std::array<DateLayout, 6> kDates{{
    {24, 1740, 1350, "19 June 2008"},
    {25, 1740, 3000, "20 June 2008"},
    {26, 1740, 4650, "21 June 2008"},
    {27, 1740, 6300, "22 June 2008"},
    {28, 3915, 2100, "25 June 2008"},
    {29, 3915, 5400, "26 June 2008"},
}};

// The font of the slots and the champion.
QFont slotFont()
{
    return layoutFont("Arial", 8.25, true);
}

// Shows a date ("19 June 2008") in its place: its month written out where it
// fits in a readable size, else shortened.
void showDate(QLabel *label, const QString &stored, const QFont &font)
{
    constexpr qreal kSmallest = 6;
    label->setText(dayDate(stored));
    fitLabel(label, font, kSmallest);
    if (!textFits(label)) {
        label->setText(dayDate(stored, true));
        fitLabel(label, font);
    }
}

// Where the bracket's lines run: under each slot, from the left edge of its
// match area to the next round's; a stroke down the next round's edge joins
// the two slots of a match; a short mark on each quarter-final slot's left edge.
constexpr int kRoundWidth = 2100;         // from a match area's left edge to the next round's
constexpr int kLineBelowTop = 225;        // a slot's line, below the slot's top
constexpr int kEdgeMark = 375;            // length of a quarter-final slot's edge mark
constexpr std::size_t kQuarterFinals = 4; // the first match areas
constexpr int kChampionLine = 1800;       // the champion's line, from the final's right edge

// An object name with a number: "slot_3".
QString numbered(const char *name, int number)
{
    return QString::fromLatin1(name) + u'_' + QString::number(number);
}

// Shows a team's flag in `picture`, scaled down to fit when it is larger. A
// name without a flag leaves the picture as it is.
void showFlag(QLabel *picture, const QString &team)
{
    QPixmap flag = flagPicture(team);
    if (flag.isNull())
        return;
    const QSizeF own = flag.deviceIndependentSize();
    if (own.width() > picture->width() || own.height() > picture->height()) {
        const qreal ratio = flag.devicePixelRatio();
        flag = flag.scaled(picture->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        flag.setDevicePixelRatio(ratio);
    }
    picture->setPixmap(flag);
    picture->setAccessibleName(teamName(team));
}

} // namespace

BracketDialog::BracketDialog(Championship &championship, QWidget *parent)
    : QDialog(parent), m_championship(championship)
{
    setObjectName(QStringLiteral("bracketDialog"));
    // Blank rather than empty: the platform shows the program's name in place
    // of an empty title.
    useFixedDialogFrame(this);
    setWindowTitle(QStringLiteral(" "));
    setModal(true);
    setFixedSize(twips(11430), twips(8205));
    setFont(layoutFont("Arial", 8.25, false)); // the window's default font, as the layout's sizes expect
    setColour(this, QPalette::Window, kControlFace);
    setAutoFillBackground(true);

    buildLayout();

    centreOnScreen(this);

    showBracket();
}

void BracketDialog::buildLayout()
{
    // Created from the bottom of the stack up: captions, link, Exit, dates,
    // slots, match areas, flags. The lines are painted on the window.
    QLabel *title = makeLabel(this, QStringLiteral("secondRoundTitle"), twipsRect(420, 0, 2340, 465),
                              tr("2nd ROUND"), kTopLeft);
    fitLabel(title, layoutFont("Arial", 18, true));
    title->setAlignment(Qt::AlignCenter);
    title->setAutoFillBackground(true);
    setColour(title, QPalette::Window, Qt::black);
    setColour(title, QPalette::WindowText, Qt::white);

    // The link acts on a release over it, as a link does.
    auto *link = new ClickableLabel(this, ClickableLabel::Trigger::Release);
    link->setObjectName(QStringLiteral("homePageLink"));
    link->setGeometry(twipsRect(4215, 975, 5040, 315));
    link->setTextFormat(Qt::PlainText);
    link->setText(QString::fromLatin1(kHomePage));
    link->setFont(layoutFont("Arial", 8.25, true));
    link->setAlignment(Qt::AlignCenter);
    link->setAutoFillBackground(true);
    setColour(link, QPalette::Window, QColor(224, 224, 224));
    setColour(link, QPalette::WindowText, QColor(255, 0, 0));
    link->setCursor(linkCursor());
    link->setFocusPolicy(
        Qt::TabFocus); // reached by Tab, opened by Enter or Space; a click leaves no focus mark
    connect(link, &ClickableLabel::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePage))); });

    m_exitButton = new QPushButton(tr("Exit"), this);
    m_exitButton->setObjectName(QStringLiteral("exitButton"));
    m_exitButton->setGeometry(twipsRect(8115, 6675, 1065, 390));
    fitButton(m_exitButton, m_exitButton->font());
    m_exitButton->setAutoDefault(true); // Return presses it when it has the focus
    connect(m_exitButton, &QPushButton::clicked, this, &QDialog::reject);

    QLabel *finalCaption = makeLabel(this, QStringLiteral("finalCaption"), twipsRect(6015, 3450, 690, 240),
                                     tr("FINAL"), kTopLeft);
    fitLabel(finalCaption, font());

    const QFont dateFont = layoutFont("Arial", 6.75, false);
    for (const DateLayout &d : kDates) {
        QLabel *date = makeLabel(this, numbered("matchDate", d.row + 1), twipsRect(d.left, d.top, 915, 240),
                                 {}, kTopLeft);
        showDate(date, QString::fromLatin1(d.text), dateFont);
    }
    // The final's date is a little wider than its column so that the whole
    // date shows in today's fonts; nothing stands to its right before 7440.
    QLabel *finalDate =
        makeLabel(this, numbered("matchDate", kFinalRow + 1), twipsRect(6015, 3675, 1200, 360), {}, kTopLeft);
    showDate(finalDate, QStringLiteral("29 June 2008"), font());

    const QFont teamFont = slotFont();
    for (std::size_t i = 0; i < kSlotPlaces.size(); ++i) {
        const Place &p = kSlotPlaces[i];
        m_slots[i] = makeLabel(this, numbered("slot", static_cast<int>(i)),
                               twipsRect(p.left, p.top, 2340, 240), {}, kTopLeft);
        m_slots[i]->setFont(teamFont);
    }
    m_champion = makeLabel(this, QStringLiteral("championLabel"),
                           twipsRect(kChampionPlace.left, kChampionPlace.top, 1800, 210),
                           teamName(QStringLiteral("Winner")), kTopLeft);
    m_champion->setFont(teamFont);
    setColour(m_champion, QPalette::WindowText, QColor(0, 0, 255));

    // The match areas take the keyboard focus in match order, then the link,
    // then Exit. A press opens the match.
    for (std::size_t k = 0; k < kMatchAreas.size(); ++k) {
        const MatchAreaLayout &a = kMatchAreas[k];
        auto *area = new ClickableLabel(this, ClickableLabel::Trigger::Press);
        area->setObjectName(numbered("matchArea", a.row + 1));
        area->setGeometry(twipsRect(a.left, a.top, 2115, a.height));
        area->setFocusPolicy(Qt::StrongFocus);
        area->setCursor(matchCursor());
        const int row = a.row;
        const int index = static_cast<int>(k);
        connect(area, &ClickableLabel::clicked, this, [this, row] { openResultDialog(row); });
        area->setKeyHandler([this, index](const QKeyEvent &key) { return handleMatchKey(index, key); });
        m_matchAreas[k] = area;
        QWidget::setTabOrder(area, m_exitButton);
    }
    // The link after the last match, before Exit: Shift+Tab from the first
    // match still reaches Exit.
    QWidget::setTabOrder(m_matchAreas.back(), link);
    QWidget::setTabOrder(link, m_exitButton);
    m_matchAreas.front()->setFocus();

    m_championFlag =
        makeLabel(this, QStringLiteral("championFlag"),
                  twipsRect(kChampionFlagPlace.left, kChampionFlagPlace.top, 375, 255), {}, kTopLeft);
    // From the champion outward, the order in which a screen reader meets
    // them: the final's slots, the semi-finals', the quarter-finals'.
    for (const auto &[first, count] : {std::pair{12, 2}, std::pair{8, 4}, std::pair{0, 8}}) {
        for (int i = first; i < first + count; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            const Place &p = kSlotFlagPlaces[slot];
            m_slotFlags[slot] =
                makeLabel(this, numbered("slotFlag", i), twipsRect(p.left, p.top, 375, 255), {}, kTopLeft);
        }
    }
}

void BracketDialog::showBracket()
{
    const QString champion = advanceKnockoutWinners(m_championship);
    m_champion->setText(teamName(champion));
    fitLabel(m_champion, slotFont());
    for (std::size_t i = 0; i < kBracketSlots.size(); ++i) {
        const BracketSlot &slot = kBracketSlots[i];
        m_slots[i]->setText(slotText(m_championship, slot));
        fitLabel(m_slots[i], slotFont());
        m_slots[i]->setAccessibleName(sideSpoken(m_championship.matches[slot.row], slot.side));
    }
    for (std::size_t k = 0; k < kMatchAreas.size(); ++k)
        m_matchAreas[k]->setAccessibleName(matchSpoken(m_championship, kMatchAreas[k].row));
    showFlag(m_championFlag, champion);
    for (std::size_t i = 0; i < kBracketSlots.size(); ++i) {
        const BracketSlot &slot = kBracketSlots[i];
        showFlag(m_slotFlags[i], m_championship.matches[slot.row].team(slot.side));
    }
}

void BracketDialog::openResultDialog(int row)
{
    Score score;
    {
        ResultDialog dialog(m_championship, row, this);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        score = accepted ? dialog.score() : m_championship.matches[row].score;
    }
    emit resultEntered(row, score);
    showBracket();
}

bool BracketDialog::handleMatchKey(int area, const QKeyEvent &key)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;
    const int count = static_cast<int>(m_matchAreas.size());
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        openResultDialog(kMatchAreas[static_cast<std::size_t>(area)].row);
        m_matchAreas[static_cast<std::size_t>(area)]->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        m_matchAreas[static_cast<std::size_t>((area + 1) % count)]->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        m_matchAreas[static_cast<std::size_t>((area + count - 1) % count)]->setFocus(Qt::BacktabFocusReason);
        return true;
    default:
        return false;
    }
}

void BracketDialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    // Horizontal lines are 2 pixels thick, vertical ones 1.
    const auto across = [&](int from, int to, int at) {
        painter.fillRect(twips(from), twips(at), twips(to) - twips(from) + 1, 2, Qt::black);
    };
    const auto down = [&](int from, int to, int at) {
        painter.fillRect(twips(at), twips(from), 1, twips(to) - twips(from) + 2, Qt::black);
    };
    for (std::size_t k = 0; k < kMatchAreas.size(); ++k) {
        const MatchAreaLayout &a = kMatchAreas[k];
        const int right = a.left + kRoundWidth;
        const Place &first = kSlotPlaces[2 * k];
        const Place &second = kSlotPlaces[2 * k + 1];
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

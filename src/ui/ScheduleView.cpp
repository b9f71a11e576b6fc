#include "ui/ScheduleView.h"

#include "groups/GroupLines.h"
#include "ui/ClickableLabel.h"
#include "ui/GroupTablesView.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

namespace fixturo {

namespace {

const QColor kPanelColour(0, 64, 64);
const QColor kHeadingColour(0, 128, 128);

// Layout in the main window's client area, in twips.
constexpr QRect kPanel{7500, 360, 5055, 6375};
constexpr QRect kHeading{8160, 480, 3315, 315};
constexpr int kLineLeft = 7560;
constexpr int kLineTop = 840;
constexpr int kLineStep = 240;
constexpr int kLineWidth = 4170;
constexpr int kLineHeight = 195;
constexpr std::array<int, 2> kFlagLefts{11760, 12120};
constexpr int kFlagWidth = 375;
constexpr int kFlagHeight = 255;

// Lines a Page Up or Page Down key moves.
constexpr int kPage = 6;

QRect pixels(const QRect &inTwips)
{
    return twipsRect(inTwips.left(), inTwips.top(), inTwips.width(), inTwips.height());
}

} // namespace

ScheduleView::ScheduleView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("schedule"));
    const QRect panel = pixels(kPanel);
    setGeometry(panel);
    const QPoint origin = panel.topLeft();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    setPalette(palette);
    setAutoFillBackground(true);
    // Moving over the panel between the lines takes the mark away.
    setMouseTracking(true);

    QLabel *heading = makeLabel(this, QStringLiteral("scheduleHeading"), pixels(kHeading).translated(-origin),
                                tr("1st ROUND - DAILY MATCH SCHEDULE"));
    heading->setFont(layoutFont("Arial", 9, true));
    setColour(heading, QPalette::WindowText, kHeadingColour);
    // Font metrics differ a little between platforms: the fixed heading grows
    // to its text, up to the panel's edge, rather than losing its last letters.
    heading->resize(std::min(std::max(heading->width(), heading->sizeHint().width()),
                             twips(kPanel.right() + 1 - kHeading.left())),
                    heading->height());
    fitLabel(heading, heading->font());

    for (int row = 0; row < kGroupMatchCount; ++row) {
        const int top = kLineTop + kLineStep * row;
        auto *line = new ClickableLabel(this);
        line->setObjectName(QStringLiteral("scheduleLine%1").arg(row));
        line->setGeometry(twipsRect(kLineLeft, top, kLineWidth, kLineHeight).translated(-origin));
        line->setTextFormat(Qt::PlainText);
        line->setFont(layoutFont("Arial", 6.75));
        line->setFocusPolicy(row == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        line->setMouseTracking(true);
        connect(line, &ClickableLabel::pointed, this, [this, row] { lineMarked(row); });
        connect(line, &ClickableLabel::clicked, this, [this, row] { emit matchActivated(row); });
        line->setKeyHandler([this, row](const QKeyEvent &key) { return handleKey(row, key); });
        m_lines[row] = line;
        setLook(row, false);

        for (int side = 0; side < 2; ++side) {
            const int index = 2 * row + side;
            QLabel *flag =
                makeLabel(this, QStringLiteral("scheduleFlag_%1").arg(index),
                          twipsRect(kFlagLefts[side], top, kFlagWidth, kFlagHeight).translated(-origin));
            flag->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            m_flags[index] = flag;
        }
    }
}

void ScheduleView::showLines(const Championship &championship)
{
    for (int row = 0; row < kGroupMatchCount; ++row) {
        m_lines[row]->setText(scheduleLine(championship.matches[row]));
        fitLabel(m_lines[row], layoutFont("Arial", 6.75));
    }
}

void ScheduleView::showFlags(const Championship &championship)
{
    for (int row = 0; row < kGroupMatchCount; ++row) {
        showFlag(m_flags[2 * row], championship.matches[row].team1);
        showFlag(m_flags[2 * row + 1], championship.matches[row].team2);
    }
}

void ScheduleView::focusLine(int row)
{
    for (int i = 0; i < kGroupMatchCount; ++i)
        m_lines[i]->setFocusPolicy(i == row ? Qt::StrongFocus : Qt::ClickFocus);
    m_lines[row]->setFocus(Qt::OtherFocusReason);
    highlightLine(row);
}

void ScheduleView::mouseMoveEvent(QMouseEvent *event)
{
    clearHighlight();
    QWidget::mouseMoveEvent(event);
}

void ScheduleView::enterEvent(QEnterEvent *event)
{
    clearHighlight();
    QWidget::enterEvent(event);
}

void ScheduleView::lineMarked(int row)
{
    // While the keyboard is on the schedule, the pointer takes the focus along
    // with the mark, so that Enter opens the line that is marked.
    const QWidget *focused = window()->focusWidget();
    const bool onSchedule = std::find(m_lines.begin(), m_lines.end(), focused) != m_lines.end();
    if (onSchedule && focused != m_lines[row])
        focusLine(row);
    else
        highlightLine(row);
}

void ScheduleView::highlightLine(int row)
{
    if (m_highlighted >= 0)
        setLook(m_highlighted, false);
    setLook(row, true);
    m_highlighted = row;
}

void ScheduleView::clearHighlight()
{
    if (m_highlighted >= 0)
        setLook(m_highlighted, false);
    m_highlighted = -1;
}

void ScheduleView::setLook(int row, bool highlighted)
{
    QLabel *line = m_lines[row];
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, highlighted ? Qt::black : Qt::white);
    // The platform's control face, so that the mark follows the colour scheme.
    if (highlighted)
        palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    line->setPalette(palette);
    line->setAutoFillBackground(highlighted);
}

bool ScheduleView::handleKey(int row, const QKeyEvent &key)
{
    if (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    int target = row;
    switch (key.key()) {
    case Qt::Key_Up:
        target = row - 1;
        break;
    case Qt::Key_Down:
        target = row + 1;
        break;
    case Qt::Key_PageUp:
        target = row - kPage;
        break;
    case Qt::Key_PageDown:
        target = row + kPage;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = kGroupMatchCount - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit matchActivated(row);
        return true;
    default:
        return false;
    }
    focusLine(std::clamp(target, 0, kGroupMatchCount - 1));
    return true;
}

} // namespace fixturo

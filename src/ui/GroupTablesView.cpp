#include "ui/GroupTablesView.h"

#include "groups/GroupLines.h"
#include "groups/OutlookLines.h"
#include "lang/Language.h"
#include "ui/ClickableLabel.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QGroupBox>
#include <QPainter>

#include <algorithm>

namespace fixturo {

namespace {

const QColor kCaptionBlue(0, 0, 255);

// Layout of the group frames in the main window's client area, in twips.
constexpr std::array<QRect, kGroupCount> kGroupFrames{{
    {360, 480, 3195, 1395},
    {3780, 480, 3375, 1395},
    {360, 2880, 3195, 1335},
    {3840, 2880, 3315, 1335},
}};
// Inside a group frame: row i at top 300 + 240 i, 195 high.
constexpr int kRowTop = 300;
constexpr int kRowStep = 240;
constexpr int kRowHeight = 195;
constexpr int kTeamLeft = 60;
constexpr std::array<std::array<int, kTeamsPerGroup>, kGroupCount> kTeamWidths{{
    {1200, 1200, 1200, 1200},
    {1515, 1515, 1515, 1515},
    {1095, 1155, 1155, 1095},
    {1200, 1200, 1200, 1200},
}};
constexpr std::array<int, kGroupCount> kFlagLefts{1200, 1260, 1200, 1200};
constexpr int kFlagWidth = 375;
constexpr std::array<int, kGroupCount> kStandingLefts{1620, 1680, 1620, 1620};
constexpr int kStandingWidth = 1575;
// Where the frame's caption starts, from its left edge, in pixels.
constexpr int kCaptionIndent = 7;

QRect pixels(const QRect &inTwips)
{
    return twipsRect(inTwips.left(), inTwips.top(), inTwips.width(), inTwips.height());
}

// The rectangle the four frames take, in pixels.
QRect framesArea()
{
    QRect area;
    for (const QRect &frame : kGroupFrames)
        area |= pixels(frame);
    return area;
}

// A frame in the classic etched look whose caption interrupts the top line,
// drawn in the frame's own font and caption colour.
class GroupFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int lineY = metrics.height() / 2;
        const QRect frame = rect().adjusted(0, lineY, -2, -2);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(frame);
        painter.setPen(Qt::white);
        painter.drawRect(frame.translated(1, 1));
        if (title().isEmpty())
            return;
        const QRect text(kCaptionIndent, 0, metrics.horizontalAdvance(title()), metrics.height());
        painter.fillRect(text.adjusted(-2, 0, 2, 0), palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
    }
};

} // namespace

void showFlag(QLabel *label, const QString &team)
{
    const QPixmap picture = flagPicture(team);
    if (picture.isNull())
        return;
    label->setPixmap(picture);
    label->setAccessibleName(teamName(team));
}

GroupTablesView::GroupTablesView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("groupTables"));
    const QRect area = framesArea();
    setGeometry(area);
    for (int g = 0; g < kGroupCount; ++g) {
        auto *frame = new GroupFrame(groupHeading(g), this);
        frame->setObjectName(QStringLiteral("groupFrame_%1").arg(g));
        frame->setGeometry(pixels(kGroupFrames[g]).translated(-area.topLeft()));
        frame->setFont(layoutFont("Courier New", 9));
        setColour(frame, QPalette::WindowText, kCaptionBlue);

        for (int i = 0; i < kTeamsPerGroup; ++i) {
            const int index = kTeamsPerGroup * g + i;
            const int top = kRowTop + kRowStep * i;

            auto *team = new ClickableLabel(frame);
            team->setObjectName(QStringLiteral("team_%1").arg(index));
            // No wider than the room before the flag, which lies on top of it:
            // the name is fitted to that room, and the focus mark shows whole.
            team->setGeometry(twipsRect(kTeamLeft, top,
                                        std::min(kTeamWidths[g][i], kFlagLefts[g] - kTeamLeft), kRowHeight));
            team->setTextFormat(Qt::PlainText);
            team->setFont(layoutFont("Arial", 8.25));
            setColour(team, QPalette::WindowText, Qt::black);
            team->setCursor(Qt::CrossCursor);
            // A link reached by Tab, opened by Enter or Space; a click leaves no focus mark.
            team->setFocusPolicy(Qt::TabFocus);
            connect(team, &ClickableLabel::clicked, this,
                    [this, index] { emit teamActivated(m_teamNames[index]); });
            m_teams[index] = team;

            QLabel *flag = makeLabel(frame, QStringLiteral("teamFlag_%1").arg(index),
                                     twipsRect(kFlagLefts[g], top, kFlagWidth, kRowHeight));
            flag->setScaledContents(true);
            m_flags[index] = flag;

            QLabel *standing = makeLabel(frame, QStringLiteral("standing_%1").arg(index),
                                         twipsRect(kStandingLefts[g], top, kStandingWidth, kRowHeight));
            standing->setFont(layoutFont("Courier New", 9));
            setColour(standing, QPalette::WindowText, Qt::black);
            m_standings[index] = standing;
        }
    }
}

void GroupTablesView::showTables(const Championship &championship)
{
    for (int g = 0; g < kGroupCount; ++g)
        for (int i = 0; i < kTeamsPerGroup; ++i) {
            const Standing &standing = championship.groupTables[g][i];
            const int index = kTeamsPerGroup * g + i;
            m_teamNames[index] = standing.team;
            m_teams[index]->setText(teamName(standing.team));
            fitLabel(m_teams[index], layoutFont("Arial", 8.25));
            m_standings[index]->setText(standingLine(standing));
            m_standings[index]->setAccessibleName(standingSpoken(standing));
        }
}

void GroupTablesView::showFlags(const Championship &championship)
{
    for (int g = 0; g < kGroupCount; ++g)
        for (int i = 0; i < kTeamsPerGroup; ++i)
            showFlag(m_flags[kTeamsPerGroup * g + i], championship.groupTables[g][i].team);
}

void GroupTablesView::showOutlooks(const std::array<GroupOutlook, kGroupCount> &outlooks)
{
    for (int g = 0; g < kGroupCount; ++g)
        for (int i = 0; i < kTeamsPerGroup; ++i) {
            const int index = kTeamsPerGroup * g + i;
            for (const TeamOutlook &team : outlooks[g].teams)
                if (team.team == m_teamNames[index]) {
                    const QString text = teamOutlookText(outlooks[g], team);
                    for (QLabel *label : {static_cast<QLabel *>(m_teams[index]), m_standings[index]}) {
                        label->setToolTip(text);
                        label->setAccessibleDescription(text);
                    }
                }
        }
}

} // namespace fixturo

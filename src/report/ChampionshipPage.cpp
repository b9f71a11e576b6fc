#include "report/ChampionshipPage.h"

#include "groups/GroupLines.h"
#include "knockout/Knockout.h"
#include "lang/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

namespace fixturo {

namespace {

// The page is drawn in tenths of a millimetre on an A4 sheet on its side.
constexpr qreal kPageWidth = 2970;
constexpr qreal kPageHeight = 2100;
constexpr qreal kMargin = 80;

// The program's colours, made printable: the window's grey is a light frame
// fill, the schedule keeps its dark panel.
const QColor kBoxFill(236, 236, 236);
const QColor kBoxEdge(128, 128, 128);
const QColor kCaptionBlue(0, 0, 255);
const QColor kPanelColour(0, 64, 64);
const QColor kPanelStripe(0, 80, 80);
const QColor kHeadingColour(96, 192, 192);
const QColor kDateGrey(96, 96, 96);

// Fonts by size in page units, so that the page scales as one drawing.
QFont pageFont(const char *family, QFont::StyleHint hint, int size, bool bold = false)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}
QFont sans(int size, bool bold = false)
{
    return pageFont("Arial", QFont::SansSerif, size, bold);
}
QFont mono(int size, bool bold = false)
{
    return pageFont("Courier New", QFont::Monospace, size, bold);
}

// Draws flags from their vector drawings, each drawing read once per page. A
// flag with a coat of arms (thousands of shapes) is drawn as one picture, made
// once and reused wherever it stands: a PDF keeps it once, where its shapes
// would take megabytes for a mark a few millimetres wide.
class FlagDrawings {
public:
    // The flag of `name` with its top left corner at `at`, `height` high and
    // as wide as its shape in the windows; nothing for a name without a flag.
    // Returns the width taken.
    qreal draw(QPainter &painter, const QString &name, QPointF at, qreal height)
    {
        if (!hasFlag(name))
            return 0;
        const QSize shape = flagSize(name);
        const qreal width = height * shape.width() / 13.0;
        const QRectF box(at, QSizeF(width, height * shape.height() / 13.0));
        const Flag &flag = this->flag(flagKey(name), shape);
        if (!flag.drawing->isValid())
            return 0;
        if (flag.picture.isNull()) {
            flag.drawing->render(&painter, box);
        } else {
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(box, flag.picture);
            painter.restore();
        }
        painter.save();
        painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.restore();
        return width;
    }

private:
    struct Flag {
        std::unique_ptr<QSvgRenderer> drawing;
        QImage picture; // null when the flag is drawn as shapes
    };

    const Flag &flag(const QString &key, QSize shape)
    {
        Flag &flag = m_flags[key];
        if (!flag.drawing) {
            const QString path = QStringLiteral(":/flags/%1.svg").arg(key);
            flag.drawing = std::make_unique<QSvgRenderer>(path);
            flag.drawing->setAspectRatioMode(Qt::IgnoreAspectRatio);
            if (flag.drawing->isValid() && QFileInfo(path).size() > kDetailedDrawing) {
                flag.picture = QImage(shape * kPictureScale, QImage::Format_RGB32);
                flag.picture.fill(Qt::white);
                QPainter picture(&flag.picture);
                flag.drawing->render(&picture);
            }
        }
        return flag;
    }

    // A drawing of more bytes than this is a coat of arms.
    static constexpr qint64 kDetailedDrawing = 4096;
    // The picture's pixels per pixel of the flag's shape in the windows.
    static constexpr int kPictureScale = 6;

    std::map<QString, Flag> m_flags;
};

// Draws a text on one line in its box; a text wider than the box (a long
// translation) is drawn in a smaller font that fits it.
void drawLabel(QPainter &painter, const QRectF &box, int flags, const QString &text, const QFont &font,
               const QColor &colour)
{
    QFont fitted = font;
    while (fitted.pixelSize() > 8 &&
           QFontMetricsF(fitted, painter.device()).horizontalAdvance(text) > box.width())
        fitted.setPixelSize(fitted.pixelSize() - 1);
    painter.setFont(fitted);
    painter.setPen(colour);
    painter.drawText(box, flags | Qt::TextSingleLine, text);
}

// The title line across the top of the page.
void drawTitle(QPainter &painter)
{
    const QRectF line(kMargin, kMargin - 20, kPageWidth - 2 * kMargin, 90);
    drawLabel(painter, line, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fixturo"), sans(64, true),
              Qt::black);
    drawLabel(painter, line, Qt::AlignRight | Qt::AlignVCenter,
              QCoreApplication::translate("ChampionshipPage", "16 teams, 31 matches, 7 to 29 June 2008"),
              sans(30), kDateGrey);
}

// Group box `group` as the main window shows it: the heading in blue across the
// frame's top line, then one row per team with its name, flag and statistics.
// The column titles of the heading stand over the statistics.
void drawGroup(QPainter &painter, FlagDrawings &flags, const QRectF &box, int group,
               const Championship &championship)
{
    constexpr qreal kFrameTop = 22;
    constexpr qreal kFirstRow = 72;
    constexpr qreal kRowStep = 66;
    constexpr qreal kRowHeight = 50;
    constexpr qreal kFlagHeight = 36;
    constexpr qreal kStatsLeft = 350;

    const QRectF frame = box.adjusted(0, kFrameTop, 0, 0);
    painter.setPen(QPen(kBoxEdge, 3));
    painter.setBrush(kBoxFill);
    painter.drawRoundedRect(frame, 8, 8);

    const QFont monoFont = mono(32);
    const QFont monoBold = mono(32, true);
    const QFontMetricsF metrics(monoBold, painter.device());
    const QString name = groupCaption(group);
    const QRectF caption(box.left() + 24, box.top(), metrics.horizontalAdvance(name) + 24, 44);
    painter.fillRect(caption, kBoxFill);
    drawLabel(painter, caption, Qt::AlignCenter, name, monoBold, kCaptionBlue);
    const QString titlesText = columnTitles();
    const QRectF columns(box.left() + kStatsLeft, box.top(),
                         QFontMetricsF(monoFont, painter.device()).horizontalAdvance(titlesText), 44);
    painter.fillRect(columns.adjusted(-10, 0, 10, 0), kBoxFill);
    drawLabel(painter, columns, Qt::AlignLeft | Qt::AlignVCenter, titlesText, monoFont, kCaptionBlue);

    for (int i = 0; i < kTeamsPerGroup; ++i) {
        const Standing &standing = championship.groupTables[group][i];
        const qreal top = box.top() + kFirstRow + kRowStep * i;
        const QRectF line(box.left() + 24, top, box.width() - 48, kRowHeight);
        // The name stops short of its flag.
        drawLabel(painter, QRectF(line.left(), top, kStatsLeft - 100, kRowHeight),
                  Qt::AlignLeft | Qt::AlignVCenter, teamName(standing.team), sans(30), Qt::black);
        flags.draw(painter, standing.team, QPointF(box.left() + kStatsLeft - 76, top + 7), kFlagHeight);
        drawLabel(painter, line.adjusted(kStatsLeft - 24, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                  standingLine(standing), monoFont, Qt::black);
    }
}

// The score of a match as the schedule shows it; a dash alone before a result.
QString scheduleScore(const Score &score)
{
    if (score.goals1.isEmpty() && score.goals2.isEmpty())
        return QStringLiteral("-");
    return score.goals1 + QLatin1String(" - ") + score.goals2;
}

// The daily schedule panel: heading, then one line per group match with its
// date, the two teams and their flags either side of the score, and the city.
void drawSchedule(QPainter &painter, FlagDrawings &flags, const QRectF &panel,
                  const Championship &championship)
{
    constexpr qreal kFirstLine = 110;
    constexpr qreal kFlagHeight = 32;
    painter.fillRect(panel, kPanelColour);
    drawLabel(painter, QRectF(panel.left(), panel.top() + 20, panel.width(), 70), Qt::AlignCenter,
              QCoreApplication::translate("ChampionshipPage", "1st ROUND - DAILY MATCH SCHEDULE"),
              sans(36, true), kHeadingColour);

    const qreal step = (panel.height() - kFirstLine - 30) / kGroupMatchCount;
    const qreal left = panel.left();
    const qreal scoreCentre = left + 760;
    for (int i = 0; i < kGroupMatchCount; ++i) {
        const Match &match = championship.matches[i];
        const qreal top = panel.top() + kFirstLine + step * i;
        if (i % 2 == 1)
            painter.fillRect(QRectF(left + 10, top, panel.width() - 20, step), kPanelStripe);
        const auto cell = [&](qreal x, qreal width) { return QRectF(x, top, width, step); };
        const QFont font = sans(27);
        drawLabel(painter, cell(left + 10, 60), Qt::AlignRight | Qt::AlignVCenter,
                  QStringLiteral("%1").arg(i + 1), sans(22), kHeadingColour);
        drawLabel(painter, cell(left + 95, 310), Qt::AlignLeft | Qt::AlignVCenter, longDate(match.date),
                  sans(25), Qt::white);
        drawLabel(painter, cell(scoreCentre - 360, 250), Qt::AlignRight | Qt::AlignVCenter,
                  teamName(match.team1), font, Qt::white);
        const qreal flagTop = top + (step - kFlagHeight) / 2;
        const qreal flagWidth = kFlagHeight * flagSize(match.team1).width() / 13.0;
        flags.draw(painter, match.team1, QPointF(scoreCentre - 52 - flagWidth, flagTop), kFlagHeight);
        drawLabel(painter, cell(scoreCentre - 45, 90), Qt::AlignCenter, scheduleScore(match.score),
                  sans(27, true), Qt::white);
        flags.draw(painter, match.team2, QPointF(scoreCentre + 52, flagTop), kFlagHeight);
        drawLabel(painter, cell(scoreCentre + 110, 250), Qt::AlignLeft | Qt::AlignVCenter,
                  teamName(match.team2), font, Qt::white);
        drawLabel(painter, cell(left + 1130, panel.width() - 1140), Qt::AlignLeft | Qt::AlignVCenter,
                  cityName(match.city).trimmed(), sans(22), kHeadingColour);
    }
}

// The bracket as its window draws it: each slot a flag and a text on a line,
// the two slots of a match joined on the right, the winners' column to the
// right of it, then the champion. `bracket` holds the state with the later
// rounds filled in and `champion` the final's winner.
void drawBracket(QPainter &painter, FlagDrawings &flags, const QRectF &area, const Championship &bracket,
                 const QString &champion)
{
    constexpr qreal kTitleHeight = 70;
    constexpr qreal kFlagHeight = 32;
    constexpr int kStages = 4; // quarter-finals, semi-finals, final, champion
    const QRectF title(area.left(), area.top(), 330, kTitleHeight);
    painter.fillRect(title, Qt::black);
    drawLabel(painter, title, Qt::AlignCenter, QCoreApplication::translate("ChampionshipPage", "2nd ROUND"),
              sans(42, true), Qt::white);

    const qreal columnWidth = area.width() / (kStages - 0.2);
    const qreal top = area.top() + kTitleHeight + 60;
    const qreal quarterStep = (area.bottom() - top) / 8;
    // The line under each slot: quarter-final slot k at a fixed step, every
    // later slot halfway between the two slots that feed it.
    std::array<std::array<qreal, 8>, kStages> lineY{};
    for (int k = 0; k < 8; ++k)
        lineY[0][k] = top + quarterStep * (k + 0.5);
    for (int s = 1; s < kStages; ++s)
        for (int k = 0; k < (8 >> s); ++k)
            lineY[s][k] = (lineY[s - 1][2 * k] + lineY[s - 1][2 * k + 1]) / 2;

    const QPen line(Qt::black, 5);
    const QPen join(Qt::black, 2.5);
    const auto slot = [&](int stage, int k, const QString &name, const QString &text, const QFont &font,
                          const QColor &colour) {
        const qreal x = area.left() + columnWidth * stage;
        const qreal y = lineY[stage][k];
        const qreal width = stage == kStages - 1 ? columnWidth * 0.8 : columnWidth;
        painter.setPen(line);
        painter.drawLine(QPointF(x, y), QPointF(x + width, y));
        const qreal flagWidth = flags.draw(painter, name, QPointF(x + 8, y - kFlagHeight - 10), kFlagHeight);
        drawLabel(painter, QRectF(x + 8 + flagWidth + 12, y - 56, width - flagWidth - 28, 52),
                  Qt::AlignLeft | Qt::AlignBottom, text, font, colour);
        if (stage == 0) {
            painter.setPen(join);
            painter.drawLine(QPointF(x, y - 60), QPointF(x, y));
        }
        if (stage < kStages - 1 && k % 2 == 1) {
            painter.setPen(join);
            painter.drawLine(QPointF(x + width, lineY[stage][k - 1]), QPointF(x + width, y));
            // The match's date between its two slots.
            const int row = kBracketSlots[0].row + (stage == 0 ? k / 2 : stage == 1 ? 4 + k / 2 : 6);
            const qreal middle = (lineY[stage][k - 1] + y) / 2;
            QString date = longDate(bracket.matches[row].date);
            if (stage == 2)
                date = QCoreApplication::translate("ChampionshipPage", "FINAL, ") + date;
            drawLabel(painter, QRectF(x + 60, middle - 30, width - 70, 44), Qt::AlignLeft | Qt::AlignVCenter,
                      date, sans(22), kDateGrey);
        }
    };

    std::array<int, kStages> seen{};
    for (const BracketSlot &s : kBracketSlots) {
        const int stage = s.row < 28 ? 0 : s.row < 30 ? 1 : 2;
        slot(stage, seen[stage]++, bracket.matches[s.row].team(s.side), slotText(bracket, s), sans(29, true),
             Qt::black);
    }
    drawLabel(painter, QRectF(area.left() + columnWidth * 3 + 8, lineY[3][0] - 110, columnWidth * 0.8, 40),
              Qt::AlignLeft | Qt::AlignBottom, QCoreApplication::translate("ChampionshipPage", "CHAMPION"),
              sans(24, true), kDateGrey);
    slot(3, 0, champion, teamName(champion), sans(38, true), kCaptionBlue);
}

} // namespace

void drawChampionship(QPainter &painter, const QRectF &page, const Championship &championship)
{
    Championship bracket = championship;
    const QString champion = advanceKnockoutWinners(bracket);

    painter.save();
    const qreal scale = std::min(page.width() / kPageWidth, page.height() / kPageHeight);
    painter.translate(page.center());
    painter.scale(scale, scale);
    painter.translate(-kPageWidth / 2, -kPageHeight / 2);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, kPageWidth, kPageHeight), Qt::white);

    FlagDrawings flags;
    drawTitle(painter);
    // Groups A and B above C and D, as in the main window.
    constexpr qreal kGroupsTop = 200;
    constexpr qreal kGroupWidth = 700;
    constexpr qreal kGroupHeight = 360;
    constexpr qreal kGap = 40;
    for (int g = 0; g < kGroupCount; ++g) {
        const QRectF box(kMargin + (kGroupWidth + kGap) * (g % 2),
                         kGroupsTop + (kGroupHeight + kGap) * (g / 2), kGroupWidth, kGroupHeight);
        drawGroup(painter, flags, box, g, championship);
    }
    const qreal right = kMargin + 2 * kGroupWidth + kGap;
    const qreal bracketTop = kGroupsTop + 2 * (kGroupHeight + kGap) + 20;
    drawBracket(painter, flags,
                QRectF(kMargin, bracketTop, right - kMargin, kPageHeight - kMargin - bracketTop), bracket,
                champion);
    drawSchedule(painter, flags,
                 QRectF(right + 60, kGroupsTop + 22, kPageWidth - kMargin - right - 60,
                        kPageHeight - kMargin - kGroupsTop - 22),
                 championship);
    painter.restore();
}

} // namespace fixturo

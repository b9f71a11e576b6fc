#include "report/Report.h"

#include "groups/GroupLines.h"
#include "knockout/Knockout.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
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
QFont Font(const char *family, QFont::StyleHint hint, int size, bool bold = false)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}
QFont Sans(int size, bool bold = false)
{
    return Font("Arial", QFont::SansSerif, size, bold);
}
QFont Mono(int size, bool bold = false)
{
    return Font("Courier New", QFont::Monospace, size, bold);
}

// Draws flags from their vector drawings, each drawing read once per page.
class Flags {
public:
    // The flag of `name` with its top left corner at `at`, `height` high and
    // as wide as its shape in the windows; nothing for a name without a flag.
    // Returns the width taken.
    qreal Draw(QPainter &painter, const QString &name, QPointF at, qreal height)
    {
        if (!HasFlag(name))
            return 0;
        const QSize shape = FlagSize(name);
        const qreal width = height * shape.width() / 13.0;
        const QRectF box(at, QSizeF(width, height * shape.height() / 13.0));
        QSvgRenderer *renderer = Renderer(FlagKey(name));
        if (!renderer->isValid())
            return 0;
        renderer->render(&painter, box);
        painter.save();
        painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.restore();
        return width;
    }

private:
    QSvgRenderer *Renderer(const QString &key)
    {
        std::unique_ptr<QSvgRenderer> &renderer = m_renderers[key];
        if (!renderer) {
            renderer = std::make_unique<QSvgRenderer>(QStringLiteral(":/flags/%1.svg").arg(key));
            renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
        }
        return renderer.get();
    }

    std::map<QString, std::unique_ptr<QSvgRenderer>> m_renderers;
};

void DrawText(QPainter &painter, const QRectF &box, int flags, const QString &text, const QFont &font,
              const QColor &colour)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, flags | Qt::TextSingleLine, text);
}

// The title line across the top of the page.
void DrawTitle(QPainter &painter)
{
    const QRectF line(kMargin, kMargin - 20, kPageWidth - 2 * kMargin, 90);
    DrawText(painter, line, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fixturo"), Sans(64, true),
             Qt::black);
    DrawText(painter, line, Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("16 teams, 31 matches, 7 to 29 June 2008"), Sans(30), kDateGrey);
}

// Group box g as the main window shows it: the heading in blue across the
// frame's top line, then one row per team with its name, flag and statistics.
// The column titles of the heading stand over the statistics.
void DrawGroup(QPainter &painter, Flags &flags, const QRectF &box, int g, const ModVars &vars)
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

    const QString heading = GroupHeading(g);
    const qsizetype titles = heading.indexOf(QLatin1String("Pts"));
    const QFont mono = Mono(32);
    const QFont monoBold = Mono(32, true);
    const QFontMetricsF metrics(monoBold, painter.device());
    const QString name = heading.left(titles).trimmed();
    const QRectF caption(box.left() + 24, box.top(), metrics.horizontalAdvance(name) + 24, 44);
    painter.fillRect(caption, kBoxFill);
    DrawText(painter, caption, Qt::AlignCenter, name, monoBold, kCaptionBlue);
    const QString titlesText = heading.mid(titles);
    const QRectF columns(box.left() + kStatsLeft, box.top(),
                         QFontMetricsF(mono, painter.device()).horizontalAdvance(titlesText), 44);
    painter.fillRect(columns.adjusted(-10, 0, 10, 0), kBoxFill);
    DrawText(painter, columns, Qt::AlignLeft | Qt::AlignVCenter, titlesText, mono, kCaptionBlue);

    for (int i = 0; i < kTeamsPerGroup; ++i) {
        const auto &row = vars.GroupTeams[g][i];
        const qreal top = box.top() + kFirstRow + kRowStep * i;
        const QRectF line(box.left() + 24, top, box.width() - 48, kRowHeight);
        DrawText(painter, line, Qt::AlignLeft | Qt::AlignVCenter, row[Col::Name], Sans(30), Qt::black);
        flags.Draw(painter, row[Col::Name], QPointF(box.left() + kStatsLeft - 76, top + 7), kFlagHeight);
        DrawText(painter, line.adjusted(kStatsLeft - 24, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                 StatisticsLine(row), mono, Qt::black);
    }
}

// The score of a match as the schedule shows it; a dash alone before a result.
QString Score(const MatchRow &row)
{
    if (row[Match::goals1].isEmpty() && row[Match::goals2].isEmpty())
        return QStringLiteral("-");
    return row[Match::goals1] + QLatin1String(" - ") + row[Match::goals2];
}

// The daily schedule panel: heading, then one line per group match with its
// date, the two teams and their flags either side of the score, and the city.
void DrawSchedule(QPainter &painter, Flags &flags, const QRectF &panel, const ModVars &vars)
{
    constexpr qreal kFirstLine = 110;
    constexpr qreal kFlagHeight = 32;
    painter.fillRect(panel, kPanelColour);
    DrawText(painter, QRectF(panel.left(), panel.top() + 20, panel.width(), 70), Qt::AlignCenter,
             QStringLiteral("1st ROUND - DAILY MATCH SCHEDULE"), Sans(36, true), kHeadingColour);

    const qreal step = (panel.height() - kFirstLine - 30) / kGroupMatchCount;
    const qreal left = panel.left();
    const qreal scoreCentre = left + 760;
    for (int i = 0; i < kGroupMatchCount; ++i) {
        const MatchRow &row = vars.MatchTable[i];
        const qreal top = panel.top() + kFirstLine + step * i;
        if (i % 2 == 1)
            painter.fillRect(QRectF(left + 10, top, panel.width() - 20, step), kPanelStripe);
        const auto cell = [&](qreal x, qreal width) { return QRectF(x, top, width, step); };
        const QFont font = Sans(27);
        DrawText(painter, cell(left + 10, 60), Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("%1").arg(i + 1), Sans(22), kHeadingColour);
        DrawText(painter, cell(left + 95, 310), Qt::AlignLeft | Qt::AlignVCenter, row[Match::date], Sans(25),
                 Qt::white);
        DrawText(painter, cell(scoreCentre - 360, 250), Qt::AlignRight | Qt::AlignVCenter, row[Match::team1],
                 font, Qt::white);
        const qreal flagTop = top + (step - kFlagHeight) / 2;
        const qreal flagWidth = kFlagHeight * FlagSize(row[Match::team1]).width() / 13.0;
        flags.Draw(painter, row[Match::team1], QPointF(scoreCentre - 52 - flagWidth, flagTop), kFlagHeight);
        DrawText(painter, cell(scoreCentre - 45, 90), Qt::AlignCenter, Score(row), Sans(27, true), Qt::white);
        flags.Draw(painter, row[Match::team2], QPointF(scoreCentre + 52, flagTop), kFlagHeight);
        DrawText(painter, cell(scoreCentre + 110, 250), Qt::AlignLeft | Qt::AlignVCenter, row[Match::team2],
                 font, Qt::white);
        DrawText(painter, cell(left + 1130, panel.width() - 1140), Qt::AlignLeft | Qt::AlignVCenter,
                 row[Match::city].trimmed(), Sans(22), kHeadingColour);
    }
}

// The bracket as its window draws it: each slot a flag and a text on a line,
// the two slots of a match joined on the right, the winners' column to the
// right of it, then the champion. `bracket` holds the state with the later
// rounds filled in and `champion` the final's winner.
void DrawBracket(QPainter &painter, Flags &flags, const QRectF &area, const ModVars &bracket,
                 const QString &champion)
{
    constexpr qreal kTitleHeight = 70;
    constexpr qreal kFlagHeight = 32;
    constexpr int kStages = 4; // quarter-finals, semi-finals, final, champion
    const QRectF title(area.left(), area.top(), 330, kTitleHeight);
    painter.fillRect(title, Qt::black);
    DrawText(painter, title, Qt::AlignCenter, QStringLiteral("2nd ROUND"), Sans(42, true), Qt::white);

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
        const qreal flagWidth = flags.Draw(painter, name, QPointF(x + 8, y - kFlagHeight - 10), kFlagHeight);
        DrawText(painter, QRectF(x + 8 + flagWidth + 12, y - 56, width - flagWidth - 28, 52),
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
            QString date = bracket.MatchTable[row][Match::date];
            if (stage == 2)
                date = QStringLiteral("FINAL, ") + date;
            DrawText(painter, QRectF(x + 60, middle - 30, width - 70, 44), Qt::AlignLeft | Qt::AlignVCenter,
                     date, Sans(22), kDateGrey);
        }
    };

    std::array<int, kStages> seen{};
    for (const BracketSlot &s : kBracketSlots) {
        const int stage = s.row < 28 ? 0 : s.row < 30 ? 1 : 2;
        slot(stage, seen[stage]++, bracket.MatchTable[s.row][s.side], SlotText(bracket, s), Sans(29, true),
             Qt::black);
    }
    DrawText(painter, QRectF(area.left() + columnWidth * 3 + 8, lineY[3][0] - 110, columnWidth * 0.8, 40),
             Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("CHAMPION"), Sans(24, true), kDateGrey);
    slot(3, 0, champion, champion, Sans(38, true), kCaptionBlue);
}

// Writes `bytes` to `path` whole or not at all.
bool SaveBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

bool Fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

QByteArray PdfPage(const ModVars &vars)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Fixturo"));
        writer.setCreator(QStringLiteral("Fixturo"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        DrawChampionship(painter, QRectF(0, 0, writer.width(), writer.height()), vars);
    }
    return bytes;
}

QByteArray PngPage(const ModVars &vars)
{
    QImage image(kPngPageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(5906); // 150 dots per inch
    image.setDotsPerMeterY(5906);
    {
        QPainter painter(&image);
        DrawChampionship(painter, QRectF(QPointF(0, 0), kPngPageSize), vars);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray SvgPage(const ModVars &vars)
{
    // A4 on its side at 96 dots per inch.
    const QSize size(1123, 794);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Fixturo"));
    generator.setDescription(QStringLiteral("The championship of June 2008"));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    DrawChampionship(painter, QRectF(QPointF(0, 0), size), vars);
    painter.end();
    return bytes;
}

// The stage of a match as a spreadsheet reader would name it.
QString Stage(const MatchRow &row)
{
    const QString &group = row[Match::group];
    if (group == QLatin1String("QF"))
        return QStringLiteral("Quarter-final");
    if (group == QLatin1String("SF"))
        return QStringLiteral("Semi-final");
    if (group == QLatin1String("F"))
        return QStringLiteral("Final");
    return group;
}

QString CsvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

void DrawChampionship(QPainter &painter, const QRectF &page, const ModVars &vars)
{
    ModVars bracket = vars;
    const QString champion = SetVarsMatch(bracket);

    painter.save();
    const qreal scale = std::min(page.width() / kPageWidth, page.height() / kPageHeight);
    painter.translate(page.center());
    painter.scale(scale, scale);
    painter.translate(-kPageWidth / 2, -kPageHeight / 2);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, kPageWidth, kPageHeight), Qt::white);

    Flags flags;
    DrawTitle(painter);
    // Groups A and B above C and D, as in the main window.
    constexpr qreal kGroupsTop = 200;
    constexpr qreal kGroupWidth = 700;
    constexpr qreal kGroupHeight = 360;
    constexpr qreal kGap = 40;
    for (int g = 0; g < kGroupCount; ++g) {
        const QRectF box(kMargin + (kGroupWidth + kGap) * (g % 2),
                         kGroupsTop + (kGroupHeight + kGap) * (g / 2), kGroupWidth, kGroupHeight);
        DrawGroup(painter, flags, box, g, vars);
    }
    const qreal right = kMargin + 2 * kGroupWidth + kGap;
    const qreal bracketTop = kGroupsTop + 2 * (kGroupHeight + kGap) + 20;
    DrawBracket(painter, flags,
                QRectF(kMargin, bracketTop, right - kMargin, kPageHeight - kMargin - bracketTop), bracket,
                champion);
    DrawSchedule(painter, flags,
                 QRectF(right + 60, kGroupsTop + 22, kPageWidth - kMargin - right - 60,
                        kPageHeight - kMargin - kGroupsTop - 22),
                 vars);
    painter.restore();
}

bool PrintChampionship(QPrinter &printer, const ModVars &vars, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return Fail(error, QStringLiteral("The printer could not be started."));
    DrawChampionship(painter, QRectF(0, 0, printer.width(), printer.height()), vars);
    if (!painter.end())
        return Fail(error, QStringLiteral("The printer did not take the page."));
    return true;
}

bool ExportChampionship(const ModVars &vars, const QString &path, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("pdf"))
        bytes = PdfPage(vars);
    else if (suffix == QLatin1String("png"))
        bytes = PngPage(vars);
    else if (suffix == QLatin1String("svg"))
        bytes = SvgPage(vars);
    else
        return Fail(error, QStringLiteral("The file name must end in .pdf, .png or .svg."));
    if (bytes.isEmpty())
        return Fail(error, QStringLiteral("The page could not be drawn."));
    return SaveBytes(path, bytes, error);
}

QString ResultsCsv(const ModVars &vars)
{
    ModVars bracket = vars;
    SetVarsMatch(bracket);
    QString csv = QStringLiteral("Number,Stage,Date,Time,City,Stadium,Team 1,Team 2,Goals 1,Goals 2,"
                                 "Penalties 1,Penalties 2\r\n");
    for (int r = 0; r < kMatchCount; ++r) {
        const MatchRow &row = bracket.MatchTable[r];
        const QStringList fields{
            QString::number(r + 1), Stage(row),          row[Match::date],       row[Match::time],
            row[Match::city],       row[Match::stadium], row[Match::team1],      row[Match::team2],
            row[Match::goals1],     row[Match::goals2],  row[Match::penalties1], row[Match::penalties2]};
        QStringList quoted;
        for (const QString &field : fields)
            quoted << CsvField(field);
        csv += quoted.join(u',') + QLatin1String("\r\n");
    }
    return csv;
}

bool ExportResultsCsv(const ModVars &vars, const QString &path, QString *error)
{
    return SaveBytes(path, ResultsCsv(vars).toUtf8(), error);
}

} // namespace fixturo

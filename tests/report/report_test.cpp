// The championship page and the CSV, on the real results of June 2008.
#include "app/Sequences.h"
#include "groups/GroupLines.h"
#include "knockout/Knockout.h"
#include "report/Report.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace fixturo {
namespace {

ModVars Championship2008()
{
    ModVars vars;
    StartupSequence(vars, QStringLiteral(FIXTURO_TEST_DATA "/full_tournament.txt"), {});
    return vars;
}

QString Simplified(const QString &text)
{
    return text.simplified();
}

// The text of a PDF in drawing order, blanks simplified per line.
QString PdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) did not run";
    QStringList lines;
    for (const QString &line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n'))
        lines << Simplified(line);
    return lines.join(u'\n');
}

class ReportTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    ModVars m_vars = Championship2008();
    QString File(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(ReportTest, PdfPageHoldsTablesResultsBracketAndChampion)
{
    const auto exported = [&] { return ExportChampionship(m_vars, File("page.pdf"), nullptr); };
    const auto printed = [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(File("page.pdf"));
        printer.setPageOrientation(QPageLayout::Landscape);
        return PrintChampionship(printer, m_vars, nullptr);
    };
    ModVars bracket = m_vars;
    ASSERT_EQ(SetVarsMatch(bracket), QStringLiteral("Spain"));
    for (const auto &write : {std::function<bool()>(exported), std::function<bool()>(printed)}) {
        ASSERT_TRUE(write());
        const QString text = PdfText(File("page.pdf"));
        for (int g = 0; g < kGroupCount; ++g)
            for (const auto &row : m_vars.GroupTeams[g])
                EXPECT_TRUE(text.contains(row[Col::Name] + u' ' + Simplified(StatisticsLine(row))))
                    << row[Col::Name].toStdString();
        for (int r = 0; r < kGroupMatchCount; ++r) {
            const MatchRow &m = m_vars.MatchTable[r];
            EXPECT_TRUE(text.contains(Simplified(QStringLiteral("%1 %2 %3 - %4 %5")
                                                     .arg(m[Match::date], m[Match::team1], m[Match::goals1],
                                                          m[Match::goals2], m[Match::team2]))))
                << "match " << r + 1;
        }
        for (const BracketSlot &slot : kBracketSlots)
            EXPECT_TRUE(text.contains(Simplified(SlotText(bracket, slot)))) << slot.labelIndex;
        EXPECT_TRUE(text.contains(QStringLiteral("(4)0 Spain\n(2)0 Italy")));
        EXPECT_TRUE(text.contains(QStringLiteral("CHAMPION\nSpain")));
    }
}

TEST_F(ReportTest, PngIsTheWholePageInColour)
{
    ASSERT_TRUE(ExportChampionship(m_vars, File("page.PNG"), nullptr));
    const QImage image(File("page.PNG"));
    ASSERT_EQ(image.size(), QSize(1754, 1240));
    int white = 0, panel = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4) {
            const QRgb pixel = image.pixel(x, y);
            white += pixel == qRgb(255, 255, 255);
            panel += pixel == qRgb(0, 64, 64);
        }
    const int samples = (image.width() / 4) * (image.height() / 4);
    EXPECT_GT(panel, samples / 10) << "the schedule panel is missing";
    EXPECT_GT(white, samples / 4);
    EXPECT_LT(white + panel, samples * 9 / 10) << "tables and bracket are missing";
}

TEST_F(ReportTest, SvgIsWellFormedAndNamesTheChampion)
{
    ASSERT_TRUE(ExportChampionship(m_vars, File("page.svg"), nullptr));
    QFile file(File("page.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
            texts << xml.text().toString().simplified();
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    const qsizetype champion = texts.indexOf(QStringLiteral("CHAMPION"));
    ASSERT_GE(champion, 0);
    EXPECT_EQ(texts.value(champion + 1), QStringLiteral("Spain"));
}

// Records of an RFC 4180 text: fields split at commas outside quotes, quotes doubled inside.
QList<QStringList> ParseCsv(const QString &csv)
{
    QList<QStringList> records{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (quoted && c == u'"' && i + 1 < csv.size() && csv[i + 1] == u'"')
            field += csv[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            records.last() << std::exchange(field, {});
        else if (!quoted && c == u'\r' && csv.mid(i, 2) == QLatin1String("\r\n")) {
            records.last() << std::exchange(field, {});
            records << QStringList{};
            ++i;
        } else
            field += c;
    }
    EXPECT_TRUE(records.last().isEmpty() && field.isEmpty()) << "the last record has no CR LF";
    records.removeLast();
    return records;
}

TEST_F(ReportTest, CsvGivesEveryMatchBack)
{
    m_vars.MatchTable[0][Match::city] = QStringLiteral("Basel, \"Joggeli\"\r\nnorth");
    ASSERT_TRUE(ExportResultsCsv(m_vars, File("results.csv"), nullptr));
    QFile file(File("results.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QStringList> records = ParseCsv(QString::fromUtf8(file.readAll()));
    ASSERT_EQ(records.size(), 1 + kMatchCount);
    EXPECT_EQ(records[0].join(u'|'), QStringLiteral("Number|Stage|Date|Time|City|Stadium|Team 1|Team 2|"
                                                    "Goals 1|Goals 2|Penalties 1|Penalties 2"));
    ModVars bracket = m_vars;
    SetVarsMatch(bracket);
    for (int r = 0; r < kMatchCount; ++r) {
        const MatchRow &m = bracket.MatchTable[r];
        EXPECT_EQ(
            records[r + 1],
            (QStringList{QString::number(r + 1), records[r + 1][1], m[Match::date], m[Match::time],
                         m[Match::city], m[Match::stadium], m[Match::team1], m[Match::team2],
                         m[Match::goals1], m[Match::goals2], m[Match::penalties1], m[Match::penalties2]}));
    }
    EXPECT_EQ(records[28].mid(1, 1) + records[28].mid(6),
              (QStringList{"Quarter-final", "Spain", "Italy", "0", "0", "4", "2"}));
    EXPECT_EQ(records[31].mid(1, 1) + records[31].mid(6),
              (QStringList{"Final", "Germany", "Spain", "0", "1", "", ""}));
}

TEST_F(ReportTest, FailedExportLeavesNoFileAndSaysWhy)
{
    const QString missingFolder = File("missing/page.pdf");
    for (const QString &path : {File("page.txt"), File("page"), missingFolder}) {
        QString error;
        EXPECT_FALSE(ExportChampionship(m_vars, path, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(QFile::exists(path));
    }
    QString error;
    EXPECT_FALSE(ExportResultsCsv(m_vars, File("missing/results.csv"), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace fixturo

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

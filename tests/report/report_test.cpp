// The championship page and the CSV, on the real results of June 2008.
#include "../core/test_util.h"

#include "groups/GroupLines.h"
#include "report/Report.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPrinter>
#include <QProcess>
#include <QXmlStreamReader>

#include <span>

using namespace Qt::StringLiterals;

namespace fixturo {
namespace {

class ReportTest : public ::testing::Test {
protected:
    ReportTest() { StartupSequence(m_vars, QStringLiteral(FIXTURO_TEST_DATA "/full_tournament.txt"), {}); }
    QString File(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
    ModVars m_vars;
};

// What a program prints, or a failure when it does not end well.
QByteArray Output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << program.toStdString();
    return process.readAllStandardOutput();
}

TEST_F(ReportTest, PrintedAndExportedPdfHoldTablesResultsBracketAndChampion)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(File("printed.pdf"));
    ASSERT_TRUE(PrintChampionship(printer, m_vars, nullptr) &&
                ExportChampionship(m_vars, File("exported.pdf"), nullptr));
    ModVars bracket = m_vars;
    SetVarsMatch(bracket);
    QStringList expected{u"CHAMPION Spain"_s};
    for (const GroupTable &group : m_vars.GroupTeams)
        for (const auto &row : group)
            expected << row[Col::Name] + u' ' + StatisticsLine(row).simplified();
    for (const MatchRow &m : std::span(m_vars.MatchTable).first(kGroupMatchCount))
        expected << u"%1 %2 %3 - %4 %5"_s.arg(m[Match::date], m[Match::team1], m[Match::goals1],
                                              m[Match::goals2], m[Match::team2]);
    for (const BracketSlot &slot : kBracketSlots)
        expected << SlotText(bracket, slot).simplified();
    for (const char *pdf : {"printed.pdf", "exported.pdf"}) {
        // pdftotext of poppler-utils gives the text in drawing order.
        const QString text =
            QString::fromUtf8(Output(u"pdftotext"_s, {u"-raw"_s, File(pdf), u"-"_s})).simplified();
        QStringList missing;
        for (const QString &line : expected)
            if (!text.contains(line))
                missing << line;
        EXPECT_EQ(missing, QStringList()) << pdf;
    }
}

TEST_F(ReportTest, PngAndSvgShowTheWholePage)
{
    ASSERT_TRUE(ExportChampionship(m_vars, File("page.PNG"), nullptr));
    const QImage image(File("page.PNG"));
    ASSERT_EQ(image.size(), QSize(1754, 1240)); // A4 on its side at 150 dpi
    int panel = 0; // the schedule panel's colour, on a tenth of the page at least
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            panel += image.pixel(x, y) == qRgb(0, 64, 64);
    EXPECT_GT(panel, image.width() * image.height() / 160);

    ASSERT_TRUE(ExportChampionship(m_vars, File("page.svg"), nullptr));
    QXmlStreamReader xml(test::FileBytes(File("page.svg")));
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
            texts << xml.text().toString().simplified();
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(texts.value(texts.indexOf(QStringLiteral("CHAMPION")) + 1), QStringLiteral("Spain"));
}

// The records of a CSV file as python's csv module reads them, strictly.
QList<QStringList> ReadCsv(const QString &path)
{
    const QString script = u"import csv, json, sys; print(json.dumps(list(csv.reader(open(sys.argv[1], "
                           u"newline='', encoding='utf-8'), strict=True))))"_s;
    QList<QStringList> records;
    for (const QJsonValue record :
         QJsonDocument::fromJson(Output(u"python3"_s, {u"-c"_s, script, path})).array())
        records << record.toVariant().toStringList();
    return records;
}

TEST_F(ReportTest, CsvGivesEveryMatchBack)
{
    m_vars.MatchTable[0][Match::city] = QStringLiteral("Basel, \"Joggeli\"\r\nnorth");
    m_vars.MatchTable[1][Match::stadium] = QStringLiteral("St. Jakob\nPark"); // a line break alone
    ASSERT_TRUE(ExportResultsCsv(m_vars, File("results.csv"), nullptr));
    // Header and records end in CR LF, and one stands inside a field.
    EXPECT_EQ(test::FileBytes(File("results.csv")).count("\r\n"), 2 + kMatchCount);
    const QList<QStringList> records = ReadCsv(File("results.csv"));
    ASSERT_EQ(records.size(), 1 + kMatchCount);
    EXPECT_EQ(records[0].join(u'|'), QStringLiteral("Number|Stage|Date|Time|City|Stadium|Team 1|Team 2|"
                                                    "Goals 1|Goals 2|Penalties 1|Penalties 2"));
    ModVars bracket = m_vars;
    SetVarsMatch(bracket);
    for (int r = 0; r < kMatchCount; ++r) {
        QStringList expected{QString::number(r + 1), records[r + 1].value(1)};
        for (const int f : {Match::date, Match::time, Match::city, Match::stadium, Match::team1, Match::team2,
                            Match::goals1, Match::goals2, Match::penalties1, Match::penalties2})
            expected << bracket.MatchTable[r][f];
        EXPECT_EQ(records[r + 1], expected);
    }
    EXPECT_EQ(records[1][1] + records[28][1] + records[30][1] + records[31][1] + records[28][11],
              "Group AQuarter-finalSemi-finalFinal2");
}

TEST_F(ReportTest, FailedExportLeavesNoFileAndSaysWhy)
{
    for (const char *name : {"page.txt", "page", "missing/page.pdf", "missing/results.csv"}) {
        QString error, path = File(name);
        EXPECT_FALSE(path.endsWith(".csv"_L1) ? ExportResultsCsv(m_vars, path, &error)
                                              : ExportChampionship(m_vars, path, &error));
        EXPECT_FALSE(error.isEmpty() || QFile::exists(path)) << name;
    }
}

} // namespace
} // namespace fixturo

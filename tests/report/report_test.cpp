// The championship page and the CSV, on the real results of June 2008.
#include "support/TestSupport.h"

#include "app/Refresh.h"
#include "groups/GroupLines.h"
#include "knockout/Knockout.h"
#include "report/PageExport.h"
#include "report/ResultsCsv.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <span>

using namespace Qt::StringLiterals;

namespace fixturo {
namespace {

class ReportTest : public ::testing::Test {
protected:
    ReportTest()
    {
        EXPECT_TRUE(startUp(m_championship, QStringLiteral(FIXTURO_TEST_DATA "/full_tournament.txt"), {}));
    }
    QString file(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
    Championship m_championship;
};

// What a program prints, or a failure when it does not end well.
QByteArray output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << program.toStdString();
    return process.readAllStandardOutput();
}

// A print to a PDF file makes the same page: its faults are the refused exports' below.
TEST_F(ReportTest, ExportedPdfHoldsTablesResultsBracketAndChampion)
{
    ASSERT_TRUE(exportChampionship(m_championship, file("page.pdf"), nullptr));
    Championship bracket = m_championship;
    advanceKnockoutWinners(bracket);
    QStringList expected{u"CHAMPION Spain"_s};
    for (const GroupTable &table : m_championship.groupTables)
        for (const Standing &standing : table)
            expected << standing.team + u' ' + standingLine(standing).simplified();
    for (const Match &m : std::span(m_championship.matches).first(kGroupMatchCount))
        expected << u"%1 %2 %3 - %4 %5"_s.arg(m.date, m.team1, m.score.goals1, m.score.goals2, m.team2);
    for (const BracketSlot &slot : kBracketSlots)
        expected << slotText(bracket, slot).simplified();
    // pdftotext of poppler-utils gives the text in drawing order.
    const QString text =
        QString::fromUtf8(output(u"pdftotext"_s, {u"-raw"_s, file("page.pdf"), u"-"_s})).simplified();
    QStringList missing;
    for (const QString &line : expected)
        if (!text.contains(line))
            missing << line;
    EXPECT_EQ(missing, QStringList());
    EXPECT_LT(test::fileBytes(file("page.pdf")).size(), 150'000); // no flag drawn as thousands of shapes
}

TEST_F(ReportTest, PngAndSvgShowTheWholePage)
{
    ASSERT_TRUE(exportChampionship(m_championship, file("page.PNG"), nullptr));
    EXPECT_FALSE(QImage(file("page.PNG")).allGray()) << "a blank page";

    ASSERT_TRUE(exportChampionship(m_championship, file("page.svg"), nullptr));
    const QByteArray svg = test::fileBytes(file("page.svg"));
    EXPECT_LT(svg.size(), 300'000); // no flag drawn as thousands of shapes
    // Every font falls back on a generic one at last, the columns' on a monospace one.
    EXPECT_EQ(svg.count("font-family="), svg.count(R"(, sans-serif")") + svg.count(R"(, monospace")"));
    EXPECT_GT(svg.count(R"(, monospace")"), 0);
    QXmlStreamReader xml(svg);
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::Characters && !xml.isWhitespace())
            texts << xml.text().toString().simplified();
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(texts.value(texts.indexOf(QStringLiteral("CHAMPION")) + 1), QStringLiteral("Spain"));
}

// The records of a CSV file as python's csv module reads them, strictly.
QList<QStringList> readCsv(const QString &path)
{
    const QString script = u"import csv, json, sys; print(json.dumps(list(csv.reader(open(sys.argv[1], "
                           u"newline='', encoding='utf-8'), strict=True))))"_s;
    QList<QStringList> records;
    for (const QJsonValue record :
         QJsonDocument::fromJson(output(u"python3"_s, {u"-c"_s, script, path})).array())
        records << record.toVariant().toStringList();
    return records;
}

TEST_F(ReportTest, CsvGivesEveryMatchBack)
{
    m_championship.matches[0].city = QStringLiteral("Basel, \"Joggeli\"\r\nnorth");
    m_championship.matches[1].stadium = QStringLiteral("St. Jakob\nPark"); // a line break alone
    m_championship.matches[2].city = QStringLiteral("Z\u00fcrich");
    // A longer file already there is replaced whole; a name beyond ASCII is read back as UTF-8.
    ASSERT_TRUE(test::writeBytes(file("results.csv"), QByteArray(100000, 'x')));
    ASSERT_TRUE(exportResultsCsv(m_championship, file("results.csv"), nullptr));
    // Header and records end in CR LF, and one stands inside a field.
    EXPECT_EQ(test::fileBytes(file("results.csv")).count("\r\n"), 2 + kMatchCount);
    const QList<QStringList> records = readCsv(file("results.csv"));
    ASSERT_EQ(records.size(), 1 + kMatchCount);
    Championship bracket = m_championship;
    advanceKnockoutWinners(bracket);
    for (int r = 0; r < kMatchCount; ++r) {
        const Match &m = bracket.matches[r];
        const Score &s = m.score;
        EXPECT_EQ(records[r + 1], QStringList() << QString::number(r + 1) << records[r + 1].value(1) << m.date
                                                << m.time << m.city << m.stadium << m.team1 << m.team2
                                                << s.goals1 << s.goals2 << s.penalties1 << s.penalties2);
    }
    EXPECT_EQ(records[1][1] + records[28][1] + records[30][1] + records[31][1] + records[28][11],
              "Group AQuarter-finalSemi-finalFinal2");
}

// An export refused (a name it cannot take, a missing folder, a full disk), a print to a PDF file
// too, keeps the old file whole, leaves nothing beside it and gives the system's reason.
TEST_F(ReportTest, RefusedExportKeepsTheOldFileAndSaysWhy)
{
    struct Case {
        const char *name, *file, *reason;
        bool print = false;
    };
    // clang-format off
    const Case cases[] = {
        {.name = "unknown extension", .file = "page.txt", .reason = ".pdf, .png or .svg"},
        {.name = "missing folder", .file = "missing/page.pdf", .reason = "No such file or directory"},
        {.name = "csv, full disk", .file = "results.csv", .reason = "File too large"},
        {.name = "pdf, full disk", .file = "page.pdf", .reason = "File too large"},
        {.name = "png, full disk", .file = "page.png", .reason = "File too large"},
        {.name = "svg, full disk", .file = "page.svg", .reason = "File too large"},
        {.name = "print to a pdf file, full disk", .file = "printed.pdf", .reason = "File too large", .print = true},
    };
    // clang-format on
    const QByteArray old = "the file as it was before, longer than the disk allows";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = file(c.file);
        ASSERT_TRUE(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path()));
        const bool kept = test::writeBytes(path, old); // none in a missing folder
        const std::optional<test::ChildWrite> result =
            test::inChild(test::Limit::FullDisk, [&](QString *reason) {
                if (!c.print)
                    return path.endsWith(".csv"_L1) ? exportResultsCsv(m_championship, path, reason)
                                                    : exportChampionship(m_championship, path, reason);
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFileName(path);
                return printChampionship(printer, m_championship, reason);
            });
        ASSERT_TRUE(result);
        EXPECT_FALSE(result->succeeded);
        EXPECT_TRUE(result->reason.contains(QString::fromLatin1(c.reason))) << result->reason.toStdString();
        EXPECT_EQ(test::fileBytes(path), kept ? old : QByteArray());
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
                  kept ? QStringList{c.file} : QStringList());
    }
}

} // namespace
} // namespace fixturo

// Fixturo in the languages of its teams: what it stores stays English in
// every language, what it shows is translated and fits its place.
#include "gui_util.h"

#include "lang/Language.h"
#include "state/Championship.h"
#include "storage/ResultsFile.h"
#include "ui/AboutDialog.h"
#include "ui/BracketDialog.h"
#include "ui/MainWindow.h"
#include "ui/ManualOrderDialog.h"
#include "ui/ResultDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace fixturo;
using namespace fixturo::test;
using namespace Qt::StringLiterals;

namespace {

// The results file after each step of one session: a result typed in, the
// manual order switched on, the undo of it, the exit.
QList<QByteArray> session(const QString &language)
{
    const Speaking speaking(language);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"results.txt"_s);
    Championship championship;
    MainWindow window(championship, path);
    window.show();
    QList<QByteArray> files;
    onNext<ResultDialog>([](ResultDialog *dialog) { enterScores(*dialog, {u"2"_s, u"1"_s}); });
    QTest::mouseClick(namedChild<QLabel>(window, u"scheduleLine0"_s), Qt::LeftButton);
    files << fileBytes(path);
    onNext<ManualOrderDialog>([](ManualOrderDialog *dialog) {
        namedChild<QCheckBox>(*dialog, u"useManualOrderBox"_s)->setChecked(true);
        QTest::mouseClick(namedChild<QPushButton>(*dialog, u"okButton"_s), Qt::LeftButton);
    });
    namedChild<QAction>(window, u"manualOrderAction"_s)->trigger();
    files << fileBytes(path);
    namedChild<QAction>(window, u"undoAction"_s)->trigger();
    files << fileBytes(path);
    window.close();
    files << fileBytes(path);
    return files;
}

TEST(Languages, TheSameSessionStoresTheSameBytesInEnglishAndInGerman)
{
    const QList<QByteArray> english = session(u"en"_s);
    EXPECT_EQ(session(u"de"_s), english);
    EXPECT_TRUE(english.value(1).contains(",Czech Republic,")) << "the manual order stores English names";
}

// The system's user-interface languages in its order of preference: the first
// that Fixturo has is spoken, unless English comes first. Qt's own texts come
// from Qt's translations where Debian has them ("Look in:" of the file
// dialog), and from Fixturo's for its message boxes otherwise.
struct Caption {
    const char *spoken;
    QStringList uiLanguages;
    const char *fileMenu;
    const char *firstLine;
    const char *cancelButton;
    const char *lookIn;
};

class Captions : public ::testing::TestWithParam<Caption> {};

TEST_P(Captions, AreTheFirstLanguagesSpoken)
{
    const Caption &c = GetParam();
    const Speaking english(u"en"_s);
    ASSERT_EQ(useFirstLanguage(c.uiLanguages, Speaking::folders()), QString::fromLatin1(c.spoken));
    const QTemporaryDir dir;
    Championship championship;
    const MainWindow window(championship, dir.filePath(u"results.txt"_s));
    EXPECT_EQ(namedChild<QMenu>(window, u"fileMenu"_s)->title(), QString::fromUtf8(c.fileMenu));
    EXPECT_EQ(namedChild(window, u"scheduleLine0"_s)->text(), QString::fromUtf8(c.firstLine));
    const QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(c.cancelButton));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QString::fromUtf8(c.lookIn));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, Captions, ::testing::Values(
    Caption{.spoken = "de", .uiLanguages = {u"ja-JP"_s, u"de-CH"_s}, .fileMenu = "Datei", .firstLine = "Samstag, 7. Juni 2008   Schweiz  -  Tschechien", .cancelButton = "Abbrechen", .lookIn = "Suchen in:"},
    Caption{.spoken = "el", .uiLanguages = {u"el"_s}, .fileMenu = "Αρχείο", .firstLine = "Σάββατο 7 Ιουνίου 2008   Ελβετία  -  Τσεχία", .cancelButton = "Άκυρο", .lookIn = "Look in:"},
    Caption{.spoken = "en", .uiLanguages = {u"en-GB"_s, u"de"_s}, .fileMenu = "File", .firstLine = "Saturday 7 June 2008   Switzerland  -  Czech Republic", .cancelButton = "Cancel", .lookIn = "Look in:"}),
    [](const auto &c) { return std::string(c.param.spoken); });
// clang-format on

// Every text of a window that falls short of its place, with its object name.
QStringList clipped(const QWidget &window)
{
    QStringList clipped;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        const QRect room = label->contentsRect();
        const QFontMetricsF metrics(label->font());
        const bool fits =
            label->wordWrap()
                ? metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text()).height() <=
                      room.height()
                : metrics.horizontalAdvance(label->text()) <= room.width();
        if (label->isVisibleTo(&window) && !fits)
            clipped << label->objectName() + u": "_s + label->text();
    }
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        const QStyle *style = button->style();
        const int chrome = qobject_cast<const QCheckBox *>(button)
                               ? style->pixelMetric(QStyle::PM_IndicatorWidth) +
                                     style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                               : 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
        if (QFontMetricsF(button->font()).horizontalAdvance(button->text()) + chrome > button->width())
            clipped << button->objectName() + u": "_s + button->text();
    }
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
        if (QFontMetricsF(frame->font()).horizontalAdvance(frame->title()) > frame->width())
            clipped << frame->objectName() + u": "_s + frame->title();
    return clipped;
}

class EveryText : public ::testing::TestWithParam<QString> {};

// The windows with the longest texts: a new championship (the bracket's
// stand-ins) and the whole championship played (a final on penalties); the
// About window's notice.
TEST_P(EveryText, FitsItsPlace)
{
    const Speaking speaking(GetParam());
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"results.txt"_s);
    for (const char *start : {"", FIXTURO_TEST_DATA "/full_tournament.txt"}) {
        SCOPED_TRACE(start);
        QFile::remove(path);
        ASSERT_TRUE(!*start || QFile::copy(QString::fromLatin1(start), path));
        Championship championship;
        const MainWindow window(championship, path);
        EXPECT_EQ(clipped(window), QStringList());
        for (int row : {0, kFinalRow})
            EXPECT_EQ(clipped(ResultDialog(championship, row)), QStringList()) << "match " << row + 1;
        EXPECT_EQ(clipped(BracketDialog(championship)), QStringList());
        EXPECT_EQ(clipped(ManualOrderDialog(championship)), QStringList());
    }
    const AboutDialog about;
    const auto *notice = namedChild<QPlainTextEdit>(about, u"noticeText"_s);
    for (const QString &line : notice->toPlainText().split(u'\n'))
        EXPECT_LE(QFontMetricsF(notice->font()).horizontalAdvance(line),
                  notice->contentsRect().width() - 2 * notice->document()->documentMargin());
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryText,
                         ::testing::ValuesIn(QStringList{u"en"_s} + translatedLanguages()),
                         [](const auto &language) { return language.param.toStdString(); });

} // namespace

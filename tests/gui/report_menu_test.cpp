// The print and export commands of the main window's File menu.
#include "gui_util.h"

#include "state/ModVars.h"
#include "ui/FrmMain.h"

#include <QFile>
#include <QFileDialog>
#include <QMenu>

namespace fixturo::test {
namespace {

TEST(ReportMenu, NewCommandsStandBetweenUpdateOnlineAndExit)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath(QStringLiteral("results.txt")));
    QMenu *file = NamedChild<QMenu>(window, QStringLiteral("MnuFile"));
    ASSERT_TRUE(file);
    QStringList items;
    for (const QAction *action : file->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + u'=' + action->text());
    EXPECT_EQ(items,
              (QStringList{"mnumanual=Manual Order", "MnuUpdate=Update Online", "-",
                           QString::fromUtf8("MnuPrint=Print…"), QString::fromUtf8("MnuExport=Export…"),
                           QString::fromUtf8("MnuExportCsv=Export Results as CSV…"), "-", "MnuExit=Exit"}));
}

// The file chosen in the save dialog gets the results, or a message says why not.
TEST(ReportMenu, ExportResultsWritesTheChosenFileOrSaysWhyNot)
{
    QTemporaryDir dir;
    ModVars vars;
    FrmMain window(vars, dir.filePath(QStringLiteral("results.txt")));
    QAction *exportCsv = NamedChild<QAction>(window, QStringLiteral("MnuExportCsv"));
    ASSERT_TRUE(exportCsv);
    const struct {
        QString path;
        bool written;
    } cases[] = {{dir.filePath(QStringLiteral("results.csv")), true},
                 {dir.filePath(QStringLiteral("missing/results.csv")), false}};
    for (const auto &c : cases) {
        QStringList seen;
        SetMessageFallback([&](const QMessageBox &box) {
            seen << QStringLiteral("unexpected: ") + box.text();
            return QMessageBox::Ok;
        });
        if (!c.written)
            AnswerMessage(&seen);
        bool chosen = false;
        QTimer::singleShot(0, [&] {
            QFileDialog *dialog = nullptr;
            (void)QTest::qWaitFor(
                [&] { return (dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())); });
            ASSERT_TRUE(dialog) << "no save dialog";
            dialog->selectFile(c.path);
            QMetaObject::invokeMethod(dialog, "accept");
            chosen = true;
        });
        exportCsv->trigger();
        EXPECT_TRUE(chosen);
        EXPECT_EQ(QFile::exists(c.path), c.written) << c.path.toStdString();
        EXPECT_EQ(seen.size(), c.written ? 0 : 2) << seen.join(u'|').toStdString();
        if (!c.written) {
            EXPECT_TRUE(seen.value(0).startsWith(QStringLiteral("The results could not be exported")));
        }
        EXPECT_EQ(PendingMessageAnswers(), 0);
        SetMessageFallback({});
    }
}

} // namespace
} // namespace fixturo::test

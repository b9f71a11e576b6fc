#include "ui/MainWindow.h"

#include "knockout/Knockout.h"
#include "report/PageExport.h"
#include "report/ResultsCsv.h"
#include "ui/AboutDialog.h"
#include "ui/BracketDialog.h"
#include "ui/GroupTablesView.h"
#include "ui/ManualOrderDialog.h"
#include "ui/Message.h"
#include "ui/Pictures.h"
#include "ui/ResultDialog.h"
#include "ui/ScheduleView.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

namespace fixturo {

namespace {

constexpr const char *kEncyclopediaHost = "https://en.wikipedia.org";
const QColor kWindowGrey(192, 192, 192);

// The client area and the "Second Round" button, in twips.
constexpr QSize kClientSize{12540, 7260};
constexpr QRect kSecondRoundButton{2640, 4620, 1575, 735};

// The text of an error box about a file: what failed, for which file.
void reportFileError(QWidget *parent, const QString &what, const QString &path, const QString &reason)
{
    showMessage(parent, QMessageBox::Critical, QStringLiteral("Fixturo"),
                what.arg(QDir::toNativeSeparators(path)), QMessageBox::Ok, reason);
}

} // namespace

MainWindow::MainWindow(Championship &championship, const QString &resultsPath, QWidget *parent)
    : QMainWindow(parent), m_championship(championship), m_keeper(this, resultsPath)
{
    setWindowTitle(QStringLiteral("Fixturo"));
    setWindowIcon(programIcon());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(kClientSize.width()), twips(kClientSize.height()));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kWindowGrey);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    m_groupTables = new GroupTablesView(client);
    connect(m_groupTables, &GroupTablesView::teamActivated, this, &MainWindow::openTeamArticle);
    m_schedule = new ScheduleView(client);
    connect(m_schedule, &ScheduleView::matchActivated, this, &MainWindow::openResultDialog);

    auto *secondRound = new QPushButton(QStringLiteral("Second Round"), client);
    secondRound->setObjectName(QStringLiteral("secondRoundButton"));
    secondRound->setGeometry(twipsRect(kSecondRoundButton.left(), kSecondRoundButton.top(),
                                       kSecondRoundButton.width(), kSecondRoundButton.height()));
    secondRound->setCursor(matchCursor());
    secondRound->setAutoDefault(true); // Return presses it when it has the focus
    secondRound->setFocus();
    connect(secondRound, &QPushButton::clicked, this, &MainWindow::openBracket);

    m_history = new QUndoStack(this);
    buildMenus();
    // The client area keeps its size; the window follows it and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    if (!startUp(m_championship, m_keeper.path(), refreshHooks()))
        m_keeper.keepUnreadableFile();
}

MainWindow::~MainWindow()
{
    // A window that ends without having been closed still leaves its results.
    QString reason;
    if (!m_endSaved)
        m_keeper.trySave(m_championship, &reason);
}

void MainWindow::tellResultsCopied(const QString &from)
{
    const QString text =
        QStringLiteral("The results file %1 cannot be written, so Fixturo keeps the results in "
                       "%2 from now on, starting from a copy of it.")
            .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(m_keeper.path()));
    QTimer::singleShot(0, this, [this, text] {
        showMessage(this, QMessageBox::Information, QStringLiteral("Fixturo"), text);
    });
}

void MainWindow::buildMenus()
{
    const auto addMenu = [this](const QString &caption, const char *name) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    const auto addItem = [this](QMenu *menu, const QString &caption, const char *name, auto slot) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu *file = addMenu(QStringLiteral("File"), "fileMenu");
    addItem(file, QStringLiteral("Manual Order"), "manualOrderAction", &MainWindow::editManualOrder);
    addItem(file, QStringLiteral("Update Online"), "updateOnlineAction", &MainWindow::updateOnline);
    file->addSeparator();
    addItem(file, QStringLiteral("Print…"), "printAction", &MainWindow::print);
    addItem(file, QStringLiteral("Export…"), "exportAction", &MainWindow::exportPage);
    addItem(file, QStringLiteral("Export Results as CSV…"), "exportCsvAction", &MainWindow::exportCsv);
    file->addSeparator();
    addItem(file, QStringLiteral("Exit"), "exitAction", &MainWindow::close);

    QMenu *edit = addMenu(QStringLiteral("Edit"), "editMenu");
    QAction *undo = m_history->createUndoAction(edit, QStringLiteral("Undo"));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addAction(undo);
    QAction *redo = m_history->createRedoAction(edit, QStringLiteral("Redo"));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(redo);
    edit->addSeparator();
    addItem(edit, QStringLiteral("New Championship…"), "newChampionshipAction",
            &MainWindow::startNewChampionship);

    QMenu *help = addMenu(QStringLiteral("?"), "helpMenu");
    addItem(help, QStringLiteral("About"), "aboutAction", &MainWindow::showAbout);
    addItem(help, QStringLiteral("Help"), "helpAction", &MainWindow::showHelp);

    // Keys for the menus; the captions stay as they are, without access keys.
    const auto addKey = [this](const QKeySequence &keys, const auto &slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    const auto openMenu = [this](QMenu *menu) {
        return [this, menu] { menuBar()->setActiveAction(menu->menuAction()); };
    };
    addKey(QKeySequence(Qt::ALT | Qt::Key_F), openMenu(file));
    addKey(QKeySequence(Qt::ALT | Qt::Key_E), openMenu(edit));
    addKey(QKeySequence(Qt::ALT | Qt::Key_H), openMenu(help));
    addKey(QKeySequence(Qt::Key_F10), openMenu(file));
    addKey(QKeySequence(Qt::Key_F1), [this] { showHelp(); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
}

RefreshHooks MainWindow::refreshHooks()
{
    return {
        [this] { m_schedule->showFlags(m_championship); },
        [this] { m_schedule->showLines(m_championship); },
        [this] { m_groupTables->showTables(m_championship); },
        [this] { m_groupTables->showFlags(m_championship); },
    };
}

void MainWindow::openResultDialog(int row)
{
    // The line clicked is the match edited; it keeps the focus, which comes
    // back to it when the dialog closes.
    m_schedule->focusLine(row);
    const Snapshot before = m_keeper.snapshot(m_championship);
    {
        ResultDialog dialog(m_championship, row, this);
        if (dialog.exec() == QDialog::Accepted)
            m_championship.matches[row].score = dialog.score();
    }
    recordChange(QStringLiteral("Result of Match #%1").arg(row + 1), before, Source::Edit,
                 before.championship.matches[row].score != m_championship.matches[row].score);
    m_schedule->focusLine(row);
}

void MainWindow::openTeamArticle(const QString &team)
{
    const QString path = teamArticlePath(team);
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl(QLatin1String(kEncyclopediaHost) + path));
}

void MainWindow::openBracket()
{
    BracketDialog dialog(m_championship, this);
    // A knockout result is kept as soon as it is entered, like a group result.
    connect(&dialog, &BracketDialog::resultEntered, this, [this](int row, const Score &score) {
        const Snapshot before = m_keeper.snapshot(m_championship);
        m_championship.matches[row].score = score;
        // The step holds the bracket as it shows the result: the winners moved on.
        advanceKnockoutWinners(m_championship);
        recordChange(QStringLiteral("Result of Match #%1").arg(row + 1), before, Source::Edit,
                     before.championship.matches[row].score != score);
    });
    dialog.exec();
}

void MainWindow::editManualOrder()
{
    const Snapshot before = m_keeper.snapshot(m_championship);
    {
        ManualOrderDialog dialog(m_championship, this);
        if (dialog.exec() == QDialog::Accepted)
            m_championship.manualOrder = dialog.order();
    }
    recordChange(QStringLiteral("Manual Order"), before, Source::Edit,
                 before.championship.manualOrder != m_championship.manualOrder);
}

void MainWindow::updateOnline()
{
    // The file as it was, byte for byte, for Undo.
    const Snapshot before = m_keeper.snapshot(m_championship);
    DownloadFailure failure;
    if (downloadResults(this, m_update, m_keeper.path(), &failure)) {
        m_keeper.fileReplaced(); // a file that could not be copied is gone
        recordChange(QStringLiteral("Online Update"), before, Source::File, true);
        showMessage(this, QMessageBox::Warning, QStringLiteral(" Download Successful"),
                    QStringLiteral("Update was made successfully!"));
    } else if (failure.localWrite) {
        reportFileError(this, QStringLiteral("The results were downloaded but could not be saved to %1."),
                        m_keeper.path(), failure.reason);
    } else if (!failure.canceled) {
        showMessage(this, QMessageBox::Critical, QStringLiteral(" Error"),
                    QStringLiteral("There was a error making the Update. Make sure that you are online and "
                                   "try again!"),
                    QMessageBox::Ok, failure.reason);
    }
}

void MainWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Fixturo"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (printChampionship(printer, m_championship, &error))
        return;
    if (printer.outputFileName().isEmpty())
        showMessage(this, QMessageBox::Critical, QStringLiteral("Fixturo"),
                    QStringLiteral("The championship could not be printed."), QMessageBox::Ok, error);
    else // printed to a PDF file
        reportFileError(this, QStringLiteral("The championship could not be printed to %1."),
                        printer.outputFileName(), error);
}

void MainWindow::exportPage()
{
    const QString pdf = QStringLiteral("PDF document (*.pdf)");
    const QString png = QStringLiteral("PNG picture (*.png)");
    const QString svg = QStringLiteral("SVG drawing (*.svg)");
    QString filter = pdf;
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export"), QDir::home().filePath(QStringLiteral("fixturo.pdf")),
        QStringList{pdf, png, svg}.join(QLatin1String(";;")), &filter);
    if (path.isEmpty())
        return;
    // A name typed without an extension takes the one of the chosen type.
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == png   ? QStringLiteral(".png")
                : filter == svg ? QStringLiteral(".svg")
                                : QStringLiteral(".pdf");
    QString error;
    if (!exportChampionship(m_championship, path, &error))
        reportFileError(this, QStringLiteral("The championship could not be exported to %1."), path, error);
}

void MainWindow::exportCsv()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export Results as CSV"),
                                                      QDir::home().filePath(QStringLiteral("results.csv")),
                                                      QStringLiteral("CSV file (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!exportResultsCsv(m_championship, path, &error))
        reportFileError(this, QStringLiteral("The results could not be exported to %1."), path, error);
}

void MainWindow::showAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::showHelp()
{
    showMessage(this, QMessageBox::NoIcon, QStringLiteral("Fixturo"),
                QStringLiteral("Insert the result or update online, if all teams are pair you can choose "
                               "'Manual Order' from Menu File."));
}

void MainWindow::startNewChampionship()
{
    if (showMessage(
            this, QMessageBox::Question, QStringLiteral("Fixturo"),
            QStringLiteral("Start a new championship? Every result is cleared and the manual order is "
                           "switched off. Undo brings them back."),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const Snapshot before = m_keeper.snapshot(m_championship);
    m_championship = freshChampionship(m_championship);
    recordChange(QStringLiteral("New Championship"), before, Source::Edit, true);
}

void MainWindow::recordChange(const QString &stepName, const Snapshot &before, Source source, bool isStep)
{
    if (source == Source::File)
        refreshAfterDownload(m_championship, m_keeper.path(), refreshHooks());
    else
        refreshAfterEdit(m_championship, refreshHooks());
    m_keeper.save(m_championship);
    if (isStep)
        m_history->push(new StateStep(stepName, before, m_keeper.snapshot(m_championship),
                                      [this](const Snapshot &snapshot) { restore(snapshot); }));
}

void MainWindow::restore(const Snapshot &snapshot)
{
    m_championship = snapshot.championship;
    refreshAfterEdit(m_championship, refreshHooks());
    m_keeper.restore(snapshot);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    if (!m_keeper.mayQuit(m_championship)) {
        event->ignore();
        return;
    }
    m_endSaved = true;
}

} // namespace fixturo

#include "ui/MainWindow.h"

#include "knockout/Knockout.h"
#include "storage/FileIo.h"
#include "storage/ResultsFile.h"
#include "ui/AboutDialog.h"
#include "ui/BracketDialog.h"
#include "ui/GroupTablesView.h"
#include "ui/ManualOrderDialog.h"
#include "ui/Message.h"
#include "ui/OutlookWindow.h"
#include "ui/Pictures.h"
#include "ui/ReportCommands.h"
#include "ui/ResultDialog.h"
#include "ui/ScheduleView.h"
#include "ui/Twips.h"
#include "ui/UserGuide.h"
#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace fixturo {

namespace {

constexpr const char *kEncyclopediaHost = "https://en.wikipedia.org";
const QColor kWindowGrey(192, 192, 192);

// The client area and the "Second Round" button, in twips.
constexpr QSize kClientSize{12540, 7260};
constexpr QRect kSecondRoundButton{2640, 4620, 1575, 735};

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

    auto *secondRound = new QPushButton(tr("Second Round"), client);
    secondRound->setObjectName(QStringLiteral("secondRoundButton"));
    secondRound->setGeometry(twipsRect(kSecondRoundButton.left(), kSecondRoundButton.top(),
                                       kSecondRoundButton.width(), kSecondRoundButton.height()));
    fitButton(secondRound, secondRound->font());
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
    const QString text = tr("The results file %1 cannot be written, so Fixturo keeps the results in "
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
    // An item and its key, which the menu shows beside the caption.
    const auto addItem = [this](QMenu *menu, const QString &caption, const char *name, auto slot,
                                const QKeySequence &key = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
    };

    QMenu *file = addMenu(tr("File"), "fileMenu");
    addItem(file, tr("Manual Order"), "manualOrderAction", &MainWindow::editManualOrder);
    addItem(file, tr("Group Outlook"), "groupOutlookAction", &MainWindow::showOutlookWindow,
            QKeySequence(Qt::CTRL | Qt::Key_G));
    addItem(file, tr("Update Online"), "updateOnlineAction", &MainWindow::updateOnline);
    file->addSeparator();
    addItem(file, tr("Open Results…"), "openResultsAction", &MainWindow::openResults,
            QKeySequence(Qt::CTRL | Qt::Key_O));
    addItem(file, tr("Save Results As…"), "saveResultsAsAction", &MainWindow::saveResultsAs,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    addItem(
        file, tr("Print…"), "printAction", [this] { printWithPreview(this, m_championship); },
        QKeySequence(Qt::CTRL | Qt::Key_P));
    addItem(file, tr("Export…"), "exportAction", [this] { exportPageAs(this, m_championship); });
    addItem(file, tr("Export Results as CSV…"), "exportCsvAction",
            [this] { exportCsvAs(this, m_championship); });
    file->addSeparator();
    addItem(file, tr("Exit"), "exitAction", &MainWindow::close, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *edit = addMenu(tr("Edit"), "editMenu");
    m_undo = m_history->createUndoAction(edit, tr("Undo"));
    m_undo->setObjectName(QStringLiteral("undoAction"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addAction(m_undo);
    m_redo = m_history->createRedoAction(edit, tr("Redo"));
    m_redo->setObjectName(QStringLiteral("redoAction"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(m_redo);
    // The items name their step as the language puts a command and its object
    // together ("Undo Result of Match #26", "Rückgängig: Ergebnis von Spiel 26").
    // The stack still speaks while the window is taken down: the handlers
    // touch only their actions.
    connect(m_history, &QUndoStack::undoTextChanged, m_undo, [undo = m_undo](const QString &step) {
        undo->setText(step.isEmpty() ? tr("Undo") : tr("Undo %1").arg(step));
    });
    connect(m_history, &QUndoStack::redoTextChanged, m_redo, [redo = m_redo](const QString &step) {
        redo->setText(step.isEmpty() ? tr("Redo") : tr("Redo %1").arg(step));
    });
    edit->addSeparator();
    addItem(edit, tr("New Championship…"), "newChampionshipAction", &MainWindow::startNewChampionship);

    QMenu *help = addMenu(QStringLiteral("?"), "helpMenu");
    addItem(help, tr("About"), "aboutAction", &MainWindow::showAbout);
    addItem(help, tr("Help"), "helpAction", &MainWindow::showHelp);
    addItem(help, tr("User Guide"), "userGuideAction", &MainWindow::showUserGuide, QKeySequence(Qt::Key_F1));

    // Keys for the menus; the captions stay as they are, without access keys.
    // The menu opens with its first item that can be chosen highlighted, so
    // that Return chooses it at once; the arrows go on from there.
    const auto openMenu = [this](QMenu *menu) {
        return [this, menu] {
            menuBar()->setActiveAction(menu->menuAction());
            const QList<QAction *> items = menu->actions();
            const auto first = std::find_if(items.begin(), items.end(), [](const QAction *item) {
                return item->isVisible() && item->isEnabled() && !item->isSeparator();
            });
            if (menu->isVisible() && first != items.end())
                menu->setActiveAction(*first);
        };
    };
    for (const auto &[key, menu] : {std::pair{QKeySequence(Qt::ALT | Qt::Key_F), file},
                                    {QKeySequence(Qt::ALT | Qt::Key_E), edit},
                                    {QKeySequence(Qt::ALT | Qt::Key_H), help},
                                    {QKeySequence(Qt::Key_F10), file}})
        connect(new QShortcut(key, this), &QShortcut::activated, this, openMenu(menu));
}

RefreshHooks MainWindow::refreshHooks()
{
    return {
        [this] { m_schedule->showFlags(m_championship); },
        [this] { m_schedule->showLines(m_championship); },
        [this] {
            m_groupTables->showTables(m_championship);
            showOutlooks();
        },
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
    recordChange(tr("Result of Match #%1").arg(row + 1), before, Source::Edit,
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
    // Undo and redo work with the bracket open, and it shows their state.
    dialog.addActions({m_undo, m_redo});
    connect(m_history, &QUndoStack::indexChanged, &dialog, [&dialog] { dialog.refresh(); });
    // A knockout result is kept as soon as it is entered, like a group result.
    connect(&dialog, &BracketDialog::resultEntered, this, [this](int row, const Score &score) {
        const Snapshot before = m_keeper.snapshot(m_championship);
        m_championship.matches[row].score = score;
        // The step holds the bracket as it shows the result: the winners moved on.
        advanceKnockoutWinners(m_championship);
        recordChange(tr("Result of Match #%1").arg(row + 1), before, Source::Edit,
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
    recordChange(tr("Manual Order"), before, Source::Edit,
                 before.championship.manualOrder != m_championship.manualOrder);
}

void MainWindow::updateOnline()
{
    // The file as it was, byte for byte, for Undo.
    const Snapshot before = m_keeper.snapshot(m_championship);
    DownloadFailure failure;
    if (downloadResults(this, m_update, m_keeper.path(), &failure)) {
        m_keeper.fileReplaced(); // a file that could not be copied is gone
        recordChange(tr("Online Update"), before, Source::File, true);
        showMessage(this, QMessageBox::Warning, tr(" Download Successful"),
                    tr("Update was made successfully!"));
    } else if (failure.localWrite) {
        reportFileError(this, tr("The results were downloaded but could not be saved to %1."),
                        m_keeper.path(), failure.reason);
    } else if (!failure.canceled) {
        showMessage(this, QMessageBox::Critical, tr(" Error"),
                    tr("There was a error making the Update. Make sure that you are online and "
                       "try again!"),
                    QMessageBox::Ok, failure.reason);
    }
}

void MainWindow::openResults()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Results"), QFileInfo(m_keeper.path()).path(), tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    // Only a file read whole is taken (tried on a copy); anything else changes nothing.
    QString reason;
    if (const std::optional<QByteArray> bytes = readWholeFile(path, &reason)) {
        reason = notAResultsFile(*bytes);
        if (Championship tried = m_championship; reason.isEmpty() && !loadResultsFile(tried, path))
            reason = tr("It holds something that Fixturo would not write back the same.");
    }
    if (!reason.isEmpty()) {
        reportFileError(this, tr("%1 is not a results file that Fixturo can read whole."), path, reason);
        return;
    }
    const Snapshot before = m_keeper.snapshot(m_championship);
    const QString pathBefore = m_keeper.path();
    m_keeper.usePath(path);
    recordChange(tr("Open Results"), before, Source::File, true, pathBefore);
}

void MainWindow::saveResultsAs()
{
    m_keeper.saveAs(m_championship);
}

void MainWindow::showAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::showHelp()
{
    showMessage(this, QMessageBox::NoIcon, QStringLiteral("Fixturo"),
                tr("Insert the result or update online, if all teams are pair you can choose "
                   "'Manual Order' from Menu File."));
}

void MainWindow::showOutlooks()
{
    const std::array<GroupOutlook, kGroupCount> outlooks = groupOutlooks(m_championship);
    m_groupTables->showOutlooks(outlooks);
    if (m_outlookWindow)
        m_outlookWindow->showOutlooks(outlooks);
}

void MainWindow::showOutlookWindow()
{
    // One outlook window, brought to the front when it is open already.
    if (!m_outlookWindow) {
        m_outlookWindow = new OutlookWindow(this);
        m_outlookWindow->showOutlooks(groupOutlooks(m_championship));
    }
    m_outlookWindow->show();
    m_outlookWindow->raise();
    m_outlookWindow->activateWindow();
}

void MainWindow::showUserGuide()
{
    // One guide, brought to the front when it is open already.
    if (!m_guide)
        m_guide = new UserGuide(this);
    m_guide->show();
    m_guide->raise();
    m_guide->activateWindow();
}

void MainWindow::startNewChampionship()
{
    if (showMessage(this, QMessageBox::Question, QStringLiteral("Fixturo"),
                    tr("Start a new championship? Every result is cleared and the manual order is "
                       "switched off. Undo brings them back."),
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const Snapshot before = m_keeper.snapshot(m_championship);
    m_championship = freshChampionship(m_championship);
    recordChange(tr("New Championship"), before, Source::Edit, true);
}

void MainWindow::recordChange(const QString &stepName, const Snapshot &before, Source source, bool isStep,
                              const QString &pathBefore)
{
    if (source == Source::File)
        refreshAfterDownload(m_championship, m_keeper.path(), refreshHooks());
    else
        refreshAfterEdit(m_championship, refreshHooks());
    m_keeper.save(m_championship);
    if (!isStep)
        return;
    auto *step = new StateStep(stepName, before, m_keeper.snapshot(m_championship),
                               [this](const Snapshot &snapshot) { restore(snapshot); });
    if (pathBefore.isEmpty() || pathBefore == m_keeper.path())
        m_history->push(step);
    else
        m_history->push(new FileSwitchStep(step, pathBefore, m_keeper.path(),
                                           [this](const QString &path) { m_keeper.usePath(path); }));
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

#pragma once

#include "app/Refresh.h"
#include "ui/DownloadProgress.h"
#include "ui/ResultsKeeper.h"

#include <QMainWindow>
#include <QPointer>

class QUndoStack;

namespace fixturo {

class GroupTablesView;
class ScheduleView;
class OutlookWindow;
class UserGuide;

// The main window: the four group tables, the daily schedule of the group
// matches, the "Second Round" button and the menus. It starts the
// championship from the results file when it is built, records every change
// (a result, a manual order, an online update, a results file opened, a new
// championship) as one step of the edit history, and saves the results after
// every change and when it closes. Every menu item shows its key; a menu's key
// (Alt+F, Alt+E, Alt+H, F10 for the first menu) opens it with its first item
// highlighted.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Championship &championship, const QString &resultsPath, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Where "Update Online" fetches the results file from.
    void setUpdateSettings(const UpdateSettings &settings) { m_update = settings; }

    // Says once, over the window, that the results are kept in the results
    // path from now on, copied from `from` (which cannot be written).
    void tellResultsCopied(const QString &from);

    // Asks where to save the results ("Save Results As…", and at exit when the
    // results file cannot be written).
    void setSavePathQuestion(ResultsKeeper::SavePathQuestion ask)
    {
        m_keeper.setSavePathQuestion(std::move(ask));
    }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    RefreshHooks refreshHooks();

    // The commands.
    void openResultDialog(int row);
    void openTeamArticle(const QString &team);
    void openBracket();
    void editManualOrder();
    void updateOnline();
    void openResults();
    void saveResultsAs();
    void showAbout();
    void showHelp();
    void showUserGuide();
    // The outlook of every group, on the tables' tooltips and in the outlook window.
    void showOutlooks();
    void showOutlookWindow();
    void startNewChampionship();

    // The one path of every change, once the state (or the file) has changed
    // from `before`: the windows refresh (after a replaced file, from the
    // file), the results are saved, and when `isStep` the change becomes one
    // step of the edit history named `stepName`. When the results file in use
    // was `pathBefore` (another file opened), undo goes back to that file and
    // redo to the one in use now.
    enum class Source { Edit, File };
    void recordChange(const QString &stepName, const Snapshot &before, Source source, bool isStep,
                      const QString &pathBefore = {});
    // Undo and redo: the snapshot's state, the refresh, its file bytes.
    void restore(const Snapshot &snapshot);

    Championship &m_championship;
    ResultsKeeper m_keeper;
    UpdateSettings m_update = defaultUpdateSettings();
    bool m_endSaved = false;
    QUndoStack *m_history = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QPointer<UserGuide> m_guide;
    QPointer<OutlookWindow> m_outlookWindow;
    GroupTablesView *m_groupTables = nullptr;
    ScheduleView *m_schedule = nullptr;
};

} // namespace fixturo

#pragma once

#include "app/Refresh.h"
#include "ui/DownloadProgress.h"
#include "ui/ResultsKeeper.h"

#include <QMainWindow>

class QUndoStack;

namespace fixturo {

class GroupTablesView;
class ScheduleView;

// The main window: the four group tables, the daily schedule of the group
// matches, the "Second Round" button and the menus. It starts the
// championship from the results file when it is built, records every change
// (a result, a manual order, an online update, a new championship) as one
// step of the edit history, and saves the results after every change and when
// it closes.
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

    // Asks where to save the results when the results file cannot be written at exit.
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
    void print();
    void exportPage();
    void exportCsv();
    void showAbout();
    void showHelp();
    void startNewChampionship();

    // The one path of every change, once the state (or the file) has changed
    // from `before`: the windows refresh (after a replaced file, from the
    // file), the results are saved, and when `isStep` the change becomes one
    // step of the edit history named `stepName`.
    enum class Source { Edit, File };
    void recordChange(const QString &stepName, const Snapshot &before, Source source, bool isStep);
    // Undo and redo: the snapshot's state, the refresh, its file bytes.
    void restore(const Snapshot &snapshot);

    Championship &m_championship;
    ResultsKeeper m_keeper;
    UpdateSettings m_update = defaultUpdateSettings();
    bool m_endSaved = false;
    QUndoStack *m_history = nullptr;
    GroupTablesView *m_groupTables = nullptr;
    ScheduleView *m_schedule = nullptr;
};

} // namespace fixturo

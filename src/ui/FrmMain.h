#pragma once

#include "app/Sequences.h"
#include "ui/History.h"
#include "ui/UpdateOnline.h"

#include <QMainWindow>
#include <QMessageBox>

#include <array>
#include <functional>

class QLabel;
class QGroupBox;
class QPushButton;
class QUndoStack;
class QKeyEvent;

namespace fixturo {

// The main window: the four group tables, the daily schedule of the group
// matches and the menus. It runs the start-up sequence when it is built and
// writes the results file after every refresh and when it closes.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    FrmMain(ModVars &vars, QString resultsPath, QWidget *parent = nullptr);
    ~FrmMain() override;

    // Where "Update Online" fetches the results file from.
    void setUpdateSettings(const UpdateSettings &settings);

    // Asks where to save the results when the results file cannot be written
    // at exit; an empty answer saves nowhere. A file dialog unless replaced.
    using SavePathQuestion = std::function<QString(QWidget *parent, const QString &current)>;
    void setSavePathQuestion(SavePathQuestion ask) { m_askSavePath = std::move(ask); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildGroupBoxes(QWidget *client);
    void BuildSchedulePanel(QWidget *client);
    void BuildMenus();
    void BuildEditMenu();
    WindowSteps Steps();

    // Window steps of the sequences.
    void LoadScheduleFlags();
    void UpdateAllLabels();
    void DrawGroupTables();
    void ShowGroupFlags();

    // Handlers.
    void lblDailySched_MouseMove(int index);
    void v_MouseMove();
    void lblDailySched_Click(int index);
    void lblTeam_Click(int index);
    void CmdSecond_Click();
    void Command1_Click();
    void mnumanual_Click();
    void MnuUpdate_Click();
    void MnuPrint_Click();
    void MnuExport_Click();
    void MnuExportCsv_Click();
    void MnuAbout_Click();
    void MnuHelpMe_Click();
    void MnuNewChampionship_Click();

    // Puts the change from `before` to the present state and file on the
    // history as one step.
    void Record(const QString &text, const Snapshot &before);
    // Undo and redo: the snapshot's state, the dialog refresh, its file bytes.
    void Restore(const Snapshot &snapshot);

    // The two looks of a schedule line; an index outside 0..23 is no line.
    void SetNormalLook(int line);
    void SetHighlightLook(int line);
    // Makes line the schedule's one tab stop and gives it the focus.
    void FocusLine(int line);
    bool lblDailySched_KeyPress(int index, const QKeyEvent &key);

    // Writes the results file; the first failure after a success is reported.
    void SaveResults();
    // Writes the results file, or says why it could not.
    bool TrySave(QString *reason);
    // A results file that could not be read whole is copied beside itself
    // before anything is saved over it; the user is told once.
    void KeepUnreadableFile();
    // At exit with the latest results not on disk: whether to quit.
    bool MayQuitUnsaved();
    // Every message box of the window goes through here.
    void ShowMessage(QMessageBox::Icon icon, const QString &title, const QString &text);

    ModVars &m_vars;
    QString m_resultsPath;
    UpdateSettings m_update = DefaultUpdateSettings();
    SavePathQuestion m_askSavePath;
    QString m_saveRefusal; // why the results file must not be written, if it must not
    bool m_saveFailureShown = false;
    bool m_endSaved = false;
    QUndoStack *m_history = nullptr;
    // The line that shows the highlighted look (-1: none). Kept apart from
    // SelectedMatch, which the bracket window sets to knockout rows.
    int m_highlighted = -1;

    QLabel *m_v = nullptr;
    std::array<QGroupBox *, kGroupCount> m_frGroup{};
    std::array<QLabel *, kGroupCount * kTeamsPerGroup> m_lblTeam{};
    std::array<QLabel *, kGroupCount * kTeamsPerGroup> m_lblTable{};
    std::array<std::array<QLabel *, kTeamsPerGroup>, kGroupCount> m_groupFlags{};
    std::array<QLabel *, kGroupMatchCount> m_lblDailySched{};
    std::array<QLabel *, 2 * kGroupMatchCount> m_imgFlagRound{};
};

} // namespace fixturo

#include "ui/FrmMain.h"

#include "groups/GroupLines.h"
#include "groups/Ranking.h"
#include "report/Report.h"
#include "storage/ResultsFile.h"
#include "ui/FocusLabel.h"
#include "ui/Frm2Round.h"
#include "ui/FrmAbout.h"
#include "ui/FrmMatch.h"
#include "ui/FrmSelectMan.h"
#include "ui/Message.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>
#include <tuple>

namespace fixturo {

namespace {

constexpr const char *kEncyclopediaHost = "https://en.wikipedia.org";

const QColor kWindowGrey(192, 192, 192);
const QColor kCaptionBlue(0, 0, 255);
const QColor kPanelColour(0, 64, 64);
const QColor kHeadingColour(0, 128, 128);

// Layout of the main window, in twips.
struct Box {
    int left, top, width, height;
};
constexpr int kClientWidth = 12540;
constexpr int kClientHeight = 7260;
constexpr std::array<Box, kGroupCount> kGroupBoxes{{
    {360, 480, 3195, 1395},
    {3780, 480, 3375, 1395},
    {360, 2880, 3195, 1335},
    {3840, 2880, 3315, 1335},
}};
// Inside a group box: row i at top 300 + 240 i, 195 high.
constexpr int kRowTop = 300;
constexpr int kRowStep = 240;
constexpr int kRowHeight = 195;
constexpr int kTeamLeft = 60;
constexpr std::array<std::array<int, kTeamsPerGroup>, kGroupCount> kTeamWidths{{
    {1200, 1200, 1200, 1200},
    {1515, 1515, 1515, 1515},
    {1095, 1155, 1155, 1095},
    {1200, 1200, 1200, 1200},
}};
constexpr std::array<int, kGroupCount> kFlagLefts{1200, 1260, 1200, 1200};
constexpr int kFlagWidth = 375;
constexpr std::array<int, kGroupCount> kTableLefts{1620, 1680, 1620, 1620};
constexpr int kTableWidth = 1575;
// Where the group box caption starts, from the box's left edge, in pixels.
constexpr int kCaptionIndent = 7;

constexpr Box kPanel{7500, 360, 5055, 6375};
constexpr Box kDailyHeading{8160, 480, 3315, 315};
constexpr int kSchedLeft = 7560;
constexpr int kSchedTop = 840;
constexpr int kSchedStep = 240;
constexpr int kSchedWidth = 4170;
constexpr int kSchedHeight = 195;
constexpr std::array<int, 2> kSchedFlagLefts{11760, 12120};
constexpr int kSchedFlagWidth = 375;
constexpr int kSchedFlagHeight = 255;

constexpr Box kCmdSecond{2640, 4620, 1575, 735};
constexpr Box kCommand1{5640, 4920, 1215, 255};

const char *const kGroupFlagNames[kGroupCount] = {"ImgFlag", "ImgFlagB", "ImgFlagC", "ImgFlagD"};

QRect Rect(const Box &b)
{
    return TwipsRect(b.left, b.top, b.width, b.height);
}

// Shows the flag of a team, named for a screen reader; a name without a flag
// leaves the control as it was.
void ShowFlag(QLabel *label, const QString &team)
{
    const QPixmap picture = FlagPicture(team);
    if (picture.isNull())
        return;
    label->setPixmap(picture);
    label->setAccessibleName(team);
}

// A name wider than its place is drawn a little smaller rather than running
// under the flag beside it.
void FitToWidth(QLabel *label, const QFont &font, int width)
{
    QFont fitted = font;
    while (fitted.pointSizeF() > 6 && QFontMetricsF(fitted).horizontalAdvance(label->text()) > width)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    label->setFont(fitted);
}

// Lines a Page Up or Page Down key moves in the daily schedule.
constexpr int kSchedPage = 6;

// A frame in the classic etched look whose caption interrupts the top line,
// drawn in the box's own font and caption colour.
class GroupFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int lineY = metrics.height() / 2;
        const QRect frame = rect().adjusted(0, lineY, -2, -2);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(frame);
        painter.setPen(Qt::white);
        painter.drawRect(frame.translated(1, 1));
        if (title().isEmpty())
            return;
        const QRect text(kCaptionIndent, 0, metrics.horizontalAdvance(title()), metrics.height());
        painter.fillRect(text.adjusted(-2, 0, 2, 0), palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
    }
};

} // namespace

FrmMain::FrmMain(ModVars &vars, QString resultsPath, QWidget *parent)
    : QMainWindow(parent), m_vars(vars), m_resultsPath(std::move(resultsPath))
{
    setWindowTitle(QStringLiteral("Fixturo"));
    setWindowIcon(ProgramIcon());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("FrmMainClient"));
    client->setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kWindowGrey);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    BuildGroupBoxes(client);
    BuildSchedulePanel(client);

    auto *cmdSecond = new QPushButton(QStringLiteral("Second Round"), client);
    cmdSecond->setObjectName(QStringLiteral("CmdSecond"));
    cmdSecond->setGeometry(Rect(kCmdSecond));
    cmdSecond->setCursor(MatchCursor());
    cmdSecond->setAutoDefault(true); // Return presses it when it has the focus
    cmdSecond->setFocus();
    connect(cmdSecond, &QPushButton::clicked, this, &FrmMain::CmdSecond_Click);

    auto *command1 = new QPushButton(QStringLiteral("Command1"), client);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(Rect(kCommand1));
    command1->setVisible(false);
    connect(command1, &QPushButton::clicked, this, &FrmMain::Command1_Click);

    BuildMenus();
    BuildEditMenu();
    // The client area keeps its size; the window follows it and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_askSavePath = [](QWidget *owner, const QString &current) {
        return QFileDialog::getSaveFileName(owner, QStringLiteral("Save the Results As"), current,
                                            QStringLiteral("Text files (*.txt);;All files (*)"));
    };
    if (!StartupSequence(m_vars, m_resultsPath, Steps()))
        KeepUnreadableFile();
}

FrmMain::~FrmMain()
{
    // A window that ends without having been closed still leaves its results.
    QString reason;
    if (!m_endSaved)
        TrySave(&reason);
}

void FrmMain::setUpdateSettings(const UpdateSettings &settings)
{
    m_update = settings;
}

void FrmMain::BuildGroupBoxes(QWidget *client)
{
    for (int g = 0; g < kGroupCount; ++g) {
        auto *frame = new GroupFrame(GroupHeading(g), client);
        frame->setObjectName(QStringLiteral("frGroup_%1").arg(g));
        frame->setGeometry(Rect(kGroupBoxes[g]));
        frame->setFont(LayoutFont("Courier New", 9));
        SetColour(frame, QPalette::WindowText, kCaptionBlue);
        m_frGroup[g] = frame;

        for (int i = 0; i < kTeamsPerGroup; ++i) {
            const int index = kTeamsPerGroup * g + i;
            const int top = kRowTop + kRowStep * i;

            QLabel *team = MakeLabel(frame, QStringLiteral("lblTeam_%1").arg(index),
                                     TwipsRect(kTeamLeft, top, kTeamWidths[g][i], kRowHeight));
            team->setFont(LayoutFont("Arial", 8.25));
            SetColour(team, QPalette::WindowText, Qt::black);
            team->setCursor(Qt::CrossCursor);
            team->installEventFilter(this);
            m_lblTeam[index] = team;

            QLabel *flag =
                MakeLabel(frame, QStringLiteral("%1_%2").arg(QLatin1String(kGroupFlagNames[g])).arg(i),
                          TwipsRect(kFlagLefts[g], top, kFlagWidth, kRowHeight));
            flag->setScaledContents(true);
            m_groupFlags[g][i] = flag;

            QLabel *table = MakeLabel(frame, QStringLiteral("lblTable_%1").arg(index),
                                      TwipsRect(kTableLefts[g], top, kTableWidth, kRowHeight));
            table->setFont(LayoutFont("Courier New", 9));
            SetColour(table, QPalette::WindowText, Qt::black);
            m_lblTable[index] = table;
        }
    }
}

void FrmMain::BuildSchedulePanel(QWidget *client)
{
    // The panel lies beneath the heading, lines and flags: it is made first.
    m_v = MakeLabel(client, QStringLiteral("v"), Rect(kPanel));
    QPalette panel = m_v->palette();
    panel.setColor(QPalette::Window, kPanelColour);
    m_v->setPalette(panel);
    m_v->setAutoFillBackground(true);
    m_v->setMouseTracking(true);
    m_v->installEventFilter(this);

    QLabel *heading = MakeLabel(client, QStringLiteral("lblDaily"), Rect(kDailyHeading));
    heading->setText(QStringLiteral("1st ROUND - DAILY MATCH SCHEDULE"));
    heading->setFont(LayoutFont("Arial", 9, true));
    SetColour(heading, QPalette::WindowText, kHeadingColour);
    // Font metrics differ a little between platforms: the fixed heading grows
    // to its text rather than losing its last letters.
    heading->resize(std::max(heading->width(), heading->sizeHint().width()), heading->height());

    for (int i = 0; i < kGroupMatchCount; ++i) {
        const int top = kSchedTop + kSchedStep * i;
        auto *line = new FocusLabel(client);
        line->setObjectName(QStringLiteral("lblDailySched_%1").arg(i));
        line->setGeometry(TwipsRect(kSchedLeft, top, kSchedWidth, kSchedHeight));
        line->setTextFormat(Qt::PlainText);
        line->setFont(LayoutFont("Arial", 6.75));
        // The schedule is one tab stop: the line last used, line 0 at first.
        line->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        line->setMouseTracking(true);
        line->installEventFilter(this);
        m_lblDailySched[i] = line;
        SetNormalLook(i);

        for (int side = 0; side < 2; ++side) {
            const int index = 2 * i + side;
            QLabel *flag =
                MakeLabel(client, QStringLiteral("ImgFlagRound_%1").arg(index),
                          TwipsRect(kSchedFlagLefts[side], top, kSchedFlagWidth, kSchedFlagHeight));
            flag->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            m_imgFlagRound[index] = flag;
        }
    }
}

void FrmMain::BuildMenus()
{
    const auto addMenu = [this](const char *caption, const char *name) {
        QMenu *menu = menuBar()->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    const auto addItem = [this](QMenu *menu, const char *caption, const char *name, void (FrmMain::*slot)()) {
        QAction *action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
    };
    QMenu *file = addMenu("File", "MnuFile");
    addItem(file, "Manual Order", "mnumanual", &FrmMain::mnumanual_Click);
    addItem(file, "Update Online", "MnuUpdate", &FrmMain::MnuUpdate_Click);
    file->addSeparator();
    for (const auto &[caption, name, slot] :
         {std::tuple{u"Print\u2026", "MnuPrint", &FrmMain::MnuPrint_Click},
          std::tuple{u"Export\u2026", "MnuExport", &FrmMain::MnuExport_Click},
          std::tuple{u"Export Results as CSV\u2026", "MnuExportCsv", &FrmMain::MnuExportCsv_Click}}) {
        QAction *action = file->addAction(QString::fromUtf16(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
    }
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("MnuExit"));
    connect(exit, &QAction::triggered, this, &FrmMain::close);

    QMenu *help = addMenu("?", "MnuHelp");
    addItem(help, "About", "MnuAbout", &FrmMain::MnuAbout_Click);
    addItem(help, "Help", "MnuHelpMe", &FrmMain::MnuHelpMe_Click);

    // Keys for the menus; the captions stay as they are, without access keys.
    const auto addKey = [this](const QKeySequence &keys, const auto &slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    const auto openMenu = [this](QMenu *menu) {
        return [this, menu] { menuBar()->setActiveAction(menu->menuAction()); };
    };
    addKey(QKeySequence(Qt::ALT | Qt::Key_F), openMenu(file));
    addKey(QKeySequence(Qt::ALT | Qt::Key_H), openMenu(help));
    addKey(QKeySequence(Qt::Key_F10), openMenu(file));
    addKey(QKeySequence(Qt::Key_F1), [this] { MnuHelpMe_Click(); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
}

void FrmMain::BuildEditMenu()
{
    m_history = new QUndoStack(this);
    auto *edit = new QMenu(QStringLiteral("Edit"), this);
    edit->setObjectName(QStringLiteral("MnuEdit"));
    // Between "File" and "?".
    const auto *help = menuBar()->findChild<QMenu *>(QStringLiteral("MnuHelp"));
    menuBar()->insertMenu(help ? help->menuAction() : nullptr, edit);

    QAction *undo = m_history->createUndoAction(edit, QStringLiteral("Undo"));
    undo->setObjectName(QStringLiteral("MnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addAction(undo);
    QAction *redo = m_history->createRedoAction(edit, QStringLiteral("Redo"));
    redo->setObjectName(QStringLiteral("MnuRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(redo);
    edit->addSeparator();
    QAction *fresh = edit->addAction(QStringLiteral("New Championship\u2026"));
    fresh->setObjectName(QStringLiteral("MnuNewChampionship"));
    connect(fresh, &QAction::triggered, this, &FrmMain::MnuNewChampionship_Click);
    // Alt+E opens the menu, as Alt+F and Alt+H open theirs.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_E), this), &QShortcut::activated, this,
            [this, edit] { menuBar()->setActiveAction(edit->menuAction()); });
}

WindowSteps FrmMain::Steps()
{
    return {
        [this] { LoadScheduleFlags(); },
        [this] { UpdateAllLabels(); },
        [this] { DrawGroupTables(); },
        [this] { ShowGroupFlags(); },
    };
}

void FrmMain::LoadScheduleFlags()
{
    for (int i = 0; i < kGroupMatchCount; ++i) {
        ShowFlag(m_imgFlagRound[2 * i], m_vars.MatchTable[i][Match::team1]);
        ShowFlag(m_imgFlagRound[2 * i + 1], m_vars.MatchTable[i][Match::team2]);
    }
}

void FrmMain::UpdateAllLabels()
{
    for (int i = 0; i < kGroupMatchCount; ++i)
        m_lblDailySched[i]->setText(ScheduleLine(m_vars.MatchTable[i]));
}

void FrmMain::DrawGroupTables()
{
    for (int g = 0; g < kGroupCount; ++g)
        for (int i = 0; i < kTeamsPerGroup; ++i) {
            const auto &row = m_vars.GroupTeams[g][i];
            m_lblTeam[kTeamsPerGroup * g + i]->setText(row[Col::Name]);
            FitToWidth(m_lblTeam[kTeamsPerGroup * g + i], LayoutFont("Arial", 8.25),
                       Twips(kFlagLefts[g] - kTeamLeft));
            m_lblTable[kTeamsPerGroup * g + i]->setText(StatisticsLine(row));
            m_lblTable[kTeamsPerGroup * g + i]->setAccessibleName(StatisticsSpoken(row));
        }
}

void FrmMain::ShowGroupFlags()
{
    for (int i = 0; i < kTeamsPerGroup; ++i)
        for (int g = 0; g < kGroupCount; ++g)
            ShowFlag(m_groupFlags[g][i], m_vars.GroupTeams[g][i][Col::Name]);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool move = type == QEvent::MouseMove || type == QEvent::Enter;

    if (watched == m_v) {
        if (move)
            v_MouseMove();
        return false;
    }

    const auto line = std::find(m_lblDailySched.begin(), m_lblDailySched.end(), watched);
    const auto team = std::find(m_lblTeam.begin(), m_lblTeam.end(), watched);
    const bool isLine = line != m_lblDailySched.end();
    const bool isTeam = team != m_lblTeam.end();
    if (!isLine && !isTeam)
        return QMainWindow::eventFilter(watched, event);

    if (isLine && move) {
        lblDailySched_MouseMove(static_cast<int>(line - m_lblDailySched.begin()));
        return false;
    }
    // A line that takes the keyboard focus looks and counts as pointed at.
    if (isLine && type == QEvent::FocusIn) {
        lblDailySched_MouseMove(static_cast<int>(line - m_lblDailySched.begin()));
        return false;
    }
    if (isLine && type == QEvent::KeyPress)
        return lblDailySched_KeyPress(static_cast<int>(line - m_lblDailySched.begin()),
                                      *static_cast<QKeyEvent *>(event));
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (type == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *label = static_cast<QWidget *>(watched);
        if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint()))
            return false;
        if (isLine)
            lblDailySched_Click(static_cast<int>(line - m_lblDailySched.begin()));
        else
            lblTeam_Click(static_cast<int>(team - m_lblTeam.begin()));
        return true;
    }
    return false;
}

void FrmMain::SetNormalLook(int line)
{
    if (line < 0 || line >= kGroupMatchCount)
        return;
    QLabel *label = m_lblDailySched[line];
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(false);
}

void FrmMain::SetHighlightLook(int line)
{
    if (line < 0 || line >= kGroupMatchCount)
        return;
    QLabel *label = m_lblDailySched[line];
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    // The platform's control face, so the highlight follows the colour scheme.
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void FrmMain::FocusLine(int line)
{
    for (int i = 0; i < kGroupMatchCount; ++i)
        m_lblDailySched[i]->setFocusPolicy(i == line ? Qt::StrongFocus : Qt::ClickFocus);
    m_lblDailySched[line]->setFocus(Qt::OtherFocusReason);
}

bool FrmMain::lblDailySched_KeyPress(int index, const QKeyEvent &key)
{
    if (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    int target = index;
    switch (key.key()) {
    case Qt::Key_Up:
        target = index - 1;
        break;
    case Qt::Key_Down:
        target = index + 1;
        break;
    case Qt::Key_PageUp:
        target = index - kSchedPage;
        break;
    case Qt::Key_PageDown:
        target = index + kSchedPage;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = kGroupMatchCount - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        lblDailySched_Click(index);
        return true;
    default:
        return false;
    }
    FocusLine(std::clamp(target, 0, kGroupMatchCount - 1));
    return true;
}

void FrmMain::lblDailySched_MouseMove(int index)
{
    SetNormalLook(m_highlighted);
    SetHighlightLook(index);
    m_highlighted = index;
    m_vars.SelectedMatch = static_cast<std::int16_t>(index);
}

void FrmMain::v_MouseMove()
{
    SetNormalLook(m_highlighted);
    m_highlighted = -1;
}

void FrmMain::lblDailySched_Click(int index)
{
    // The line clicked is the match edited, even when no move came first; it
    // keeps the focus, which comes back to it when the dialog closes.
    FocusLine(index);
    lblDailySched_MouseMove(index);
    const Snapshot before = TakeSnapshot(m_vars, m_resultsPath);
    {
        FrmMatch dlg(m_vars, this);
        dlg.exec();
    }
    DialogRefreshSequence(m_vars, Steps());
    SaveResults();
    if (ResultChanged(before.vars, m_vars, index))
        Record(QStringLiteral("Result of Match #%1").arg(index + 1), before);
    m_lblDailySched[index]->setFocus(Qt::OtherFocusReason);
}

void FrmMain::lblTeam_Click(int index)
{
    const QString path = TeamArticlePath(m_lblTeam[index]->text());
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl(QLatin1String(kEncyclopediaHost) + path));
}

void FrmMain::CmdSecond_Click()
{
    Frm2Round dlg(m_vars, this);
    // A knockout result is kept as soon as it is entered, like a group result.
    connect(&dlg, &Frm2Round::resultEntered, this, &FrmMain::SaveResults);
    // Each result that changed its match is a step of its own.
    Snapshot before = TakeSnapshot(m_vars, m_resultsPath);
    connect(&dlg, &Frm2Round::resultEntered, this, [this, &before] {
        const int row = m_vars.SelectedMatch;
        if (ResultChanged(before.vars, m_vars, row))
            Record(QStringLiteral("Result of Match #%1").arg(row + 1), before);
        before = TakeSnapshot(m_vars, m_resultsPath);
    });
    dlg.exec();
}

void FrmMain::Command1_Click()
{
    BubbleSort(m_vars, m_vars.GroupTeams[0]);
    DrawGroupTables();
}

void FrmMain::mnumanual_Click()
{
    const Snapshot before = TakeSnapshot(m_vars, m_resultsPath);
    {
        FrmSelectMan dlg(m_vars, this);
        dlg.exec();
    }
    DialogRefreshSequence(m_vars, Steps());
    SaveResults();
    if (before.vars.TeamList != m_vars.TeamList || before.vars.ManualOrderFlag != m_vars.ManualOrderFlag)
        Record(QStringLiteral("Manual Order"), before);
}

void FrmMain::MnuUpdate_Click()
{
    // The file as it was, byte for byte, for Undo.
    const Snapshot before = TakeSnapshot(m_vars, m_resultsPath);
    DownloadFailure failure;
    if (DownloadFile(this, m_update, m_resultsPath, &failure)) {
        m_saveRefusal.clear(); // the file that could not be copied is replaced
        UpdateRefreshSequence(m_vars, m_resultsPath, Steps());
        SaveResults();
        Record(QStringLiteral("Online Update"), before);
        ShowMessage(QMessageBox::Warning, QStringLiteral(" Download Successful"),
                    QStringLiteral("Update was made successfully!"));
    } else if (!failure.canceled) {
        Message(this, QMessageBox::Critical, QStringLiteral(" Error"),
                QStringLiteral("There was a error making the Update. Make sure that you are online and try "
                               "again!"),
                QMessageBox::Ok, failure.reason);
    }
}

void FrmMain::MnuPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Fixturo"));
    QPrintDialog dlg(&printer, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!PrintChampionship(printer, m_vars, &error))
        Message(this, QMessageBox::Critical, QStringLiteral("Fixturo"),
                QStringLiteral("The championship could not be printed."), QMessageBox::Ok, error);
}

void FrmMain::MnuExport_Click()
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
    if (!ExportChampionship(m_vars, path, &error))
        Message(this, QMessageBox::Critical, QStringLiteral("Fixturo"),
                QStringLiteral("The championship could not be exported to %1.")
                    .arg(QDir::toNativeSeparators(path)),
                QMessageBox::Ok, error);
}

void FrmMain::MnuExportCsv_Click()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export Results as CSV"),
                                                      QDir::home().filePath(QStringLiteral("results.csv")),
                                                      QStringLiteral("CSV file (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!ExportResultsCsv(m_vars, path, &error))
        Message(
            this, QMessageBox::Critical, QStringLiteral("Fixturo"),
            QStringLiteral("The results could not be exported to %1.").arg(QDir::toNativeSeparators(path)),
            QMessageBox::Ok, error);
}

void FrmMain::MnuAbout_Click()
{
    FrmAbout dlg(this);
    dlg.exec();
}

void FrmMain::MnuHelpMe_Click()
{
    ShowMessage(
        QMessageBox::NoIcon, QStringLiteral("Fixturo"),
        QStringLiteral("Insert the result or update online, if all teams are pair you can choose 'Manual "
                       "Order' from Menu File."));
}

void FrmMain::MnuNewChampionship_Click()
{
    if (Message(this, QMessageBox::Question, QStringLiteral("Fixturo"),
                QStringLiteral("Start a new championship? Every result is cleared and the manual order is "
                               "switched off. Undo brings them back."),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const Snapshot before = TakeSnapshot(m_vars, m_resultsPath);
    m_vars = FreshChampionship(m_vars);
    DialogRefreshSequence(m_vars, Steps());
    SaveResults();
    Record(QStringLiteral("New Championship"), before);
}

void FrmMain::Record(const QString &text, const Snapshot &before)
{
    m_history->push(new StateStep(text, before, TakeSnapshot(m_vars, m_resultsPath),
                                  [this](const Snapshot &snapshot) { Restore(snapshot); }));
}

void FrmMain::Restore(const Snapshot &snapshot)
{
    const std::int16_t selected = m_vars.SelectedMatch;
    m_vars = snapshot.vars;
    m_vars.SelectedMatch = selected;
    DialogRefreshSequence(m_vars, Steps());
    // The exact bytes the file held; without them (there was no file), a save.
    if (!m_saveRefusal.isEmpty() || !snapshot.file || !WriteWhole(m_resultsPath, *snapshot.file))
        SaveResults();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    if (!MayQuitUnsaved()) {
        event->ignore();
        return;
    }
    m_endSaved = true;
}

bool FrmMain::TrySave(QString *reason)
{
    if (!m_saveRefusal.isEmpty()) {
        *reason = m_saveRefusal;
        return false;
    }
    return SaveToFile(m_vars, m_resultsPath, reason);
}

void FrmMain::SaveResults()
{
    QString reason;
    if (TrySave(&reason)) {
        m_saveFailureShown = false;
        return;
    }
    // Shown once while saves keep failing, not at every refresh.
    if (m_saveFailureShown)
        return;
    m_saveFailureShown = true;
    Message(this, QMessageBox::Critical, QStringLiteral("Fixturo"),
            QStringLiteral("The results could not be saved to %1.\n%2")
                .arg(QDir::toNativeSeparators(m_resultsPath), reason));
}

bool FrmMain::MayQuitUnsaved()
{
    QString reason;
    while (!TrySave(&reason)) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Fixturo"),
                        QStringLiteral("The latest results are not saved: they could not be written to "
                                       "%1.\n%2\n\nTry again, save them to another file, or quit without "
                                       "saving?")
                            .arg(QDir::toNativeSeparators(m_resultsPath), reason),
                        QMessageBox::Retry | QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                        this);
        box.setTextFormat(Qt::PlainText);
        box.button(QMessageBox::Retry)->setText(QStringLiteral("Try Again"));
        box.button(QMessageBox::Save)->setText(QStringLiteral("Save As…"));
        box.button(QMessageBox::Discard)->setText(QStringLiteral("Quit Without Saving"));
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (Message(box)) {
        case QMessageBox::Retry:
            break;
        case QMessageBox::Save:
            // The file chosen is used for the rest of the run.
            if (const QString path = m_askSavePath(this, m_resultsPath); !path.isEmpty()) {
                m_resultsPath = path;
                m_saveRefusal.clear();
            }
            break;
        case QMessageBox::Discard:
            return true;
        default:
            return false; // back to the window
        }
    }
    m_saveFailureShown = false;
    return true;
}

void FrmMain::KeepUnreadableFile()
{
    const QString shown = QDir::toNativeSeparators(m_resultsPath);
    const QString copy = m_resultsPath + QStringLiteral(".bak");
    QString reason;
    QString text;
    const std::optional<QByteArray> held = ReadWhole(m_resultsPath, &reason);
    if (held && WriteWhole(copy, *held, &reason)) {
        text = QStringLiteral("The results file %1 could not be read whole. A copy of it as it was is kept "
                              "in %2.")
                   .arg(shown, QDir::toNativeSeparators(copy));
    } else {
        // What the file holds is not written over without a copy.
        m_saveRefusal = QStringLiteral("%1 could not be read whole, and no copy of it could be kept: %2")
                            .arg(shown, reason);
        text = QStringLiteral("The results file %1 could not be read whole, and no copy of it could be "
                              "kept, so it will not be written over.")
                   .arg(shown);
    }
    // Told once, over the window, when it is shown.
    QTimer::singleShot(0, this, [this, text, reason] {
        Message(this, QMessageBox::Warning, QStringLiteral("Fixturo"), text, QMessageBox::Ok, reason);
    });
}

void FrmMain::ShowMessage(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    Message(this, icon, title, text);
}

} // namespace fixturo

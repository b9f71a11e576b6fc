#include "ui/FrmMatch.h"

#include "knockout/MatchRules.h"
#include "ui/Message.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace fixturo {

namespace {

// The pitch behind the dialog's texts: dark enough for the white info line.
constexpr QColor kDialogBack(8, 56, 28);

// A label of the layout, aligned top left, in its font and text colour.
QLabel *MakeTextLabel(QWidget *parent, const char *name, const QRect &rect, const QFont &font,
                      const QColor &textColour)
{
    QLabel *label = MakeLabel(parent, QLatin1StringView(name), rect, {}, Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    SetColour(label, QPalette::WindowText, textColour);
    return label;
}

} // namespace

FrmMatch::FrmMatch(ModVars &vars, QWidget *parent)
    : QDialog(parent), m_vars(vars),
      m_row(std::clamp(static_cast<int>(vars.SelectedMatch), 0, kMatchCount - 1))
{
    BuildLayout();
    SetElemForm();
}

void FrmMatch::BuildLayout()
{
    setModal(true);
    setFixedSize(TwipsRect(0, 0, 5115, 5940).size());
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, kDialogBack);

    // Stadium photographs, hidden until the match is played there.
    m_jakobPark = MakeLabel(this, QStringLiteral("JakobPark"), TwipsRect(960, 360, 3000, 1995), {},
                            Qt::AlignLeft | Qt::AlignTop);
    m_jakobPark->setScaledContents(true);
    m_jakobPark->hide();
    m_ernstHappel = MakeLabel(this, QStringLiteral("ErnstHappel"), TwipsRect(300, 360, 3000, 1095), {},
                              Qt::AlignLeft | Qt::AlignTop);
    m_ernstHappel->setScaledContents(true);
    m_ernstHappel->hide();

    // The two small greys are lighter than the classic ones so that they read
    // at 4.5:1 or better on the dark pitch.
    m_lblMyMatchNum = MakeTextLabel(this, "lblMyMatchNum", TwipsRect(4200, 2640, 540, 315),
                                    LayoutFont("Arial", 6.75, false), QColor(160, 160, 160));
    m_lblMatchInfo = MakeTextLabel(this, "lblMatchInfo", TwipsRect(240, 2880, 4365, 435),
                                   LayoutFont("Arial", 9, true), Qt::white);
    m_lblMatchInfo->setWordWrap(true);
    m_lblPenalties = MakeTextLabel(this, "lblPenalties", TwipsRect(240, 3375, 1140, 315),
                                   LayoutFont("Arial", 9.75, true), QColor(255, 255, 0));
    m_lblPenalties->setText(QStringLiteral("PENALTIES"));
    m_lblPenalties->hide();
    m_lblDrawHelp = MakeTextLabel(this, "lblDrawHelp", TwipsRect(1515, 3375, 3165, 240),
                                  LayoutFont("Arial", 6.75, false), QColor(192, 192, 192));
    m_lblDrawHelp->setText(QStringLiteral("If match ends in penalties, enter draw score first"));

    const QFont teamFont = LayoutFont("Arial", 12.75, true);
    m_lblTeam1 = MakeTextLabel(this, "lblTeam1", TwipsRect(2040, 3750, 2640, 315), teamFont, Qt::black);
    m_lblTeam2 = MakeTextLabel(this, "lblTeam2", TwipsRect(2040, 4350, 2640, 315), teamFont, Qt::black);
    for (QLabel *team : {m_lblTeam1, m_lblTeam2}) {
        team->setAutoFillBackground(true);
        SetColour(team, QPalette::Window, QColor(192, 192, 192));
    }
    m_imgFlagRound[0] = MakeLabel(this, QStringLiteral("ImgFlagRound_0"), TwipsRect(4740, 3780, 375, 255), {},
                                  Qt::AlignLeft | Qt::AlignTop);
    m_imgFlagRound[1] = MakeLabel(this, QStringLiteral("ImgFlagRound_1"), TwipsRect(4740, 4380, 375, 255), {},
                                  Qt::AlignLeft | Qt::AlignTop);

    // The focus chain follows creation: OK first, then the score boxes from the
    // last to the first (hidden ones are skipped).
    m_bOk = new QPushButton(QStringLiteral("OK"), this);
    m_bOk->setObjectName(QStringLiteral("bOk"));
    m_bOk->setGeometry(TwipsRect(1320, 5280, 840, 390));
    SetColour(m_bOk, QPalette::Button, QColor(224, 224, 224));

    // Score boxes: 0 and 1 the goals, 2 and 3 the penalty goals (hidden).
    const std::array<QRect, 4> boxRects = {TwipsRect(1440, 3675, 390, 390), TwipsRect(1440, 4275, 390, 390),
                                           TwipsRect(690, 3675, 390, 390), TwipsRect(690, 4275, 390, 390)};
    for (int i = 3; i >= 0; --i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtScore_%1").arg(i));
        box->setGeometry(boxRects[i]);
        box->setFont(LayoutFont("Arial", 12, true));
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(2);
        // Digits only, pasted text too: a pasted "|" or "," would shift every
        // later entry of the results file.
        box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
        box->setPalette(pal);
        box->installEventFilter(this);
        m_txtScore[i] = box;
    }
    m_txtScore[2]->hide();
    m_txtScore[3]->hide();

    m_bOk->setFocus();

    for (QLineEdit *box : m_txtScore)
        connect(box, &QLineEdit::textChanged, this, &FrmMatch::txtScore_Change);
    connect(m_bOk, &QPushButton::clicked, this, &FrmMatch::bOk_Click);
}

void FrmMatch::SetElemForm()
{
    const MatchRow &row = m_vars.MatchTable[m_row];

    const QString &stadium = row[Match::stadium];
    if (stadium == QLatin1StringView("Ernst Happel")) {
        m_ernstHappel->setPixmap(StadiumPicture(Stadium::ErnstHappel));
        m_ernstHappel->show();
    } else if (stadium == QLatin1StringView("St. Jakob-Park")) {
        m_jakobPark->setPixmap(StadiumPicture(Stadium::JakobPark));
        m_jakobPark->show();
    }

    setWindowTitle(MatchTitle(m_vars, m_row));
    m_lblTeam1->setText(row[Match::team1]);
    m_lblTeam2->setText(row[Match::team2]);

    // Each assignment runs the draw rule, so stored penalties of a match whose
    // goals differ are dropped here.
    m_txtScore[0]->setText(row[Match::goals1]);
    m_txtScore[1]->setText(row[Match::goals2]);
    m_txtScore[2]->setText(row[Match::penalties1]);
    m_txtScore[3]->setText(row[Match::penalties2]);

    m_lblMyMatchNum->setText(QStringLiteral("Match #%1").arg(m_row + 1));
    // One line: the label grows to its text rather than wrapping over the info.
    m_lblMyMatchNum->resize(std::max(m_lblMyMatchNum->width(), m_lblMyMatchNum->sizeHint().width()),
                            m_lblMyMatchNum->height());
    m_lblMatchInfo->setText(MatchInfo(row));

    // A name without a flag leaves the picture as it is.
    const std::array<QString, 2> teams = {row[Match::team1], row[Match::team2]};
    for (std::size_t i = 0; i < teams.size(); ++i) {
        const QPixmap flag = FlagPicture(teams[i]);
        if (!flag.isNull()) {
            m_imgFlagRound[i]->setPixmap(flag);
            m_imgFlagRound[i]->setAccessibleName(teams[i]);
        }
    }
    // The score boxes say whose goals they hold.
    for (int i = 0; i < 4; ++i)
        m_txtScore[i]->setAccessibleName(
            (i < 2 ? QStringLiteral("Goals of %1") : QStringLiteral("Penalties of %1")).arg(teams[i % 2]));
}

void FrmMatch::txtScore_Change()
{
    // Group matches take any score: their penalty boxes stay hidden and untouched.
    if (m_row < kFirstKnockoutRow)
        return;

    const bool shown = PenaltiesShown(m_row, m_txtScore[0]->text(), m_txtScore[1]->text());
    m_penaltiesShown = shown;
    const QColor back =
        shown ? QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text) : QColor(Qt::white);
    for (int i : {0, 1}) {
        QPalette pal = m_txtScore[i]->palette();
        pal.setColor(QPalette::Base, back);
        m_txtScore[i]->setPalette(pal);
    }
    for (int i : {2, 3}) {
        m_txtScore[i]->setVisible(shown);
        if (!shown && !m_txtScore[i]->text().isEmpty())
            m_txtScore[i]->clear(); // runs this rule again, which finds nothing more to do
    }
}

bool FrmMatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Only typed characters are filtered: keys without text, Delete and
        // Ctrl combinations (paste, copy, undo) are editing commands.
        const bool command = key->text().isEmpty() || key->key() == Qt::Key_Delete ||
                             key->modifiers().testFlag(Qt::ControlModifier);
        if (!command) {
            const QList<uint> codes = key->text().toUcs4();
            if (!codes.isEmpty() && !ScoreKeyAccepted(static_cast<char32_t>(codes.front())))
                return true; // the box never receives it
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmMatch::showEvent(QShowEvent *event)
{
    // Opens centred on the screen rather than over the window that opened it.
    if (!event->spontaneous())
        CentreOnScreen(this);
    QDialog::showEvent(event);
}

void FrmMatch::bOk_Click()
{
    const ScoreEntry entry{m_txtScore[0]->text(), m_txtScore[1]->text(), m_txtScore[2]->text(),
                           m_txtScore[3]->text()};
    const OkOutcome outcome = DecideOk(m_row, entry, m_penaltiesShown);
    if (outcome == OkOutcome::Store || outcome == OkOutcome::Clear) {
        StoreEntry(m_vars.MatchTable[m_row], outcome, entry);
        accept();
        return;
    }

    // Refused: the texts stay in the boxes for correction.
    Message(
        this, QMessageBox::NoIcon, QStringLiteral("Fixturo"),
        QString::fromLatin1(outcome == OkOutcome::InsertResults ? kMsgInsertResults : kMsgInsertPenalties));
}

} // namespace fixturo

#include "ui/ResultDialog.h"

#include "knockout/ResultRules.h"
#include "lang/Language.h"
#include "ui/Message.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>

#include <algorithm>

namespace fixturo {

namespace {

// The pitch behind the dialog's texts: dark enough for the white info line.
constexpr QColor kDialogBack(8, 56, 28);

// The order of the score boxes in m_scoreBoxes.
enum ScoreBox { Goals1, Goals2, Penalties1, Penalties2 };

// A label of the layout, aligned top left, in its font and text colour.
QLabel *makeTextLabel(QWidget *parent, const char *name, const QRect &rect, const QFont &font,
                      const QColor &textColour)
{
    QLabel *label = makeLabel(parent, QLatin1StringView(name), rect, {}, Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    setColour(label, QPalette::WindowText, textColour);
    return label;
}

// A score box: typed characters other than control codes and digits never
// reach it; pasted text is held to digits by its validator.
class ScoreEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        // Only typed characters are filtered: keys without text, Delete and
        // Ctrl combinations (paste, copy, undo) are editing commands.
        const bool command = event->text().isEmpty() || event->key() == Qt::Key_Delete ||
                             event->modifiers().testFlag(Qt::ControlModifier);
        if (!command) {
            const QList<uint> codes = event->text().toUcs4();
            if (!codes.isEmpty() && !scoreKeyAccepted(static_cast<char32_t>(codes.front())))
                return; // taken here: neither the box nor the dialog acts on it
        }
        QLineEdit::keyPressEvent(event);
    }
};

// The info line: wraps between words, but never inside the stadium's name, so
// that "St. Jakob-Park" is not cut after "St." or "Jakob-". Only the drawing
// changes: text() and what a screen reader says stay the match's info as stored.
class InfoLabel : public QLabel {
public:
    using QLabel::QLabel;

    // Shows `info`, drawn with `keptWhole` (a part of it) on one line.
    void setInfo(const QString &info, const QString &keptWhole)
    {
        m_keptWhole = keptWhole;
        setText(info);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // No-break spaces, and a word joiner after each hyphen: no break there,
        // nothing more drawn, and the hyphen stays the font's own (not every
        // font has a non-breaking hyphen).
        QString whole = m_keptWhole;
        whole.replace(u' ', QChar(0x00A0)).replace(u'-', QStringLiteral("-\u2060"));
        QString shown = text();
        if (!m_keptWhole.isEmpty())
            shown.replace(m_keptWhole, whole);
        QPainter painter(this);
        style()->drawItemText(&painter, contentsRect(),
                              QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextWordWrap,
                              palette(), isEnabled(), shown, foregroundRole());
    }

private:
    QString m_keptWhole;
};

} // namespace

ResultDialog::ResultDialog(const Championship &championship, int row, QWidget *parent)
    : QDialog(parent), m_row(std::clamp(row, 0, kMatchCount - 1))
{
    buildLayout();
    showMatch(championship);
}

void ResultDialog::buildLayout()
{
    useFixedDialogFrame(this);
    setModal(true);
    setFixedSize(twipsRect(0, 0, 5115, 5940).size());
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, kDialogBack);

    // Stadium photographs, hidden until the match is played there.
    m_jakobParkPicture = makeLabel(this, QStringLiteral("jakobParkPicture"), twipsRect(960, 360, 3000, 1995),
                                   {}, Qt::AlignLeft | Qt::AlignTop);
    m_jakobParkPicture->setScaledContents(true);
    m_jakobParkPicture->hide();
    m_ernstHappelPicture = makeLabel(this, QStringLiteral("ernstHappelPicture"),
                                     twipsRect(300, 360, 3000, 1095), {}, Qt::AlignLeft | Qt::AlignTop);
    m_ernstHappelPicture->setScaledContents(true);
    m_ernstHappelPicture->hide();

    // The two small greys are lighter than the classic ones so that they read
    // at 4.5:1 or better on the dark pitch.
    m_matchTitle = makeTextLabel(this, "matchTitleLabel", twipsRect(4200, 2640, 540, 315),
                                 layoutFont("Arial", 6.75, false), QColor(160, 160, 160));
    auto *info = new InfoLabel(this);
    m_matchInfo = info;
    m_matchInfo->setObjectName(QStringLiteral("matchInfoLabel"));
    m_matchInfo->setGeometry(twipsRect(240, 2880, 4365, 435));
    m_matchInfo->setTextFormat(Qt::PlainText);
    m_matchInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_matchInfo->setFont(layoutFont("Arial", 9, true));
    setColour(m_matchInfo, QPalette::WindowText, Qt::white);
    m_matchInfo->setWordWrap(true);
    m_penaltiesCaption = makeTextLabel(this, "penaltiesCaption", twipsRect(240, 3375, 1140, 315),
                                       layoutFont("Arial", 9.75, true), QColor(255, 255, 0));
    m_penaltiesCaption->setText(tr("PENALTIES"));
    fitLabel(m_penaltiesCaption, m_penaltiesCaption->font());
    m_penaltiesCaption->hide();
    m_drawHelp = makeTextLabel(this, "drawHelpLabel", twipsRect(1515, 3375, 3165, 240),
                               layoutFont("Arial", 6.75, false), QColor(192, 192, 192));
    m_drawHelp->setText(tr("If match ends in penalties, enter draw score first"));
    fitLabel(m_drawHelp, m_drawHelp->font());

    const QFont teamFont = layoutFont("Arial", 12.75, true);
    m_team1 = makeTextLabel(this, "team1Label", twipsRect(2040, 3750, 2640, 315), teamFont, Qt::black);
    m_team2 = makeTextLabel(this, "team2Label", twipsRect(2040, 4350, 2640, 315), teamFont, Qt::black);
    for (QLabel *team : {m_team1, m_team2}) {
        team->setAutoFillBackground(true);
        setColour(team, QPalette::Window, QColor(192, 192, 192));
    }
    m_flags[0] = makeLabel(this, QStringLiteral("team1Flag"), twipsRect(4740, 3780, 375, 255), {},
                           Qt::AlignLeft | Qt::AlignTop);
    m_flags[1] = makeLabel(this, QStringLiteral("team2Flag"), twipsRect(4740, 4380, 375, 255), {},
                           Qt::AlignLeft | Qt::AlignTop);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setGeometry(twipsRect(1320, 5280, 840, 390));
    fitButton(m_okButton, m_okButton->font());
    m_okButton->setDefault(true); // Return in a score box presses it
    setColour(m_okButton, QPalette::Button, QColor(224, 224, 224));

    // The goal boxes beside the names, the penalty boxes (hidden) to their left.
    struct BoxLayout {
        const char *name;
        QRect rect;
    };
    const std::array<BoxLayout, 4> boxes{{
        {"goals1Box", twipsRect(1440, 3675, 390, 390)},
        {"goals2Box", twipsRect(1440, 4275, 390, 390)},
        {"penalties1Box", twipsRect(690, 3675, 390, 390)},
        {"penalties2Box", twipsRect(690, 4275, 390, 390)},
    }};
    for (int i = Penalties2; i >= Goals1; --i) {
        auto *box = new ScoreEdit(this);
        box->setObjectName(QLatin1StringView(boxes[i].name));
        box->setGeometry(boxes[i].rect);
        box->setFont(layoutFont("Arial", 12, true));
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(2);
        // Digits only, pasted text too: a pasted "|" or "," would shift every
        // later entry of the results file.
        box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
        box->setPalette(pal);
        m_scoreBoxes[i] = box;
    }
    m_scoreBoxes[Penalties1]->hide();
    m_scoreBoxes[Penalties2]->hide();

    // The focus starts in the first goal box; Tab runs down the score, then to
    // OK: goals 1, goals 2, penalties 1, penalties 2 (hidden ones are skipped).
    QWidget::setTabOrder(m_scoreBoxes[Goals1], m_scoreBoxes[Goals2]);
    QWidget::setTabOrder(m_scoreBoxes[Goals2], m_scoreBoxes[Penalties1]);
    QWidget::setTabOrder(m_scoreBoxes[Penalties1], m_scoreBoxes[Penalties2]);
    QWidget::setTabOrder(m_scoreBoxes[Penalties2], m_okButton);
    m_scoreBoxes[Goals1]->setFocus();

    for (QLineEdit *box : m_scoreBoxes)
        connect(box, &QLineEdit::textChanged, this, &ResultDialog::updatePenaltyBoxes);
    connect(m_okButton, &QPushButton::clicked, this, &ResultDialog::accept);
}

void ResultDialog::showMatch(const Championship &championship)
{
    const Match &match = championship.matches[m_row];

    if (match.stadium == QLatin1StringView("Ernst Happel")) {
        m_ernstHappelPicture->setPixmap(stadiumPicture(Stadium::ErnstHappel));
        m_ernstHappelPicture->show();
    } else if (match.stadium == QLatin1StringView("St. Jakob-Park")) {
        m_jakobParkPicture->setPixmap(stadiumPicture(Stadium::JakobPark));
        m_jakobParkPicture->show();
    }

    setWindowTitle(matchTitle(championship, m_row));
    for (auto [label, team] : {std::pair{m_team1, &match.team1}, std::pair{m_team2, &match.team2}}) {
        label->setText(teamName(*team));
        fitLabel(label, label->font());
    }

    // Each assignment runs the draw rule, so stored penalties of a match whose
    // goals differ are dropped here.
    // Two digits is the limit for typing; a longer stored score shows whole.
    const std::array<const QString *, 4> stored{&match.score.goals1, &match.score.goals2,
                                                &match.score.penalties1, &match.score.penalties2};
    for (int i = Goals1; i <= Penalties2; ++i) {
        m_scoreBoxes[i]->setMaxLength(std::max(2, static_cast<int>(stored[i]->size())));
        m_scoreBoxes[i]->setText(*stored[i]);
    }

    m_matchTitle->setText(tr("Match #%1").arg(m_row + 1));
    // One line: the label grows to its text, up to the window's edge, rather
    // than wrapping over the info.
    m_matchTitle->resize(std::min(std::max(m_matchTitle->width(), m_matchTitle->sizeHint().width()),
                                  width() - m_matchTitle->x()),
                         m_matchTitle->height());
    fitLabel(m_matchTitle, m_matchTitle->font());
    // buildLayout made the info line an InfoLabel; the stadium's name stays on one line.
    static_cast<InfoLabel *>(m_matchInfo)->setInfo(matchInfo(match), match.stadium);
    fitLabel(m_matchInfo, m_matchInfo->font());

    // A name without a flag leaves the picture as it is.
    const std::array<QString, 2> teams = {match.team1, match.team2};
    for (std::size_t i = 0; i < teams.size(); ++i) {
        const QPixmap flag = flagPicture(teams[i]);
        if (!flag.isNull()) {
            m_flags[i]->setPixmap(flag);
            m_flags[i]->setAccessibleName(teamName(teams[i]));
        }
    }
    // The score boxes say whose goals they hold.
    for (int i = Goals1; i <= Penalties2; ++i)
        m_scoreBoxes[i]->setAccessibleName(
            (i <= Goals2 ? tr("Goals of %1") : tr("Penalties of %1")).arg(teamName(teams[i % 2])));
}

void ResultDialog::updatePenaltyBoxes()
{
    // Group matches take any score: their penalty boxes stay hidden and untouched.
    if (m_row < kFirstKnockoutRow)
        return;

    const bool shown = penaltiesShown(m_row, m_scoreBoxes[Goals1]->text(), m_scoreBoxes[Goals2]->text());
    m_penaltiesShown = shown;
    const QColor back =
        shown ? QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text) : QColor(Qt::white);
    for (int i : {Goals1, Goals2}) {
        QPalette pal = m_scoreBoxes[i]->palette();
        pal.setColor(QPalette::Base, back);
        m_scoreBoxes[i]->setPalette(pal);
    }
    m_penaltiesCaption->setVisible(shown);
    for (int i : {Penalties1, Penalties2}) {
        m_scoreBoxes[i]->setVisible(shown);
        if (!shown && !m_scoreBoxes[i]->text().isEmpty())
            m_scoreBoxes[i]->clear(); // runs this rule again, which finds nothing more to do
    }
}

void ResultDialog::showEvent(QShowEvent *event)
{
    // Opens centred on the screen rather than over the window that opened it.
    if (!event->spontaneous())
        centreOnScreen(this);
    QDialog::showEvent(event);
}

void ResultDialog::accept()
{
    const Score entry{m_scoreBoxes[Goals1]->text(), m_scoreBoxes[Goals2]->text(),
                      m_scoreBoxes[Penalties1]->text(), m_scoreBoxes[Penalties2]->text()};
    const OkOutcome outcome = decideOk(m_row, entry, m_penaltiesShown);
    if (outcome == OkOutcome::Store || outcome == OkOutcome::Clear) {
        m_score = acceptedScore(outcome, entry);
        QDialog::accept();
        return;
    }

    // Refused: the texts stay in the boxes for correction.
    showMessage(this, QMessageBox::NoIcon, QStringLiteral("Fixturo"),
                tr(outcome == OkOutcome::InsertResults ? kMsgInsertResults : kMsgInsertPenalties));
}

} // namespace fixturo

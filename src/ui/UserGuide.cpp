#include "ui/UserGuide.h"

#include "lang/Language.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QBoxLayout>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

namespace fixturo {

const char *const UserGuide::kPage = "qrc:/guide/userguide.html";

QUrl UserGuide::page()
{
    // The guide in the user's language where there is one.
    const QString translated = QStringLiteral(":/guide/userguide_%1.html").arg(currentLanguage());
    if (QFile::exists(translated))
        return QUrl(QLatin1String("qrc") + translated);
    return QUrl(QLatin1String(kPage));
}

UserGuide::UserGuide(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("userGuide"));
    setWindowTitle(tr("Fixturo User Guide"));
    setWindowIcon(programIcon());
    resize(680, 600);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("guideText"));
    m_text->setAccessibleName(tr("User Guide"));
    m_text->setOpenExternalLinks(true);
    m_text->setSource(page());

    m_findBar = new QWidget(this);
    m_findBar->setObjectName(QStringLiteral("findBar"));
    auto *findLabel = new QLabel(tr("Find:"), m_findBar);
    m_findBox = new QLineEdit(m_findBar);
    m_findBox->setObjectName(QStringLiteral("findBox"));
    m_findBox->setAccessibleName(tr("Find in the user guide"));
    findLabel->setBuddy(m_findBox);
    m_findState = new QLabel(m_findBar);
    m_findState->setObjectName(QStringLiteral("findState"));
    m_findState->setMinimumWidth(m_findState->fontMetrics().horizontalAdvance(tr("Not found ")));
    auto *next = new QPushButton(tr("Find Next"), m_findBar);
    next->setAccessibleDescription(tr("Return in the find box does the same"));
    auto *close = new QPushButton(tr("Close"), m_findBar);
    close->setAccessibleName(tr("Close the find bar"));
    auto *bar = new QHBoxLayout(m_findBar);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(findLabel);
    bar->addWidget(m_findBox, 1);
    bar->addWidget(m_findState);
    bar->addWidget(next);
    bar->addWidget(close);
    m_findBar->hide();
    connect(m_findBox, &QLineEdit::returnPressed, this, &UserGuide::findNext);
    connect(next, &QPushButton::clicked, this, &UserGuide::findNext);
    connect(close, &QPushButton::clicked, this, &UserGuide::closeFindBar);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_findBar);

    auto *find = new QAction(tr("Find"), this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &UserGuide::openFindBar);
    addAction(find);
}

void UserGuide::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier)
        return QWidget::keyPressEvent(event);
    if (m_findBar->isVisible())
        closeFindBar();
    else
        close();
}

void UserGuide::openFindBar()
{
    m_findBar->show();
    m_findBox->setFocus(Qt::ShortcutFocusReason);
    m_findBox->selectAll();
}

void UserGuide::closeFindBar()
{
    m_findBar->hide();
    m_findState->clear();
    m_text->setFocus(Qt::OtherFocusReason);
}

void UserGuide::findNext()
{
    const QString wanted = m_findBox->text();
    if (wanted.isEmpty())
        return;
    // After the last place, from the top again.
    bool found = m_text->find(wanted);
    if (!found) {
        m_text->moveCursor(QTextCursor::Start);
        found = m_text->find(wanted);
    }
    m_findState->setText(found ? QString() : tr("Not found"));
}

} // namespace fixturo

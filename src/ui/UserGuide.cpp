#include "ui/UserGuide.h"

#include "ui/Pictures.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

namespace fixturo {

const char *const UserGuide::kPage = "qrc:/guide/userguide.html";

UserGuide::UserGuide(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("userGuide"));
    setWindowTitle(QStringLiteral("Fixturo User Guide"));
    setWindowIcon(programIcon());
    resize(680, 600);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("guideText"));
    m_text->setAccessibleName(QStringLiteral("User Guide"));
    m_text->setOpenExternalLinks(true);
    m_text->setSource(QUrl(QLatin1String(kPage)));

    m_findBar = new QWidget(this);
    m_findBar->setObjectName(QStringLiteral("findBar"));
    auto *findLabel = new QLabel(QStringLiteral("Find:"), m_findBar);
    m_findBox = new QLineEdit(m_findBar);
    m_findBox->setObjectName(QStringLiteral("findBox"));
    m_findBox->setAccessibleName(QStringLiteral("Find in the user guide"));
    findLabel->setBuddy(m_findBox);
    m_findState = new QLabel(m_findBar);
    m_findState->setObjectName(QStringLiteral("findState"));
    m_findState->setMinimumWidth(m_findState->fontMetrics().horizontalAdvance(QStringLiteral("Not found ")));
    auto *next = new QPushButton(QStringLiteral("Find Next"), m_findBar);
    next->setAccessibleDescription(QStringLiteral("Return in the find box does the same"));
    auto *close = new QPushButton(QStringLiteral("Close"), m_findBar);
    close->setAccessibleName(QStringLiteral("Close the find bar"));
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

    auto *find = new QAction(QStringLiteral("Find"), this);
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
    m_findState->setText(found ? QString() : QStringLiteral("Not found"));
}

} // namespace fixturo

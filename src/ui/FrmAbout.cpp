#include "ui/FrmAbout.h"

#include "ui/Widgets.h"

#include "ui/Pictures.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace fixturo {

namespace {

constexpr const char *kAuthor = "Fixturo";
constexpr const char *kNotice = "Fixturo is freeware, written and given away by the Fixturo team.\n"
                                "Many thanks to Elena Ruiz for checking every result of the championship.";

} // namespace

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(kAuthor));
    setModal(true);
    setFixedSize(Twips(9600), Twips(7155));

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(TwipsRect(0, -60, 9600, 7200));
    m_image1->setScaledContents(true);
    const QPixmap picture = AboutPicture();
    if (!picture.isNull())
        m_image1->setPixmap(picture);
    m_image1->setCursor(CrossCursor());
    m_image1->installEventFilter(this);

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(TwipsRect(0, 6300, 9615, 855));
    m_text1->setReadOnly(true);
    m_text1->setFrameShape(QFrame::NoFrame);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette palette = m_text1->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    m_text1->setPalette(palette);
    m_text1->setPlainText(QString::fromLatin1(kNotice));

    // Centred on the screen, like the other secondary windows.
    CentreOnScreen(this);
}

bool FrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_image1)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_image1->rect().contains(mouse->position().toPoint())) {
            Image1_Click();
            return true;
        }
    }
    return false;
}

void FrmAbout::Image1_Click()
{
    close();
}

} // namespace fixturo

#include "ui/AboutDialog.h"

#include "ui/ClickableLabel.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QPlainTextEdit>

namespace fixturo {

namespace {

constexpr const char *kAuthor = "Fixturo";
constexpr const char *kNotice = QT_TRANSLATE_NOOP(
    "fixturo::AboutDialog", "Fixturo is freeware, written and given away by the Fixturo team.\n"
                            "Many thanks to Elena Ruiz for checking every result of the championship.");

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    useFixedDialogFrame(this);
    // The author's name, then the program's version.
    setWindowTitle(QString::fromLatin1(kAuthor) + u' ' + QLatin1String(FIXTURO_VERSION));
    setModal(true);
    setFixedSize(twips(9600), twips(7155));

    // A left click on the picture, released over it, closes the window.
    m_picture = new ClickableLabel(this, ClickableLabel::Trigger::Release);
    m_picture->setObjectName(QStringLiteral("pictureLabel"));
    m_picture->setGeometry(twipsRect(0, -60, 9600, 7200));
    m_picture->setScaledContents(true);
    const QPixmap picture = aboutPicture();
    if (!picture.isNull())
        m_picture->setPixmap(picture);
    m_picture->setCursor(crossCursor());
    connect(m_picture, &ClickableLabel::clicked, this, &QWidget::close);

    m_notice = new QPlainTextEdit(this);
    m_notice->setObjectName(QStringLiteral("noticeText"));
    m_notice->setGeometry(twipsRect(0, 6300, 9615, 855));
    m_notice->setReadOnly(true);
    m_notice->setFrameShape(QFrame::NoFrame);
    m_notice->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_notice->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_notice->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette palette = m_notice->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    m_notice->setPalette(palette);
    m_notice->setPlainText(tr(kNotice));
    fitPlainText(m_notice, m_notice->font());

    // Centred on the screen, like the other secondary windows.
    centreOnScreen(this);
}

} // namespace fixturo

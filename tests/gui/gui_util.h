#pragma once

#include "../core/test_util.h"

#include "ui/Message.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace fixturo::test {

// Answers the next message box of the program with `button`, without showing
// it; its text, then its detail text when it has one, are appended to `seen`.
inline void AnswerMessage(QStringList *seen = nullptr, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    AnswerNextMessage([seen, button](const QMessageBox &box) {
        if (seen) {
            *seen << box.text();
            if (!box.detailedText().isEmpty())
                *seen << box.detailedText();
        }
        return button;
    });
}

// Drives the modal window that the next blocking call opens: queue it before
// that call. `drive` gets the first visible modal window other than `below`;
// whatever it leaves open is closed, and no window within five seconds is a
// failure, so a test never hangs.
inline void OnModal(std::function<void(QWidget *)> drive, QWidget *below = nullptr)
{
    QTimer::singleShot(0, [drive = std::move(drive), below] {
        QWidget *modal = nullptr;
        if (!QTest::qWaitFor(
                [&] {
                    modal = QApplication::activeModalWidget();
                    return modal && modal != below && modal->isVisible();
                },
                5000))
            return ADD_FAILURE() << "no modal window came";
        drive(modal);
        if (modal->isVisible())
            modal->close();
    });
}

// The named child of a window, of type T; records a failure when there is none.
template <typename T = QLabel> T *NamedChild(const QObject &parent, const QString &name)
{
    T *child = parent.findChild<T *>(name);
    if (!child)
        ADD_FAILURE() << "no control " << name.toStdString();
    return child;
}

// The addresses handed to the web browser while it lives.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> urls;
public slots:
    void Open(const QUrl &url) { urls << url; }
};

} // namespace fixturo::test

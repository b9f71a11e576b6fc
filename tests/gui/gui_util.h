#pragma once

#include "support/TestSupport.h"

#include "ui/Message.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace fixturo::test {

// Answers the next message box of the program with `button`, without showing
// it; its text, then its detail text when it has one, are appended to `seen`.
inline void answerMessage(QStringList *seen = nullptr, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    answerNextMessage([seen, button](const QMessageBox &box) {
        if (seen) {
            *seen << box.text();
            if (!box.detailedText().isEmpty())
                *seen << box.detailedText();
        }
        return button;
    });
}

// Runs `then` on the next modal window of type T once it is active, from inside
// the exec() that the caller enters next. A window that never comes, or that
// `then` leaves open, fails the test and is closed.
template <typename T> void onNext(std::function<void(T *)> then)
{
    QTimer::singleShot(0, [then] {
        T *window = nullptr;
        if (QTest::qWaitFor(
                [&] { return (window = qobject_cast<T *>(QApplication::activeModalWidget())); }) &&
            QTest::qWaitForWindowActive(window))
            then(window);
        ASSERT_TRUE(window) << T::staticMetaObject.className() << " never came";
        EXPECT_FALSE(window->isVisible()) << T::staticMetaObject.className() << " stayed open";
        window->close();
    });
}

// The named child of a window, of type T; records a failure when there is none.
template <typename T = QLabel> T *namedChild(const QObject &parent, const QString &name)
{
    T *child = parent.findChild<T *>(name);
    if (!child)
        ADD_FAILURE() << "no control " << name.toStdString();
    return child;
}

// The texts of the named labels.
inline QStringList texts(const QObject &window, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names)
        if (const QLabel *label = namedChild(window, name))
            texts << label->text();
    return texts;
}

// The result dialog's score boxes, in the order of a score.
const char *const kScoreBoxes[] = {"goals1Box", "goals2Box", "penalties1Box", "penalties2Box"};

// Retypes the result dialog's first boxes, an empty text clearing one, then presses OK when asked.
inline void enterScores(const QWidget &dialog, const QStringList &scores, bool ok = true)
{
    for (int i = 0; i < scores.size(); ++i) {
        auto *box = namedChild<QLineEdit>(dialog, kScoreBoxes[i]);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, scores[i]);
    }
    if (ok)
        QTest::mouseClick(namedChild<QPushButton>(dialog, "okButton"), Qt::LeftButton);
}

// The addresses handed to the web browser while it lives.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace fixturo::test

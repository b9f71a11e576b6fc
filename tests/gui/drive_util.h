#pragma once

// Tests that drive real windows fail, they never hang: a message box that no
// test answered fails the test without being shown, and modal windows are
// driven from inside the exec() that opens them.

#include "gui_util.h"

namespace fixturo::test {

class StrictMessages : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageFallback([](const QMessageBox &box) {
            ADD_FAILURE() << "unexpected message: " << box.text().toStdString();
            return QMessageBox::Ok;
        });
    }
    void TearDown() override { SetMessageFallback({}); }
};

// Runs `then` on the next modal window of type T once it is active, from inside
// the exec() that the caller enters next. A window that never comes, or that
// `then` leaves open, fails the test and is closed.
template <typename T> void OnNext(std::function<void(T *)> then)
{
    QTimer::singleShot(0, [then] {
        T *window = nullptr;
        if (QTest::qWaitFor(
                [&] { return (window = qobject_cast<T *>(QApplication::activeModalWidget())); }) &&
            QTest::qWaitForWindowActive(window))
            then(window);
        EXPECT_TRUE(window && !window->isVisible()) << T::staticMetaObject.className() << " came or stayed";
        if (window)
            window->close();
    });
}

inline void CloseNextModal()
{
    OnNext<QWidget>([](QWidget *window) { window->close(); });
}

} // namespace fixturo::test

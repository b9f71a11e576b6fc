#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "ui/Message.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace fixturo::test {

// Drives the next modal window that opens. Arm it before the call that blocks
// in exec(): it polls for QApplication::activeModalWidget() other than
// `ignore` (and, when given, one that `wanted` accepts), hands it to `drive`,
// and records a failure when none comes within the timeout; from then on it
// closes every modal window it sees, so a test never hangs.
class ModalDriver : public QObject {
public:
    using Drive = std::function<void(QWidget *)>;
    using Filter = std::function<bool(QWidget *)>;

    explicit ModalDriver(Drive drive, QWidget *ignore = nullptr, int timeoutMs = 5000, Filter wanted = {})
        : m_drive(std::move(drive)), m_wanted(std::move(wanted)), m_ignore(ignore), m_timeoutMs(timeoutMs)
    {
        m_clock.start();
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
        m_timer.start();
    }

    bool Fired() const { return m_fired; }

private:
    void Poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (m_gaveUp) {
            if (modal && modal != m_ignore)
                modal->close();
            return;
        }
        if (modal && modal != m_ignore && modal->isVisible() && (!m_wanted || m_wanted(modal))) {
            m_timer.stop();
            m_fired = true;
            m_drive(modal);
            return;
        }
        if (m_clock.elapsed() > m_timeoutMs) {
            ADD_FAILURE() << "the expected modal window did not appear";
            m_gaveUp = true;
        }
    }

    Drive m_drive;
    Filter m_wanted;
    QWidget *m_ignore;
    int m_timeoutMs;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_fired = false;
    bool m_gaveUp = false;
};

// The text of a message box, then closes it with its OK button.
inline QString AcceptMessageBox(QWidget *modal)
{
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box) {
        ADD_FAILURE() << "expected a message box, got " << modal->metaObject()->className();
        modal->close();
        return {};
    }
    const QString text = box->text();
    box->accept();
    return text;
}

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

// The named child of a window, of type T; records a failure when there is none.
template <typename T> T *NamedChild(const QObject &parent, const QString &name)
{
    T *child = parent.findChild<T *>(name);
    if (!child)
        ADD_FAILURE() << "no control " << name.toStdString();
    return child;
}

} // namespace fixturo::test

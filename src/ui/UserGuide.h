#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace fixturo {

// The user guide: the program's own guide (a page built into the program) in
// a window of its own beside the main window, which stays usable. Ctrl+F opens
// a find bar under the text: Return finds the next place of what is typed,
// from the top again after the last one, and says when there is none; Escape
// closes the bar, and with the bar closed, the window. Every control carries a
// name for screen readers.
class UserGuide : public QWidget {
    Q_OBJECT
public:
    explicit UserGuide(QWidget *parent = nullptr);

    // Where the guide's page is kept among the program's resources: the
    // English one, and the one shown (in the user's language where it exists).
    static const char *const kPage;
    static QUrl page();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openFindBar();
    void closeFindBar();
    void findNext();

    QTextBrowser *m_text = nullptr;
    QWidget *m_findBar = nullptr;
    QLineEdit *m_findBox = nullptr;
    QLabel *m_findState = nullptr;
};

} // namespace fixturo

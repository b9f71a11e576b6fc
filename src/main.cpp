#include "lang/Language.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The name decides the user's data folder (~/.local/share/fixturo), where
    // the results go when the program's own folder cannot be written.
    QApplication::setApplicationName(QStringLiteral("fixturo"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.fixturo"));
    // The system's language when Fixturo speaks it, English otherwise.
    fixturo::useFirstLanguage(QLocale::system().uiLanguages(), fixturo::translationFolders());
    fixturo::Championship championship;
    const fixturo::ResultsLocation location = fixturo::resultsLocation();
    fixturo::MainWindow window(championship, location.path);
    if (!location.copiedFrom.isEmpty())
        window.tellResultsCopied(location.copiedFrom);
    window.show();
    return app.exec();
}

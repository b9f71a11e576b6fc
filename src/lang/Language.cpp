#include "lang/Language.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTime>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <optional>

namespace fixturo {

namespace {

// The host cities, as the fixture list names them.
const std::array kCities = {
    QT_TRANSLATE_NOOP("City", "Basel"),      QT_TRANSLATE_NOOP("City", "Berne"),
    QT_TRANSLATE_NOOP("City", "Geneva"),     QT_TRANSLATE_NOOP("City", "Innsbruck"),
    QT_TRANSLATE_NOOP("City", "Klagenfurt"), QT_TRANSLATE_NOOP("City", "Salzburg"),
    QT_TRANSLATE_NOOP("City", "Vienna"),     QT_TRANSLATE_NOOP("City", "Zurich"),
};

// Qt's own texts on Fixturo's message boxes, translated here too for the
// languages that Qt's translations lack (Greek, Romanian, Swedish, Portugal's
// Portuguese); where Qt has them, its own come first.
[[maybe_unused]] const std::array kQtTexts = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),           QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),         QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QMessageBox", "Show Details..."), QT_TRANSLATE_NOOP("QMessageBox", "Hide Details..."),
};

// The installed translations, and the locale that writes dates and times
// while one is installed.
struct Installed {
    std::unique_ptr<QTranslator> own, qt;
    std::optional<QLocale> locale;
    QString language = QStringLiteral("en");
};
Installed &installed()
{
    static Installed current;
    return current;
}

// A translator leaves the application as it is destroyed.
void removeTranslations()
{
    installed() = {};
}

bool install(const QString &language, const QLocale &locale, const QStringList &folders)
{
    removeTranslations();
    if (!translatedLanguages().contains(language))
        return false;
    auto own = std::make_unique<QTranslator>();
    const QString file = QStringLiteral("fixturo_%1.qm").arg(language);
    for (const QString &folder : folders) {
        if (QDir(folder).exists(file) && own->load(file, folder))
            break;
    }
    if (own->isEmpty())
        return false;
    Installed &current = installed();
    current.own = std::move(own);
    QCoreApplication::installTranslator(current.own.get());
    // Qt's own dialogs (file, print, message box buttons); without them those
    // stay in English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        current.qt = std::move(qt);
        QCoreApplication::installTranslator(current.qt.get());
    }
    current.locale = locale;
    current.language = language;
    return true;
}

std::optional<QLocale> displayLocale()
{
    return installed().locale;
}

} // namespace

QStringList translatedLanguages()
{
    // The build's list of the teams' languages, hosts first.
    return QString::fromLatin1(FIXTURO_LANGUAGES).split(u' ');
}

bool useLanguage(const QString &language, const QStringList &folders)
{
    // Portuguese as Portugal writes it (a bare "pt" is Brazil's).
    const QLocale locale(language == QLatin1String("pt") ? QStringLiteral("pt_PT") : language);
    return install(language, locale, folders);
}

QString useFirstLanguage(const QStringList &uiLanguages, const QStringList &folders)
{
    for (const QString &name : uiLanguages) {
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language == QLatin1String("en"))
            break;
        if (install(language, QLocale(name), folders))
            return language;
    }
    removeTranslations();
    return QStringLiteral("en");
}

QString currentLanguage()
{
    return installed().language;
}

QStringList translationFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir(program).filePath(QStringLiteral("../share/fixturo/translations")),
            QDir(program).filePath(QStringLiteral("translations"))};
}

QString teamName(const QString &stored)
{
    static const QRegularExpression standIn(QStringLiteral("^(Winner Grp|Runner-up Grp|Winner #) ?(\\w+)$"));
    const QRegularExpressionMatch match = standIn.match(stored);
    if (match.hasMatch()) {
        const QString kind = match.captured(1);
        if (kind == QLatin1String("Winner Grp"))
            //: Quarter-final slot before the group ends: the winner of group %1.
            return QCoreApplication::translate("Team", "Winner Grp %1").arg(match.captured(2));
        if (kind == QLatin1String("Runner-up Grp"))
            //: Quarter-final slot before the group ends: the runner-up of group %1.
            return QCoreApplication::translate("Team", "Runner-up Grp %1").arg(match.captured(2));
        //: Knockout slot before match %1 is played: its winner.
        return QCoreApplication::translate("Team", "Winner #%1").arg(match.captured(2));
    }
    if (stored == QLatin1String("Winner"))
        //: The champion's place before the final is played.
        return QCoreApplication::translate("Team", "Winner");
    // The sixteen teams (marked in the draw); any other name as it is.
    return QCoreApplication::translate("Team", stored.toUtf8().constData());
}

QString cityName(const QString &stored)
{
    for (const char *city : kCities) {
        if (stored.startsWith(QLatin1String(city)))
            return QCoreApplication::translate("City", city) + stored.mid(qsizetype(qstrlen(city)));
    }
    return stored;
}

QString stageName(const QString &stored)
{
    if (stored.startsWith(QLatin1String("Group ")) && stored.size() == 7)
        return QCoreApplication::translate("Stage", "Group %1").arg(stored.back());
    if (stored == QLatin1String("QF"))
        //: Short for quarter-final.
        return QCoreApplication::translate("Stage", "QF");
    if (stored == QLatin1String("SF"))
        //: Short for semi-final.
        return QCoreApplication::translate("Stage", "SF");
    if (stored == QLatin1String("F"))
        //: Short for final.
        return QCoreApplication::translate("Stage", "F");
    return stored;
}

QString longDate(const QString &stored)
{
    const std::optional<QLocale> locale = displayLocale();
    const QDate date = QLocale::c().toDate(stored, QStringLiteral("dddd d MMMM yyyy"));
    if (!locale || !date.isValid())
        return stored;
    return locale->toString(date, QLocale::LongFormat);
}

QString dayDate(const QString &stored, bool abbreviated)
{
    const std::optional<QLocale> locale = displayLocale();
    const QDate date = QLocale::c().toDate(stored, QStringLiteral("d MMMM yyyy"));
    if (!locale || !date.isValid())
        return stored;
    static const QRegularExpression weekday(QStringLiteral("\\s*dddd,?\\s*"));
    QString format = locale->dateFormat(QLocale::LongFormat).remove(weekday).trimmed();
    if (abbreviated)
        format.replace(QLatin1String("MMMM"), QLatin1String("MMM"));
    return locale->toString(date, format);
}

QString timeOfDay(const QString &stored)
{
    const std::optional<QLocale> locale = displayLocale();
    const QTime time = QTime::fromString(stored, QStringLiteral("HH:mm"));
    if (!locale || !time.isValid())
        return stored;
    return locale->toString(time, QLocale::ShortFormat);
}

QString counted(const char *context, const char *source, qint64 count)
{
    if (displayLocale()) {
        const int n = int(std::clamp<qint64>(count, INT_MIN, INT_MAX));
        QString text = QCoreApplication::translate(context, source, nullptr, n);
        return n == count ? text : text.replace(QString::number(n), QString::number(count));
    }
    return QString::fromLatin1(source)
        .replace(QLatin1String("(s)"), count == 1 ? QString() : QStringLiteral("s"))
        .replace(QLatin1String("%n"), QString::number(count));
}

} // namespace fixturo

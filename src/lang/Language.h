#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace fixturo {

// The language the program speaks. English is the language of the sources and
// of everything stored (the results file, the manual order's names, the CSV);
// another language changes only what is shown: captions and messages through
// the installed translations, and team names, cities, stages, dates and times
// through the functions below. Without a translation every function here
// gives its stored text back unchanged.

// The languages with a translation, as ISO 639 codes ("de", "el"...), English
// excluded.
QStringList translatedLanguages();

// Installs the translation of the first of the user-interface languages
// ("de-CH", "el"...; the system's are QLocale::system().uiLanguages()) that
// Fixturo has, together with Qt's own for its dialogs, from the folders named
// (the first that holds it). English, when it comes first, or no translation
// removes any installed one. Returns the language installed, or "en".
QString useFirstLanguage(const QStringList &uiLanguages, const QStringList &folders);

// Installs the translation of one language ("de"), or English for "en" or a
// language without one. Returns whether a translation was installed.
bool useLanguage(const QString &language, const QStringList &folders);

// The language installed ("de"), or "en".
QString currentLanguage();

// The folders Fixturo looks in for its translations when started: the
// installed data folder beside the program's, then the program's own folder.
QStringList translationFolders();

// Display texts of stored ones. A team's name, or a knockout slot's stand-in
// ("Winner Grp A", "Runner-up Grp B", "Winner #25", "Winner").
QString teamName(const QString &stored);
// A host city ("Vienna"); any ending after the name (" - ") is kept.
QString cityName(const QString &stored);
// A group label ("Group A") or knockout stage ("QF", "SF", "F").
QString stageName(const QString &stored);
// "Saturday 7 June 2008" as the language writes a date with its weekday.
QString longDate(const QString &stored);
// "19 June 2008" as the language writes a date without a weekday; with
// `abbreviated`, its month shortened as the language shortens it.
QString dayDate(const QString &stored, bool abbreviated = false);
// "20:45" as the language writes a time.
QString timeOfDay(const QString &stored);

// A count and its noun from a numerus source text marked with
// QT_TRANSLATE_N_NOOP ("%n point(s)"): the translation's plural form, or in
// English "1 point", "2 points".
QString counted(const char *context, const char *source, qint64 count);

} // namespace fixturo

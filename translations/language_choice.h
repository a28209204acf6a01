#pragma once
#include <QLocale>
#include <QString>

#include "language.h"

namespace baralune {

// The language a locale speaks to Baralune: Spanish for any Spanish locale (es_ES, es_MX,
// es_AR, ...), English for every other.
Language LanguageOfLocale(const QLocale& locale);

// The language to use: `setting` ("en" or "es") when it names one, otherwise the locale's.
Language ChooseLanguage(const QString& setting, const QLocale& system);

// The system's language, from the environment as Qt reads it (LC_ALL, LC_MESSAGES, LANG).
Language SystemLanguage();

// The default locale for `language`: the system's where it speaks that language (es_MX keeps
// Mexico's ways), else Spain's or the United States'.
QLocale LocaleFor(Language language, const QLocale& system);

// Switches Baralune's texts: Baralune's and Qt's own translations, the default locale (month
// names, numbers) and the language of the readings the windows deal. English installs no
// translation. Needs the application object for the translations.
void ApplyLanguage(Language language);

// Month 1..12 as the date of birth's list offers it: the default locale's name, capitalised
// as the first word of a list item ("Enero").
QString MonthListName(int month);

// `text` of `context` in `language`, whichever language the program speaks (a reading shown
// again keeps the language it was dealt in).
QString TranslateIn(Language language, const char* context, const char* text);

// The language last applied (English until one is).
Language AppliedLanguage();

// The language the windows deal new readings in and name the spreads and cards in: the one
// last applied, unless set apart from the windows' own words (a session that shows readings
// dealt in another language).
Language ReadingLanguage();
void SetReadingLanguage(Language language);

}  // namespace baralune

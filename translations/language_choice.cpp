#include "language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "system_error.h"

namespace baralune {

namespace {

Language g_applied = Language::English;
Language g_reading = Language::English;

// Baralune's translation (in the program's resources; English has its plural forms) and Qt's
// own, while Spanish is on.
struct Translators {
  std::unique_ptr<QTranslator> baralune;
  std::unique_ptr<QTranslator> qt;
};
Translators& Installed() {
  static Translators translators;
  return translators;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
  if (translator == nullptr) return;
  QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

std::unique_ptr<QTranslator> Load(const QString& name, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, folder)) return nullptr;  // a missing file leaves those in English
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

}  // namespace

QLocale LocaleFor(Language language, const QLocale& system) {
  const QLocale::Language spoken = system.language();
  if (language == Language::Spanish) {
    return spoken == QLocale::Spanish ? system : QLocale(QLocale::Spanish, QLocale::Spain);
  }
  // The C locale speaks English too.
  return spoken == QLocale::English || spoken == QLocale::C
             ? system
             : QLocale(QLocale::English, QLocale::UnitedStates);
}

Language LanguageOfLocale(const QLocale& locale) {
  return locale.language() == QLocale::Spanish ? Language::Spanish : Language::English;
}

Language ChooseLanguage(const QString& setting, const QLocale& system) {
  if (const auto chosen = LanguageFromCode(setting.toStdString())) return *chosen;
  return LanguageOfLocale(system);
}

Language SystemLanguage() {
  return LanguageOfLocale(QLocale::system());
}

void ApplyLanguage(Language language) {
  Translators& installed = Installed();
  Remove(installed.baralune);
  Remove(installed.qt);
  if (language == Language::Spanish && QCoreApplication::instance() != nullptr) {
    installed.baralune = Load(QStringLiteral("baralune_es"), QStringLiteral(":/i18n"));
    installed.qt =
        Load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  } else if (QCoreApplication::instance() != nullptr) {
    // The sources are English already, but for the plural forms ("%n reading(s)").
    installed.baralune = Load(QStringLiteral("baralune_en"), QStringLiteral(":/i18n"));
  }
  QLocale::setDefault(LocaleFor(language, QLocale::system()));
  SetSystemErrorLanguage(language);
  g_applied = language;
  g_reading = language;
}

QString MonthListName(int month) {
  const QLocale locale;
  const QString name = locale.standaloneMonthName(month, QLocale::LongFormat);
  return locale.toUpper(name.left(1)) + name.mid(1);
}

QString TranslateIn(Language language, const char* context, const char* text) {
  if (language == Language::English) return QString::fromUtf8(text);
  // Loaded once, and never installed: the program's own texts stay in its language.
  static const std::unique_ptr<QTranslator> spanish = [] {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("baralune_es"), QStringLiteral(":/i18n"))) {
      qWarning("The Spanish translation could not be loaded");
    }
    return translator;
  }();
  const QString translated = spanish->translate(context, text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

Language AppliedLanguage() {
  return g_applied;
}

Language ReadingLanguage() {
  return g_reading;
}

void SetReadingLanguage(Language language) {
  g_reading = language;
}

}  // namespace baralune

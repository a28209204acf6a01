#pragma once
// The texts the browser edition's page has of its own (the rest it shares with the windows).
// The page reads them from the translations at build time; this list puts them there.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace baralune::web {

[[maybe_unused]] inline constexpr const char* kPageTexts[] = {
    QT_TRANSLATE_NOOP("WebPage", "Baralune is getting ready. The reading follows in a moment."),
    QT_TRANSLATE_NOOP("WebPage",
                      "This browser cannot run Baralune: it has no WebAssembly. Please use a "
                      "current browser."),
    QT_TRANSLATE_NOOP("WebPage", "Something went wrong: %1"),
    QT_TRANSLATE_NOOP("WebPage", "Discard"),
    QT_TRANSLATE_NOOP("WebPage", "Cancel"),
    QT_TRANSLATE_NOOP("WebPage",
                      "The journal cannot be kept in this browser (%1). Readings are dealt as "
                      "before, without it."),
    QT_TRANSLATE_NOOP("WebPage", "it was written by a newer Baralune"),
    QT_TRANSLATE_NOOP("WebPage", "it holds more readings than Baralune imports at once"),
    QT_TRANSLATE_NOOP("WebPage", "Nothing was imported from %1: %2"),
    QT_TRANSLATE_NOOP("WebPage", "Readings added to the journal: %1."),
    QT_TRANSLATE_NOOP("WebPage", "Readings already in the journal, skipped: %1."),
    QT_TRANSLATE_NOOP("WebPage", "Readings in the file that could not be read, skipped: %1."),
    QT_TRANSLATE_NOOP("WebPage",
                      "The journal kept in this browser was damaged. It was set aside, unchanged, "
                      "and a new journal begins."),
    QT_TRANSLATE_NOOP("WebPage",
                      "Readings that could still be read, %1, were saved as the download %2; "
                      "Import Journal… in the History brings them back."),
    QT_TRANSLATE_NOOP("WebPage", "Its readings could not be saved to a file: %1"),
    QT_TRANSLATE_NOOP("WebPage",
                      "Readings in the journal that could not be read, left out of the list: %1."),
    QT_TRANSLATE_NOOP("WebPage", "Import Spread…"),
    // The page's History searches names only: it keeps notes but has no way to write them.
    QT_TRANSLATE_NOOP("WebPage", "&Search by name:"),
    QT_TRANSLATE_NOOP("WebPage", "Delete Spread…"),
};

}  // namespace baralune::web

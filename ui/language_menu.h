#pragma once

class QMainWindow;
class QMenu;

namespace baralune {

// Adds File > "&Language" with "English" and "Español" to the main or the report window's
// `file` menu, after its entries so far and before a separator that ends them. Choosing the
// other language remembers it and switches at once: the window is shown anew in that language,
// the main window with what was entered, the report window with the same reading.
void AddLanguageMenu(QMainWindow* window, QMenu* file);

}  // namespace baralune

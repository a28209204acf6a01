#include "shell.h"

#include <QUrl>

#include "seams.h"

namespace baralune {

void ShellOpen(const QString& address) {
  try {
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (url.isValid()) AppSeams().openUrl(url);
  } catch (...) {
    // Opening a page never disturbs the window that asked for it.
  }
}

}  // namespace baralune

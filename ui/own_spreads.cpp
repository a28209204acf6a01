#include "own_spreads.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "catalogue.h"
#include "safe_output.h"
#include "seams.h"
#include "spread_library.h"

namespace baralune {

namespace {

std::optional<std::vector<OwnSpreads::Spread>>& Kept() {
  static std::optional<std::vector<OwnSpreads::Spread>> kept;
  return kept;
}

// The file the kept spreads were read from: another data folder reads its own.
QString& KeptPath() {
  static QString path;
  return path;
}

}  // namespace

QString OwnSpreads::Path() {
  return QFileInfo(AppSeams().journalPath()).dir().filePath(QStringLiteral("spreads.json"));
}

void OwnSpreads::Forget() {
  Kept().reset();
}

const std::vector<OwnSpreads::Spread>& OwnSpreads::All(QString* failure) {
  if (Kept() && KeptPath() == Path()) return *Kept();
  Kept().emplace();
  KeptPath() = Path();
  QFile file(Path());
  if (!file.exists()) return *Kept();
  if (!file.open(QIODevice::ReadOnly)) {
    qWarning("Cannot read the reader's spreads: %s", qPrintable(file.errorString()));
    if (failure) *failure = file.errorString();
    return *Kept();
  }
  const QByteArray text = file.readAll();
  interchange::SpreadLibrary library = interchange::ReadSpreadLibrary(
      std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  if (library.refusal != interchange::SpreadRefusal::None || library.skipped > 0) {
    qWarning("The reader's spreads file %s: %d spreads could not be read", qPrintable(Path()),
             library.refusal != interchange::SpreadRefusal::None ? -1 : library.skipped);
    if (failure) *failure = QStringLiteral("damaged");
    // The next change rewrites the file with the spreads that could be read: the whole file
    // is kept aside first, so that nothing of it is lost.
    const QString aside = Path() + QStringLiteral(".damaged");
    QFile::remove(aside);
    if (!QFile::copy(Path(), aside)) qWarning("Cannot keep a copy at %s", qPrintable(aside));
  }
  for (SpreadDefinition& spread : library.spreads) {
    Kept()->push_back(std::make_shared<const SpreadDefinition>(std::move(spread)));
  }
  return *Kept();
}

QString OwnSpreads::Save(std::vector<Spread> spreads) {
  std::vector<SpreadDefinition> values;
  for (const Spread& spread : spreads) values.push_back(*spread);
  const std::string text = interchange::WriteSpreadLibrary(values);
  const QString path = Path();
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return QStringLiteral("no folder");
  const QByteArray encoded = QFile::encodeName(path);
  // A new file is private from the start: the replacement keeps the mode it finds.
  const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd >= 0) ::close(fd);
  const ReplaceResult written = ReplaceFile(encoded.toStdString(), text);
  if (!written.ok()) {
    const QString why = QString::fromStdString(Describe(written));
    qCritical("Cannot keep the reader's spreads in %s: %s", qPrintable(path), qPrintable(why));
    return why;
  }
  Kept() = std::move(spreads);
  KeptPath() = path;
  return {};
}

bool SpreadNameTaken(const std::string& name, const SpreadDefinition* except) {
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    for (Language language : {Language::English, Language::Spanish}) {
      if (SpreadReportName(s, language) == name || SpreadListText(s, language) == name) {
        return true;
      }
    }
  }
  for (const auto& own : OwnSpreads::All()) {
    if (own.get() != except && own->name == name) return true;
  }
  return false;
}

std::string FreeSpreadName(std::string name) {
  if (!SpreadNameTaken(name)) return name;
  for (int n = 2;; ++n) {
    const std::string tail = " (" + std::to_string(n) + ")";
    std::string base = name;
    // Cut whole characters only, to leave room for the number.
    while (PlainTextLength(base).value_or(0) + tail.size() > kMaxSpreadNameLength) {
      do {
        base.pop_back();
      } while (!base.empty() && (static_cast<unsigned char>(base.back()) & 0xC0) == 0x80);
      if (!base.empty() && static_cast<unsigned char>(base.back()) >= 0xC0) base.pop_back();
    }
    if (!SpreadNameTaken(base + tail)) return base + tail;
  }
}

}  // namespace baralune

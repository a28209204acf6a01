#include "save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstring>

#include "look.h"
#include "safe_output.h"
#include "seams.h"
#include "system_error.h"

namespace baralune {

namespace {

const QString kLastSaveFolder = QStringLiteral("LastSaveFolder");

QString Why(const ReplaceResult& result) {
  using Refusal = ReplaceResult::Refusal;
  auto Tr = [](const char* text) { return QCoreApplication::translate("SaveFile", text); };
  switch (result.refusal) {
    case Refusal::Folder:
      return Tr(QT_TRANSLATE_NOOP("SaveFile", "it is a folder"));
    case Refusal::Fifo:
    case Refusal::Device:
    case Refusal::Socket:
    case Refusal::NotRegular:
      return Tr(QT_TRANSLATE_NOOP("SaveFile", "it is not an ordinary file"));
    case Refusal::ReadOnly:
      return Tr(QT_TRANSLATE_NOOP("SaveFile", "the file is read-only"));
    case Refusal::PlantedLink:
      return Tr(QT_TRANSLATE_NOOP("SaveFile", "it is a link another user left in a shared folder"));
    case Refusal::OthersFile:
      return Tr(QT_TRANSLATE_NOOP("SaveFile", "it is another user's file in a shared folder"));
    case Refusal::None:
      break;
  }
  // The C library's message, in the user's language where it has one.
  return QString::fromStdString(SystemErrorText(result.error));
}

}  // namespace

QString SaveFile(const QString& path, std::string_view bytes) {
  const ReplaceResult result = ReplaceFile(QFile::encodeName(path).toStdString(), bytes);
  return result.ok() ? QString() : Why(result);
}

QString SaveFolder() {
  const QString last = AppSeams().settings()->value(kLastSaveFolder).toString();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RememberSaveFolder(const QString& path) {
  AppSeams().settings()->setValue(kLastSaveFolder, QFileInfo(path).absolutePath());
}

QString AskSavePath(QWidget* parent, const QString& filter, const QString& suffix,
                    const QString& suggested) {
  SaveDialogRequest request;
  request.title = look::AppTitle();
  request.filter = filter;
  request.defaultSuffix = suffix;
  request.directory = SaveFolder();
  request.fileName = suggested;
  const QString chosen = AppSeams().saveFileName(parent, request);
  return chosen.isEmpty() ? chosen : WithDefaultSuffix(chosen, suffix);
}

QString WithDefaultSuffix(const QString& path, const QString& suffix) {
  if (!QFileInfo(path).suffix().isEmpty()) return path;
  return path + QLatin1Char('.') + suffix;
}

}  // namespace baralune

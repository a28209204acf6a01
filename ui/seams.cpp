#include "seams.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>

#include "look.h"
#include "print_dialog.h"

namespace baralune {

namespace {

QMessageBox::StandardButton RealMessageBox(QWidget* parent, const QString& text,
                                           QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
  // A lone carriage return breaks the line, as the messages are written.
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(icon, look::AppTitle(), shown, buttons, parent);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

bool RealConfirm(QWidget* parent, const QString& text, const QString& action) {
  QMessageBox box(QMessageBox::Question, look::AppTitle(), text, QMessageBox::NoButton, parent);
  QPushButton* go = box.addButton(action, QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(cancel);
  box.setEscapeButton(cancel);
  box.exec();
  return box.clickedButton() == go;
}

QString RealSaveFileName(QWidget* parent, const SaveDialogRequest& request) {
  QFileDialog dialog(parent, request.title, request.directory);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Qt reads the pattern from the parentheses; the text before them is shown unchanged.
  dialog.setNameFilter(request.filter.contains(QLatin1Char('('))
                           ? request.filter
                           : request.filter + QStringLiteral(" (*.rtf)"));
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString RealOpenFileName(QWidget* parent, const OpenDialogRequest& request) {
  QFileDialog dialog(parent, request.title, request.directory);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(request.filter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

std::unique_ptr<QSettings> RealSettings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("Baralune"), QStringLiteral("Baralune"));
}

}  // namespace

Seams RealSeams() {
  Seams seams;
  seams.messageBox = RealMessageBox;
  seams.confirm = RealConfirm;
  seams.saveFileName = RealSaveFileName;
  seams.openFileName = RealOpenFileName;
  seams.print = PrintWithDialog;
  seams.printPreview = ShowPrintPreview;
  seams.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  seams.today = [] { return QDate::currentDate(); };
  seams.settings = RealSettings;
  seams.journalPath = [] {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("journal.sqlite"));
  };
  seams.pause = [](QObject* context, int ms, std::function<void()> then) {
    QTimer::singleShot(ms, context, std::move(then));
  };
  seams.endProcess = [] { QCoreApplication::exit(0); };
  return seams;
}

Seams& AppSeams() {
  static Seams seams = RealSeams();
  return seams;
}

bool AskToConfirm(QWidget* parent, const QString& text, const QString& action) {
  return AppSeams().confirm(parent, text, action);
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
  return AppSeams().messageBox(parent, text, icon, buttons, defaultButton);
}

}  // namespace baralune

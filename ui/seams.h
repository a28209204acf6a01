#pragma once
#include <QDate>
#include <QMessageBox>
#include <QSettings>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QObject;
class QPagedPaintDevice;
class QWidget;

namespace baralune {

// Paints a document's pages on a printer; false when it could not.
using PagePainter = std::function<bool(QPagedPaintDevice& printer)>;

// What the Save As dialog is asked to offer.
struct SaveDialogRequest {
  QString title;
  QString filter;         // as Baralune names it: "Rich Text Format (*.rtf *.doc)", "PDF (*.pdf)"
  QString defaultSuffix;  // appended to a name typed without an extension
  QString directory;      // the folder the dialog opens in
  QString fileName;       // the name filled in, if any
};

// What the Open dialog is asked to offer.
struct OpenDialogRequest {
  QString title;
  QString filter;     // "Baralune journal (*.jsonl);;All files (*)"
  QString directory;  // the folder the dialog opens in
};

// The places where Baralune meets the desktop, the user's answers and the clock. The real
// implementations are the default; tests replace single members to answer without blocking.
struct Seams {
  // Shows a message box titled "Baralune" and returns the chosen button; `defaultButton` is
  // the one Enter presses (NoButton: the box's own choice).
  std::function<QMessageBox::StandardButton(
      QWidget* parent, const QString& text, QMessageBox::Icon icon,
      QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)>
      messageBox;
  // Asks whether to go ahead with something that cannot be undone: `action` names the button
  // that does it ("Delete"); Cancel, beside it, is the default. True when the user went ahead.
  std::function<bool(QWidget* parent, const QString& text, const QString& action)> confirm;
  // Asks for a file to save to; an empty result means the user cancelled.
  std::function<QString(QWidget* parent, const SaveDialogRequest& request)> saveFileName;
  // Asks for an existing file to read; an empty result means the user cancelled.
  std::function<QString(QWidget* parent, const OpenDialogRequest& request)> openFileName;
  // Asks which printer to use and prints there a document titled `title` (a PDF printed to a
  // file carries it): `paint` draws the pages on the printer and says whether it could. Returns
  // the reason printing failed; empty when printed or cancelled.
  std::function<QString(QWidget* parent, const PagePainter& paint, const QString& title)> print;
  // Shows the pages `paint` draws in a print preview, from which the user may print them.
  std::function<void(QWidget* parent, const PagePainter& paint, const QString& title)> printPreview;
  // Hands an address to the desktop's default browser.
  std::function<void(const QUrl& url)> openUrl;
  // Today's date on the user's clock.
  std::function<QDate()> today;
  // The per-user settings store.
  std::function<std::unique_ptr<QSettings>()> settings;
  // The file of the journal of readings.
  std::function<QString()> journalPath;
  // Runs `then` once `milliseconds` have passed, without blocking the user-interface thread
  // (the manual mode's pause); nothing runs if `context` is destroyed first.
  std::function<void(QObject* context, int milliseconds, std::function<void()> then)> pause;
  // Ends the process once every window is gone.
  std::function<void()> endProcess;
};

Seams RealSeams();
// The seams in force; tests assign members and restore RealSeams() afterwards.
Seams& AppSeams();

// Asks through the confirmation seam.
bool AskToConfirm(QWidget* parent, const QString& text, const QString& action);

// Message box with the application title, through the seam.
QMessageBox::StandardButton ShowMessage(
    QWidget* parent, const QString& text, QMessageBox::Icon icon,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

}  // namespace baralune

#pragma once
#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "writer.h"

class QLabel;
class QPlainTextEdit;

namespace baralune {

// "Notes - Baralune": the reader's own words on the reading a report window shows, plain text,
// kept in the journal as they are typed. There is no Save button to forget: a pause in typing,
// closing the window or the report window keeps them.
class NotesWindow : public QMainWindow {
  Q_OBJECT

 public:
  // How soon after the last key the notes are kept: well under a second, so that a crash loses
  // no more than the last moment of typing.
  static constexpr int kKeepDelayMs = 300;
  // The longest notes taken, in UTF-16 code units as Qt counts text: a journal file's reading
  // line must still hold them, however they are written.
  static constexpr int kMaxLength = 100'000;

  // `changed` hears of every edit (the report window holds the reading's notes); `key` is the
  // reading's key in the journal, or null when it is not kept.
  NotesWindow(QWidget* owner, const QString& whose, const QString& notes, journal::Writer::Key key,
              std::function<void(const QString&)> changed);
  ~NotesWindow() override;

  QPlainTextEdit* Editor() const { return m_editor; }
  // Says that the notes are as long as they can be; hidden below that.
  QLabel* LimitLabel() const { return m_limit; }
  // Keeps what is typed now, if it has not been kept yet.
  void KeepNow();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Takes back what went past kMaxLength, the last text put in, and says so. Returns the notes
  // as they then stand: the whole text is copied out once a keystroke.
  QString KeepWithinLimit();

  QPlainTextEdit* m_editor = nullptr;
  QLabel* m_limit = nullptr;
  qsizetype m_maxLength;
  QTimer m_keep;
  journal::Writer::Key m_key;
  std::function<void(const QString&)> m_changed;
  bool m_pending = false;
};

}  // namespace baralune

#pragma once
#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "writer.h"

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

  // `changed` hears of every edit (the report window holds the reading's notes); `key` is the
  // reading's key in the journal, or null when it is not kept.
  NotesWindow(QWidget* owner, const QString& whose, const QString& notes, journal::Writer::Key key,
              std::function<void(const QString&)> changed);
  ~NotesWindow() override;

  QPlainTextEdit* Editor() const { return m_editor; }
  // Keeps what is typed now, if it has not been kept yet.
  void KeepNow();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPlainTextEdit* m_editor = nullptr;
  QTimer m_keep;
  journal::Writer::Key m_key;
  std::function<void(const QString&)> m_changed;
  bool m_pending = false;
};

}  // namespace baralune

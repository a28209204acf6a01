#include "notes_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "journal_actions.h"
#include "look.h"
#include "program.h"

namespace baralune {

NotesWindow::NotesWindow(QWidget* owner, const QString& whose, const QString& notes,
                         journal::Writer::Key key, std::function<void(const QString&)> changed)
    : QMainWindow(owner, Qt::Window), m_key(std::move(key)), m_changed(std::move(changed)) {
  setObjectName(QStringLiteral("NotesWindow"));
  setWindowTitle(tr("Notes - %1").arg(look::AppTitle()));
  auto* centre = new QWidget(this);
  auto* column = new QVBoxLayout(centre);
  auto* reading = new QLabel(whose, centre);
  reading->setObjectName(QStringLiteral("lblNotesReading"));
  reading->setWordWrap(true);
  auto* label =
      new QLabel(m_key != nullptr ? tr("&What you asked, and what came of it:")
                                  : tr("This reading is not kept in the journal, so notes on it "
                                       "last only while it is shown. &Notes:"),
                 centre);
  label->setObjectName(QStringLiteral("lblNotes"));
  label->setWordWrap(true);
  m_editor = new QPlainTextEdit(centre);
  m_editor->setObjectName(QStringLiteral("txtNotes"));
  m_editor->setPlainText(notes);
  m_editor->setAccessibleName(tr("Notes"));
  m_editor->setTabChangesFocus(true);
  label->setBuddy(m_editor);
  column->addWidget(reading);
  column->addWidget(label);
  column->addWidget(m_editor, 1);
  setCentralWidget(centre);
  resize(look::Px(6000), look::Px(4500));

  m_keep.setSingleShot(true);
  m_keep.setInterval(kKeepDelayMs);
  connect(&m_keep, &QTimer::timeout, this, [this] { Guard([this] { KeepNow(); }); });
  connect(m_editor, &QPlainTextEdit::textChanged, this, [this] {
    Guard([this] {
      m_pending = true;
      if (m_changed) m_changed(m_editor->toPlainText());
      m_keep.start();
    });
  });
}

NotesWindow::~NotesWindow() {
  Guard([this] { KeepNow(); });
}

void NotesWindow::KeepNow() {
  m_keep.stop();
  if (!m_pending) return;
  m_pending = false;
  KeepNotes(m_key, m_editor->toPlainText());
}

void NotesWindow::closeEvent(QCloseEvent* event) {
  Guard([this] { KeepNow(); });
  QMainWindow::closeEvent(event);
}

}  // namespace baralune

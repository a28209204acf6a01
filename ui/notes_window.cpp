#include "notes_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "journal_actions.h"
#include "look.h"
#include "program.h"

namespace baralune {

NotesWindow::NotesWindow(QWidget* owner, const QString& whose, const QString& notes,
                         journal::Writer::Key key, std::function<void(const QString&)> changed)
    : QMainWindow(owner, Qt::Window),
      // Longer notes from elsewhere (a journal file) are kept whole; they only cannot grow.
      m_maxLength(std::max<qsizetype>(kMaxLength, notes.size())),
      m_key(std::move(key)),
      m_changed(std::move(changed)) {
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
  m_limit = new QLabel(
      tr("Notes hold up to %L1 characters: what went past that was not taken.").arg(kMaxLength),
      centre);
  m_limit->setObjectName(QStringLiteral("lblNotesLimit"));
  m_limit->setWordWrap(true);
  m_limit->hide();
  column->addWidget(reading);
  column->addWidget(label);
  column->addWidget(m_editor, 1);
  column->addWidget(m_limit);
  setCentralWidget(centre);
  resize(look::Px(6000), look::Px(4500));

  m_keep.setSingleShot(true);
  m_keep.setInterval(kKeepDelayMs);
  connect(&m_keep, &QTimer::timeout, this, [this] { KeepNow(); });
  connect(m_editor, &QPlainTextEdit::textChanged, this, [this] {
    const QString typed = KeepWithinLimit();
    m_pending = true;
    if (m_changed) m_changed(typed);
    m_keep.start();
  });
}

NotesWindow::~NotesWindow() {
  KeepNow();
}

void NotesWindow::KeepNow() {
  m_keep.stop();
  if (!m_pending) return;
  m_pending = false;
  KeepNotes(m_key, m_editor->toPlainText());
}

QString NotesWindow::KeepWithinLimit() {
  const QString text = m_editor->toPlainText();
  const qsizetype excess = text.size() - m_maxLength;
  const bool atLimit = excess >= 0;
  if (excess > 0) {
    // What went past the limit is what was just typed or pasted, before the cursor; a pair of
    // surrogates is taken back whole.
    QTextCursor cursor = m_editor->textCursor();
    qsizetype end = cursor.position();
    if (end < excess) end = text.size();
    qsizetype start = end - excess;
    if (start > 0 && text[start].isLowSurrogate() && text[start - 1].isHighSurrogate()) --start;
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    // The removal changes the text again, within the limit this time.
    cursor.removeSelectedText();
    m_editor->setTextCursor(cursor);
  }
  if (atLimit == m_limit->isHidden()) {
    m_limit->setVisible(atLimit);
    // A screen reader hears it with the notes, too.
    m_editor->setAccessibleDescription(atLimit ? m_limit->text() : QString());
  }
  return excess > 0 ? m_editor->toPlainText() : text;
}

void NotesWindow::closeEvent(QCloseEvent* event) {
  KeepNow();
  QMainWindow::closeEvent(event);
}

}  // namespace baralune

#include "spread_editor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "language_choice.h"
#include "look.h"
#include "program.h"
#include "seams.h"
#include "spread_arrangements.h"
#include "spread_layout_view.h"
#include "spreads_window.h"

namespace baralune {

namespace {

// Asks for room for the whole layout, which keeps the display's size, yet lets a small screen
// have the window smaller, the layout then scrolling.
class LayoutArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    const int frame = 2 * frameWidth();
    return widget() != nullptr ? widget()->size() + QSize(frame, frame) : QScrollArea::sizeHint();
  }
};

}  // namespace

// A change to the spread, undone by showing the spread as it was before.
class SpreadChange : public QUndoCommand {
 public:
  SpreadChange(SpreadEditor* editor, SpreadDefinition before, SpreadDefinition after, int mergeKey)
      : m_editor(editor), m_before(std::move(before)), m_after(std::move(after)), m_key(mergeKey) {}
  int id() const override { return m_key >= 0 ? 1 : -1; }
  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const SpreadChange*>(other);
    if (next->m_key != m_key) return false;
    m_after = next->m_after;
    return true;
  }
  void redo() override { m_editor->Apply(m_after); }
  void undo() override { m_editor->Apply(m_before); }

 private:
  SpreadEditor* m_editor;
  SpreadDefinition m_before;
  SpreadDefinition m_after;
  int m_key;
};

namespace {

// What each field's typing merges under.
constexpr int kNameKey = 1;
constexpr int kDescriptionKey = 2;
constexpr int kPositionKey = 100;  // + the position's index
constexpr int kCaptionKey = 200;   // + the caption's index

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

std::vector<std::string> Paragraphs(const QString& text) {
  std::vector<std::string> paragraphs;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    if (!line.trimmed().isEmpty()) paragraphs.push_back(line.trimmed().toStdString());
  }
  return paragraphs;
}

// The cards (0-based) that lie off the room for cards or on another card.
std::set<int> FaultyCards(const SpreadDefinition& spread) {
  std::set<int> faulty;
  const auto& positions = spread.positions;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (!CardInside(positions[i].place)) faulty.insert(static_cast<int>(i));
    for (std::size_t j = 0; j < i; ++j) {
      if (CardsOverlap(positions[j].place, positions[i].place)) {
        faulty.insert(static_cast<int>(i));
        faulty.insert(static_cast<int>(j));
      }
    }
  }
  return faulty;
}

// "Card 3: " as a new position's text starts; a position renumbered keeps the rest.
QString CardPrefix(int number) {
  return SpreadEditor::tr("Card %1:").arg(number);
}

// A caption as wide as its text needs, within the room for cards.
int CaptionWidth(const QString& text) {
  const QFontMetrics metrics(look::Font(12, true));
  const int twips = (metrics.horizontalAdvance(text) + 12) * look::kTwipsPerPixel;
  return std::clamp(twips, 600, kSpreadAreaRight - kSpreadAreaLeft);
}

// The first place on the grid, row by row, where a card lies inside the room and on no other.
Place FreePlace(const SpreadDefinition& spread) {
  const int g = 240;
  for (int top = kSpreadAreaTop; top + kCardHeight <= kSpreadAreaBottom; top += g) {
    for (int left = kSpreadAreaLeft + g; left + kCardWidth <= kSpreadAreaRight; left += g) {
      const Place place{left, top};
      if (std::none_of(spread.positions.begin(), spread.positions.end(),
                       [&](const auto& p) { return CardsOverlap(p.place, place); })) {
        return place;
      }
    }
  }
  return {kSpreadAreaLeft, kSpreadAreaTop};
}

QString ArrangementName(Arrangement arrangement) {
  switch (arrangement) {
    case Arrangement::Row:
      return SpreadEditor::tr("A row");
    case Arrangement::Rows:
      return SpreadEditor::tr("Rows");
    case Arrangement::Cross:
      return SpreadEditor::tr("A cross");
    case Arrangement::Circle:
      return SpreadEditor::tr("A circle");
    case Arrangement::Horseshoe:
      return SpreadEditor::tr("The horseshoe");
  }
  return {};
}

// A new spread: three cards in a row, their texts to be written.
SpreadDefinition NewSpread() {
  SpreadDefinition spread;
  spread.name = FreeSpreadName(SpreadEditor::tr("New spread").toStdString());
  const auto places = Arrange(Arrangement::Row, 3);
  for (int i = 0; i < 3; ++i) {
    spread.positions.push_back({(CardPrefix(i + 1) + QLatin1Char(' ')).toStdString(),
                                places[static_cast<std::size_t>(i)]});
  }
  return spread;
}

}  // namespace

SpreadEditor::SpreadEditor(OwnSpreads::Spread spread) : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("SpreadEditor"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Spread Editor - Baralune"));
  setWindowIcon(look::ProgramIcon());
  m_original = std::move(spread);
  m_spread = m_original ? *m_original : NewSpread();
  m_saved = m_spread;
  m_undo = new QUndoStack(this);

  m_view = new SpreadLayoutView(this);
  connect(m_view, &SpreadLayoutView::moved, this, &SpreadEditor::onMoved);
  connect(m_view, &SpreadLayoutView::selected, this, [this](bool caption, int index) {
    caption ? SelectCaption(index) : SelectPosition(index);
    if (QWidget* item = QApplication::focusWidget();
        item != nullptr && m_view->isAncestorOf(item)) {
      m_viewArea->ensureWidgetVisible(item, 0, 0);
    }
  });
  m_viewArea = new LayoutArea(this);
  m_viewArea->setFrameShape(QFrame::NoFrame);
  m_viewArea->setFocusPolicy(Qt::NoFocus);  // Tab goes to the cards, not to what holds them
  m_viewArea->setWidget(m_view);

  auto label = [this](const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, this);
    l->setBuddy(buddy);
    // Lists take no name from their label of themselves.
    if (qobject_cast<QListWidget*>(buddy)) {
      buddy->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    }
    return l;
  };
  auto button = [this](const QString& text, const char* name, void (SpreadEditor::*slot)()) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, slot);
    return b;
  };
  auto named = [](auto* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
  };

  m_txtName = named(new QLineEdit(this), "txtName");
  m_txtName->setMaxLength(static_cast<int>(kMaxSpreadNameLength));
  m_txtDescription = named(new QPlainTextEdit(this), "txtDescription");
  m_txtDescription->setTabChangesFocus(true);
  m_lstPositions = named(new QListWidget(this), "lstPositions");
  m_txtPosition = named(new QLineEdit(this), "txtPosition");
  m_txtPosition->setMaxLength(static_cast<int>(kMaxSpreadTextLength));
  m_cmdAddPosition = button(tr("&Add Position"), "cmdAddPosition", &SpreadEditor::AddPosition);
  m_cmdRemovePosition =
      button(tr("Re&move Position"), "cmdRemovePosition", &SpreadEditor::RemovePosition);
  m_lstCaptions = named(new QListWidget(this), "lstCaptions");
  m_txtCaption = named(new QLineEdit(this), "txtCaption");
  m_txtCaption->setMaxLength(static_cast<int>(kMaxCaptionLength));
  m_cmdAddCaption = button(tr("Add Ca&ption"), "cmdAddCaption", &SpreadEditor::AddCaption);
  m_cmdRemoveCaption =
      button(tr("Remo&ve Caption"), "cmdRemoveCaption", &SpreadEditor::RemoveCaption);
  // The cards and captions follow in the Tab order (see Refresh), then the ready arrangements.
  m_cboArrangement = named(new QComboBox(this), "cboArrangement");
  for (Arrangement a : kArrangements) m_cboArrangement->addItem(ArrangementName(a));
  auto* cmdArrange = button(tr("Appl&y"), "cmdArrange", &SpreadEditor::ApplyArrangement);
  m_cmdUndo = named(new QPushButton(tr("&Undo"), this), "cmdUndo");
  m_cmdRedo = named(new QPushButton(tr("R&edo"), this), "cmdRedo");
  auto* cmdSave = named(new QPushButton(tr("&Save"), this), "cmdSave");
  auto* cmdClose = named(new QPushButton(tr("&Close"), this), "cmdClose");
  connect(m_cmdUndo, &QPushButton::clicked, m_undo, &QUndoStack::undo);
  connect(m_cmdRedo, &QPushButton::clicked, m_undo, &QUndoStack::redo);
  connect(cmdSave, &QPushButton::clicked, this, &SpreadEditor::Save);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
  connect(m_undo, &QUndoStack::canUndoChanged, m_cmdUndo, &QWidget::setEnabled);
  connect(m_undo, &QUndoStack::canRedoChanged, m_cmdRedo, &QWidget::setEnabled);
  m_cmdUndo->setEnabled(false);
  m_cmdRedo->setEnabled(false);
  // Ctrl+Z and Ctrl+Shift+Z undo the spread's changes wherever the focus is, the text fields
  // included (their own undo would only go behind the editor's back).
  auto* undo = new QAction(this);
  undo->setShortcut(QKeySequence::Undo);
  connect(undo, &QAction::triggered, m_undo, &QUndoStack::undo);
  auto* redo = new QAction(this);
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
  connect(redo, &QAction::triggered, m_undo, &QUndoStack::redo);
  addActions({undo, redo});
  for (QWidget* field :
       {static_cast<QWidget*>(m_txtName), static_cast<QWidget*>(m_txtDescription),
        static_cast<QWidget*>(m_txtPosition), static_cast<QWidget*>(m_txtCaption)}) {
    field->installEventFilter(this);
  }

  connect(m_txtName, &QLineEdit::textEdited, this, &SpreadEditor::onTextsEdited);
  connect(m_txtPosition, &QLineEdit::textEdited, this, &SpreadEditor::onTextsEdited);
  connect(m_txtCaption, &QLineEdit::textEdited, this, &SpreadEditor::onTextsEdited);
  connect(m_txtDescription, &QPlainTextEdit::textChanged, this,
          &SpreadEditor::onDescriptionChanged);
  connect(m_lstPositions, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!m_refreshing && row >= 0) SelectPosition(row);
  });
  connect(m_lstCaptions, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!m_refreshing && row >= 0) SelectCaption(row);
  });

  // The layout on the left, as the display shows it; what the spread says on the right.
  auto* arrange = new QHBoxLayout;
  arrange->addWidget(label(tr("Start from a &layout:"), m_cboArrangement));
  arrange->addWidget(m_cboArrangement);
  arrange->addWidget(cmdArrange);
  arrange->addStretch();
  auto* hint = new QLabel(
      tr("Drag the cards, or select one with Tab and move it with the arrow keys (Shift: by a "
         "pixel)."),
      this);
  hint->setWordWrap(true);
  auto* left = new QVBoxLayout;
  left->addWidget(m_viewArea, 1);
  left->addWidget(hint);
  left->addLayout(arrange);

  auto* fields = new QGridLayout;
  int row = 0;
  auto pair = [&](QPushButton* a, QPushButton* b) {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(a);
    buttons->addWidget(b);
    buttons->addStretch();
    fields->addLayout(buttons, row++, 1);
  };
  fields->addWidget(label(tr("&Name:"), m_txtName), row, 0);
  fields->addWidget(m_txtName, row++, 1);
  fields->addWidget(label(tr("&Description:"), m_txtDescription), row, 0, Qt::AlignTop);
  fields->addWidget(m_txtDescription, row++, 1);
  fields->addWidget(label(tr("Pos&itions:"), m_lstPositions), row, 0, Qt::AlignTop);
  fields->addWidget(m_lstPositions, row++, 1);
  fields->addWidget(label(tr("Position &text:"), m_txtPosition), row, 0);
  fields->addWidget(m_txtPosition, row++, 1);
  pair(m_cmdAddPosition, m_cmdRemovePosition);
  fields->addWidget(label(tr("Ro&w captions:"), m_lstCaptions), row, 0, Qt::AlignTop);
  fields->addWidget(m_lstCaptions, row++, 1);
  fields->addWidget(label(tr("Caption te&xt:"), m_txtCaption), row, 0);
  fields->addWidget(m_txtCaption, row++, 1);
  pair(m_cmdAddCaption, m_cmdRemoveCaption);
  m_lstCaptions->setMaximumHeight(look::Px(1200));
  m_txtDescription->setMinimumWidth(look::Px(4500));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_cmdUndo);
  buttons->addWidget(m_cmdRedo);
  buttons->addStretch();
  buttons->addWidget(cmdSave);
  buttons->addWidget(cmdClose);
  auto* right = new QVBoxLayout;
  right->addLayout(fields, 1);
  right->addLayout(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);
  Refresh();
  m_txtName->setFocus();
}

SpreadEditor::~SpreadEditor() {
  // The layout's cards may pass the focus among them while the window's widgets go.
  disconnect(m_view, nullptr, this, nullptr);
}

bool SpreadEditor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
        pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)) {
      return true;  // not taken by the field: the window's undo and redo act
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SpreadEditor::Change(SpreadDefinition after, int mergeKey) {
  if (after == m_spread) return;
  m_undo->push(new SpreadChange(this, m_spread, std::move(after), mergeKey));
}

void SpreadEditor::Apply(const SpreadDefinition& spread) {
  m_spread = spread;
  Refresh();
}

void SpreadEditor::Refresh() {
  m_refreshing = true;
  const int positions = static_cast<int>(m_spread.positions.size());
  const int captions = static_cast<int>(m_spread.rowCaptions.size());
  m_position = std::clamp(m_position, 0, positions - 1);
  m_caption = std::min(m_caption, captions - 1);
  if (m_caption < 0 && captions > 0) m_caption = 0;
  // The layout first: a card it takes away passes the focus, and the selection, to another.
  m_view->Show(m_spread, FaultyCards(m_spread));
  QWidget* previous = m_cmdRemoveCaption;
  for (auto item : {&SpreadLayoutView::Card, &SpreadLayoutView::Caption}) {
    for (int i = 0; LayoutItem* next = (m_view->*item)(i); ++i) {
      setTabOrder(previous, next);
      previous = next;
    }
  }

  // A field is set only when the spread says otherwise, so typing keeps its cursor.
  auto set = [](QLineEdit* field, const QString& text) {
    if (field->text() != text) field->setText(text);
  };
  set(m_txtName, FromStd(m_spread.name));
  if (Paragraphs(m_txtDescription->toPlainText()) != m_spread.description) {
    QStringList paragraphs;
    for (const auto& p : m_spread.description) paragraphs << FromStd(p);
    m_txtDescription->setPlainText(paragraphs.join(QLatin1Char('\n')));
  }
  auto list = [](QListWidget* widget, const QStringList& items, int current) {
    while (widget->count() > items.size()) delete widget->takeItem(widget->count() - 1);
    for (int i = 0; i < items.size(); ++i) {
      if (i < widget->count()) {
        if (widget->item(i)->text() != items[i]) widget->item(i)->setText(items[i]);
      } else {
        widget->addItem(items[i]);
      }
    }
    widget->setCurrentRow(current);
  };
  QStringList items;
  for (int i = 0; i < positions; ++i) {
    items << tr("%1. %2").arg(i + 1).arg(
        FromStd(m_spread.positions[static_cast<std::size_t>(i)].text));
  }
  list(m_lstPositions, items, m_position);
  set(m_txtPosition, FromStd(m_spread.positions[static_cast<std::size_t>(m_position)].text));
  items.clear();
  for (const auto& caption : m_spread.rowCaptions) items << FromStd(caption.text);
  list(m_lstCaptions, items, m_caption);
  set(m_txtCaption, m_caption >= 0
                        ? FromStd(m_spread.rowCaptions[static_cast<std::size_t>(m_caption)].text)
                        : QString());
  m_txtCaption->setEnabled(m_caption >= 0);
  m_cmdAddPosition->setEnabled(positions < static_cast<int>(kMaxSpreadPositions));
  m_cmdRemovePosition->setEnabled(positions > 1);
  m_cmdAddCaption->setEnabled(captions < static_cast<int>(kMaxRowCaptions));
  m_cmdRemoveCaption->setEnabled(m_caption >= 0);
  m_refreshing = false;
}

void SpreadEditor::SelectPosition(int index) {
  if (index < 0 || index >= static_cast<int>(m_spread.positions.size())) return;
  m_position = index;
  if (!m_refreshing) Refresh();
}

void SpreadEditor::SelectCaption(int index) {
  if (index < 0 || index >= static_cast<int>(m_spread.rowCaptions.size())) return;
  m_caption = index;
  if (!m_refreshing) Refresh();
}

void SpreadEditor::onTextsEdited() {
  if (m_refreshing) return;
  SpreadDefinition after = m_spread;
  QObject* from = sender();
  if (from == m_txtName) {
    after.name = m_txtName->text().toStdString();
    Change(std::move(after), kNameKey);
  } else if (from == m_txtPosition) {
    after.positions[static_cast<std::size_t>(m_position)].text =
        m_txtPosition->text().toStdString();
    Change(std::move(after), kPositionKey + m_position);
  } else if (from == m_txtCaption && m_caption >= 0) {
    auto& caption = after.rowCaptions[static_cast<std::size_t>(m_caption)];
    caption.text = m_txtCaption->text().toStdString();
    caption.width = CaptionWidth(m_txtCaption->text());
    caption.left = std::min(caption.left, kSpreadAreaRight - caption.width);
    Change(std::move(after), kCaptionKey + m_caption);
  }
}

void SpreadEditor::onDescriptionChanged() {
  if (m_refreshing) return;
  SpreadDefinition after = m_spread;
  after.description = Paragraphs(m_txtDescription->toPlainText());
  Change(std::move(after), kDescriptionKey);
}

void SpreadEditor::onMoved(bool caption, int index, Place place) {
  SpreadDefinition after = m_spread;
  if (caption) {
    auto& moved = after.rowCaptions[static_cast<std::size_t>(index)];
    moved.left = place.left;
    moved.top = place.top;
  } else {
    after.positions[static_cast<std::size_t>(index)].place = place;
  }
  Change(std::move(after));
}

void SpreadEditor::AddPosition() {
  SpreadDefinition after = m_spread;
  const int number = static_cast<int>(after.positions.size()) + 1;
  after.positions.push_back(
      {(CardPrefix(number) + QLatin1Char(' ')).toStdString(), FreePlace(after)});
  m_position = number - 1;
  Change(std::move(after));
  m_txtPosition->setFocus();
  m_txtPosition->end(false);
}

void SpreadEditor::RemovePosition() {
  if (m_spread.positions.size() <= 1) return;
  SpreadDefinition after = m_spread;
  after.positions.erase(after.positions.begin() + m_position);
  // The positions after it move up one, and so do the numbers their texts begin with.
  for (std::size_t i = static_cast<std::size_t>(m_position); i < after.positions.size(); ++i) {
    QString text = FromStd(after.positions[i].text);
    const QString old = CardPrefix(static_cast<int>(i) + 2);
    if (text.startsWith(old)) {
      text.replace(0, old.size(), CardPrefix(static_cast<int>(i) + 1));
      after.positions[i].text = text.toStdString();
    }
  }
  Change(std::move(after));
}

void SpreadEditor::AddCaption() {
  SpreadDefinition after = m_spread;
  const QString text = tr("CAPTION");
  const int width = CaptionWidth(text);
  after.rowCaptions.push_back(
      {text.toStdString(), (kSpreadAreaRight - width) / 2 / 15 * 15, kSpreadAreaTop, width});
  m_caption = static_cast<int>(after.rowCaptions.size()) - 1;
  Change(std::move(after));
  m_txtCaption->setFocus();
  m_txtCaption->selectAll();
}

void SpreadEditor::RemoveCaption() {
  if (m_caption < 0) return;
  SpreadDefinition after = m_spread;
  after.rowCaptions.erase(after.rowCaptions.begin() + m_caption);
  Change(std::move(after));
}

void SpreadEditor::ApplyArrangement() {
  const auto arrangement = kArrangements[std::max(0, m_cboArrangement->currentIndex())];
  const auto places = Arrange(arrangement, static_cast<int>(m_spread.positions.size()));
  SpreadDefinition after = m_spread;
  for (std::size_t i = 0; i < places.size(); ++i) after.positions[i].place = places[i];
  if (!FaultyCards(after).empty()) {
    QString name = ArrangementName(arrangement);
    name[0] = name[0].toLower();
    ShowMessage(this,
                tr("There is no room for %1 cards in %2.").arg(after.positions.size()).arg(name),
                QMessageBox::Information);
    return;
  }
  Change(std::move(after));
}

bool SpreadEditor::Save() {
  SpreadDefinition spread = m_spread;
  spread.name = FromStd(spread.name).trimmed().toStdString();
  const QString name = FromStd(spread.name);
  if (!name.isEmpty() && SpreadNameTaken(spread.name, m_original.get())) {
    ShowMessage(this, tr("The spread was not saved: a spread named %1 exists already.").arg(name),
                QMessageBox::Warning);
    m_txtName->setFocus();
    return false;
  }
  if (const auto problem = CheckSpread(spread)) {
    ShowMessage(this,
                tr("The spread was not saved: %1.")
                    .arg(FromStd(DescribeSpreadProblem(*problem, ReadingLanguage()))),
                QMessageBox::Warning);
    using Kind = SpreadProblem::Kind;
    if (problem->kind == Kind::Outside || problem->kind == Kind::Overlap) {
      if (LayoutItem* card = m_view->Card(problem->first - 1)) card->setFocus();
    } else if (problem->kind == Kind::EmptyPosition) {
      SelectPosition(problem->first - 1);
      m_txtPosition->setFocus();
    } else if (problem->kind == Kind::NoName || problem->kind == Kind::NameTooLong) {
      m_txtName->setFocus();
    }
    return false;
  }
  auto spreads = OwnSpreads::All();
  auto saved = std::make_shared<const SpreadDefinition>(spread);
  const auto at = std::find(spreads.begin(), spreads.end(), m_original);
  // A spread deleted meanwhile is kept anew rather than lost.
  const int index = m_original && at != spreads.end() ? static_cast<int>(at - spreads.begin())
                                                      : static_cast<int>(spreads.size());
  if (index < static_cast<int>(spreads.size())) {
    spreads[static_cast<std::size_t>(index)] = saved;
  } else {
    spreads.push_back(saved);
  }
  if (const QString why = OwnSpreads::Save(spreads); !why.isEmpty()) {
    qCritical("Spread not saved: %s", qPrintable(why));
    ShowMessage(this, tr("The spreads could not be kept: %1").arg(why), QMessageBox::Critical);
    return false;
  }
  m_original = saved;
  m_spread.name = spread.name;
  m_saved = m_spread;
  m_undo->setClean();
  Refresh();
  ShowOwnSpreadsChanged(index);
  return true;
}

void SpreadEditor::closeEvent(QCloseEvent* event) {
  if (IsModified()) {
    const auto answer = ShowMessage(
        this, tr("Save the changes to the spread %1?").arg(FromStd(m_spread.name)),
        QMessageBox::Question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
        QMessageBox::Cancel);
    if (answer != QMessageBox::Discard && (answer != QMessageBox::Save || !Save())) {
      event->ignore();
      return;
    }
  }
  MarkUnloaded(this);
  event->accept();
}

SpreadEditor* ShowSpreadEditor(OwnSpreads::Spread spread) {
  auto* editor = qobject_cast<SpreadEditor*>(FindLoadedWindow("SpreadEditor"));
  if (editor == nullptr) {
    editor = new SpreadEditor(std::move(spread));
    // The whole layout where the screen has room for it: Qt alone would open the window at two
    // thirds of the screen, the layout scrolled.
    if (const QScreen* screen = editor->screen()) {
      editor->resize(editor->sizeHint().boundedTo(screen->availableGeometry().size()));
    }
    editor->show();
    CenterOnScreen(editor);
  }
  editor->raise();
  editor->activateWindow();
  return editor;
}

}  // namespace baralune

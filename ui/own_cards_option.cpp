#include "own_cards_option.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>
#include <array>

namespace baralune {

namespace {

// Moves the check and the focus along the options in order, round at the ends.
class ModeKeys : public QObject {
 public:
  ModeKeys(std::array<QRadioButton*, 3> options, QObject* parent)
      : QObject(parent), m_options(options) {
    for (QRadioButton* option : m_options) {
      option->installEventFilter(this);
      QObject::connect(option, &QRadioButton::toggled, this, [this] { UpdateTabStop(); });
    }
    UpdateTabStop();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Left:
      case Qt::Key_Up:
        step = -1;
        break;
      case Qt::Key_Right:
      case Qt::Key_Down:
        step = 1;
        break;
      default:
        return false;
    }
    const auto at = std::find(m_options.begin(), m_options.end(), watched);
    if (at == m_options.end()) return false;
    const auto count = static_cast<long>(m_options.size());
    QRadioButton* next =
        m_options[static_cast<std::size_t>(((at - m_options.begin()) + step + count) % count)];
    next->setChecked(true);
    next->setFocus(Qt::TabFocusReason);
    return true;
  }

 private:
  // Only the checked option takes the focus from Tab, so the group is one stop.
  void UpdateTabStop() {
    bool anyChecked = false;
    for (QRadioButton* option : m_options) anyChecked = anyChecked || option->isChecked();
    for (QRadioButton* option : m_options) {
      const bool stop = option->isChecked() || (!anyChecked && option == m_options[0]);
      option->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
  }

  std::array<QRadioButton*, 3> m_options;
};

}  // namespace

QRadioButton* AddOwnCardsOption(QGroupBox* group, QRadioButton* automatic, QRadioButton* manual,
                                const QRect& place) {
  auto* own = new QRadioButton(QCoreApplication::translate("frmMain", "My Own Cards"), group);
  own->setObjectName(QStringLiteral("optOwnCards"));
  own->setGeometry(place);
  own->setFont(manual->font());
  own->setPalette(manual->palette());
  new ModeKeys({automatic, manual, own}, group);
  return own;
}

}  // namespace baralune

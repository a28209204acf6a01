#include "accessible_controls.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMetaObject>

#include "clickable_label.h"

namespace baralune {

namespace {

// A widget that is clicked, spoken as `role`; a label without a name of its own gives its text.
class PressableControl : public QAccessibleWidget {
 public:
  PressableControl(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
      if (const auto* label = qobject_cast<const QLabel*>(widget())) text = label->text();
    }
    return text;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action == pressAction() && widget()->isEnabled()) {
      QMetaObject::invokeMethod(widget(), "Activate");
    } else {
      QAccessibleWidget::doAction(action);
    }
  }
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (className == QLatin1String("baralune::ClickableLabel")) {
    const bool card = static_cast<const ClickableLabel*>(widget)->isTrayCard();
    return new PressableControl(widget, card ? QAccessible::Button : QAccessible::Link);
  }
  return nullptr;
}

}  // namespace

void RegisterAccessibleControls() {
  static const bool registered = [] {
    QAccessible::installFactory(CreateInterface);
    return true;
  }();
  (void)registered;
}

}  // namespace baralune

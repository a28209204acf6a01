#include "input_source.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace baralune {

namespace {

bool g_keyboard = false;

class PressWatch : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::Shortcut:
        g_keyboard = true;
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::TouchBegin:
        g_keyboard = false;
        break;
      default:
        break;
    }
    return false;
  }
};

}  // namespace

bool LastPressFromKeyboard() {
  return g_keyboard;
}

void WatchInputSource() {
  static QPointer<PressWatch> watch;
  if (!watch.isNull() || QCoreApplication::instance() == nullptr) return;
  watch = new PressWatch(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(watch);
}

}  // namespace baralune

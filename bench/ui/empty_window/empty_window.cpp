// The yardstick of the start-up benchmark: an empty Qt Widgets window of the main window's
// size, ended once it has been painted.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {
class QuitWhenPainted : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }
};
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(626, 292);
  window.installEventFilter(new QuitWhenPainted(&window));
  window.show();
  return QApplication::exec();
}

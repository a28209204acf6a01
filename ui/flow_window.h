#pragma once
#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;

namespace baralune {

// What the main, manual, own-cards and report windows share. Each is unloaded either as a step
// of the program's flow (Deal, Back, the end of the picking: the program goes on with another
// window) or by the user closing it, which by default ends the program; QuitProgram closing it
// is neither. And File > Back and File > Exit, named as in every window.
class FlowWindow : public QMainWindow {
  Q_OBJECT

 public:
  // A window named `objectName`, deleted once closed, titled with the program's caption; a
  // `fixedSize` one has no minimise or maximise button.
  FlowWindow(const char* objectName, bool fixedSize, QWidget* parent = nullptr);

  // Closes the window as a step of the flow: the program goes on.
  void closeForFlow();

 protected:
  // The user closed the window. Ends the program unless overridden; false keeps the window open.
  virtual bool onClosedByUser();
  void closeEvent(QCloseEvent* event) override;

  // The File menu (mnuFile), first in the menu bar.
  QMenu* addFileMenu();
  // File > Back (mnuBack), running `back`, and File > Exit (mnuExit), ending the program.
  QAction* addBackAction(QMenu* file, std::function<void()> back);
  QAction* addExitAction(QMenu* file);
  // The window's purple client area, `size` pixels, which the window keeps to.
  QWidget* setFixedClient(QSize size);

 private:
  bool m_closingForFlow = false;
};

}  // namespace baralune

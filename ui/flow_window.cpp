#include "flow_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "look.h"
#include "program.h"

namespace baralune {

FlowWindow::FlowWindow(const char* objectName, bool fixedSize, QWidget* parent)
    : QMainWindow(parent) {
  setObjectName(QString::fromLatin1(objectName));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(look::WindowCaption());
  if (fixedSize) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  }
  setFont(look::Font());
}

void FlowWindow::closeForFlow() {
  m_closingForFlow = true;
  close();
}

bool FlowWindow::onClosedByUser() {
  return QuitProgram();
}

void FlowWindow::closeEvent(QCloseEvent* event) {
  if (!m_closingForFlow && !QuittingProgram() && !onClosedByUser()) {
    event->ignore();
    return;
  }
  // From now on the window no longer counts as loaded, although Qt deletes it only later.
  MarkUnloaded(this);
  event->accept();
}

QMenu* FlowWindow::addFileMenu() {
  // The purple is the client area's; the menu bar keeps the desktop's own colours.
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  return file;
}

QWidget* FlowWindow::setFixedClient(QSize size) {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(size);
  look::FillBackground(client, look::Background());
  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  return client;
}

QAction* FlowWindow::addBackAction(QMenu* file, std::function<void()> back) {
  QAction* action = file->addAction(tr("&Back"));
  action->setObjectName(QStringLiteral("mnuBack"));
  connect(action, &QAction::triggered, this, std::move(back));
  return action;
}

QAction* FlowWindow::addExitAction(QMenu* file) {
  QAction* action = file->addAction(tr("E&xit"));
  action->setObjectName(QStringLiteral("mnuExit"));
  connect(action, &QAction::triggered, this, &QuitProgram);
  return action;
}

}  // namespace baralune

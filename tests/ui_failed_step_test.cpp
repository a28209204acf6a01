// An action that fails by throwing is said, naming the action, to the user and in the log, and
// the window goes on.
#include <stdexcept>

#include "print_actions.h"
#include "program.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

std::vector<QString> g_critical;
void RecordCritical(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg) g_critical.push_back(text);
}

class FailedStepTest : public UiTest {};

TEST_F(FailedStepTest, AThrowingActionIsLoggedAndShownByNameAndTheWindowGoesOn) {
  MDI* report = DealAutomatic(OpenMainWindow(), 0);
  ASSERT_NE(report, nullptr);
  desktop.messages.clear();
  g_critical.clear();
  desktop.print = [](const PagePainter&) -> QString {
    throw std::runtime_error("card picture missing: x.png");
  };
  AppSeams().saveFileName = [](QWidget*, const SaveDialogRequest&) -> QString {
    throw std::runtime_error("no file dialog");
  };
  const QtMessageHandler previous = qInstallMessageHandler(RecordCritical);
  PrintReading(report);
  report->cmdSave_Click();
  qInstallMessageHandler(previous);

  ASSERT_EQ(g_critical.size(), 2u);
  EXPECT_TRUE(g_critical[0].contains(QStringLiteral("card picture missing: x.png")));
  EXPECT_TRUE(g_critical[1].contains(QStringLiteral("no file dialog")));
  ASSERT_EQ(desktop.messages.size(), 2u);
  EXPECT_EQ(desktop.messages[0].text,
            QStringLiteral("The reading could not be printed:\ncard picture missing: x.png"));
  EXPECT_EQ(desktop.messages[1].text,
            QStringLiteral("The report could not be saved:\nno file dialog"));
  for (const Message& message : desktop.messages) EXPECT_EQ(message.icon, QMessageBox::Critical);
  EXPECT_EQ(Loaded<MDI>("MDI"), report);
  EXPECT_TRUE(report->isVisible());
}

}  // namespace
}  // namespace baralune::testing

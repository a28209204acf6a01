// A step of an event handler that throws is said, to the user and in the log, and the
// handler goes on.
#include <stdexcept>

#include "program.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

std::vector<QString> g_critical;
void RecordCritical(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg) g_critical.push_back(text);
}

class FailedStepTest : public UiTest {};

TEST_F(FailedStepTest, AThrowingStepIsLoggedAndShownAndTheNextStepRuns) {
  g_critical.clear();
  const QtMessageHandler previous = qInstallMessageHandler(RecordCritical);
  bool nextRan = false;
  Guard([] { throw std::runtime_error("card picture missing: x.png"); });
  Guard([&] { nextRan = true; });
  qInstallMessageHandler(previous);

  EXPECT_TRUE(nextRan);
  ASSERT_EQ(g_critical.size(), 1u);
  EXPECT_TRUE(g_critical[0].contains(QStringLiteral("card picture missing: x.png")));
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text,
            QStringLiteral("This could not be done:\ncard picture missing: x.png"));
  EXPECT_EQ(desktop.messages[0].icon, QMessageBox::Critical);
}

}  // namespace
}  // namespace baralune::testing

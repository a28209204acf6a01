// Many readings in one process: every Deal builds a report window and every Back removes it,
// so memory stays flat.
#include <unistd.h>

#include <QPushButton>
#include <fstream>

#include "ui_test_support.h"

namespace baralune::testing {
namespace {

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

using MemoryTest = UiTest;

#if defined(__SANITIZE_ADDRESS__)
#define BARALUNE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BARALUNE_ASAN 1
#endif
#endif

TEST_F(MemoryTest, AThousandDealAndBackCyclesLeaveMemoryFlat) {
#ifdef BARALUNE_ASAN
  GTEST_SKIP() << "under AddressSanitizer the resident size includes its quarantine of freed "
                  "memory; the sanitizer's leak check covers this build";
#endif
  auto cycle = [this](int i) {
    frmMain* main = Loaded<frmMain>("frmMain");
    ASSERT_NE(main, nullptr);
    MDI* report = DealAutomatic(main, i % 4);
    ASSERT_NE(report, nullptr);
    report->mnuBack_Click();
    FlushDeletes();
  };
  OpenMainWindow();
  for (int i = 0; i < 20; ++i) cycle(i);
  const long warm = ResidentKiB();
  for (int i = 0; i < 1000; ++i) cycle(i);
  const long after = ResidentKiB();
  std::printf("resident memory: %ld KiB after warm-up, %ld KiB after 1000 more cycles\n", warm,
              after);
  // A report window that stayed behind would cost well over 100 KiB a cycle; style pieces
  // cached anew for every window about 14 KiB.
  EXPECT_LT(after - warm, 2 * 1024);
  EXPECT_LT(QApplication::topLevelWidgets().size(), 20);
}

}  // namespace
}  // namespace baralune::testing

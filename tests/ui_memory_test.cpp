// Many readings in one process: every Deal builds a report window and every Back removes it,
// so memory stays flat.
#include <malloc.h>

#include <QPushButton>

#include "card_picture_embedder.h"
#include "reading.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

// The heap in use, small blocks and mapped large ones alike. Unlike the resident size, it does
// not move when the allocator takes or touches pages for its own reasons.
long HeapInUseKiB() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

// The buffers kept for putting pictures into a report grow to the longest report there has been.
// The longest there is, a Gypsy reading where every special rule fires, takes them to their
// full size at once, where a random one would do it at a random cycle.
void GrowTheReportBuffersToTheLongestReport() {
  struct Windows : ReadingWindows {
    richtext::RichTextBox& ReportBox() override { return box; }
    ReportPictures* CardPictures() override { return &pictures; }
    richtext::RichTextBox box;
    CardPictureEmbedder pictures;
  } windows;
  const std::vector<CardIndex> hand = {39, 32, 34, 4,  6,  20, 22, 25, 27, 36, 29, 26,
                                       30, 37, 24, 33, 35, 21, 19, 0,  15, 5,  0};
  RunReading(3, windows, [&](int) { return hand; });
}

using MemoryTest = UiTest;

#if defined(__SANITIZE_ADDRESS__)
#define BARALUNE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BARALUNE_ASAN 1
#endif
#endif

TEST_F(MemoryTest, FiftyDealAndBackCyclesLeaveMemoryFlat) {
#ifdef BARALUNE_ASAN
  GTEST_SKIP() << "AddressSanitizer keeps its own heap, with a quarantine of freed memory; "
                  "its leak check covers this build";
#endif
  auto cycle = [this](int i) {
    frmMain* main = Loaded<frmMain>("frmMain");
    ASSERT_NE(main, nullptr);
    MDI* report = DealAutomatic(main, i % 4);
    ASSERT_NE(report, nullptr);
    report->mnuBack_Click();
    FlushDeletes();
  };
  GrowTheReportBuffersToTheLongestReport();
  OpenMainWindow();
  for (int i = 0; i < 20; ++i) cycle(i);
  const long warm = HeapInUseKiB();
  constexpr int kCycles = 50;
  for (int i = 0; i < kCycles; ++i) cycle(i);
  const long after = HeapInUseKiB();
  std::printf("heap in use: %ld KiB after warm-up, %ld KiB after %d more cycles\n", warm, after,
              kCycles);
  // A report window that stayed behind would cost well over 100 KiB a cycle; style pieces
  // cached anew for every window about 14 KiB. Without a leak the heap moves by a few KiB over
  // hundreds of cycles.
  EXPECT_LT(after - warm, kCycles * 2);
  EXPECT_LT(QApplication::topLevelWidgets().size(), 20);
}

}  // namespace
}  // namespace baralune::testing

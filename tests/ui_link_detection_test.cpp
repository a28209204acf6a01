// Web addresses in the report: which text is an address, which mouse actions open it, and the
// two states of link detection.
#include <QMouseEvent>
#include <QTextCursor>

#include "link_detection.h"
#include "report_view.h"
#include "rich_text_box.h"
#include "ui_test_support.h"
#include "url_detection.h"

namespace baralune::testing {
namespace {

using richtext::CharRange;
using richtext::FindWebAddresses;

TEST(UrlDetectionTest, FindsAddressesAtWordStartsWithoutClosingPunctuation) {
  EXPECT_EQ(FindWebAddresses(U"Visit https://www.kelvane.example now"),
            (std::vector<CharRange>{{6, 33}}));
  EXPECT_EQ(FindWebAddresses(U"see www.a.example/x?y=1, or HTTP://B.example."),
            (std::vector<CharRange>{{4, 23}, {28, 44}}));
  EXPECT_EQ(FindWebAddresses(U"(http://c.example)"), (std::vector<CharRange>{{1, 17}}));
  // Not at a word start, or nothing after the prefix: no address.
  EXPECT_TRUE(FindWebAddresses(U"xwww.a.example").empty());
  EXPECT_TRUE(FindWebAddresses(U"http:// and www.").empty());
  // An address ends at a line break or a picture.
  EXPECT_EQ(FindWebAddresses(U"www.a.example\nnext"), (std::vector<CharRange>{{0, 13}}));
  EXPECT_EQ(FindWebAddresses(U"www.a.example\uFFFCnext"), (std::vector<CharRange>{{0, 13}}));
}

// A panel holding a report view, as picRight holds RTB; counts the notifications it gets.
class Panel : public QWidget {
 public:
  int notifications = 0;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == richtext::LinkNotifyEvent::EventType()) ++notifications;
    return QWidget::event(e);
  }
};

class LinkDetectionTest : public UiTest {
 protected:
  void SetUp() override {
    panel.resize(400, 300);
    view = new richtext::ReportView(&panel);
    view->setGeometry(0, 0, 400, 300);
    Show("Visit https://www.kelvane.example/ssd now, or not.");
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  }
  void TearDown() override {
    DisableLinkDetection();
    UiTest::TearDown();
  }
  void Show(const std::string& text) {
    richtext::RichTextBox box;
    box.SetText(text);
    view->ShowDocument(box.document());
  }
  // A point on the second character of the document range [first, end).
  QPoint PointIn(CharRange range) {
    QTextCursor c(view->document());
    c.setPosition(view->ViewPosition(range.first + 1));
    const QRect a = view->cursorRect(c);
    c.setPosition(view->ViewPosition(range.first + 2));
    const QRect b = view->cursorRect(c);
    return {(a.x() + b.x()) / 2, a.center().y()};
  }
  QPoint OnLink() {
    EXPECT_EQ(view->Links().size(), 1u);
    return PointIn(view->Links().at(0));
  }

  Panel panel;
  richtext::ReportView* view = nullptr;
};

TEST_F(LinkDetectionTest, OnlyALeftPressOnALinkOpensIt) {
  EnableLinkDetection(view, &panel);
  const QPoint link = OnLink();
  QTest::mousePress(view->viewport(), Qt::RightButton, {}, link);
  QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, link);
  QTest::mouseMove(view->viewport(), link);
  EXPECT_TRUE(desktop.opened.empty());
  const int before = panel.notifications;
  EXPECT_GT(before, 0);  // they were notified and passed on, just not opened

  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, link);
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0], QStringLiteral("https://www.kelvane.example/ssd"));
  // The press went on to the panel and to the view: the caret moved into the link.
  EXPECT_EQ(panel.notifications, before + 1);
  EXPECT_GT(view->textCursor().position(), 6);
  // The release and the double click of the same click open nothing more.
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, link);
  QMouseEvent second(QEvent::MouseButtonDblClick, link, view->viewport()->mapToGlobal(link),
                     Qt::LeftButton, Qt::LeftButton, {});
  QCoreApplication::sendEvent(view->viewport(), &second);
  EXPECT_EQ(desktop.opened.size(), 1u);
  // A left press beside the link opens nothing.
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, PointIn({46, 49}));
  EXPECT_EQ(desktop.opened.size(), 1u);
}

TEST_F(LinkDetectionTest, DisabledDetectionOpensNothing) {
  EnableLinkDetection(view, &panel);
  const QPoint link = OnLink();
  DisableLinkDetection();
  EXPECT_FALSE(view->AutoUrlDetect());
  EXPECT_TRUE(view->Links().empty());
  // The notification bit stays as it was set.
  EXPECT_TRUE(view->EventMask() & richtext::ReportView::kLinkNotifications);
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, link);
  EXPECT_TRUE(desktop.opened.empty());
  // The address is ordinary text again.
  QTextCursor c(view->document());
  c.setPosition(view->ViewPosition(10));
  EXPECT_FALSE(c.charFormat().isAnchor());
}

TEST_F(LinkDetectionTest, EnablingTwiceInstallsOnceAndDisablingTwiceIsHarmless) {
  DisableLinkDetection();  // never enabled: nothing happens
  EXPECT_FALSE(LinkDetectionInstalled());
  EnableLinkDetection(view, &panel);
  EnableLinkDetection(view, &panel);
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, OnLink());
  EXPECT_EQ(desktop.opened.size(), 1u);
  DisableLinkDetection();
  DisableLinkDetection();
  EXPECT_FALSE(LinkDetectionInstalled());
  // Enabled again after a disable, it works again.
  EnableLinkDetection(view, &panel);
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, OnLink());
  EXPECT_EQ(desktop.opened.size(), 2u);
}

TEST_F(LinkDetectionTest, NotificationsFromOtherSendersPassThrough) {
  EnableLinkDetection(view, &panel);
  richtext::ReportView other(&panel);
  richtext::LinkNotifyEvent foreign(&other, QEvent::MouseButtonPress, Qt::LeftButton, {6, 10});
  QCoreApplication::sendEvent(&panel, &foreign);
  EXPECT_TRUE(desktop.opened.empty());
  EXPECT_EQ(panel.notifications, 1);
}

TEST_F(LinkDetectionTest, AddressesThatAreNoWebPageAreNeitherLinksNorOpened) {
  Show("www.evil:payload https://-x www.a.example/x");
  EnableLinkDetection(view, &panel);
  ASSERT_EQ(view->Links().size(), 1u);
  EXPECT_EQ(view->Links()[0], (CharRange{28, 43}));
  // Even a press notified on them opens nothing.
  for (CharRange range : {CharRange{0, 16}, CharRange{17, 27}}) {
    richtext::LinkNotifyEvent press(view, QEvent::MouseButtonPress, Qt::LeftButton, range);
    QCoreApplication::sendEvent(&panel, &press);
  }
  EXPECT_TRUE(desktop.opened.empty());
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, OnLink());
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0], QStringLiteral("http://www.a.example/x"));
}

TEST_F(LinkDetectionTest, LongAddressesAreFetchedUpToTheBuffer) {
  const std::string address = "https://www.kelvane.example/" + std::string(1500, 'a');
  Show("x " + address + " y");
  std::vector<char32_t> buffer(2000, U'#');
  EXPECT_EQ(view->TextRange(2, 2 + address.size(), buffer.data(), 1024), 1024u);
  EXPECT_EQ(buffer[1024], U'#');
  EXPECT_EQ(view->TextRange(5, 3, buffer.data(), 1024), 0u);
  EXPECT_EQ(view->TextRange(0, SIZE_MAX, buffer.data(), 2000), address.size() + 4);

  EnableLinkDetection(view, &panel);
  QTest::mousePress(view->viewport(), Qt::LeftButton, {}, OnLink());
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0], QString::fromStdString(address.substr(0, 1024)));
}

TEST_F(LinkDetectionTest, TheReportWindowDetectsTheAddressesOfItsReport) {
  MDI* report = DealAutomatic(OpenMainWindow(), 0);
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(LinkDetectionInstalled());
  EXPECT_TRUE(report->RTB()->AutoUrlDetect());
  EXPECT_GE(report->RTB()->Links().size(), 2u);
  for (CharRange link : report->RTB()->Links()) {
    std::vector<char32_t> buffer(kLinkTextBuffer);
    const auto n = report->RTB()->TextRange(link.first, link.end, buffer.data(), buffer.size());
    EXPECT_EQ(QString::fromUcs4(buffer.data(), static_cast<qsizetype>(n)),
              QStringLiteral("https://www.kelvane.example"));
  }
}

}  // namespace
}  // namespace baralune::testing

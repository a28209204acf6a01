// Export Journal… and Import Journal… in the History window: readings dealt here, carried in a
// journal file to another journal, open there with the very report first shown; a second import
// adds nothing, and a file that is refused changes nothing and says why.
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "history_window.h"
#include "journal_file.h"
#include "journal_writer.h"
#include "language_choice.h"
#include "readings.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class JournalFileButtonsTest : public UiTest {
 protected:
  void SetUp() override { ApplyLanguage(Language::English); }  // its plural forms
  void TearDown() override {
    UiTest::TearDown();
    ApplyLanguage(Language::English);
  }

  HistoryWindow* History() {
    auto* main = Loaded<frmMain>("frmMain");
    return ShowHistoryWindow(main != nullptr ? static_cast<QWidget*>(main) : OpenMainWindow());
  }
  int Kept() {
    journal::Connection connection(AppSeams().journalPath(), true);
    return static_cast<int>(journal::LoadList(connection.Db(), {}).size());
  }
  void UseJournal(const char* name) {
    const QString path = desktop.dir.filePath(QString::fromLatin1(name));
    AppSeams().journalPath = [path] { return path; };
  }
};

TEST_F(JournalFileButtonsTest, ReadingsCarriedToAnotherJournalShowTheReportFirstShown) {
  std::vector<std::string> rtf;
  frmMain* main = OpenMainWindow();
  // The file takes the names the main window takes, and no longer ones.
  EXPECT_EQ(Child<QLineEdit>(main, "txtName")->maxLength(),
            static_cast<int>(interchange::kMaxNameLength));
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    SetReadingLanguage(s % 2 ? Language::Spanish : Language::English);
    MDI* report = DealAutomatic(main, s, QStringLiteral("Zoë %1").arg(s));
    ASSERT_NE(report, nullptr);
    rtf.push_back(report->ReportBox().TextRTF());
    report->mnuBack_Click();
    FlushDeletes();
    WaitForJournal();
    main = Loaded<frmMain>("frmMain");
  }
  SetReadingLanguage(Language::English);

  HistoryWindow* history = History();
  auto* exportJournal = Child<QPushButton>(history, "cmdExportJournal");
  auto* importJournal = Child<QPushButton>(history, "cmdImportJournal");
  EXPECT_EQ(exportJournal->text(), QStringLiteral("Export &Journal…"));
  EXPECT_EQ(importJournal->text(), QStringLiteral("&Import Journal…"));
  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("moved"));
  exportJournal->click();
  const QString file = desktop.saveAnswer + QStringLiteral(".jsonl");
  ASSERT_TRUE(QFile::exists(file));
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text,
            QStringLiteral("4 readings exported to %1.").arg(QDir::toNativeSeparators(file)));
  // Never written over the journal itself, which would lose every reading.
  desktop.saveAnswer = AppSeams().journalPath();
  exportJournal->click();
  Child<QPushButton>(history, "cmdExport")->click();
  EXPECT_TRUE(desktop.messages.back().text.endsWith(QStringLiteral("choose another file.")));
  EXPECT_EQ(desktop.messages.size(), 3u);
  EXPECT_EQ(Kept(), 4);
  history->close();

  // Another machine's journal, with one reading of its own.
  UseJournal("other.sqlite");
  ASSERT_TRUE(journal::Prepare(AppSeams().journalPath()).Writable());
  {
    journal::Connection connection(AppSeams().journalPath(), false);
    journal::Entry own;
    own.dealt = QDateTime::currentDateTime();
    own.name = QStringLiteral("Own");
    own.hand = {1, 2, 3};
    ASSERT_EQ(journal::Insert(connection.Db(), own), QString());
  }
  history = History();
  desktop.openAnswer = file;
  Child<QPushButton>(history, "cmdImportJournal")->click();
  ASSERT_EQ(desktop.openRequests.size(), 1u);
  EXPECT_TRUE(desktop.openRequests[0].filter.startsWith(QStringLiteral("Baralune journal (")));
  EXPECT_EQ(desktop.messages.back().text, QStringLiteral("4 readings added to the journal."));
  EXPECT_EQ(desktop.messages.back().icon, QMessageBox::Information);
  EXPECT_EQ(history->Model()->rowCount(), 5);

  // Opened, each shows the report it showed where it was dealt, byte for byte.
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    history = History();
    history->SearchField()->setText(QStringLiteral("Zoë %1").arg(s));
    ASSERT_EQ(history->Model()->rowCount(), 1);
    MDI* again = OpenCurrentReading(history);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ReportBox().TextRTF(), rtf[static_cast<std::size_t>(s)]) << "spread " << s;
    again->mnuBack_Click();
    FlushDeletes();
  }

  // Again: nothing is added.
  history = History();
  Child<QPushButton>(history, "cmdImportJournal")->click();
  EXPECT_EQ(
      desktop.messages.back().text,
      QStringLiteral("0 readings added to the journal. 4 readings already in the journal were "
                     "skipped."));
  EXPECT_EQ(Kept(), 5);
}

TEST_F(JournalFileButtonsTest, BadFilesAreRefusedOrTheirBadReadingsSkippedAndSaidInOneMessage) {
  ASSERT_TRUE(journal::Prepare(AppSeams().journalPath()).Writable());
  HistoryWindow* history = History();
  EXPECT_TRUE(Child<QPushButton>(history, "cmdImportJournal")->isEnabled());
  auto import = [&](const QByteArray& bytes) {
    desktop.openAnswer = desktop.dir.filePath(QStringLiteral("in.jsonl"));
    QFile out(desktop.openAnswer);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(bytes);
    out.close();
    Child<QPushButton>(history, "cmdImportJournal")->click();
    return desktop.messages.back();
  };
  const QString refused =
      QStringLiteral("Nothing was imported from %1: ")
          .arg(QDir::toNativeSeparators(desktop.dir.filePath(QStringLiteral("in.jsonl"))));
  EXPECT_EQ(import("{\"format\":\"baralune-journal\",\"version\":3}\n").text,
            refused +
                "it was written by a newer Baralune (journal file version 3; this Baralune "
                "reads version 1)");
  EXPECT_EQ(desktop.messages.back().icon, QMessageBox::Warning);
  EXPECT_EQ(Kept(), 0);

  interchange::Reading good;
  good.cards = {5, 6, 7};
  std::string text = interchange::WriteJournal(std::vector{good});
  const std::string line = text.substr(text.find('\n') + 1);
  std::string twice = line;
  twice.replace(twice.find("[5,6,7]"), 7, "[5,5,7]");
  std::string controls = line;
  controls.replace(controls.find("\"name\":\"\""), 9, "\"name\":\"\\u001b]0;x\\u0007\"");
  text += twice + controls + std::string(line, 0, 30);
  const Message said = import(QByteArray::fromStdString(text));
  EXPECT_EQ(said.text, QStringLiteral("1 reading added to the journal.\n"
                                      "3 readings in the file could not be read and were "
                                      "skipped:\n"
                                      "– 1 with the same card in two positions\n"
                                      "– 1 with control characters in the name or date of birth\n"
                                      "– 1 cut short where the file ends"));
  EXPECT_EQ(said.icon, QMessageBox::Warning);
  EXPECT_EQ(Kept(), 1);
  EXPECT_EQ(history->Model()->rowCount(), 1);
}

}  // namespace
}  // namespace baralune::testing

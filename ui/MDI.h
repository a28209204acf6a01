#pragma once
#include <QMdiSubWindow>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <limits>

#include "card_picture_embedder.h"
#include "flow_window.h"
#include "frmCartomancy.h"
#include "notes_window.h"
#include "reading_details.h"
#include "reading_windows.h"
#include "rich_text_box.h"

class QMdiArea;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace richtext {
class ReportView;
}

namespace baralune {

class ClickableLabel;

// The report window: whose reading it is and Back at the top, the report on the right of the
// spread display (under it where the window is too narrow for both), Save and Exit at the bottom.
class MDI : public FlowWindow {
  Q_OBJECT

 public:
  explicit MDI(QWidget* parent = nullptr);
  ~MDI() override;

  // What a reading writes into: the report box, the spread display and the card pictures.
  ReadingWindows& ReadingTarget() { return m_target; }
  richtext::RichTextBox& ReportBox() { return m_box; }
  richtext::ReportView* RTB() const { return m_rtb; }
  frmCartomancy* SpreadDisplayWindow() const { return m_cartomancy; }
  // The spread display's frame inside the window; its close box only hides it.
  QMdiSubWindow* SpreadDisplayFrame() const { return m_child; }
  // File > Show Spread: brings the spread display back after its close box hid it.
  void ShowSpreadDisplay();
  // File > Notes…: the reader's notes on this reading, in a window of their own. Shown without
  // taking the keyboard when `activate` is false.
  NotesWindow* ShowNotes(bool activate = true);
  NotesWindow* Notes() const { return m_notes; }
  // Where the journal keeps this reading's notes (null when it does not keep the reading). Set
  // before ShowReport, it is used instead of the reading's own number.
  const journal::Writer::Key& NotesKey() const { return m_notesKey; }
  void SetNotesKey(journal::Writer::Key key) { m_presetNotesKey = std::move(key); }

  // Shows the report box's content in the view if it changed since the last refresh.
  void RefreshReport();
  // Refreshes the report and shows the window maximized. The details given before (by whoever
  // dealt) get the hand just read and, unless the reading is shown again, the time it was dealt.
  void ShowReport();

  void SetReadingDetails(const ReadingDetails& details) { m_details = details; }
  const ReadingDetails& Details() const { return m_details; }
  // "Ana María, born 3 March 1984 — dealt 8 December 2026, 13:00", in the program's language.
  static QString WhoseReading(const ReadingDetails& details);
  // Whether the report lies under the spread display rather than beside it.
  bool ReportUnderDisplay() const { return m_reportUnder; }

  // The layout rule: Back and Exit at the same distance from the right edge, Save left of Exit.
  void MDIForm_Resize();

  void cmdSave_Click();
  void mnuBack_Click();
  void mnuExit_Click();

  static constexpr int kButtonWidthTwips = 990;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  class Target : public ReadingWindows {
   public:
    explicit Target(MDI& owner) : m_owner(owner) {}
    richtext::RichTextBox& ReportBox() override { return m_owner.m_box; }
    SpreadDisplay* ObtainSpreadDisplay() override;
    ReportPictures* CardPictures() override;
    void ReadingWritten(const Reading& reading) override;

   private:
    MDI& m_owner;
  };

  void CreateMenus();
  void CreateControls();
  void MDIForm_Load();
  void MDIForm_Unload();
  void LoadSpreadDisplay();
  void UpdateContentSize();
  void ArrangeReport();
  void FitReadingLine();
  // A file name for the saved report from the name, the spread and the date of the reading.
  QString SuggestedFileName() const;
  // The report box's clipboard rule: any change or mouse action over it empties the clipboard
  // of text copied from the report.
  void RTB_Change() { ClearClipboard(); }
  void RTB_Click() { ClearClipboard(); }
  void RTB_MouseDown() { ClearClipboard(); }
  void RTB_MouseMove() { ClearClipboard(); }
  void RTB_MouseUp() { ClearClipboard(); }
  void ClearClipboard();

  richtext::RichTextBox m_box;
  ReadingDetails m_details;
  CardPictureEmbedder m_pictures;
  Target m_target{*this};
  std::uint64_t m_shownRevision = std::numeric_limits<std::uint64_t>::max();

  QScrollArea* m_scroll = nullptr;
  QWidget* m_client = nullptr;
  QGridLayout* m_grid = nullptr;
  QLabel* m_lblReading = nullptr;
  QWidget* m_picTop = nullptr;
  QWidget* m_picRight = nullptr;
  QWidget* m_picBottom = nullptr;
  QPushButton* m_cmdBack = nullptr;
  QPushButton* m_cmdSave = nullptr;
  QPushButton* m_cmdExit = nullptr;
  ClickableLabel* m_lblCobrand = nullptr;
  ClickableLabel* m_lblFullBrand = nullptr;
  richtext::ReportView* m_rtb = nullptr;
  QMdiArea* m_area = nullptr;
  // Qt deletes child windows behind our back (a close box, the area going first): guarded.
  QPointer<QMdiSubWindow> m_child;
  QPointer<frmCartomancy> m_cartomancy;
  QPointer<NotesWindow> m_notes;
  journal::Writer::Key m_notesKey;  // where the journal keeps this reading's notes, if it does
  journal::Writer::Key m_presetNotesKey;
  bool m_reportUnder = false;
  bool m_unloaded = false;
};

// The loaded report window, or a new one if none is loaded; a new one stays hidden until shown.
MDI* LoadedReportWindow();

// What is said when a reading could not be dealt, with %1 for the reason.
QString readingNotDealtText();

}  // namespace baralune

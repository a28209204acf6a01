#pragma once
#include <QEvent>
#include <QTextEdit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "document.h"
#include "report_text_document.h"
#include "url_detection.h"

namespace richtext {

// What a report view tells its parent about a mouse event over a detected web address: the
// mouse event's type and button and the address's characters [first, end) in document
// positions. Sent (not posted) to the parent widget, like a rich-text control's notification.
class LinkNotifyEvent : public QEvent {
 public:
  static QEvent::Type EventType();

  LinkNotifyEvent(QObject* sender, QEvent::Type mouseType, Qt::MouseButton button, CharRange range);

  QObject* sender() const { return m_sender; }
  QEvent::Type mouseType() const { return m_mouseType; }
  Qt::MouseButton button() const { return m_button; }
  CharRange range() const { return m_range; }

 private:
  QObject* m_sender;
  QEvent::Type m_mouseType;
  Qt::MouseButton m_button;
  CharRange m_range;
};

// On-screen view of a report document: colours, bold, underline, alignment, the pictures at
// their display size, and a paragraph made only of underlined spaces drawn as a rule across
// the view. Read-only. The view shows a copy of the document and is refreshed only when asked,
// so a writer may change its document many times in between without the view laying out.
class ReportView : public QTextEdit {
  Q_OBJECT

 public:
  // Event-mask bit: send link notifications to the parent.
  static constexpr std::uint32_t kLinkNotifications = 0x04000000;
  // The capacity a text-range request gives when the caller names none.
  static constexpr std::size_t kTextRangeCapacity = 1024;

  explicit ReportView(QWidget* parent = nullptr);

  void ShowDocument(const Document& document);
  // Where sharper pictures come from (the card faces at twice their pixels), for the next
  // ShowDocument.
  void SetSharperPictures(SharperPicture sharper) { m_sharper = std::move(sharper); }
  const Document& ShownDocument() const { return m_shown; }

  std::uint32_t EventMask() const { return m_eventMask; }
  void SetEventMask(std::uint32_t mask) { m_eventMask = mask; }

  // Detection of web addresses: on, the addresses are shown as links (underlined, link colour,
  // hand cursor) and can be notified; off, they are ordinary text again.
  void SetAutoUrlDetect(bool on);
  bool AutoUrlDetect() const { return m_autoUrlDetect; }
  const std::vector<CharRange>& Links() const { return m_links; }

  // Copies the text of [first, end) into `buffer`, at most `capacity` characters, and returns
  // the number copied. `end` past the document (or SIZE_MAX) means "to the end".
  std::size_t TextRange(std::size_t first, std::size_t end, char32_t* buffer,
                        std::size_t capacity) const;

  // Document position <-> position in the Qt text document shown.
  int ViewPosition(std::size_t documentPosition) const;
  // The link under a point of the viewport, if any.
  std::optional<CharRange> LinkAt(QPoint viewportPoint) const;

  // Whether the system clipboard holds what was copied from a report view: only then is it
  // Baralune's to empty. Text another program put there is never a report copy.
  static bool ClipboardHoldsReportCopy();

 signals:
  // The report box's events: content shown anew, click, and the mouse over the report.
  void Change();
  void Click();
  void MouseDown();
  void MouseMove();
  void MouseUp();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  void Rebuild();
  void ApplyLinkFormats();
  void NotifyLink(QMouseEvent* event);

  Document m_shown;
  SharperPicture m_sharper;
  std::vector<int> m_viewPositions;  // document position -> view position, one past the end too
  std::vector<CharRange> m_links;
  std::uint32_t m_eventMask = 0;
  bool m_autoUrlDetect = false;
  bool m_pressedInside = false;
};

}  // namespace richtext

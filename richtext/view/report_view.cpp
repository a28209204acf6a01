#include "report_view.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "report_text_document.h"

namespace richtext {

namespace {

const QString kLinkScheme = QStringLiteral("report-link");

// The addresses of a text that stand for a web page; anything else stays plain text.
std::vector<CharRange> WebLinks(const std::u32string& text) {
  std::vector<CharRange> links = FindWebAddresses(text);
  std::erase_if(links, [&](CharRange link) {
    const auto length = static_cast<qsizetype>(link.end - link.first);
    return WebAddressUrl(QString::fromUcs4(text.data() + link.first, length)).isEmpty();
  });
  return links;
}

}  // namespace

QEvent::Type LinkNotifyEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

LinkNotifyEvent::LinkNotifyEvent(QObject* sender, QEvent::Type mouseType, Qt::MouseButton button,
                                 CharRange range)
    : QEvent(EventType()),
      m_sender(sender),
      m_mouseType(mouseType),
      m_button(button),
      m_range(range) {}

ReportView::ReportView(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  viewport()->setMouseTracking(true);
  setMouseTracking(true);
  // White paper with the report's own colours, whatever the desktop's theme; links in the
  // classic blue, which reads on white. Selection and scroll bars stay the desktop's.
  QPalette p = palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Base, Qt::white);
    p.setColor(group, QPalette::Window, Qt::white);
    p.setColor(group, QPalette::Text, Qt::black);
    p.setColor(group, QPalette::Link, Qt::blue);
    p.setColor(group, QPalette::Dark, Qt::black);  // the colour of the rule
  }
  setPalette(p);
}

void ReportView::ShowDocument(const Document& document) {
  m_shown = document;
  Rebuild();
  emit Change();
}

void ReportView::Rebuild() {
  QTextDocument* qdoc = this->document();
  qdoc->setDefaultFont(font());
  m_viewPositions = FillTextDocument(m_shown, *qdoc, m_sharper);

  m_links = m_autoUrlDetect ? WebLinks(m_shown.chars) : std::vector<CharRange>{};
  ApplyLinkFormats();
  // A new report is read from its beginning.
  setTextCursor(QTextCursor(qdoc));
  ensureCursorVisible();
}

void ReportView::ApplyLinkFormats() {
  QTextDocument* qdoc = document();
  QTextCursor cursor(qdoc);
  cursor.beginEditBlock();
  for (std::size_t n = 0; n < m_links.size(); ++n) {
    cursor.setPosition(ViewPosition(m_links[n].first));
    cursor.setPosition(ViewPosition(m_links[n].end), QTextCursor::KeepAnchor);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(kLinkScheme + QStringLiteral(":") + QString::number(n));
    link.setFontUnderline(true);
    link.setForeground(palette().color(QPalette::Link));
    cursor.mergeCharFormat(link);
  }
  cursor.endEditBlock();
}

void ReportView::SetAutoUrlDetect(bool on) {
  if (on == m_autoUrlDetect) return;
  m_autoUrlDetect = on;
  if (on) {
    m_links = WebLinks(m_shown.chars);
    ApplyLinkFormats();
    return;
  }
  // Give the former links their own formats back.
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  for (const CharRange& link : m_links) {
    std::size_t i = link.first;
    while (i < link.end) {
      std::size_t end = i;
      while (end < link.end && m_shown.formats[end] == m_shown.formats[i]) ++end;
      cursor.setPosition(ViewPosition(i));
      cursor.setPosition(ViewPosition(end), QTextCursor::KeepAnchor);
      cursor.setCharFormat(ReportCharFormat(m_shown.formats[i]));
      i = end;
    }
  }
  cursor.endEditBlock();
  m_links.clear();
}

std::size_t ReportView::TextRange(std::size_t first, std::size_t end, char32_t* buffer,
                                  std::size_t capacity) const {
  const std::size_t size = m_shown.size();
  end = std::min(end, size);
  if (buffer == nullptr || first >= end) return 0;
  const std::size_t count = std::min(end - first, capacity);
  std::copy_n(m_shown.chars.data() + first, count, buffer);
  return count;
}

int ReportView::ViewPosition(std::size_t documentPosition) const {
  if (m_viewPositions.empty()) return 0;
  return m_viewPositions[std::min(documentPosition, m_viewPositions.size() - 1)];
}

std::optional<CharRange> ReportView::LinkAt(QPoint viewportPoint) const {
  if (m_links.empty()) return std::nullopt;
  const QString href = anchorAt(viewportPoint);
  const QString prefix = kLinkScheme + QStringLiteral(":");
  if (!href.startsWith(prefix)) return std::nullopt;
  bool ok = false;
  const auto n = href.mid(prefix.size()).toULongLong(&ok);
  if (!ok || n >= m_links.size()) return std::nullopt;
  return m_links[n];
}

void ReportView::NotifyLink(QMouseEvent* event) {
  if (!(m_eventMask & kLinkNotifications) || !m_autoUrlDetect || parentWidget() == nullptr) return;
  const auto link = LinkAt(event->position().toPoint());
  if (!link) return;
  LinkNotifyEvent notification(this, event->type(), event->button(), *link);
  QCoreApplication::sendEvent(parentWidget(), &notification);
}

void ReportView::mousePressEvent(QMouseEvent* event) {
  m_pressedInside = true;
  emit MouseDown();
  NotifyLink(event);
  QTextEdit::mousePressEvent(event);
}

void ReportView::mouseReleaseEvent(QMouseEvent* event) {
  NotifyLink(event);
  QTextEdit::mouseReleaseEvent(event);
  emit MouseUp();
  if (m_pressedInside && viewport()->rect().contains(event->position().toPoint())) emit Click();
  m_pressedInside = false;
}

void ReportView::mouseDoubleClickEvent(QMouseEvent* event) {
  NotifyLink(event);
  QTextEdit::mouseDoubleClickEvent(event);
}

void ReportView::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMove();
  NotifyLink(event);
  viewport()->setCursor(LinkAt(event->position().toPoint()) ? Qt::PointingHandCursor
                                                            : Qt::IBeamCursor);
  QTextEdit::mouseMoveEvent(event);
}

namespace {
// Marks the data a report view hands to the clipboard.
constexpr const char* kReportCopyProperty = "baraluneReportCopy";
}  // namespace

QMimeData* ReportView::createMimeDataFromSelection() const {
  QMimeData* copy = QTextEdit::createMimeDataFromSelection();
  if (copy != nullptr) copy->setProperty(kReportCopyProperty, true);
  return copy;
}

bool ReportView::ClipboardHoldsReportCopy() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  // While another program owns the clipboard, Qt hands out a stand-in for that program's data,
  // which never carries the mark.
  const QMimeData* held = clipboard->mimeData();
  return held != nullptr && held->property(kReportCopyProperty).toBool();
}

}  // namespace richtext

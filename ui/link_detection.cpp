#include "link_detection.h"

#include <QPointer>
#include <QWidget>
#include <array>

#include "report_view.h"
#include "shell.h"
#include "url_detection.h"

namespace baralune {

namespace {

struct State {
  // Set while installed (the saved "previous procedure" of the window-procedure scheme).
  QPointer<ReportWindowProc> installed;
  QPointer<richtext::ReportView> view;
  QPointer<QWidget> parent;
};

State& Module() {
  static State state;
  return state;
}

}  // namespace

void EnableLinkDetection(richtext::ReportView* view, QWidget* parent) {
  State& s = Module();
  if (s.installed) return;
  if (view == nullptr || parent == nullptr) return;
  auto* proc = new ReportWindowProc(parent);
  parent->installEventFilter(proc);
  s.installed = proc;
  view->SetEventMask(view->EventMask() | richtext::ReportView::kLinkNotifications);
  view->SetAutoUrlDetect(true);
  s.view = view;
  s.parent = parent;
}

void DisableLinkDetection() {
  State& s = Module();
  if (!s.installed) return;
  if (s.view) s.view->SetAutoUrlDetect(false);
  if (s.parent) s.parent->removeEventFilter(s.installed);
  delete s.installed.data();
  s.installed = nullptr;
  // The recorded windows stay recorded and the notification bit stays set.
}

bool LinkDetectionInstalled() {
  return !Module().installed.isNull();
}

bool ReportWindowProc::eventFilter(QObject* watched, QEvent* event) {
  try {
    if (event->type() == richtext::LinkNotifyEvent::EventType()) {
      const auto* link = static_cast<const richtext::LinkNotifyEvent*>(event);
      const State& s = Module();
      if (s.view && link->sender() == s.view.data() &&
          link->mouseType() == QEvent::MouseButtonPress && link->button() == Qt::LeftButton) {
        std::array<char32_t, kLinkTextBuffer> buffer;
        buffer.fill(U' ');
        const std::size_t n =
            s.view->TextRange(link->range().first, link->range().end, buffer.data(), buffer.size());
        // Only a web page opens, and as exactly the address that was checked.
        const QUrl url =
            richtext::WebAddressUrl(QString::fromUcs4(buffer.data(), static_cast<qsizetype>(n)));
        if (!url.isEmpty()) ShellOpen(url.toString(QUrl::FullyEncoded));
      }
    }
  } catch (...) {
    // A failed open leaves the report as it was.
  }
  // Always passed on: the parent and the view still see the event as usual.
  return QObject::eventFilter(watched, event);
}

}  // namespace baralune

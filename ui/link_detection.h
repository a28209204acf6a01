#pragma once
#include <QObject>

class QWidget;
namespace richtext {
class ReportView;
}

namespace baralune {

// modRTBAutoUrlDetect: web addresses in the report open in the default browser on a
// left-button press.
//
// The report view sends its link notifications to its parent panel (picRight). Enabling puts a
// handler in front of that panel's own event handling (an event filter stands in for a
// replaced window procedure) and switches URL detection and link notifications on; disabling
// removes the handler and switches detection off. One set of state for the whole program:
//  - not installed: EnableLinkDetection installs; DisableLinkDetection does nothing;
//  - installed: EnableLinkDetection does nothing; DisableLinkDetection removes.
void EnableLinkDetection(richtext::ReportView* view, QWidget* parent);
void DisableLinkDetection();
bool LinkDetectionInstalled();

// The size of the buffer the address text is fetched into; longer links are cut there.
inline constexpr std::size_t kLinkTextBuffer = 1024;

// The handler in front of the parent's events: a left-button press notified by the recorded
// view opens the link's text; every event, that one included, then goes on to the parent.
class ReportWindowProc : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace baralune

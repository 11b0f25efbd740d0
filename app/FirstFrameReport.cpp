#include "FirstFrameReport.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaintWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The zero timer fires once the whole window has painted and been flushed.
            QTimer::singleShot(0, this, [this] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::fprintf(stderr, "first frame at %.6f\n",
                             std::chrono::duration<double>(now).count());
                deleteLater();
            });
        }
        return false;
    }
};

}  // namespace

void ReportFirstFrameWhenAsked(QWidget& window) {
    if (std::getenv("VORBIA_TRACE_FIRST_FRAME") == nullptr) return;
    window.installEventFilter(new FirstPaintWatcher(&window));
}

#include "DialogGeometry.h"

#include <QScreen>
#include <QWidget>

#include "DialogFrame.h"

namespace vorbia {

void CentreOnScreen(QWidget* window) {
    if (window->screen() == nullptr) return;
    CentreWithFrame(window, [window] { return window->screen()->geometry(); });
}

}  // namespace vorbia

#pragma once

#include <QRect>
#include <functional>

class QIcon;
class QWidget;

namespace vorbia {

// A window of fixed size, a dialog or a message box: its frame offers a close button and no
// minimise or maximise button.
void FrameWithCloseOnly(QWidget* window);

// Centres the window's outer size, frame included, in the rectangle that `area` gives. The
// window manager adds the frame only after the window is shown, so a window placed before its
// frame is known is placed again, once, as soon as it is. Does nothing on Wayland, where the
// compositor places every window.
void CentreWithFrame(QWidget* window, std::function<QRect()> area);

// The window with the frame the window manager has put around it.
QRect OuterGeometry(const QWidget* window);

// The program's own icon, for the table and for a box that has no window to take it from.
QIcon ProgramIcon();

}  // namespace vorbia

#include "Bell.h"

#include <QApplication>
#include <QProcess>

#include "WindowSystem.h"

namespace vorbia {

void RingBell() {
    if (!OnWayland()) {
        QApplication::beep();
        return;
    }
    // The player follows the desktop's sound theme and its switch for event sounds; a theme
    // without this sound falls back to its plain "bell".
    QProcess::startDetached(
        QStringLiteral("canberra-gtk-play"),
        {QStringLiteral("--id=bell-window-system"), QStringLiteral("--description=La VORBIA")});
}

}  // namespace vorbia

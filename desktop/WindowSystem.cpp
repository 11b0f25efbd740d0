#include "WindowSystem.h"

#include <QGuiApplication>

namespace vorbia {

bool OnWayland() {
    // "wayland", "wayland-egl" and the like.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace vorbia

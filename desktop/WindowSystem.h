#pragma once

namespace vorbia {

// Whether Qt runs the program as a Wayland client. Wayland lets no client place its windows,
// and Qt 6.4 learns nothing there of the panels that take part of the screen: the screen's
// available geometry is the whole output.
bool OnWayland();

}  // namespace vorbia

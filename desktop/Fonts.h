#pragma once

#include <QFont>

namespace vorbia {

enum class FontFace { Tahoma, MsSansSerif, Courier };

// Chooses, once at start-up, the family behind each face: the system's own font of that name,
// else the metric-compatible one shipped by Debian's fonts-wine, else DejaVu.
void LoadFonts();

QFont GameFont(FontFace face, double pointSize, bool bold = false);

}  // namespace vorbia

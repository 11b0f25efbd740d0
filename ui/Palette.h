#pragma once

#include <QColor>

#include "TableWindow.h"

namespace vorbia {

// The classic 16-colour palette, for the indices the name panels use.
QColor PaletteColour(int index);

inline QColor ToQColor(Colour colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace vorbia

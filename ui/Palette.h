#pragma once

#include <QColor>

#include "TableColours.h"

namespace vorbia {

inline QColor ToQColor(Colour colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace vorbia

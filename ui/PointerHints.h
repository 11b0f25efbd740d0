#pragma once

#include <QString>

#include "MatchState.h"

namespace vorbia {

// What Panel3D1 says while the pointer is over Picture1(picture), whose left edge is
// `pictureLeft`.
QString CardHint(int picture, int pictureLeft, const MatchState& state);

// What it says over the bare table.
inline const QString kTitleResetText = QStringLiteral("La Vorbia");

}  // namespace vorbia

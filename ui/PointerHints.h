#pragma once

#include <QString>

#include "MatchState.h"

namespace vorbia {

// What the title panel says while the pointer is over the picture of card `picture`, whose
// left edge is `pictureLeft`.
QString CardHint(int picture, int pictureLeft, const MatchState& state);

// What it says over the bare table.
inline const QString kTitleResetText = QStringLiteral("La Vorbia");

}  // namespace vorbia

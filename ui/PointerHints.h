#pragma once

#include <QString>

#include "MatchState.h"

namespace vorbia {

class CardPicture;

// What the title panel says while the pointer is over a card's picture or a pile's: over the
// uncovered card, how to play it; over any other card, that a click selects it.
QString CardHint(Card card, const MatchState& state);
QString PileHint(Player owner, const MatchState& state);
QString CardHint(const CardPicture& picture, const MatchState& state);

// What it says over the bare table.
inline const QString kTitleResetText = QStringLiteral("La Vorbia");

}  // namespace vorbia

#include "PointerHints.h"

#include "Card.h"

namespace vorbia {

namespace {

// Left of this a card is the current one, at or on its way to its play spot.
constexpr int kTableCardsLeft = 138;

}  // namespace

QString CardHint(int picture, int pictureLeft, const MatchState& state) {
    if (picture == kComputerPile || picture == kHumanPile) {
        const Player owner = picture == kComputerPile ? Player::Computer : Player::Human;
        return QStringLiteral("Mazzo di ") + QString::fromStdString(state.PlayerName[owner]) +
               QStringLiteral(" - ancora ") + QString::number(state.PileCount()) +
               QStringLiteral(" carte");
    }
    if (pictureLeft < kTableCardsLeft) {
        return QStringLiteral(
            "Scegli a destra le carte da prendere quindi clicca su questa carta.");
    }
    return QStringLiteral("Carta già giocata, clicca per sceglierla.");
}

}  // namespace vorbia

#include "PointerHints.h"

#include "CardPicture.h"

namespace vorbia {

QString CardHint(Card card, const MatchState& state) {
    if (state.PlaceOf(card) == CardPlace::Uncovered) {
        return QStringLiteral(
            "Scegli a destra le carte da prendere quindi clicca su questa carta.");
    }
    return QStringLiteral("Carta già giocata, clicca per sceglierla.");
}

QString PileHint(Player owner, const MatchState& state) {
    return QStringLiteral("Mazzo di ") + QString::fromStdString(state.PlayerName[owner]) +
           QStringLiteral(" - ancora ") + QString::number(state.PileCount()) +
           QStringLiteral(" carte");
}

QString CardHint(const CardPicture& picture, const MatchState& state) {
    if (const auto owner = picture.PileOwner()) return PileHint(*owner, state);
    return CardHint(*picture.ShownCard(), state);
}

}  // namespace vorbia

// The computer's move: it selects through the same selection and plays through the same play
// as the human.
#include "MatchEngine.h"

namespace vorbia {

void MatchEngine::ComputerMove() {
    if (runState_ != RunState::Ready) return;
    if (showsAnything_) display_.ComputerThinking(true);
    computerMoving_ = true;
    Begin([this] { return ComputerPlays(ChooseComputerCapture(state_)); });
}

Flow MatchEngine::ComputerPlays(ComputerChoice choice) {
    for (const Card card : choice) {
        // Its own captures never pass the limit, but cards selected before its move may.
        if (const std::optional<int> tooHigh = SelectOrFindTooHigh(card)) {
            co_await RefuseSelection(*tooHigh);
        }
    }
    if (state_.CurrentCard) co_await Play(*state_.CurrentCard);
}

// Also when a new match cuts the move short: the arrow comes back and the timer is armed
// again, or the computer would never move again.
void MatchEngine::EndComputerMove() {
    if (!computerMoving_) return;
    computerMoving_ = false;
    if (showsAnything_) display_.ComputerThinking(false);
    SetComputerTimer(true);
}

}  // namespace vorbia

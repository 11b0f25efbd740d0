// The computer's move: it selects through the same selection and plays through the same play
// as the human.
#include "MatchEngine.h"

namespace vorbia {

void MatchEngine::ComputerMove() {
    if (runState_ != RunState::Ready) return;
    if (showsAnything_) display_.ComputerThinking(true);
    computerMoving_ = true;
    const ComputerChoice choice = ChooseComputerCapture(state_);
    for (int next = 0; next < choice.size(); ++next) {
        // Its own captures never pass the limit, but cards selected before its move may; the
        // refusal then has to be told before the move goes on.
        if (const std::optional<int> tooHigh = SelectOrFindTooHigh(choice.begin()[next])) {
            Begin([this, choice, next, sum = *tooHigh] {
                return ComputerPlaysAfterRefusal(choice, next + 1, sum);
            });
            return;
        }
    }
    if (state_.CurrentCard) {
        Begin([this] { return Play(*state_.CurrentCard); });
    } else {
        EndComputerMove();
    }
}

Flow MatchEngine::ComputerPlaysAfterRefusal(ComputerChoice choice, int next, int tooHigh) {
    co_await RefuseSelection(tooHigh);
    for (; next < choice.size(); ++next) {
        if (const std::optional<int> again = SelectOrFindTooHigh(choice.begin()[next])) {
            co_await RefuseSelection(*again);
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

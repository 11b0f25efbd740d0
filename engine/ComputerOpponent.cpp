// The computer's move: it selects through the same selection and plays through the same play
// as the human.
#include "MatchEngine.h"

namespace vorbia {

Flow MatchEngine::ComputerMoveOperation() {
    // Also when a new match cuts the move short: the arrow comes back and the timer is armed
    // again, or the computer would never move again. The move lasts until a player must
    // decide again, so the pointer stays busy until then.
    struct ThinkingEnds {
        MatchEngine& engine;
        ~ThinkingEnds() {
            if (engine.showsAnything_) engine.display_.ComputerThinking(false);
            engine.SetComputerTimer(true);
        }
    } thinkingEnds{*this};
    if (showsAnything_) display_.ComputerThinking(true);
    for (const Card card : ChooseComputerCapture(state_)) co_await Select(card);
    if (state_.CurrentCard) co_await Play(*state_.CurrentCard);
}

}  // namespace vorbia

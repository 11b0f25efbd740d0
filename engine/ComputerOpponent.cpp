// The computer's move: it selects through the same ToggleTableCard and plays through the same
// PlayCurrentCard as the human.
#include "MatchEngine.h"

namespace vorbia {

void MatchEngine::ComputerMove() {
    Run([this] {
        // Also when a new match cuts the move short: the arrow comes back and the timer is
        // armed again, or the computer would never move again.
        struct RestoreWhenDone {
            MatchEngine& engine;
            ~RestoreWhenDone() {
                if (engine.windowShowsAnything_) engine.window_.SetBusyPointer(false);
                engine.SetComputerTimer(true);
            }
        } restore{*this};
        if (windowShowsAnything_) window_.SetBusyPointer(true);
        for (int card : ChooseComputerCapture(state_)) SelectTableCard(card);
        PlayCard(state_.CurrentCard);
    });
}

}  // namespace vorbia

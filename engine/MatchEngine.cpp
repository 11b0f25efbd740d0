#include "MatchEngine.h"

namespace vorbia {

MatchEngine::MatchEngine(MatchState& state, TableWindow& window, RandomSource& random)
    : state_(state),
      window_(window),
      random_(random),
      windowShowsAnything_(window.ShowsAnything()) {}

void MatchEngine::StartPendingNewMatch() {
    while (newMatchPending_ && !abandoning_) {
        newMatchPending_ = false;
        Run([this] { StartNewMatch(); });
    }
}

void MatchEngine::ThrowIfAbandoned() const {
    if (newMatchPending_ || abandoning_) throw Abandoned{};
}

void MatchEngine::Abandon() {
    abandoning_ = true;
    newMatchPending_ = false;
}

void MatchEngine::NewMatch() {
    if (abandoning_) return;
    if (Busy()) {
        newMatchPending_ = true;
        return;
    }
    Run([this] { StartNewMatch(); });
}

void MatchEngine::ClearTable() {
    SetComputerTimer(true);
    window_.HideAllCards();
}

void MatchEngine::CardClicked(int picture) {
    // A play under way finishes before the next click counts (a second click on a gliding
    // card must not play it twice).
    if (Busy() || abandoning_) return;
    if (state_.Turn != Player::Human) return;
    if (picture < 1 || picture > kCardCount) return;
    if (window_.CardBox(picture).left <= 138) {
        PlayCurrentCard(picture);
    } else {
        ToggleTableCard(picture);
    }
}

void MatchEngine::ToggleTableCard(int card) {
    Run([&] { SelectTableCard(card); });
}

void MatchEngine::PlayCurrentCard(int card) {
    Run([&] { PlayCard(card); });
}

bool MatchEngine::CurrentCardOnPlaySpot() const {
    return state_.CurrentCard > 0 && window_.CardBox(state_.CurrentCard).left == 69;
}

bool MatchEngine::ComputerMoveIsDue() const {
    return computerTimerOn_ && state_.Turn == Player::Computer && CurrentCardOnPlaySpot();
}

void MatchEngine::ComputerTimerTick() {
    // A tick in the middle of another operation waits for the next one.
    if (Busy() || abandoning_) return;
    if (!ComputerMoveIsDue()) return;
    SetComputerTimer(false);
    ComputerMove();
}

void MatchEngine::RunComputerTurns() {
    // What ComputerTimerTick does, without making its checks a second time.
    while (!Busy() && !abandoning_ && ComputerMoveIsDue()) {
        SetComputerTimer(false);
        ComputerMove();
    }
}

void MatchEngine::SetComputerTimer(bool on) {
    computerTimerOn_ = on;
    window_.SetComputerTimer(on);
}

void MatchEngine::Glide(int picture, int startLeft, int startTop, int endLeft, int endTop) {
    window_.MoveCard(picture, startLeft, startTop, endLeft, endTop);
    ThrowIfAbandoned();
}

void MatchEngine::Tell(const std::string& text) {
    window_.ShowMessage(text);
    ThrowIfAbandoned();
}

}  // namespace vorbia

// The coach on request: its advice for the human's uncovered card, marked on the table and said
// to a screen reader.
#include <QApplication>
#include <utility>

#include "Announcer.h"
#include "CardPicture.h"
#include "CardTable.h"
#include "CoachAdvice.h"
#include "Lookahead.h"
#include "MessageBoxes.h"
#include "TableAccessibility.h"

namespace vorbia {

bool CardTable::CoachMayAdvise() const {
    return !ending_ && !engine_.Busy() && state_.Turn == Player::Human &&
           state_.CurrentCardOnPlaySpot();
}

void CardTable::UpdateAdviceCommand() { menu_.adviceCommand->setEnabled(CoachMayAdvise()); }

void CardTable::AskCoach() {
    if (!CoachMayAdvise()) return;
    ForgetAdvice();
    const CardSet taken = ChooseCoachCapture(state_);
    for (const auto [slot, card] : state_.Table.OccupiedSlots()) {
        if (taken.Contains(card)) PictureOf(card).SetAdviceMark(true);
    }
    adviceShown_ = true;
    const QString sentence =
        QString::fromStdString(CoachAdviceSentence(state_.Table, *state_.CurrentCard, taken));
    SpeakAdvice(QStringLiteral("Suggerimento: ") + sentence);
    // A table without a mark would look as if the command had done nothing.
    if (taken.Empty()) {
        OpenMessageBox(this, sentence.left(1).toUpper() + sentence.mid(1) + QLatin1Char('.'), {},
                       QStringLiteral("La VORBIA - Suggerimento"));
    }
}

void CardTable::ForgetAdvice() {
    if (!std::exchange(adviceShown_, false)) return;
    for (CardPicture* card : cardPictures_) card->SetAdviceMark(false);
    accessibility_->SetAdvice(nullptr, {});
}

void CardTable::SpeakAdvice(const QString& text) {
    // On a focused card the advice becomes its description, which a reader speaks as it changes
    // and again whenever it comes back to the card. With the focus elsewhere the uncovered card
    // keeps it, and an announcement says it now.
    auto* card = qobject_cast<CardPicture*>(QApplication::focusWidget());
    const bool onFocusedCard = card != nullptr && card->window() == this;
    if (!onFocusedCard) card = &PictureOf(*state_.CurrentCard);
    accessibility_->SetAdvice(card, text);
    if (!onFocusedCard) Announcements().Say(text);
}

}  // namespace vorbia

// What the game shows on the table: the engine's calls turned into pictures, each step that
// takes time animated and reported back when it has been shown.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "Bell.h"
#include "BusyPointer.h"
#include "CardGlide.h"
#include "CardPicture.h"
#include "CardTable.h"
#include "DrawingArea.h"
#include "EndOfMatchDialog.h"
#include "KeyboardPlay.h"
#include "MessageBoxes.h"
#include "Palette.h"
#include "ScoreBar.h"
#include "StatusPanel.h"
#include "TableAccessibility.h"
#include "TableNarration.h"
#include "TableSnapshots.h"

namespace vorbia {

namespace {

QPoint ToQPoint(Position position) { return {position.left, position.top}; }

}  // namespace

TableLayout CardTable::Layout() const { return TableLayout(area_->width(), pilesHeight_); }

StatusPanel* CardTable::NamePanel(Player owner) const {
    return owner == Player::Human ? humanNamePanel_ : computerNamePanel_;
}

void CardTable::BeginStep(StepDone shown) {
    stepUnderWay_ = shown;
    dialogWhenStepBegan_ = QApplication::activeModalWidget();
    ForgetAdvice();
    UpdateAdviceCommand();
}

bool CardTable::StepHeldByDialog() const {
    QWidget* dialog = QApplication::activeModalWidget();
    return dialog != nullptr && dialog != dialogWhenStepBegan_;
}

void CardTable::FinishStep() {
    if (!stepUnderWay_) return;
    // Held until the player's dialog closes; the pile's press and the table's growth look
    // again shortly.
    if (StepHeldByDialog()) {
        QTimer::singleShot(5, this, &CardTable::FinishStep);
        return;
    }
    const StepDone shown = *std::exchange(stepUnderWay_, std::nullopt);
    shown();
    // The rules have gone on to the next decision: the human's, perhaps.
    UpdateAdviceCommand();
}

void CardTable::StepCutShort() {
    if (glide_) {
        glide_->Stop();
        glide_->deleteLater();
    }
    if (pressedPile_ != nullptr) {
        pilePress_.stop();
        pressedPile_->move(pileRest_);
        pressedPile_ = nullptr;
    }
    afterMaximise_ = {};
    maximiseLimit_.stop();
    stepUnderWay_.reset();
    ForgetAdvice();
    UpdateAdviceCommand();
    accessibility_->Refresh();
}

void CardTable::PlaceCard(CardPicture& picture, Position position) {
    picture.move(ToQPoint(position));
    picture.raise();
    picture.show();
    accessibility_->Refresh();
}

void CardTable::HideAllCards() {
    // Hidden as well as moved below the table, so that a table that grows later does not
    // uncover them.
    const int below = HiddenTop(area_->height());
    for (CardPicture* card : cardPictures_) {
        card->move(card->x(), below);
        card->hide();
    }
    for (CardPicture* pile : pilePictures_.values) {
        pile->move(pile->x(), below);
        pile->hide();
    }
    // With every card gone no selection frame belongs to anything any more.
    area_->ClearFrames();
    ForgetAdvice();
    accessibility_->Refresh();
}

void CardTable::HandStarts(StepDone shown) {
    BeginStep(shown);
    Maximise([this] {
        backgroundPicture_->move(backgroundPicture_->x(), BackgroundHiddenTop(area_->height()));
        backgroundPicture_->hide();
        orbitTimer_.stop();
        HideAllCards();
        pilesHeight_ = area_->height();
        const TableLayout layout = Layout();
        PlaceCard(PileOf(Player::Computer), layout.Pile(Player::Computer));
        PlaceCard(PileOf(Player::Human), layout.Pile(Player::Human));
        FinishStep();
    });
}

void CardTable::CardsCut(const PerPlayer<Card>& cut) {
    const TableLayout layout = Layout();
    for (const Player owner : {Player::Computer, Player::Human}) {
        PlaceCard(PictureOf(cut[owner]), layout.CutCard(owner));
    }
}

void CardTable::CutOver(const PerPlayer<Card>& cut) {
    const TableLayout layout = Layout();
    for (const Player owner : {Player::Computer, Player::Human}) {
        PlaceCard(PictureOf(cut[owner]), layout.CutCardAway(owner));
    }
    for (const Player owner : {Player::Human, Player::Computer}) {
        scoreCaptions_[owner]->move(scoreCaptions_[owner]->x(), layout.ScoreCaptionTop(owner));
        scoreBars_[owner]->move(scoreBars_[owner]->x(), layout.ScoreBarTop(owner));
    }
    for (const Player owner : {Player::Human, Player::Computer}) scoreCaptions_[owner]->show();
}

void CardTable::CardsGathered() { HideAllCards(); }

void CardTable::MatchOver(const MatchState& state, StepDone shown) {
    if (endOfMatchDialog_ == nullptr) {
        endOfMatchDialog_ = new EndOfMatchDialog(this);
        connect(endOfMatchDialog_, &EndOfMatchDialog::Chosen, this,
                [this](EndOfMatchDialog::Choice choice) {
                    if (choice == EndOfMatchDialog::Choice::Quit) {
                        EndProgram();
                        return;
                    }
                    FinishStep();
                });
    }
    BeginStep(shown);
    narration_->SayNow();
    if (snapshots_) {
        snapshots_->EndOfMatch(state.Score[Player::Human], state.Score[Player::Computer]);
    }
    endOfMatchDialog_->ShowResult(state, humanNamePanel_->Caption());
}

void CardTable::PilePressed(Player owner, StepDone shown) {
    BeginStep(shown);
    pressedPile_ = &PileOf(owner);
    pileRest_ = pressedPile_->pos();
    pressedPile_->move(pileRest_ + QPoint(-2, 2));
    pilePress_.start();
}

void CardTable::Glide(CardPicture& picture, QPoint start, QPoint end) {
    picture.raise();
    picture.show();
    glide_ = new CardGlide(
        picture, start, end, state_.CardSpeed, [this] { return StepHeldByDialog(); },
        [this, &picture] {
            glide_->deleteLater();
            accessibility_->Refresh();
            keyboard_->CardArrived(picture);
            if (snapshots_) snapshots_->GlideEnded(DeckPosition(*picture.ShownCard()) + 1);
            FinishStep();
        },
        this);
}

void CardTable::CardUncovered(Player player, Card card, std::optional<Slot> slot, StepDone shown) {
    BeginStep(shown);
    narration_->CardPlayed(player, card);
    const TableLayout layout = Layout();
    const QPoint pile = PileOf(player).pos();
    const QPoint end =
        slot ? ToQPoint(layout.SlotPosition(*slot))
             : pile + ToQPoint(layout.PlaySpot(player)) - ToQPoint(layout.Pile(player));
    Glide(PictureOf(card), pile, end);
}

void CardTable::CardLaid(Card card, Slot slot, StepDone shown) {
    BeginStep(shown);
    CardPicture& picture = PictureOf(card);
    Glide(picture, picture.pos(), ToQPoint(Layout().SlotPosition(slot)));
}

void CardTable::CardTaken(Card card, Player taker, StepDone shown) {
    BeginStep(shown);
    narration_->CardTaken(card);
    CardPicture& picture = PictureOf(card);
    const Position away = Layout().TakenCard(taker);
    Glide(picture, picture.pos(), QPoint(away.left, PileOf(taker).y()));
}

void CardTable::LastCardShown(Card card) {
    lastCardCaption_->setText(QStringLiteral("Ultima: ") + QString::fromStdString(CardName(card)));
    accessibility_->Refresh();
}

void CardTable::TurnPassed(Player now) {
    for (const Player owner : {Player::Computer, Player::Human}) {
        NamePanel(owner)->SetTextColour(
            ToQColor(owner == now ? kPlayerColour[owner] : kWaitingPlayerColour));
    }
    const QString play = narration_->TurnPassed(now);
    accessibility_->SetPlayBeforeTurn(now == Player::Human ? play : QString());
    ForgetAdvice();
    UpdateAdviceCommand();
    accessibility_->Refresh();
}

void CardTable::CardClickable(Card card, bool clickable) {
    PictureOf(card).SetClickable(clickable);
}

void CardTable::SelectionChanged(Card card, bool selected) {
    // From a pixel above and left of the card to a pixel beyond its right and bottom edges.
    const QRect picture = PictureOf(card).geometry();
    const QRect frame(picture.topLeft() - QPoint(1, 1), QPoint(picture.x() + picture.width() + 1,
                                                               picture.y() + picture.height() + 1));
    area_->DrawFrame(frame, selected ? Qt::black : Qt::white);
    ForgetAdvice();
    accessibility_->Refresh();
}

void CardTable::ScoresReset(Player first) {
    for (const Player player : {first, Opponent(first)}) {
        scoreCaptions_[player]->setText(QStringLiteral("Punti: 0"));
    }
    for (ScoreBar* bar : scoreBars_.values) bar->Clear();
    accessibility_->Refresh();
}

void CardTable::ScoreChanged(Player scorer, const PerPlayer<int>& scores) {
    scoreCaptions_[scorer]->setText(QStringLiteral("Punti: ") + QString::number(scores[scorer]));
    for (const Player owner : {Player::Human, Player::Computer}) {
        scoreBars_[owner]->DrawBox(ScoreBarRight(scores[owner]), ToQColor(kPlayerColour[owner]));
    }
    accessibility_->Refresh();
    narration_->ScoresChanged();
}

void CardTable::ComputerTimerSwitched(bool on) {
    if (on) {
        computerMoveTimer_.start();
    } else {
        computerMoveTimer_.stop();
    }
}

void CardTable::ComputerThinking(bool thinking) { SetBusyPointer(busyPointer_, thinking); }

void CardTable::Message(const std::string& text, StepDone shown) {
    if (snapshots_) snapshots_->BoxOpening(QString::fromStdString(text));
    UpdateAdviceCommand();
    // A box about a play (a scopa, a wrong sum) tells a screen reader whose play it was.
    const std::optional<Player> mover = narration_->Mover();
    if (!mover) narration_->SayNow();
    QMessageBox* box = OpenMessageBox(this, QString::fromStdString(text), [this, shown] {
        shown();
        UpdateAdviceCommand();
    });
    if (box != nullptr && mover) {
        SetSpokenText(*box, QString::fromStdString(state_.PlayerName[*mover]) +
                                QStringLiteral(": ") + QString::fromStdString(text));
    }
}

void CardTable::Beep() {
    if (snapshots_) snapshots_->Beeped();
    RingBell();
}

}  // namespace vorbia

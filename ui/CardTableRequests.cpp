// What the rules ask of the table.
#include <QApplication>
#include <QLabel>
#include <chrono>
#include <thread>

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
#include "TableGeometry.h"
#include "TableSnapshots.h"

namespace vorbia {

namespace {

PictureBox BoxOf(const QWidget& widget) {
    const QRect geometry = widget.geometry();
    return {geometry.x(), geometry.y(), geometry.width(), geometry.height()};
}

}  // namespace

int CardTable::DrawingWidth() const { return area_->width(); }

int CardTable::DrawingHeight() const { return area_->height(); }

int CardTable::TableEdgeX() const { return kTableEdgeX; }

PictureBox CardTable::CardBox(int picture) const {
    return BoxOf(*cardPictures_.at(static_cast<size_t>(picture)));
}

QWidget* CardTable::ElementWidget(Element element) const {
    switch (element) {
        case Element::HumanScoreCaption:
            return scoreCaptions_[0];
        case Element::ComputerScoreCaption:
            return scoreCaptions_[1];
        case Element::LastCardCaption:
            return lastCardCaption_;
        case Element::HumanScoreBar:
            return scoreBars_[0];
        case Element::ComputerScoreBar:
            return scoreBars_[1];
        case Element::TitlePanel:
            return titlePanel_;
        case Element::ComputerNamePanel:
            return computerNamePanel_;
        case Element::HumanNamePanel:
            return humanNamePanel_;
    }
    return nullptr;
}

StatusPanel* CardTable::Panel(Element element) const {
    return qobject_cast<StatusPanel*>(ElementWidget(element));
}

PictureBox CardTable::ElementBox(Element element) const { return BoxOf(*ElementWidget(element)); }

void CardTable::PlacePicture(int picture, int left, int top) {
    CardPicture& card = *cardPictures_.at(static_cast<size_t>(picture));
    card.move(left, top);
    card.raise();
    card.show();
    accessibility_->Refresh();
}

void CardTable::HideAllCards() {
    // Hidden as well as moved below the table, so that a table that grows later does not
    // uncover them.
    for (CardPicture* card : cardPictures_) {
        card->move(card->x(), DrawingHeight());
        card->hide();
    }
    // With every card gone no selection frame belongs to anything any more.
    area_->ClearFrames();
    accessibility_->Refresh();
}

void CardTable::MoveCard(int picture, int startLeft, int startTop, int endLeft, int endTop) {
    CardPicture& card = *cardPictures_.at(static_cast<size_t>(picture));
    card.raise();
    card.show();
    vorbia::MoveCard(card, {startLeft, startTop}, {endLeft, endTop}, state_.CardSpeed,
                     [this] { return engine_.Interrupted(); });
    accessibility_->Refresh();
    keyboard_->CardArrived(picture);
    if (snapshots_ && !engine_.Interrupted()) snapshots_->GlideEnded(picture);
}

void CardTable::PressPile(int pile) {
    CardPicture& card = *cardPictures_.at(static_cast<size_t>(pile));
    const QPoint rest = card.pos();
    card.move(rest + QPoint(-2, 2));
    area_->repaint();
    // Deliberately no event handling during the press: nothing may run in between.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    card.move(rest);
    accessibility_->Refresh();
}

void CardTable::DrawSelectionFrame(int card, bool selected) {
    const QRect picture = cardPictures_.at(static_cast<size_t>(card))->geometry();
    const QRect frame(picture.topLeft() - QPoint(1, 1), QPoint(picture.x() + picture.width() + 1,
                                                               picture.y() + picture.height() + 1));
    area_->DrawFrame(frame, selected ? Qt::black : Qt::white);
    accessibility_->Refresh();
}

void CardTable::SetClickable(int picture, bool clickable) {
    cardPictures_.at(static_cast<size_t>(picture))->SetClickable(clickable);
}

void CardTable::SetCaption(Element element, const std::string& text) {
    const QString caption = QString::fromStdString(text);
    if (StatusPanel* panel = Panel(element)) {
        panel->SetCaption(caption);
    } else if (auto* label = qobject_cast<QLabel*>(ElementWidget(element))) {
        label->setText(caption);
        accessibility_->Refresh();
    }
}

void CardTable::SetTextColour(Element element, Colour colour) {
    if (StatusPanel* panel = Panel(element)) panel->SetTextColour(ToQColor(colour));
    accessibility_->Refresh();
}

void CardTable::SetElementTop(Element element, int top) {
    QWidget* widget = ElementWidget(element);
    widget->move(widget->x(), top);
}

void CardTable::ShowElement(Element element) { ElementWidget(element)->show(); }

void CardTable::ClearScoreBar(int bar) { scoreBars_.at(static_cast<size_t>(bar))->Clear(); }

void CardTable::DrawScoreBar(int bar, int right, Colour colour) {
    scoreBars_.at(static_cast<size_t>(bar))->DrawBox(right, ToQColor(colour));
}

void CardTable::HideBackground() {
    backgroundPicture_->move(backgroundPicture_->x(), DrawingHeight() + 10);
    backgroundPicture_->hide();
    orbitTimer_.stop();
}

void CardTable::SetComputerTimer(bool on) {
    if (on) {
        computerMoveTimer_.start();
    } else {
        computerMoveTimer_.stop();
    }
}

void CardTable::SetBusyPointer(bool busy) {
    if (busy == busyPointer_) return;
    busyPointer_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void CardTable::ShowMessage(const std::string& text) {
    if (snapshots_) snapshots_->BoxOpening(QString::fromStdString(text));
    ShowMessageBox(this, QString::fromStdString(text));
}

void CardTable::ShowEndOfMatch(const MatchState& state) {
    if (endOfMatchDialog_ == nullptr) endOfMatchDialog_ = new EndOfMatchDialog(this);
    if (snapshots_)
        snapshots_->EndOfMatch(state.Score[Player::Human], state.Score[Player::Computer]);
    const auto choice = endOfMatchDialog_->ShowResult(state, humanNamePanel_->Caption());
    if (choice == EndOfMatchDialog::Choice::Quit) EndProgram();
}

void CardTable::Beep() {
    if (snapshots_) snapshots_->Beeped();
    QApplication::beep();
}

}  // namespace vorbia

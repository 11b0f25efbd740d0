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

namespace vorbia {

namespace {

PictureBox BoxOf(const QWidget& widget) {
    const QRect geometry = widget.geometry();
    return {geometry.x(), geometry.y(), geometry.width(), geometry.height()};
}

}  // namespace

int CardTable::DrawingWidth() const { return area_->width(); }

int CardTable::DrawingHeight() const { return area_->height(); }

int CardTable::Line1X() const { return kLine1X; }

PictureBox CardTable::Picture(int picture) const {
    return BoxOf(*Picture1_.at(static_cast<size_t>(picture)));
}

QWidget* CardTable::ElementWidget(Element element) const {
    switch (element) {
        case Element::Label1_0:
            return Label1_[0];
        case Element::Label1_1:
            return Label1_[1];
        case Element::Label2:
            return Label2_;
        case Element::Picture3_0:
            return Picture3_[0];
        case Element::Picture3_1:
            return Picture3_[1];
        case Element::Panel3D1:
            return Panel3D1_;
        case Element::Panel3D2:
            return Panel3D2_;
        case Element::Panel3D3:
            return Panel3D3_;
    }
    return nullptr;
}

StatusPanel* CardTable::Panel(Element element) const {
    return qobject_cast<StatusPanel*>(ElementWidget(element));
}

PictureBox CardTable::ElementBox(Element element) const { return BoxOf(*ElementWidget(element)); }

void CardTable::PlacePicture(int picture, int left, int top) {
    CardPicture& card = *Picture1_.at(static_cast<size_t>(picture));
    card.move(left, top);
    card.raise();
    card.show();
    accessibility_->Refresh();
}

void CardTable::HideAllCards() {
    // Hidden as well as moved below the table, so that a table that grows later does not
    // uncover them.
    for (CardPicture* card : Picture1_) {
        card->move(card->x(), DrawingHeight());
        card->hide();
    }
    // With every card gone no selection frame belongs to anything any more.
    area_->ClearFrames();
    accessibility_->Refresh();
}

void CardTable::MoveCard(int picture, int startLeft, int startTop, int endLeft, int endTop) {
    CardPicture& card = *Picture1_.at(static_cast<size_t>(picture));
    card.raise();
    card.show();
    vorbia::MoveCard(card, {startLeft, startTop}, {endLeft, endTop}, state_.CardSpeed,
                     [this] { return engine_.Interrupted(); });
    accessibility_->Refresh();
    keyboard_->CardArrived(picture);
}

void CardTable::PressPile(int pile) {
    CardPicture& card = *Picture1_.at(static_cast<size_t>(pile));
    const QPoint rest = card.pos();
    card.move(rest + QPoint(-2, 2));
    area_->repaint();
    // Deliberately no event handling during the press: nothing may run in between.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    card.move(rest);
    accessibility_->Refresh();
}

void CardTable::DrawSelectionFrame(int card, bool selected) {
    const QRect picture = Picture1_.at(static_cast<size_t>(card))->geometry();
    const QRect frame(picture.topLeft() - QPoint(1, 1), QPoint(picture.x() + picture.width() + 1,
                                                               picture.y() + picture.height() + 1));
    area_->DrawFrame(frame, selected ? Qt::black : Qt::white);
    accessibility_->Refresh();
}

void CardTable::SetClickable(int picture, bool clickable) {
    Picture1_.at(static_cast<size_t>(picture))->SetClickable(clickable);
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

void CardTable::ClearScoreBar(int bar) { Picture3_.at(static_cast<size_t>(bar))->Clear(); }

void CardTable::DrawScoreBar(int bar, int right, Colour colour) {
    Picture3_.at(static_cast<size_t>(bar))->DrawBox(right, ToQColor(colour));
}

void CardTable::HideBackground() {
    Picture2_->move(Picture2_->x(), DrawingHeight() + 10);
    Picture2_->hide();
    Timer2_.stop();
}

void CardTable::SetComputerTimer(bool on) {
    if (on) {
        Timer1_.start();
    } else {
        Timer1_.stop();
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
    ShowMessageBox(this, QString::fromStdString(text));
}

void CardTable::ShowEndOfMatch(const MatchState& state) {
    if (Form4_ == nullptr) Form4_ = new EndOfMatchDialog(this);
    const auto choice = Form4_->ShowResult(state, Panel3D3_->Caption());
    if (choice == EndOfMatchDialog::Choice::Quit) EndProgram();
}

void CardTable::Beep() { QApplication::beep(); }

}  // namespace vorbia

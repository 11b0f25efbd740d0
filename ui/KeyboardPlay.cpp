#include "KeyboardPlay.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include "CardPicture.h"
#include "StatusPanel.h"
#include "TableAccessibility.h"

namespace vorbia {

KeyboardPlay::KeyboardPlay(QWidget& table, const MatchState& state,
                           const std::array<CardPicture*, kCardCount>& cards,
                           StatusPanel& humanNamePanel)
    : QObject(&table),
      table_(table),
      state_(state),
      cards_(cards),
      humanNamePanel_(humanNamePanel) {
    // Clicks and keys anywhere decide whether the mark is drawn, so the whole program is watched.
    qApp->installEventFilter(this);
}

CardPicture& KeyboardPlay::PictureOf(Card card) const {
    return *cards_[static_cast<size_t>(DeckPosition(card))];
}

std::vector<Card> KeyboardPlay::FocusStops() const {
    std::vector<Card> stops;
    const auto stop = [&](Card card) {
        if (PictureOf(card).isVisible() && ReadCard(card, state_).focusStop) stops.push_back(card);
    };
    if (state_.CurrentCard &&
        ReadCard(*state_.CurrentCard, state_).role == QAccessible::PushButton) {
        stop(*state_.CurrentCard);
    }
    for (const auto [slot, card] : state_.Table.OccupiedSlots()) stop(card);
    return stops;
}

void KeyboardPlay::CardArrived(const CardPicture& picture) {
    if (!picture.ShownCard() || picture.ShownCard() != state_.CurrentCard) return;
    const std::vector<Card> stops = FocusStops();
    if (!stops.empty() && stops.front() == state_.CurrentCard &&
        ReadCard(stops.front(), state_).role == QAccessible::CheckBox) {
        // The hand's first card, laid straight on the table, has always looked focused until
        // the focus moved on; a screen reader must not be sent there on the way to the human's
        // card, so it only looks so.
        if (QWidget* focused = QApplication::focusWidget(); focused && focused->window() == &table_)
            focused->clearFocus();
        markedAsFocused_ = &PictureOf(stops.front());
        markedAsFocused_->SetMarkedAsFocused(true);
        return;
    }
    FocusHumansCard();
}

void KeyboardPlay::UnmarkAsFocused() {
    if (markedAsFocused_ == nullptr) return;
    markedAsFocused_->SetMarkedAsFocused(false);
    markedAsFocused_ = nullptr;
}

void KeyboardPlay::FocusHumansCard() {
    const std::vector<Card> stops = FocusStops();
    if (!stops.empty() && stops.front() == state_.CurrentCard &&
        ReadCard(stops.front(), state_).role == QAccessible::PushButton &&
        !PictureOf(stops.front()).hasFocus())
        PictureOf(stops.front()).setFocus(Qt::OtherFocusReason);
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    if (markedAsFocused_ != nullptr &&
        ((event->type() == QEvent::FocusIn && qobject_cast<QWidget*>(watched) != nullptr &&
          static_cast<QWidget*>(watched)->window() == &table_) ||
         (event->type() == QEvent::Hide && watched == markedAsFocused_)))
        UnmarkAsFocused();
    switch (event->type()) {
        case QEvent::WindowActivate:
        case QEvent::Hide:
            // Back from a box, a dialog or a menu; Qt gives the focus back first.
            if (watched == &table_ ||
                (qobject_cast<QMenu*>(watched) != nullptr &&
                 static_cast<QWidget*>(watched)->parentWidget() != nullptr &&
                 static_cast<QWidget*>(watched)->parentWidget()->window() == &table_)) {
                QTimer::singleShot(0, this, [this] {
                    if (QApplication::activeModalWidget() == nullptr &&
                        QApplication::activePopupWidget() == nullptr)
                        FocusHumansCard();
                });
            }
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
            ShowFocusMark(false);
            return false;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget == nullptr || widget->window() != &table_) return false;
            ShowFocusMark(true);
            if (event->type() != QEvent::KeyPress) return false;
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
            return HandleKey(watched, key->key(), key->isAutoRepeat());
        }
        default:
            return false;
    }
}

bool KeyboardPlay::HandleKey(QObject* receiver, int key, bool autoRepeat) {
    // The menu bar and its menus keep their own keys.
    auto* card = qobject_cast<CardPicture*>(receiver);
    const bool onPanel = receiver == &humanNamePanel_;
    if (card == nullptr && !onPanel && receiver != &table_) return false;
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Right:
        case Qt::Key_Down:
            MoveFocus(1);
            return true;
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Up:
            MoveFocus(-1);
            return true;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A held key is one press: a second play must come from a second press.
            if (autoRepeat) return true;
            if (card != nullptr) card->Click();
            if (onPanel) emit humanNamePanel_.Clicked();
            return card != nullptr || onPanel;
        default:
            return false;
    }
}

void KeyboardPlay::MoveFocus(int step) {
    // The cards, then the human's name panel, where Enter opens the options.
    std::vector<QWidget*> stops;
    for (const Card card : FocusStops()) stops.push_back(&PictureOf(card));
    stops.push_back(&humanNamePanel_);
    const int count = static_cast<int>(stops.size());
    const QWidget* focused = QApplication::focusWidget();
    int next = step > 0 ? 0 : count - 1;
    for (int index = 0; index < count; ++index) {
        if (stops[static_cast<size_t>(index)] == focused) next = (index + step + count) % count;
    }
    stops[static_cast<size_t>(next)]->setFocus(step > 0 ? Qt::TabFocusReason
                                                        : Qt::BacktabFocusReason);
}

void KeyboardPlay::ShowFocusMark(bool shown) {
    if (shown == markShown_) return;
    markShown_ = shown;
    for (CardPicture* card : cards_) card->SetFocusMark(shown);
    humanNamePanel_.SetFocusMark(shown);
}

}  // namespace vorbia

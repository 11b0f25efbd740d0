#include "KeyboardPlay.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "CardPicture.h"
#include "StatusPanel.h"
#include "TableAccessibility.h"
#include "TableOrders.h"

namespace vorbia {

KeyboardPlay::KeyboardPlay(QWidget& table, const MatchState& state,
                           const std::array<CardPicture*, kPictureCount>& cards,
                           StatusPanel& humanNamePanel)
    : QObject(&table),
      table_(table),
      state_(state),
      cards_(cards),
      humanNamePanel_(humanNamePanel) {
    // Clicks and keys anywhere decide whether the mark is drawn, so the whole program is watched.
    qApp->installEventFilter(this);
}

std::vector<int> KeyboardPlay::FocusStops() const {
    std::vector<int> stops;
    const auto stop = [&](int card) {
        const CardPicture& picture = *cards_[static_cast<size_t>(card)];
        if (picture.isVisible() && ReadCard(card, picture.x(), state_).focusStop)
            stops.push_back(card);
    };
    const int current = state_.CurrentCard;
    if (current > 0 && ReadCard(current, cards_[static_cast<size_t>(current)]->x(), state_).role ==
                           QAccessible::PushButton) {
        stop(current);
    }
    for (const Slot slot : OccupiedSlots(state_)) stop(state_.CardAt(slot));
    return stops;
}

void KeyboardPlay::CardArrived(int picture) {
    const std::vector<int> stops = FocusStops();
    if (picture == state_.CurrentCard && !stops.empty() && stops.front() == picture)
        cards_[static_cast<size_t>(picture)]->setFocus(Qt::OtherFocusReason);
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
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
    const std::vector<int> stops = FocusStops();
    // With no card to stop on, the human's name panel takes the focus: Enter opens the options.
    if (stops.empty()) {
        humanNamePanel_.setFocus(Qt::TabFocusReason);
        return;
    }
    const int count = static_cast<int>(stops.size());
    const auto* focused = qobject_cast<CardPicture*>(QApplication::focusWidget());
    int next = step > 0 ? 0 : count - 1;
    for (int index = 0; index < count; ++index) {
        if (focused != nullptr && stops[static_cast<size_t>(index)] == focused->Index())
            next = (index + step + count) % count;
    }
    cards_[static_cast<size_t>(stops[static_cast<size_t>(next)])]->setFocus(
        step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void KeyboardPlay::ShowFocusMark(bool shown) {
    if (shown == markShown_) return;
    markShown_ = shown;
    for (CardPicture* card : cards_) card->SetFocusMark(shown);
    humanNamePanel_.SetFocusMark(shown);
}

}  // namespace vorbia

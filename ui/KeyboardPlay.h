#pragma once

#include <QObject>
#include <array>
#include <vector>

#include "Card.h"
#include "MatchState.h"

class QWidget;

namespace vorbia {

class CardPicture;
class StatusPanel;

// Playing from the keyboard: Tab, Shift+Tab and the arrow keys move the focus over the human's
// uncovered card, the table cards and the human's name panel, Space or Enter clicks the focused
// card and opens the options from the panel. When a menu, box or dialog closes, the focus goes
// back to the human's card if it is the human's turn. The focus mark is
// drawn only once a key has been used on the table and goes at the next mouse click, so that
// a player who uses the mouse never sees it.
class KeyboardPlay : public QObject {
    Q_OBJECT

  public:
    KeyboardPlay(QWidget& table, const MatchState& state,
                 const std::array<CardPicture*, kCardCount>& cards, StatusPanel& humanNamePanel);

    // The cards the focus moves over, in its order: the human's uncovered card, then the table
    // cards in scan order.
    std::vector<Card> FocusStops() const;

    // A card has ended its glide; the human's uncovered card takes the focus on its play spot.
    void CardArrived(const CardPicture& picture);

    bool FocusMarkShown() const { return markShown_; }
    // The human's uncovered card takes the focus if the human is to play it.
    void FocusHumansCard();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool HandleKey(QObject* receiver, int key, bool autoRepeat);
    void MoveFocus(int step);
    void ShowFocusMark(bool shown);
    void UnmarkAsFocused();

    QWidget& table_;
    const MatchState& state_;
    CardPicture& PictureOf(Card card) const;

    std::array<CardPicture*, kCardCount> cards_;
    StatusPanel& humanNamePanel_;
    bool markShown_ = false;
    CardPicture* markedAsFocused_ = nullptr;
};

}  // namespace vorbia

#pragma once

#include <QAccessible>
#include <QString>
#include <array>
#include <vector>

#include "Card.h"
#include "MatchState.h"

class QLabel;

namespace vorbia {

class CardPicture;
class ScoreBar;
class StatusPanel;

// What a screen reader hears about a card's picture or a pile's, and whether the keyboard may
// stop on it.
struct CardReading {
    QAccessible::Role role = QAccessible::Graphic;
    QString name;
    QString description;
    bool checked = false;
    bool focusStop = false;
};
CardReading ReadCard(Card card, const MatchState& state);
CardReading ReadPicture(const CardPicture& picture, const MatchState& state);

// The table's elements as a screen reader reads them. Names, roles and states are worked out
// from the match whenever a reader asks; after Refresh() the change events for what changed
// since the last events go out.
class TableAccessibility {
  public:
    struct Elements {
        std::array<CardPicture*, kCardCount> cards;
        PerPlayer<CardPicture*> piles;
        StatusPanel* titlePanel;
        StatusPanel* computerNamePanel;
        StatusPanel* humanNamePanel;
        PerPlayer<QLabel*> scoreCaptions;
        PerPlayer<ScoreBar*> scoreBars;
        QLabel* lastCardCaption;
    };
    TableAccessibility(const MatchState& state, Elements elements);

    // Called after every visible change. A play makes dozens of them in a row; the readings are
    // compared once, when the event loop next runs, which is also when a reader can ask.
    void Refresh();

    // The coach's advice becomes what a reader hears as the description of `card`, until it is
    // set again; an empty advice on no card forgets it. Each change is announced.
    void SetAdvice(CardPicture* card, const QString& advice);
    const QString* AdviceOn(const QObject* card) const {
        return card == adviceCard_ ? &advice_ : nullptr;
    }

    const MatchState& State() const { return state_; }
    CardReading Read(const CardPicture& picture) const;
    // What the opponent did just before the human's turn, for the human's card to tell.
    void SetPlayBeforeTurn(const QString& play);
    bool IsHumanNamePanel(const QObject* panel) const;
    // "Di turno" on the name panel of the player to move.
    QString PanelDescription(const QObject* panel) const;

  private:
    std::array<CardPicture*, kCardCount + kPlayers> Pictures() const;
    void RenewChangedRoles();
    void SendChanges();

    const MatchState& state_;
    Elements elements_;
    std::array<CardReading, kCardCount + kPlayers> heard_{};
    std::array<QString, 2> panelsHeard_{};
    std::array<QAccessible::Role, kCardCount + kPlayers> roles_{};
    std::array<QString, 3> captionsHeard_{};
    QString playBefore_;
    bool changesPending_ = false;
    QObject* adviceCard_ = nullptr;
    QString advice_;
};

// Makes Qt read card pictures and status panels through the table's TableAccessibility.
void InstallTableAccessibility();

}  // namespace vorbia

#include "TableNarration.h"

#include <QStringList>

#include "Announcer.h"

namespace vorbia {

namespace {

QString Spoken(Card card) { return QString::fromStdString(CardName(card)); }

}  // namespace

TableNarration::TableNarration(const MatchState& state, Announcer& announcer)
    : state_(state), announcer_(announcer) {}

QString TableNarration::Name(Player player) const {
    return QString::fromStdString(state_.PlayerName[player]);
}

void TableNarration::CardPlayed(Player player, Card card) {
    mover_ = player;
    played_ = card;
    taken_.clear();
}

void TableNarration::CardTaken(Card card) {
    // The played card leaves with what it takes; it has been named already.
    if (card != played_) taken_.push_back(card);
}

void TableNarration::ScoresChanged() { scoresChanged_ = true; }

QString TableNarration::TurnPassed(Player now) {
    QString play = PlayAndScores();
    turn_ = now;
    SayNow();
    return play;
}

std::optional<Player> TableNarration::Mover() const { return played_ ? mover_ : std::nullopt; }

QString TableNarration::Line() const {
    QString line = PlayAndScores();
    if (turn_) {
        if (!line.isEmpty()) line += QLatin1Char(' ');
        line += QStringLiteral("Tocca a ") + Name(*turn_) + QLatin1Char('.');
    }
    return line;
}

QString TableNarration::PlayAndScores() const {
    QStringList parts;
    if (played_) {
        QString play = Name(*mover_) + QStringLiteral(" gioca ") + Spoken(*played_);
        if (!taken_.empty())
            play += QStringLiteral(" e prende ") + QString::fromStdString(CardNames(taken_));
        parts << play + QLatin1Char('.');
    }
    if (ScoresToSay()) {
        parts << QStringLiteral("Punti: %1 %2, %3 %4.")
                     .arg(Name(Player::Human))
                     .arg(state_.Score[Player::Human])
                     .arg(Name(Player::Computer))
                     .arg(state_.Score[Player::Computer]);
    }
    return parts.join(QLatin1Char(' '));
}

bool TableNarration::ScoresToSay() const { return scoresChanged_ && state_.Score != scoresSaid_; }

void TableNarration::SayNow() {
    announcer_.Say(Line());
    if (ScoresToSay()) scoresSaid_ = state_.Score;
    played_.reset();
    taken_.clear();
    scoresChanged_ = false;
    turn_.reset();
}

}  // namespace vorbia

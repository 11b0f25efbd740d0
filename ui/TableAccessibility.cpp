#include "TableAccessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QTimer>
#include <utility>

#include "CardPicture.h"
#include "CardTable.h"
#include "PointerHints.h"
#include "ScoreBar.h"
#include "StatusPanel.h"

namespace vorbia {

namespace {

const QString kInTurn = QStringLiteral("Di turno");
// The human's first turn of a hand comes by the third, whoever lays the first card.
constexpr int kTurnsWithKeysHint = 3;

const TableAccessibility* AccessibilityOf(const QWidget* widget) {
    const auto* table = qobject_cast<const CardTable*>(widget->window());
    return table != nullptr ? table->Accessibility() : nullptr;
}

class AccessibleCard : public QAccessibleWidget {
  public:
    explicit AccessibleCard(CardPicture* card) : QAccessibleWidget(card, QAccessible::Graphic) {}

    QAccessible::Role role() const override { return Reading().role; }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return Reading().name;
        if (kind == QAccessible::Description) {
            const TableAccessibility* table = AccessibilityOf(&Card());
            if (const QString* advice = table != nullptr ? table->AdviceOn(&Card()) : nullptr)
                return *advice;
            return Reading().description;
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // The cut cards and the taken ones are moved off the table's edge rather than hidden.
        if (!Card().parentWidget()->rect().contains(Card().geometry().center())) {
            state.invisible = true;
            state.offscreen = true;
        }
        const CardReading reading = Reading();
        state.focusable = reading.focusStop;
        if (reading.role == QAccessible::CheckBox) {
            state.checkable = true;
            state.checked = reading.checked;
        }
        return state;
    }

    QStringList actionNames() const override {
        const CardReading reading = Reading();
        QStringList names;
        if (reading.role == QAccessible::PushButton) names << pressAction();
        if (reading.role == QAccessible::CheckBox) names << toggleAction();
        if (reading.focusStop) names << setFocusAction();
        return names;
    }

    void doAction(const QString& action) override {
        if (action == setFocusAction()) {
            Card().setFocus(Qt::OtherFocusReason);
        } else if (actionNames().contains(action)) {
            Card().Click();
        }
    }

  private:
    CardPicture& Card() const { return *static_cast<CardPicture*>(widget()); }

    CardReading Reading() const {
        const TableAccessibility* table = AccessibilityOf(&Card());
        if (table == nullptr) return {};
        return table->Read(Card());
    }
};

class AccessiblePanel : public QAccessibleWidget {
  public:
    explicit AccessiblePanel(StatusPanel* panel)
        : QAccessibleWidget(panel, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return IsHumanNamePanel() ? QAccessible::PushButton : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return Panel().Caption();
        if (kind == QAccessible::Description) {
            const TableAccessibility* table = AccessibilityOf(&Panel());
            return table != nullptr ? table->PanelDescription(&Panel()) : QString();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return IsHumanNamePanel() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && IsHumanNamePanel()) emit Panel().Clicked();
    }

  private:
    StatusPanel& Panel() const { return *static_cast<StatusPanel*>(widget()); }

    bool IsHumanNamePanel() const {
        const TableAccessibility* table = AccessibilityOf(&Panel());
        return table != nullptr && table->IsHumanNamePanel(&Panel());
    }
};

QAccessibleInterface* TableElementFactory(const QString&, QObject* object) {
    if (auto* card = qobject_cast<CardPicture*>(object)) return new AccessibleCard(card);
    if (auto* panel = qobject_cast<StatusPanel*>(object)) return new AccessiblePanel(panel);
    return nullptr;
}

void Announce(QObject* object, QAccessible::Event kind) {
    QAccessibleEvent event(object, kind);
    QAccessible::updateAccessibility(&event);
}

// A screen reader learns an object's role once and keeps it, whatever events follow. A card
// whose role changes is given a new accessible object, which a reader meets as a new one.
void Renew(QObject* object) {
    QAccessibleInterface* old = QAccessible::queryAccessibleInterface(object);
    if (old == nullptr) return;
    Announce(object, QAccessible::ObjectDestroyed);
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    Announce(object, QAccessible::ObjectCreated);
}

}  // namespace

CardReading ReadCard(Card card, const MatchState& state) {
    CardReading reading;
    reading.name = QString::fromStdString(CardName(card));
    switch (state.PlaceOf(card)) {
        case CardPlace::OnTable:
            reading.role = QAccessible::CheckBox;
            reading.checked = state.Selected.Contains(card);
            reading.focusStop = true;
            break;
        case CardPlace::Uncovered: {
            const bool humans = state.Turn == Player::Human;
            reading.role = humans ? QAccessible::PushButton : QAccessible::Graphic;
            reading.focusStop = humans;
            if (!humans) {
                reading.description = QStringLiteral("Carta di ") +
                                      QString::fromStdString(state.PlayerName[Player::Computer]);
            } else if (state.TurnCount <= kTurnsWithKeysHint) {
                // Said as the hand's first card arrives; at every card it would only repeat.
                reading.description = QStringLiteral(
                    "Invio per giocarla; prima scegli con Spazio le carte da prendere.");
            }
            break;
        }
        case CardPlace::InDeck:
        case CardPlace::Taken:
            break;
    }
    return reading;
}

CardReading ReadPicture(const CardPicture& picture, const MatchState& state) {
    if (const auto card = picture.ShownCard()) return ReadCard(*card, state);
    CardReading reading;
    reading.name = CardHint(picture, state);
    reading.description = QStringLiteral("Carte coperte");
    return reading;
}

TableAccessibility::TableAccessibility(const MatchState& state, Elements elements)
    : state_(state), elements_(elements) {
    roles_.fill(QAccessible::Graphic);
}

CardReading TableAccessibility::Read(const CardPicture& picture) const {
    CardReading reading = ReadPicture(picture, state_);
    // The human's card is read as the focus comes to it, which would cut short an
    // announcement of the computer's play made just before: the card tells it again.
    if (reading.role == QAccessible::PushButton && picture.ShownCard() == state_.CurrentCard &&
        !playBefore_.isEmpty()) {
        reading.description = reading.description.isEmpty()
                                  ? playBefore_
                                  : playBefore_ + QLatin1Char(' ') + reading.description;
    }
    return reading;
}

void TableAccessibility::SetPlayBeforeTurn(const QString& play) { playBefore_ = play; }

bool TableAccessibility::IsHumanNamePanel(const QObject* panel) const {
    return panel == elements_.humanNamePanel;
}

QString TableAccessibility::PanelDescription(const QObject* panel) const {
    if (panel == elements_.humanNamePanel && state_.Turn == Player::Human) return kInTurn;
    if (panel == elements_.computerNamePanel && state_.Turn == Player::Computer) return kInTurn;
    return {};
}

void TableAccessibility::SetAdvice(CardPicture* card, const QString& advice) {
    QObject* before = std::exchange(adviceCard_, card);
    advice_ = advice;
    if (before != nullptr && before != adviceCard_)
        Announce(before, QAccessible::DescriptionChanged);
    if (card != nullptr) Announce(card, QAccessible::DescriptionChanged);
}

void TableAccessibility::Refresh() {
    // Before anything can take the focus: a reader must meet a card in its new role.
    RenewChangedRoles();
    if (changesPending_) return;
    changesPending_ = true;
    QTimer::singleShot(0, elements_.titlePanel, [this] { SendChanges(); });
}

std::array<CardPicture*, kCardCount + kPlayers> TableAccessibility::Pictures() const {
    std::array<CardPicture*, kCardCount + kPlayers> pictures{};
    std::copy(elements_.cards.begin(), elements_.cards.end(), pictures.begin());
    pictures[kCardCount] = elements_.piles[Player::Human];
    pictures[kCardCount + 1] = elements_.piles[Player::Computer];
    return pictures;
}

void TableAccessibility::RenewChangedRoles() {
    const auto pictures = Pictures();
    for (size_t index = 0; index < pictures.size(); ++index) {
        const QAccessible::Role role = ReadPicture(*pictures[index], state_).role;
        if (role == roles_[index]) continue;
        roles_[index] = role;
        Renew(pictures[index]);
    }
}

void TableAccessibility::SendChanges() {
    changesPending_ = false;
    const auto pictures = Pictures();
    for (size_t index = 0; index < pictures.size(); ++index) {
        CardPicture* card = pictures[index];
        const CardReading now = Read(*card);
        CardReading& before = heard_[index];
        if (now.name != before.name) Announce(card, QAccessible::NameChanged);
        if (now.description != before.description) Announce(card, QAccessible::DescriptionChanged);
        if (now.checked != before.checked || now.focusStop != before.focusStop) {
            QAccessible::State changed;
            changed.checked = now.checked != before.checked;
            changed.focusable = now.focusStop != before.focusStop;
            QAccessibleStateChangeEvent event(card, changed);
            QAccessible::updateAccessibility(&event);
        }
        before = now;
    }

    const std::array<StatusPanel*, 2> namePanels = {elements_.humanNamePanel,
                                                    elements_.computerNamePanel};
    const std::array<QLabel*, 2> scoreCaptions = {elements_.scoreCaptions[Player::Human],
                                                  elements_.scoreCaptions[Player::Computer]};
    for (size_t player = 0; player < namePanels.size(); ++player) {
        const QString description = PanelDescription(namePanels[player]);
        if (description != panelsHeard_[player]) {
            panelsHeard_[player] = description;
            Announce(namePanels[player], QAccessible::DescriptionChanged);
        }
        // The score captions say whose they are.
        const QString owner = QStringLiteral("Punteggio di ") + namePanels[player]->Caption();
        QLabel* score = scoreCaptions[player];
        if (score->accessibleDescription() != owner) score->setAccessibleDescription(owner);
        ScoreBar* bar = player == 0 ? elements_.scoreBars[Player::Human]
                                    : elements_.scoreBars[Player::Computer];
        const QString barName =
            QStringLiteral("Barra dei punti di ") + namePanels[player]->Caption();
        if (bar->accessibleName() != barName) bar->setAccessibleName(barName);
    }

    // A label does not tell of its new text by itself; readers that follow names hear it.
    const std::array<QLabel*, 3> captions = {scoreCaptions[0], scoreCaptions[1],
                                             elements_.lastCardCaption};
    for (size_t index = 0; index < captions.size(); ++index) {
        if (captions[index]->text() == captionsHeard_[index]) continue;
        captionsHeard_[index] = captions[index]->text();
        Announce(captions[index], QAccessible::NameChanged);
    }
}

void InstallTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(TableElementFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace vorbia

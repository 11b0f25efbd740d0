#pragma once

#include <QIcon>
#include <QWidget>
#include <optional>

#include "Card.h"
#include "Players.h"

namespace vorbia {

// A card's picture, or a pile's: a borderless box exactly as large as its image. It reports
// clicks and pointer moves; when not clickable it still reports pointer moves, because the
// hints hold for cards the player may not click.
class CardPicture : public QWidget {
    Q_OBJECT

  public:
    CardPicture(Card card, QWidget* parent);
    CardPicture(Player pileOwner, QWidget* parent);

    // The card it shows, or none for a pile.
    std::optional<Card> ShownCard() const { return card_; }
    std::optional<Player> PileOwner() const { return pileOwner_; }

    void SetImage(const QIcon& image);
    const QIcon& Image() const { return image_; }
    // The image at this screen's pixel density, as another window would show it.
    QPixmap ImagePixmap() const;

    void SetClickable(bool clickable) { clickable_ = clickable; }
    bool Clickable() const { return clickable_; }
    // What a mouse click does, for the keyboard and screen readers.
    void Click();

    // Drawn while the picture has the focus.
    void SetFocusMark(bool shown);
    // Drawn as if it had the focus, which it is not given (see KeyboardPlay::CardArrived).
    void SetMarkedAsFocused(bool marked);
    // The coach would take this card.
    void SetAdviceMark(bool shown);
    bool AdviceMarkShown() const { return adviceMark_; }

  signals:
    void Clicked();
    void PointerMoved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    CardPicture(std::optional<Card> card, std::optional<Player> pileOwner, QWidget* parent);

    std::optional<Card> card_;
    std::optional<Player> pileOwner_;
    QIcon image_;
    bool clickable_ = true;
    bool pressed_ = false;
    bool focusMark_ = false;
    bool markedAsFocused_ = false;
    bool adviceMark_ = false;
};

// A card's image, with its @2x file for high-density screens; the card back for none.
QIcon CardImage(std::optional<Card> card);

}  // namespace vorbia

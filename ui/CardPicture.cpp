#include "CardPicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "AdviceMark.h"
#include "FocusMark.h"
#include "TableLayout.h"

namespace vorbia {

// The images are numbered in the deck's order from 1; 0 is the card back.
QIcon CardImage(std::optional<Card> card) {
    const int number = card ? DeckPosition(*card) + 1 : 0;
    return QIcon(QStringLiteral(":/cards/%1.png").arg(number, 2, 10, QLatin1Char('0')));
}

CardPicture::CardPicture(std::optional<Card> card, std::optional<Player> pileOwner, QWidget* parent)
    : QWidget(parent), card_(card), pileOwner_(pileOwner) {
    setFixedSize(kCardSize.width, kCardSize.height);
    setMouseTracking(true);
}

CardPicture::CardPicture(Card card, QWidget* parent) : CardPicture(card, std::nullopt, parent) {
    setObjectName(QStringLiteral("cardPicture(%1)").arg(DeckPosition(card) + 1));
    SetImage(CardImage(card));
}

CardPicture::CardPicture(Player pileOwner, QWidget* parent)
    : CardPicture(std::nullopt, pileOwner, parent) {
    setObjectName(pileOwner == Player::Computer ? QStringLiteral("computerPile")
                                                : QStringLiteral("humanPile"));
}

void CardPicture::SetImage(const QIcon& image) {
    image_ = image;
    update();
}

QPixmap CardPicture::ImagePixmap() const { return image_.pixmap(size(), devicePixelRatioF()); }

void CardPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), ImagePixmap());
    if (adviceMark_) DrawAdviceMark(painter, rect());
    if (focusMark_ && (hasFocus() || (markedAsFocused_ && isActiveWindow())))
        DrawFocusMark(painter, rect());
}

void CardPicture::changeEvent(QEvent* event) {
    // As a focused widget is redrawn when its window turns inactive and back.
    if (event->type() == QEvent::ActivationChange && markedAsFocused_) update();
    QWidget::changeEvent(event);
}

void CardPicture::Click() {
    if (clickable_) emit Clicked();
}

void CardPicture::SetFocusMark(bool shown) {
    focusMark_ = shown;
    if (hasFocus() || markedAsFocused_) update();
}

void CardPicture::SetMarkedAsFocused(bool marked) {
    if (marked == markedAsFocused_) return;
    markedAsFocused_ = marked;
    update();
}

void CardPicture::SetAdviceMark(bool shown) {
    if (shown == adviceMark_) return;
    adviceMark_ = shown;
    update();
}

void CardPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CardPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) Click();
}

void CardPicture::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit PointerMoved();
}

}  // namespace vorbia

#include "CardPicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "FocusMark.h"
#include "TableGeometry.h"

namespace vorbia {

QIcon CardImage(int card) {
    return QIcon(QStringLiteral(":/cards/%1.png").arg(card, 2, 10, QLatin1Char('0')));
}

CardPicture::CardPicture(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("cardPicture(%1)").arg(index));
    setFixedSize(kCardWidth, kCardHeight);
    setMouseTracking(true);
}

void CardPicture::SetImage(const QIcon& image) {
    image_ = image;
    update();
}

QPixmap CardPicture::ImagePixmap() const { return image_.pixmap(size(), devicePixelRatioF()); }

void CardPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), ImagePixmap());
    if (focusMark_ && hasFocus()) DrawFocusMark(painter, rect());
}

void CardPicture::Click() {
    if (clickable_) emit Clicked(index_);
}

void CardPicture::SetFocusMark(bool shown) {
    focusMark_ = shown;
    if (hasFocus()) update();
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
    emit PointerMoved(index_);
}

}  // namespace vorbia

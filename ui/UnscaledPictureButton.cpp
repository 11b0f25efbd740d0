#include "UnscaledPictureButton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace vorbia {

void UnscaledPictureButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const QIcon picture = option.icon;
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const QPixmap pixmap = picture.pixmap(iconSize(), devicePixelRatio(),
                                          isEnabled() ? QIcon::Normal : QIcon::Disabled);
    QRect place = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter,
                                      pixmap.deviceIndependentSize().toSize(), rect());
    // The picture covers most of the button's own bevel, so a press shows by moving it.
    if (isDown()) place.translate(1, 1);
    painter.drawPixmap(place.topLeft(), pixmap);
}

}  // namespace vorbia

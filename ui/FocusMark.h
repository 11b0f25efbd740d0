#pragma once

class QPainter;
class QRect;

namespace vorbia {

// The keyboard's focus outline: thick, blue and white, inside the element, so that it cannot
// be taken for the black selection frame drawn around a card.
void DrawFocusMark(QPainter& painter, const QRect& element);

}  // namespace vorbia

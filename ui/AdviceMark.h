#pragma once

class QPainter;
class QRect;

namespace vorbia {

// The coach's mark on a table card it would take: a green badge with a white tick in the top
// right corner, so that it cannot be taken for the black selection frame around a card nor for
// the keyboard's blue outline along its edges, and reads without colour too.
void DrawAdviceMark(QPainter& painter, const QRect& card);

}  // namespace vorbia

#pragma once

#include <QRect>

class QWidget;

namespace vorbia {

// The dialogs were laid out in twips, 15 to the pixel.
constexpr int Twips(int twips) { return (twips + 7) / 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// Places a top-level window with its frame in the middle of the whole screen (not just the
// free area beside panels), where the player expects the game's dialogs; on Wayland the
// compositor places it.
void CentreOnScreen(QWidget* window);

}  // namespace vorbia

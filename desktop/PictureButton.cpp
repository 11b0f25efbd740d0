#include "PictureButton.h"

#include <QIcon>
#include <QKeyEvent>

#include "Fonts.h"

namespace vorbia {

PictureButton::PictureButton(const QString& iconPath, const QString& caption, QWidget* parent)
    : QToolButton(parent) {
    setIcon(QIcon(iconPath));
    setIconSize(QSize(32, 32));
    setText(caption);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFont(GameFont(FontFace::Tahoma, 8.25));
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QToolButton::keyPressEvent(event);
}

}  // namespace vorbia

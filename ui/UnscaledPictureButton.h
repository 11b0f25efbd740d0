#pragma once

#include <QToolButton>

namespace vorbia {

// A tool button whose picture is drawn at its icon size, pixel for pixel, over the button: a
// tool button keeps a frame's width free on each side and scales its picture down to fit.
class UnscaledPictureButton : public QToolButton {
    Q_OBJECT

  public:
    using QToolButton::QToolButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vorbia

#pragma once

#include <QToolButton>

namespace vorbia {

// A push button with a 32 x 32 picture above its caption. Enter clicks it when it has the
// focus, as Space does.
class PictureButton : public QToolButton {
    Q_OBJECT

  public:
    PictureButton(const QString& iconPath, const QString& caption, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vorbia

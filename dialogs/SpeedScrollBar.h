#pragma once

#include <QScrollBar>

namespace vorbia {

// A horizontal scroll bar whose arrow keys follow the bar: Left lowers, Right raises. Qt's
// scroll bars invert the arrow keys so that a vertical one moves as the page does, which on a
// horizontal bar turns Left and Right around; Page Up, Page Down, Home and End stay as Qt has
// them. With the focus it shows the desktop's focus mark, which the bar's own look leaves out.
class SpeedScrollBar : public QScrollBar {
    Q_OBJECT

  public:
    explicit SpeedScrollBar(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vorbia

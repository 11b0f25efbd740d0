#pragma once

#include <QColor>
#include <QFrame>
#include <QRect>
#include <vector>

namespace vorbia {

// A player's score bar: a bordered box whose filled rectangles stay drawn until it is cleared, as a
// picture box with persistent drawing keeps them.
class ScoreBar : public QFrame {
    Q_OBJECT

  public:
    ScoreBar(const QString& name, QWidget* parent);

    void Clear();
    // A filled box from (0, 0) to (right, inner height), both corners included, drawn over
    // what is there. A negative right reaches back over column 0.
    void DrawBox(int right, const QColor& colour);

    struct Box {
        QRect rect;
        QColor colour;
    };
    const std::vector<Box>& Boxes() const { return boxes_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<Box> boxes_;
};

}  // namespace vorbia

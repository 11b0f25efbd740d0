#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>
#include <vector>

namespace vorbia {

class StatusPanel;

// The table's own surface: white, with the table's left edge and the selection frames drawn on it
// behind the cards. The three panels are docked to its edges, so its coordinates are the engine's.
class DrawingArea : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingArea(QWidget* parent);

    void DockPanels(StatusPanel* top, StatusPanel* belowTop, StatusPanel* bottom);

    // A filled box that stays until another is drawn over it; a white one erases.
    void DrawFrame(const QRect& rect, const QColor& colour);
    void ClearFrames();
    struct Frame {
        QRect rect;
        QColor colour;
    };
    const std::vector<Frame>& Frames() const { return frames_; }

  signals:
    // The pointer moved over the bare table, not over any element on it.
    void BarePointerMoved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void Dock();

    StatusPanel* top_ = nullptr;
    StatusPanel* belowTop_ = nullptr;
    StatusPanel* bottom_ = nullptr;
    std::vector<Frame> frames_;
};

}  // namespace vorbia

#pragma once

#include <QIcon>
#include <QWidget>

namespace vorbia {

// A card's picture (or a pile's): a borderless box exactly as large as its image. It reports
// clicks and pointer moves with its index; when not clickable it still reports pointer moves,
// because the hints hold for cards the player may not click.
class CardPicture : public QWidget {
    Q_OBJECT

  public:
    CardPicture(int index, QWidget* parent);

    int Index() const { return index_; }

    void SetImage(const QIcon& image);
    const QIcon& Image() const { return image_; }
    // The image at this screen's pixel density, as another window would show it.
    QPixmap ImagePixmap() const;

    void SetClickable(bool clickable) { clickable_ = clickable; }
    bool Clickable() const { return clickable_; }
    // What a mouse click does, for the keyboard and screen readers.
    void Click();

    // Drawn while the picture has the focus.
    void SetFocusMark(bool shown);

  signals:
    void Clicked(int index);
    void PointerMoved(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    int index_;
    QIcon image_;
    bool clickable_ = true;
    bool pressed_ = false;
    bool focusMark_ = false;
};

// The card image of picture k, 0 the card back, with its @2x file for high-density screens.
QIcon CardImage(int card);

}  // namespace vorbia

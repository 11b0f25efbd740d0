#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace vorbia {

// Says a line through the screen reader without moving the focus: what happens on the table
// while the player's focus is elsewhere. Nothing is drawn.
class Announcer : public QObject {
  public:
    // The lines are spoken as coming from `window`, which must be shown for a reader to hear.
    explicit Announcer(QWidget& window);

    void Say(const QString& text);

  private:
    QWidget& window_;
};

}  // namespace vorbia

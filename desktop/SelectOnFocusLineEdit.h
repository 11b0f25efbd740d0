#pragma once

#include <QLineEdit>

namespace vorbia {

// A text box that selects its whole text whenever it gets the focus, however it gets it, so
// that typing replaces what it holds.
class SelectOnFocusLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit SelectOnFocusLineEdit(QWidget* parent);

  signals:
    // Once per click; the second click of a double click does not count again.
    void clicked();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace vorbia

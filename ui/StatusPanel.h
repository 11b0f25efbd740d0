#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

namespace vorbia {

// A raised 3-D panel with a centred caption; the table docks three of them to its edges.
class StatusPanel : public QFrame {
    Q_OBJECT

  public:
    StatusPanel(const QString& name, const QFont& font, QWidget* parent);

    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }
    void SetTextColour(const QColor& colour);
    QColor TextColour() const { return textColour_; }
    // Drawn while the panel has the focus.
    void SetFocusMark(bool shown);

  signals:
    void Clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QString caption_;
    QColor textColour_;
    bool focusMark_ = false;
};

}  // namespace vorbia

#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;

namespace vorbia {

class PictureButton;
class SelectOnFocusLineEdit;

// Form3, created at each opening. The two pictures are the table's own card pictures, so the
// box shows whatever art the table uses.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    AboutBox(const QPixmap& twoOfSpade, const QPixmap& cardBack, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void PutAddressBack();

    QLabel* Shape6_;
    QLabel* Picture2_;
    QLabel* Picture3_;
    QLabel* Label2_;
    QLabel* Label1_3_;
    PictureButton* Command3d1_;
    SelectOnFocusLineEdit* Text1_;
    bool centred_ = false;
};

}  // namespace vorbia

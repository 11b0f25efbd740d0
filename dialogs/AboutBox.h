#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;

namespace vorbia {

class PictureButton;
class SelectOnFocusLineEdit;

// The about box, created at each opening. The two pictures are the table's own card pictures, so
// the box shows whatever art the table uses.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    AboutBox(const QPixmap& twoOfSpade, const QPixmap& cardBack, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void PutAddressBack();

    QLabel* cardFrame_;
    QLabel* twoOfSpadePicture_;
    QLabel* cardBackPicture_;
    QLabel* creditsText_;
    QLabel* versionText_;
    PictureButton* okButton_;
    SelectOnFocusLineEdit* homePageBox_;
    bool centred_ = false;
};

}  // namespace vorbia

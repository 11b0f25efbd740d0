#pragma once

#include <QDialog>
#include <filesystem>

#include "MatchState.h"

class QCheckBox;
class QLabel;
class QScrollBar;

namespace vorbia {

class PictureButton;
class SelectOnFocusLineEdit;

// Form2, created at each opening. When exec() returns Accepted, `state` holds the new name,
// speed and message switch and the settings file has been written (or the player was told
// why it could not be).
class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    OptionsDialog(MatchState& state, std::filesystem::path settingsFolder,
                  QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowSpeed(int speed);
    void StoreAndSave();

    MatchState& state_;
    std::filesystem::path settingsFolder_;

    SelectOnFocusLineEdit* Text1_;
    QLabel* Label1_;
    QScrollBar* HScroll1_;
    QLabel* Picture1_;
    QLabel* Label2_;
    QLabel* Label3_;
    PictureButton* Command3d1_;
    PictureButton* Command3d2_;
    QCheckBox* Check3d1_;
    bool centred_ = false;
};

}  // namespace vorbia

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

// The options dialog, created at each opening. Once it is accepted, `state` holds the new
// name, speed and message switch and the settings file has been written (or the player was told why
// it could not be).
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

    SelectOnFocusLineEdit* nameBox_;
    QLabel* nameCaption_;
    QScrollBar* speedScrollBar_;
    QLabel* emblem_;
    QLabel* speedCaption_;
    QLabel* speedValue_;
    PictureButton* okButton_;
    PictureButton* cancelButton_;
    QCheckBox* messagesCheckBox_;
    bool centred_ = false;
};

}  // namespace vorbia

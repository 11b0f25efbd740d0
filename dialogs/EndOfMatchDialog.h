#pragma once

#include <QDialog>
#include <QString>

#include "MatchState.h"

class QLabel;
class QListWidget;

namespace vorbia {

class PictureButton;

// The end-of-match dialog: created once by the window at the first end of a match, then only hidden
// and shown again, so its result list and counters last for the whole run.
class EndOfMatchDialog : public QDialog {
    Q_OBJECT

  public:
    explicit EndOfMatchDialog(QWidget* parent = nullptr);

    enum class Choice { PlayAgain, Quit };

    // Counts and lists the match that has just ended and opens, modal for the player; Chosen
    // comes when the player closes it. OK and the frame's close command both mean another
    // match; "&Uscita" means the program ends.
    void ShowResult(const MatchState& state, const QString& humanCaption);

  signals:
    void Chosen(Choice choice);

  protected:
    void showEvent(QShowEvent* event) override;
    // Enter means OK wherever the focus is, as for a dialog's default button; on a button, that
    // button.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void RecordMatch(const MatchState& state, const QString& humanCaption);

    QListWidget* resultsList_;
    PictureButton* okButton_;
    PictureButton* quitButton_;
    QLabel* winnerCaption_;
    QLabel* anotherMatchQuestion_;
    QLabel* nameCaptions_[2];
    QLabel* scores_[2];
    QLabel* winsTotal_;
    QLabel* emblem_;

    int MatchNumber_ = 0;
    int HumanWins_ = 0;
    int ComputerWins_ = 0;
    bool centred_ = false;
};

}  // namespace vorbia

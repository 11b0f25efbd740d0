// The table's own events: the orbit and blinking ticks, the pointer hints and the dialogs.
#include <QLabel>

#include "AboutBox.h"
#include "CardPicture.h"
#include "CardTable.h"
#include "DrawingArea.h"
#include "MakerContact.h"
#include "MessageBoxes.h"
#include "OptionsDialog.h"
#include "Palette.h"
#include "PointerHints.h"
#include "SettingsLocation.h"
#include "StatusPanel.h"
#include "TableMenu.h"

namespace vorbia {

void CardTable::OrbitTick() {
    const int panelsHeight =
        titlePanel_->height() + computerNamePanel_->height() + humanNamePanel_->height();
    backgroundPicture_->move(orbit_.Tick(area_->size(), backgroundPicture_->size(), panelsHeight));
    if (backgroundPicture_->isHidden()) backgroundPicture_->show();
}

void CardTable::BlinkTick() {
    if (!state_.Turn) return;
    const Player turn = *state_.Turn;
    NamePanel(turn)->SetTextColour(ToQColor(PaletteColour(blinking_.Tick(turn))));
}

void CardTable::CardHint(CardPicture& picture) {
    if (picture.ShownCard()) picture.setToolTip({});
    const QString hint = vorbia::CardHint(picture, state_);
    titlePanel_->SetCaption(hint);
    picture.setToolTip(hint);
}

void CardTable::TitleReset() { titlePanel_->SetCaption(kTitleResetText); }

void CardTable::OpenOptions() {
    auto* options = new OptionsDialog(state_, SettingsFolderForSaving(folder_), this);
    options->setAttribute(Qt::WA_DeleteOnClose);
    connect(options, &QDialog::accepted, this, [this] {
        humanNamePanel_->SetCaption(
            QString::fromStdString(HumanCaption(state_.PlayerName[Player::Human])));
    });
    options->open();
}

void CardTable::OpenAboutBox() {
    auto* about =
        new AboutBox(PictureOf(kTwoOfSpade).ImagePixmap(),
                     cardBack_.pixmap(PictureOf(kTwoOfSpade).size(), devicePixelRatioF()), this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void CardTable::OpenRules() { OpenMessageBox(this, RulesText()); }

}  // namespace vorbia

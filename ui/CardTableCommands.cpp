// The table's own events: the orbit and blinking ticks, the pointer hints and the dialogs.
#include <QLabel>

#include "AboutBox.h"
#include "CardPicture.h"
#include "CardTable.h"
#include "DrawingArea.h"
#include "OptionsDialog.h"
#include "SettingsLocation.h"
#include "Palette.h"
#include "PointerHints.h"
#include "StatusPanel.h"

namespace vorbia {

void CardTable::OrbitTick() {
    const int panelsHeight =
        titlePanel_->height() + computerNamePanel_->height() + humanNamePanel_->height();
    backgroundPicture_->move(orbit_.Tick(area_->size(), backgroundPicture_->size(), panelsHeight));
    if (backgroundPicture_->isHidden()) backgroundPicture_->show();
}

void CardTable::BlinkTick() {
    const auto change = blinking_.Tick(state_.Turn);
    if (change) Panel(change->panel)->SetTextColour(PaletteColour(change->paletteIndex));
}

void CardTable::CardHint(int picture) {
    CardPicture& card = *cardPictures_.at(static_cast<size_t>(picture));
    if (picture != kComputerPile && picture != kHumanPile) card.setToolTip({});
    const QString hint = vorbia::CardHint(picture, card.x(), state_);
    titlePanel_->SetCaption(hint);
    card.setToolTip(hint);
}

void CardTable::TitleReset() { titlePanel_->SetCaption(kTitleResetText); }

void CardTable::OpenOptions() {
    OptionsDialog options(state_, SettingsFolderForSaving(folder_), this);
    if (options.exec() == QDialog::Accepted) {
        humanNamePanel_->SetCaption(
            QString::fromStdString(HumanCaption(state_.PlayerName[Player::Human])));
    }
}

void CardTable::OpenAboutBox() {
    AboutBox about(cardPictures_[kTwoOfSpade]->ImagePixmap(),
                   cardPictures_[kDeckBackPicture]->ImagePixmap(), this);
    about.exec();
}

}  // namespace vorbia

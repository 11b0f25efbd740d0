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
    const int panelsHeight = Panel3D1_->height() + Panel3D2_->height() + Panel3D3_->height();
    Picture2_->move(orbit_.Tick(area_->size(), Picture2_->size(), panelsHeight));
    if (Picture2_->isHidden()) Picture2_->show();
}

void CardTable::BlinkTick() {
    const auto change = blinking_.Tick(state_.Turn);
    if (change) Panel(change->panel)->SetTextColour(PaletteColour(change->paletteIndex));
}

void CardTable::CardHint(int picture) {
    CardPicture& card = *Picture1_.at(static_cast<size_t>(picture));
    if (picture != kComputerPile && picture != kHumanPile) card.setToolTip({});
    const QString hint = vorbia::CardHint(picture, card.x(), state_);
    Panel3D1_->SetCaption(hint);
    card.setToolTip(hint);
}

void CardTable::TitleReset() { Panel3D1_->SetCaption(kTitleResetText); }

void CardTable::OpenOptions() {
    OptionsDialog Form2(state_, SettingsFolderForSaving(folder_), this);
    if (Form2.exec() == QDialog::Accepted) {
        Panel3D3_->SetCaption(
            QString::fromStdString(HumanCaption(state_.PlayerName[Player::Human])));
    }
}

void CardTable::OpenAboutBox() {
    AboutBox Form3(Picture1_[kTwoOfSpade]->ImagePixmap(),
                   Picture1_[kDeckBackPicture]->ImagePixmap(), this);
    Form3.exec();
}

}  // namespace vorbia

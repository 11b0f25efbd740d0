#include "OptionsDialog.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QScrollBar>
#include <QShowEvent>
#include <utility>

#include "DialogFrame.h"
#include "DialogGeometry.h"
#include "Fonts.h"
#include "MessageBoxes.h"
#include "PictureButton.h"
#include "SelectOnFocusLineEdit.h"
#include "SettingsFile.h"
#include "SpeedScrollBar.h"

namespace vorbia {

namespace {

constexpr int kSlowestSpeed = 1;
constexpr int kFastestSpeed = 50;

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}

}  // namespace

OptionsDialog::OptionsDialog(MatchState& state, std::filesystem::path settingsFolder,
                             QWidget* parent)
    : QDialog(parent), state_(state), settingsFolder_(std::move(settingsFolder)) {
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(QStringLiteral("La VORBIA - Opzioni"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/options-32.png")));
    setFixedSize(Twips(5055), Twips(3600));
    FrameWithCloseOnly(this);
    setFont(GameFont(FontFace::Tahoma, 8.25, true));
    // Filled in the scroll bars' colour, which is the button face on most themes.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    nameBox_ = new SelectOnFocusLineEdit(this);
    nameBox_->setObjectName(QStringLiteral("nameBox"));
    nameBox_->setGeometry(TwipsRect(2460, 330, 2040, 360));
    nameBox_->setFont(GameFont(FontFace::MsSansSerif, 9.75, true));
    nameBox_->setMaxLength(kLongestPlayerName);

    nameCaption_ = MakeLabel(this, "nameCaption", TwipsRect(1320, 420, 1125, 255));
    nameCaption_->setText(QStringLiteral("Nome giocatore"));
    nameCaption_->setFont(GameFont(FontFace::Tahoma, 8.25));
    // A screen reader names the field after its label.
    nameCaption_->setBuddy(nameBox_);

    speedScrollBar_ = new SpeedScrollBar(this);
    speedScrollBar_->setObjectName(QStringLiteral("speedScrollBar"));
    speedScrollBar_->setGeometry(TwipsRect(2400, 1755, 2130, 240));
    speedScrollBar_->setRange(kSlowestSpeed, kFastestSpeed);
    speedScrollBar_->setSingleStep(5);
    speedScrollBar_->setPageStep(10);
    speedScrollBar_->setFocusPolicy(Qt::StrongFocus);

    emblem_ = MakeLabel(this, "emblem", TwipsRect(540, 270, 720, 720));
    emblem_->setPixmap(QIcon(QStringLiteral(":/icons/emblem-2002.png"))
                           .pixmap(QSize(48, 48), devicePixelRatioF()));
    emblem_->setAlignment(Qt::AlignCenter);
    emblem_->setAccessibleName(QStringLiteral("La VORBIA 2002"));
    emblem_->setStyleSheet(QStringLiteral("background-color: white;"));

    speedCaption_ = MakeLabel(this, "speedCaption", TwipsRect(720, 1800, 1080, 195));
    speedCaption_->setText(QStringLiteral("Velocità carta"));
    speedCaption_->setFont(GameFont(FontFace::Tahoma, 8.25));
    speedCaption_->setBuddy(speedScrollBar_);

    speedValue_ = MakeLabel(this, "speedValue", TwipsRect(1815, 1755, 465, 240));
    speedValue_->setAlignment(Qt::AlignCenter);
    speedValue_->setStyleSheet(
        QStringLiteral("background-color: rgb(0, 255, 255); color: black;"
                       " border: 1px solid black;"));

    okButton_ = new PictureButton(QStringLiteral(":/icons/tick.png"), QStringLiteral("&OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(TwipsRect(600, 2340, 1755, 885));

    cancelButton_ =
        new PictureButton(QStringLiteral(":/icons/eraser.png"), QStringLiteral("&Annulla"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setGeometry(TwipsRect(2790, 2310, 1755, 885));

    messagesCheckBox_ = new QCheckBox(QStringLiteral("Visualizza messaggi durante il gioco"), this);
    messagesCheckBox_->setObjectName(QStringLiteral("messagesCheckBox"));
    messagesCheckBox_->setGeometry(TwipsRect(1590, 930, 2925, 315));
    messagesCheckBox_->setFont(GameFont(FontFace::Tahoma, 8.25));
    messagesCheckBox_->setBackgroundRole(QPalette::Button);
    messagesCheckBox_->setAutoFillBackground(true);

    setTabOrder(nameBox_, speedScrollBar_);
    setTabOrder(speedScrollBar_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, messagesCheckBox_);

    nameBox_->setText(QString::fromStdString(state_.PlayerName[Player::Human]));
    speedScrollBar_->setValue(state_.CardSpeed);
    messagesCheckBox_->setChecked(state_.ShowMessages);
    // The scroll bar holds the speed inside its own range, so the label shows what OK stores.
    ShowSpeed(speedScrollBar_->value());
    nameBox_->setFocus();

    connect(speedScrollBar_, &QScrollBar::valueChanged, this, [this](int speed) {
        ShowSpeed(speed);
        // While the thumb is dragged the focus stays put; it comes back when it is let go.
        if (!speedScrollBar_->isSliderDown()) nameBox_->setFocus();
    });
    connect(speedScrollBar_, &QScrollBar::sliderReleased, nameBox_,
            [this] { nameBox_->setFocus(); });
    connect(messagesCheckBox_, &QCheckBox::clicked, nameBox_, [this] { nameBox_->setFocus(); });
    connect(nameBox_, &QLineEdit::returnPressed, this, &OptionsDialog::StoreAndSave);
    connect(okButton_, &QToolButton::clicked, this, &OptionsDialog::StoreAndSave);
    connect(cancelButton_, &QToolButton::clicked, this, &QDialog::reject);
}

void OptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
}

void OptionsDialog::ShowSpeed(int speed) { speedValue_->setText(QString::number(speed)); }

void OptionsDialog::StoreAndSave() {
    state_.PlayerName[Player::Human] = CapitaliseName(nameBox_->text().toStdString());
    state_.CardSpeed = speedScrollBar_->value();
    state_.ShowMessages = messagesCheckBox_->isChecked();
    const SaveResult saved = SaveSettings(state_, settingsFolder_);
    // The new values hold for this run even when they could not be saved; the dialog closes
    // once the player has read why.
    if (!saved.ok) {
        OpenMessageBox(this,
                       QStringLiteral("Non è stato possibile salvare le impostazioni nel "
                                      "file vorbia.ini."),
                       [this] { accept(); });
        return;
    }
    accept();
}

}  // namespace vorbia

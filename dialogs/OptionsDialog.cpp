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

constexpr int kNameLength = 10;
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
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("La VORBIA - Opzioni"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/options-32.png")));
    setFixedSize(Twips(5055), Twips(3600));
    FrameWithCloseOnly(this);
    setFont(GameFont(FontFace::Tahoma, 8.25, true));
    // Filled in the scroll bars' colour, which is the button face on most themes.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    Text1_ = new SelectOnFocusLineEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setGeometry(TwipsRect(2460, 330, 2040, 360));
    Text1_->setFont(GameFont(FontFace::MsSansSerif, 9.75, true));
    Text1_->setMaxLength(kNameLength);

    Label1_ = MakeLabel(this, "Label1", TwipsRect(1320, 420, 1125, 255));
    Label1_->setText(QStringLiteral("Nome giocatore"));
    Label1_->setFont(GameFont(FontFace::Tahoma, 8.25));
    // A screen reader names the field after its label.
    Label1_->setBuddy(Text1_);

    HScroll1_ = new SpeedScrollBar(this);
    HScroll1_->setObjectName(QStringLiteral("HScroll1"));
    HScroll1_->setGeometry(TwipsRect(2400, 1755, 2130, 240));
    HScroll1_->setRange(kSlowestSpeed, kFastestSpeed);
    HScroll1_->setSingleStep(5);
    HScroll1_->setPageStep(10);
    HScroll1_->setFocusPolicy(Qt::StrongFocus);

    Picture1_ = MakeLabel(this, "Picture1", TwipsRect(540, 270, 720, 720));
    Picture1_->setPixmap(QIcon(QStringLiteral(":/icons/emblem-2002.png"))
                             .pixmap(QSize(48, 48), devicePixelRatioF()));
    Picture1_->setAlignment(Qt::AlignCenter);
    Picture1_->setAccessibleName(QStringLiteral("La VORBIA 2002"));
    Picture1_->setStyleSheet(QStringLiteral("background-color: white;"));

    Label2_ = MakeLabel(this, "Label2", TwipsRect(720, 1800, 1080, 195));
    Label2_->setText(QStringLiteral("Velocità carta"));
    Label2_->setFont(GameFont(FontFace::Tahoma, 8.25));
    Label2_->setBuddy(HScroll1_);

    Label3_ = MakeLabel(this, "Label3", TwipsRect(1815, 1755, 465, 240));
    Label3_->setAlignment(Qt::AlignCenter);
    Label3_->setStyleSheet(
        QStringLiteral("background-color: rgb(0, 255, 255); color: black;"
                       " border: 1px solid black;"));

    Command3d1_ =
        new PictureButton(QStringLiteral(":/icons/tick.png"), QStringLiteral("&OK"), this);
    Command3d1_->setObjectName(QStringLiteral("Command3d1"));
    Command3d1_->setGeometry(TwipsRect(600, 2340, 1755, 885));

    Command3d2_ =
        new PictureButton(QStringLiteral(":/icons/eraser.png"), QStringLiteral("&Annulla"), this);
    Command3d2_->setObjectName(QStringLiteral("Command3d2"));
    Command3d2_->setGeometry(TwipsRect(2790, 2310, 1755, 885));

    Check3d1_ = new QCheckBox(QStringLiteral("Visualizza messaggi durante il gioco"), this);
    Check3d1_->setObjectName(QStringLiteral("Check3d1"));
    Check3d1_->setGeometry(TwipsRect(1590, 930, 2925, 315));
    Check3d1_->setFont(GameFont(FontFace::Tahoma, 8.25));
    Check3d1_->setBackgroundRole(QPalette::Button);
    Check3d1_->setAutoFillBackground(true);

    setTabOrder(Text1_, HScroll1_);
    setTabOrder(HScroll1_, Command3d1_);
    setTabOrder(Command3d1_, Command3d2_);
    setTabOrder(Command3d2_, Check3d1_);

    Text1_->setText(QString::fromStdString(state_.PlayerName[Player::Human]));
    HScroll1_->setValue(state_.CardSpeed);
    Check3d1_->setChecked(state_.ShowMessages);
    // The scroll bar holds the speed inside its own range, so the label shows what OK stores.
    ShowSpeed(HScroll1_->value());
    Text1_->setFocus();

    connect(HScroll1_, &QScrollBar::valueChanged, this, [this](int speed) {
        ShowSpeed(speed);
        // While the thumb is dragged the focus stays put; it comes back when it is let go.
        if (!HScroll1_->isSliderDown()) Text1_->setFocus();
    });
    connect(HScroll1_, &QScrollBar::sliderReleased, Text1_, [this] { Text1_->setFocus(); });
    connect(Check3d1_, &QCheckBox::clicked, Text1_, [this] { Text1_->setFocus(); });
    connect(Text1_, &QLineEdit::returnPressed, this, &OptionsDialog::StoreAndSave);
    connect(Command3d1_, &QToolButton::clicked, this, &OptionsDialog::StoreAndSave);
    connect(Command3d2_, &QToolButton::clicked, this, &QDialog::reject);
}

void OptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
}

void OptionsDialog::ShowSpeed(int speed) { Label3_->setText(QString::number(speed)); }

void OptionsDialog::StoreAndSave() {
    state_.PlayerName[Player::Human] = CapitaliseName(Text1_->text().toStdString());
    state_.CardSpeed = HScroll1_->value();
    state_.ShowMessages = Check3d1_->isChecked();
    const SaveResult saved = SaveSettings(state_, settingsFolder_);
    if (!saved.ok) {
        ShowMessageBox(this, QStringLiteral("Non è stato possibile salvare le impostazioni nel "
                                            "file vorbia.ini."));
    }
    accept();
}

}  // namespace vorbia

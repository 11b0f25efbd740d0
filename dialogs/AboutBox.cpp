#include "AboutBox.h"

#include <QLabel>
#include <QShowEvent>
#include <QWindow>

#include "DialogFrame.h"
#include "DialogGeometry.h"
#include "Fonts.h"
#include "MakerContact.h"
#include "PictureButton.h"
#include "SelectOnFocusLineEdit.h"

#ifndef VORBIA_VERSION
#define VORBIA_VERSION ""
#endif

namespace vorbia {

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

QLabel* MakeCardPicture(QWidget* parent, const QString& name, const QRect& place,
                        const QPixmap& card) {
    QLabel* picture = MakeLabel(parent, name, place);
    picture->setPixmap(card);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

}  // namespace

AboutBox::AboutBox(const QPixmap& twoOfSpade, const QPixmap& cardBack, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("La VORBIA - About"));
    setFixedSize(Twips(6015), Twips(5310));
    setFont(GameFont(FontFace::MsSansSerif, 8.25, true));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    // Made first so that it lies behind the two cards.
    cardFrame_ = MakeLabel(this, QStringLiteral("cardFrame"), TwipsRect(750, 450, 1995, 1905));
    cardFrame_->setStyleSheet(QStringLiteral("background-color: white;"));

    twoOfSpadePicture_ = MakeCardPicture(this, QStringLiteral("twoOfSpadePicture"),
                                         TwipsRect(870, 660, 870, 1485), twoOfSpade);
    cardBackPicture_ = MakeCardPicture(this, QStringLiteral("cardBackPicture"),
                                       TwipsRect(1740, 660, 870, 1485), cardBack);
    twoOfSpadePicture_->setAccessibleName(QStringLiteral("2 di Spade"));
    cardBackPicture_->setAccessibleName(QStringLiteral("Carta coperta"));

    creditsText_ = MakeLabel(this, QStringLiteral("creditsText"), TwipsRect(3120, 570, 2130, 1635));
    creditsText_->setFont(GameFont(FontFace::Tahoma, 8.25));
    creditsText_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    creditsText_->setWordWrap(true);
    creditsText_->setText(MakerCreditLine() +
                          QStringLiteral("  -  Le carte sono state digitalizzate da un mazzo "
                                         "usatissimo di piacentine.  Ricordati che è molto più "
                                         "divertente giocare con carte e giocatori veri."));

    versionText_ =
        MakeLabel(this, QStringLiteral("versionText"), TwipsRect(3120, 2460, 2130, 1575));
    versionText_->setFont(GameFont(FontFace::Tahoma, 8.25));
    versionText_->setAlignment(Qt::AlignCenter);
    versionText_->setWordWrap(true);
    versionText_->setStyleSheet(QStringLiteral("background-color: white; color: black;"));
    versionText_->setText(
        QStringLiteral("La VORBIA ") + QStringLiteral(VORBIA_VERSION) +
        QStringLiteral("\n\nLe carte, le icone e le immagini sono state disegnate "
                       "da capo per questo programma."));

    okButton_ = new PictureButton(QStringLiteral(":/icons/tick.png"), QStringLiteral("&OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(TwipsRect(750, 2400, 1995, 1065));
    okButton_->setToolTip(QStringLiteral("Clicca per continuare"));

    homePageBox_ = new SelectOnFocusLineEdit(this);
    homePageBox_->setObjectName(QStringLiteral("homePageBox"));
    homePageBox_->setGeometry(TwipsRect(3120, 4230, 2130, 285));
    homePageBox_->setFont(GameFont(FontFace::Tahoma, 8.25));
    homePageBox_->setToolTip(QStringLiteral("Clicca qui per visitare la home page dell'autore"));
    homePageBox_->setText(MakerHomePage());
    homePageBox_->setFocus();

    setTabOrder(homePageBox_, okButton_);

    // The field is a link, not an input: whatever is typed or pasted, the address comes back.
    connect(homePageBox_, &QLineEdit::textChanged, this, [this] { PutAddressBack(); });
    connect(homePageBox_, &SelectOnFocusLineEdit::clicked, this, [this] {
        PutAddressBack();
        OpenMakerHomePageQuietly();
    });
    connect(okButton_, &QToolButton::clicked, this, &QDialog::accept);

    FrameWithCloseOnly(this);
    // A dialog takes its owner's icon unless it has one; this box shows none at all.
    winId();
    windowHandle()->setIcon(QIcon());
}

void AboutBox::PutAddressBack() {
    if (homePageBox_->text() != MakerHomePage()) homePageBox_->setText(MakerHomePage());
    homePageBox_->selectAll();
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
}

}  // namespace vorbia

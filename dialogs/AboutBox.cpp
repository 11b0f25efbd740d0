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
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("La VORBIA - About"));
    setFixedSize(Twips(6015), Twips(5310));
    setFont(GameFont(FontFace::MsSansSerif, 8.25, true));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    // Made first so that it lies behind the two cards.
    Shape6_ = MakeLabel(this, QStringLiteral("Shape6"), TwipsRect(750, 450, 1995, 1905));
    Shape6_->setStyleSheet(QStringLiteral("background-color: white;"));

    Picture2_ = MakeCardPicture(this, QStringLiteral("Picture2"), TwipsRect(870, 660, 870, 1485),
                                twoOfSpade);
    Picture3_ = MakeCardPicture(this, QStringLiteral("Picture3"), TwipsRect(1740, 660, 870, 1485),
                                cardBack);
    Picture2_->setAccessibleName(QStringLiteral("2 di Spade"));
    Picture3_->setAccessibleName(QStringLiteral("Carta coperta"));

    Label2_ = MakeLabel(this, QStringLiteral("Label2"), TwipsRect(3120, 570, 2130, 1635));
    Label2_->setFont(GameFont(FontFace::Tahoma, 8.25));
    Label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2_->setWordWrap(true);
    Label2_->setText(MakerCreditLine() +
                     QStringLiteral("  -  Le carte sono state digitalizzate da un mazzo "
                                    "usatissimo di piacentine.  Ricordati che è molto più "
                                    "divertente giocare con carte e giocatori veri."));

    Label1_3_ = MakeLabel(this, QStringLiteral("Label1_3"), TwipsRect(3120, 2460, 2130, 1575));
    Label1_3_->setFont(GameFont(FontFace::Tahoma, 8.25));
    Label1_3_->setAlignment(Qt::AlignCenter);
    Label1_3_->setWordWrap(true);
    Label1_3_->setStyleSheet(QStringLiteral("background-color: white; color: black;"));
    Label1_3_->setText(QStringLiteral("La VORBIA ") + QStringLiteral(VORBIA_VERSION) +
                       QStringLiteral("\n\nLe carte, le icone e le immagini sono state disegnate "
                                      "da capo per questo programma."));

    Command3d1_ =
        new PictureButton(QStringLiteral(":/icons/tick.png"), QStringLiteral("&OK"), this);
    Command3d1_->setObjectName(QStringLiteral("Command3d1"));
    Command3d1_->setGeometry(TwipsRect(750, 2400, 1995, 1065));
    Command3d1_->setToolTip(QStringLiteral("Clicca per continuare"));

    Text1_ = new SelectOnFocusLineEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setGeometry(TwipsRect(3120, 4230, 2130, 285));
    Text1_->setFont(GameFont(FontFace::Tahoma, 8.25));
    Text1_->setToolTip(QStringLiteral("Clicca qui per visitare la home page dell'autore"));
    Text1_->setText(MakerHomePage());
    Text1_->setFocus();

    setTabOrder(Text1_, Command3d1_);

    // The field is a link, not an input: whatever is typed or pasted, the address comes back.
    connect(Text1_, &QLineEdit::textChanged, this, [this] { PutAddressBack(); });
    connect(Text1_, &SelectOnFocusLineEdit::clicked, this, [this] {
        PutAddressBack();
        OpenMakerHomePageQuietly();
    });
    connect(Command3d1_, &QToolButton::clicked, this, &QDialog::accept);

    FrameWithCloseOnly(this);
    // A dialog takes its owner's icon unless it has one; this box shows none at all.
    winId();
    windowHandle()->setIcon(QIcon());
}

void AboutBox::PutAddressBack() {
    if (Text1_->text() != MakerHomePage()) Text1_->setText(MakerHomePage());
    Text1_->selectAll();
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
}

}  // namespace vorbia

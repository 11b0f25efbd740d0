#include "EndOfMatchDialog.h"

#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>

#include "DialogFrame.h"
#include "DialogGeometry.h"
#include "Fonts.h"
#include "PictureButton.h"

namespace vorbia {

namespace {

constexpr int kWinningScore = 51;
constexpr int kQuitCode = 2;

QString LastCharacters(const QString& text, int count) { return text.right(count); }

// " 1) Gimbo 51   Dino(CPU) 23": the columns hold up to three digits each, so match 1000 and on
// show only their last three.
QString ResultLine(int matchNumber, const std::string& humanName, int humanScore,
                   int computerScore) {
    return LastCharacters(QStringLiteral(" ") + QString::number(matchNumber), 3) + ") " +
           QString::fromStdString(humanName) +
           LastCharacters(QStringLiteral("   ") + QString::number(humanScore), 3) + "   Dino(CPU)" +
           LastCharacters(QStringLiteral("   ") + QString::number(computerScore), 3);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& place, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(font);
    return label;
}

}  // namespace

EndOfMatchDialog::EndOfMatchDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("La VORBIA - Fine partita"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/end-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/end-48.png"), QSize(48, 48));
    setWindowIcon(icon);
    setFixedSize(Twips(6960), Twips(5730));
    FrameWithCloseOnly(this);
    setFont(GameFont(FontFace::MsSansSerif, 9.75, true));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    List1_ = new QListWidget(this);
    List1_->setObjectName(QStringLiteral("List1"));
    List1_->setAccessibleName(QStringLiteral("Partite giocate"));
    List1_->setGeometry(TwipsRect(900, 1545, 5295, 2010));
    List1_->setFont(GameFont(FontFace::Courier, 9.75));

    Command1_ = new PictureButton(QStringLiteral(":/icons/tick.png"), QStringLiteral("&OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setGeometry(TwipsRect(4110, 4290, 1005, 885));

    Command2_ =
        new PictureButton(QStringLiteral(":/icons/door.png"), QStringLiteral("&Uscita"), this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    Command2_->setGeometry(TwipsRect(5160, 4290, 1005, 885));

    Label1_ = MakeLabel(this, QStringLiteral("Label1"), TwipsRect(1050, 510, 5010, 525),
                        GameFont(FontFace::Tahoma, 17.25, true));
    Label1_->setAlignment(Qt::AlignCenter);

    Label2_ = MakeLabel(this, QStringLiteral("Label2"), TwipsRect(4095, 3945, 2085, 285),
                        GameFont(FontFace::Tahoma, 8.25));
    Label2_->setText(QStringLiteral("Vuoi fare un'altra partitina?"));

    const QFont nameFont = GameFont(FontFace::Tahoma, 9.75);
    const QFont scoreFont = GameFont(FontFace::Tahoma, 12);

    Label3_[0] =
        MakeLabel(this, QStringLiteral("Label3_0"), TwipsRect(1050, 1110, 1935, 285), nameFont);
    Label3_[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label3_[0]->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));

    Label4_[0] =
        MakeLabel(this, QStringLiteral("Label4_0"), TwipsRect(3030, 1080, 540, 375), scoreFont);
    Label4_[0]->setAlignment(Qt::AlignCenter);
    Label4_[0]->setStyleSheet(QStringLiteral("background-color: rgb(255, 0, 0); color: %1;"
                                             " border: 1px solid black;")
                                  .arg(palette().color(QPalette::ButtonText).name()));

    Label3_[1] =
        MakeLabel(this, QStringLiteral("Label3_1"), TwipsRect(4200, 1110, 1845, 285), nameFont);
    Label3_[1]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label3_[1]->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));
    Label3_[1]->setText(QStringLiteral("Dino (Computer)"));

    Label4_[1] =
        MakeLabel(this, QStringLiteral("Label4_1"), TwipsRect(3630, 1080, 540, 375), scoreFont);
    Label4_[1]->setAlignment(Qt::AlignCenter);
    Label4_[1]->setStyleSheet(
        QStringLiteral("background-color: rgb(0, 0, 255); color: white; border: 1px solid black;"));

    Label5_ = MakeLabel(this, QStringLiteral("Label5"), TwipsRect(930, 3945, 2355, 285),
                        GameFont(FontFace::Tahoma, 8.25));

    Picture1_ = new QLabel(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setAccessibleName(QStringLiteral("La VORBIA 2002"));
    Picture1_->setGeometry(TwipsRect(930, 4410, 720, 720));
    Picture1_->setPixmap(QIcon(QStringLiteral(":/icons/emblem-2002.png"))
                             .pixmap(QSize(48, 48), devicePixelRatioF()));
    Picture1_->setAlignment(Qt::AlignCenter);
    Picture1_->setBackgroundRole(QPalette::Base);
    Picture1_->setAutoFillBackground(true);

    setTabOrder(List1_, Command1_);
    setTabOrder(Command1_, Command2_);

    connect(Command1_, &QToolButton::clicked, this, &QDialog::accept);
    connect(Command2_, &QToolButton::clicked, this, [this] { done(kQuitCode); });
}

EndOfMatchDialog::Choice EndOfMatchDialog::ShowResult(const MatchState& state,
                                                      const QString& humanCaption) {
    RecordMatch(state, humanCaption);
    return exec() == kQuitCode ? Choice::Quit : Choice::PlayAgain;
}

void EndOfMatchDialog::RecordMatch(const MatchState& state, const QString& humanCaption) {
    ++MatchNumber_;
    Label3_[0]->setText(humanCaption);
    Label4_[0]->setText(QString::number(state.Score[Player::Human]));
    Label4_[1]->setText(QString::number(state.Score[Player::Computer]));
    // The computer is asked first: a score of 51 for it wins, whatever the human holds.
    if (state.Score[Player::Computer] >= kWinningScore) {
        Label1_->setText(QStringLiteral("Ha vinto ") +
                         QString::fromStdString(state.PlayerName[Player::Computer]) + "!");
        ++ComputerWins_;
    } else if (state.Score[Player::Human] >= kWinningScore) {
        Label1_->setText(QStringLiteral("Ha vinto ") +
                         QString::fromStdString(state.PlayerName[Player::Human]) + "!");
        ++HumanWins_;
    }
    List1_->addItem(ResultLine(MatchNumber_, state.PlayerName[Player::Human],
                               state.Score[Player::Human], state.Score[Player::Computer]));
    Label5_->setText(QStringLiteral("Totale: %1 - %2").arg(HumanWins_).arg(ComputerWins_));
    List1_->setCurrentRow(List1_->count() - 1);
    List1_->scrollToItem(List1_->currentItem());
}

void EndOfMatchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Placed once when first shown; after that the dialog stays where the player left it.
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
}

}  // namespace vorbia

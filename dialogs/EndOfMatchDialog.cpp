#include "EndOfMatchDialog.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>

#include "DialogFrame.h"
#include "DialogGeometry.h"
#include "Fonts.h"
#include "PictureButton.h"

namespace vorbia {

namespace {

constexpr int kQuitCode = 2;

QString LastCharacters(const QString& text, int count) { return text.right(count); }

// " 1) Gimbo 51   Dino(CPU) 23": the columns hold up to three digits each, so match 1000 and on
// show only their last three.
QString ResultLine(int matchNumber, const std::string& humanName, int humanScore,
                   int computerScore) {
    return LastCharacters(QStringLiteral(" ") + QString::number(matchNumber), 3) +
           QStringLiteral(") ") + QString::fromStdString(humanName) +
           LastCharacters(QStringLiteral("   ") + QString::number(humanScore), 3) +
           QStringLiteral("   Dino(CPU)") +
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
    setObjectName(QStringLiteral("endOfMatchDialog"));
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

    resultsList_ = new QListWidget(this);
    resultsList_->setObjectName(QStringLiteral("resultsList"));
    resultsList_->setAccessibleName(QStringLiteral("Partite giocate"));
    resultsList_->setGeometry(TwipsRect(900, 1545, 5295, 2010));
    resultsList_->setFont(GameFont(FontFace::Courier, 9.75));

    okButton_ = new PictureButton(QStringLiteral(":/icons/tick.png"), QStringLiteral("&OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(TwipsRect(4110, 4290, 1005, 885));

    quitButton_ =
        new PictureButton(QStringLiteral(":/icons/door.png"), QStringLiteral("&Uscita"), this);
    quitButton_->setObjectName(QStringLiteral("quitButton"));
    quitButton_->setGeometry(TwipsRect(5160, 4290, 1005, 885));

    winnerCaption_ =
        MakeLabel(this, QStringLiteral("winnerCaption"), TwipsRect(1050, 510, 5010, 525),
                  GameFont(FontFace::Tahoma, 17.25, true));
    winnerCaption_->setAlignment(Qt::AlignCenter);

    anotherMatchQuestion_ =
        MakeLabel(this, QStringLiteral("anotherMatchQuestion"), TwipsRect(4095, 3945, 2085, 285),
                  GameFont(FontFace::Tahoma, 8.25));
    anotherMatchQuestion_->setText(QStringLiteral("Vuoi fare un'altra partitina?"));

    const QFont nameFont = GameFont(FontFace::Tahoma, 9.75);
    const QFont scoreFont = GameFont(FontFace::Tahoma, 12);

    nameCaptions_[0] = MakeLabel(this, QStringLiteral("humanNameCaption"),
                                 TwipsRect(1050, 1110, 1935, 285), nameFont);
    nameCaptions_[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nameCaptions_[0]->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));

    scores_[0] =
        MakeLabel(this, QStringLiteral("humanScore"), TwipsRect(3030, 1080, 540, 375), scoreFont);
    scores_[0]->setAlignment(Qt::AlignCenter);
    scores_[0]->setStyleSheet(QStringLiteral("background-color: rgb(255, 0, 0); color: %1;"
                                             " border: 1px solid black;")
                                  .arg(palette().color(QPalette::ButtonText).name()));

    nameCaptions_[1] = MakeLabel(this, QStringLiteral("computerNameCaption"),
                                 TwipsRect(4200, 1110, 1845, 285), nameFont);
    nameCaptions_[1]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    nameCaptions_[1]->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));
    nameCaptions_[1]->setText(QString::fromUtf8(kComputerName.data(), kComputerName.size()));

    scores_[1] = MakeLabel(this, QStringLiteral("computerScore"), TwipsRect(3630, 1080, 540, 375),
                           scoreFont);
    scores_[1]->setAlignment(Qt::AlignCenter);
    scores_[1]->setStyleSheet(
        QStringLiteral("background-color: rgb(0, 0, 255); color: white; border: 1px solid black;"));

    winsTotal_ = MakeLabel(this, QStringLiteral("winsTotal"), TwipsRect(930, 3945, 2355, 285),
                           GameFont(FontFace::Tahoma, 8.25));

    emblem_ = new QLabel(this);
    emblem_->setObjectName(QStringLiteral("emblem"));
    emblem_->setAccessibleName(QStringLiteral("La VORBIA 2002"));
    emblem_->setGeometry(TwipsRect(930, 4410, 720, 720));
    emblem_->setPixmap(QIcon(QStringLiteral(":/icons/emblem-2002.png"))
                           .pixmap(QSize(48, 48), devicePixelRatioF()));
    emblem_->setAlignment(Qt::AlignCenter);
    emblem_->setBackgroundRole(QPalette::Base);
    emblem_->setAutoFillBackground(true);

    setTabOrder(resultsList_, okButton_);
    setTabOrder(okButton_, quitButton_);

    connect(okButton_, &QToolButton::clicked, this, &QDialog::accept);
    connect(quitButton_, &QToolButton::clicked, this, [this] { done(kQuitCode); });
    connect(this, &QDialog::finished, this, [this](int result) {
        emit Chosen(result == kQuitCode ? Choice::Quit : Choice::PlayAgain);
    });
}

void EndOfMatchDialog::ShowResult(const MatchState& state, const QString& humanCaption) {
    RecordMatch(state, humanCaption);
    open();
}

void EndOfMatchDialog::RecordMatch(const MatchState& state, const QString& humanCaption) {
    ++MatchNumber_;
    nameCaptions_[0]->setText(humanCaption);
    scores_[0]->setText(QString::number(state.Score[Player::Human]));
    scores_[1]->setText(QString::number(state.Score[Player::Computer]));
    // The computer is asked first: a score of 51 for it wins, whatever the human holds.
    if (state.Score[Player::Computer] >= kWinningScore) {
        winnerCaption_->setText(QStringLiteral("Ha vinto ") +
                                QString::fromStdString(state.PlayerName[Player::Computer]) +
                                QStringLiteral("!"));
        ++ComputerWins_;
    } else if (state.Score[Player::Human] >= kWinningScore) {
        winnerCaption_->setText(QStringLiteral("Ha vinto ") +
                                QString::fromStdString(state.PlayerName[Player::Human]) +
                                QStringLiteral("!"));
        ++HumanWins_;
    }
    // A screen reader reads the winner's line when the dialog opens but passes over the scores'
    // few words: the line carries them.
    winnerCaption_->setAccessibleName(
        QStringLiteral("%1 %2 %3, %4 %5.")
            .arg(winnerCaption_->text(), QString::fromStdString(state.PlayerName[Player::Human]))
            .arg(state.Score[Player::Human])
            .arg(QString::fromStdString(state.PlayerName[Player::Computer]))
            .arg(state.Score[Player::Computer]));
    resultsList_->addItem(ResultLine(MatchNumber_, state.PlayerName[Player::Human],
                                     state.Score[Player::Human], state.Score[Player::Computer]));
    winsTotal_->setText(QStringLiteral("Totale: %1 - %2").arg(HumanWins_).arg(ComputerWins_));
    resultsList_->setCurrentRow(resultsList_->count() - 1);
    resultsList_->scrollToItem(resultsList_->currentItem());
}

void EndOfMatchDialog::keyPressEvent(QKeyEvent* event) {
    // Buttons take Enter themselves; the results list passes it on.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        okButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
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

// The table's elements and its start-up.
#include "CardTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include "Announcer.h"
#include "CardPicture.h"
#include "DialogFrame.h"
#include "DrawingArea.h"
#include "EndOfMatchDialog.h"
#include "Fonts.h"
#include "KeyboardPlay.h"
#include "MakerContact.h"
#include "MessageBoxes.h"
#include "Palette.h"
#include "ScoreBar.h"
#include "SettingsFile.h"
#include "SettingsLocation.h"
#include "StatusPanel.h"
#include "TableAccessibility.h"
#include "TableNarration.h"
#include "TableSnapshots.h"
#include "UnscaledPictureButton.h"

namespace vorbia {

namespace {

constexpr int kErrorInvalidPicture = 481;

QRect ToQRect(const Box& box) { return {box.left, box.top, box.width, box.height}; }
QSize ToQSize(Extent extent) { return {extent.width, extent.height}; }

std::unique_ptr<RandomSource> MakeRandom(const std::optional<uint64_t>& seed) {
    if (seed) return std::make_unique<SeededRandom>(*seed);
    return std::make_unique<ClockRandom>();
}

std::filesystem::path ProgramFolder(const std::filesystem::path& chosen) {
    if (!chosen.empty()) return chosen;
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

// Players name the picture in any mix of cases ("Vorbia.bmp", "VORBIA.BMP"); on a system
// that tells letter cases apart, any spelling of the name counts.
QString FindBackgroundPicture(const QDir& folder) {
    const QStringList files = folder.entryList(QDir::Files);
    for (const QString& file : files) {
        if (file.compare(QStringLiteral("vorbia.bmp"), Qt::CaseInsensitive) == 0) {
            return folder.filePath(file);
        }
    }
    return {};
}

QLabel* ScoreCaption(Player owner, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("Punti: 0"), parent);
    label->setObjectName(owner == Player::Human ? QStringLiteral("humanScoreCaption")
                                                : QStringLiteral("computerScoreCaption"));
    label->setFont(GameFont(FontFace::MsSansSerif, 8.25, true));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette yellow = label->palette();
    yellow.setColor(QPalette::Window, ToQColor(kYellow));
    yellow.setColor(QPalette::WindowText, label->palette().color(QPalette::WindowText));
    label->setPalette(yellow);
    label->setGeometry(kScoreLeft[owner], 0, kScoreCaptionSize.width, kScoreCaptionSize.height);
    label->setAttribute(Qt::WA_NoMousePropagation);
    label->hide();
    return label;
}

}  // namespace

CardTable::CardTable(CardTableOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      folder_(ProgramFolder(options_.programFolder)),
      random_(MakeRandom(options_.seed)),
      engine_(state_, *this, *random_) {
    // Before any element exists: Qt keeps the first reading it makes of each.
    InstallTableAccessibility();
    BuildTable();
    ConnectCommands();
    accessibility_ = std::make_unique<TableAccessibility>(
        state_, TableAccessibility::Elements{cardPictures_, pilePictures_, titlePanel_,
                                             computerNamePanel_, humanNamePanel_, scoreCaptions_,
                                             scoreBars_, lastCardCaption_});
    announcer_ = new Announcer(*this);
    narration_ = std::make_unique<TableNarration>(state_, *announcer_);
    keyboard_ = new KeyboardPlay(*this, state_, cardPictures_, *humanNamePanel_);
    if (!options_.snapshotFolder.isEmpty())
        snapshots_ = std::make_unique<TableSnapshots>(*area_, options_.snapshotFolder);
}

CardTable::~CardTable() {
    if (busyPointer_) QApplication::restoreOverrideCursor();
}

CardPicture& CardTable::PictureOf(Card card) const {
    return *cardPictures_[static_cast<size_t>(DeckPosition(card))];
}

CardPicture& CardTable::PileOf(Player owner) const { return *pilePictures_[owner]; }

void CardTable::BuildTable() {
    setWindowTitle(QStringLiteral("La Vorbia 2002"));
    setWindowIcon(ProgramIcon());

    area_ = new DrawingArea(this);
    setCentralWidget(area_);
    area_->setAccessibleName(QStringLiteral("Tavolo da gioco"));
    if (options_.fixedDrawingArea) area_->setFixedSize(*options_.fixedDrawingArea);

    // The background picture goes first so that every card passes over it.
    backgroundPicture_ = new QLabel(area_);
    backgroundPicture_->setObjectName(QStringLiteral("backgroundPicture"));
    backgroundPicture_->setAutoFillBackground(true);
    backgroundPicture_->setBackgroundRole(QPalette::Base);
    backgroundPicture_->setAttribute(Qt::WA_NoMousePropagation);
    backgroundPicture_->setGeometry(ToQRect(kBackgroundDesignBox));
    backgroundPicture_->hide();

    for (const Player owner : {Player::Human, Player::Computer}) {
        scoreCaptions_[owner] = ScoreCaption(owner, area_);
        auto* bar = new ScoreBar(owner == Player::Human ? QStringLiteral("humanScoreBar")
                                                        : QStringLiteral("computerScoreBar"),
                                 area_);
        bar->setGeometry(kScoreLeft[owner], 0, kScoreBarSize.width, kScoreBarSize.height);
        scoreBars_[owner] = bar;
    }

    cardBack_ = CardImage(std::nullopt);
    for (int position = 0; position < kCardCount; ++position) {
        auto* picture = new CardPicture(CardAtDeckPosition(position), area_);
        picture->move(0, area_->height());
        picture->hide();
        cardPictures_[static_cast<size_t>(position)] = picture;
    }
    // The computer's pile comes after the cards, the human's last: drawn over them.
    for (const Player owner : {Player::Computer, Player::Human}) {
        auto* pile = new CardPicture(owner, area_);
        pile->move(0, area_->height());
        pile->hide();
        pilePictures_[owner] = pile;
    }

    titlePanel_ =
        new StatusPanel(QStringLiteral("titlePanel"), GameFont(FontFace::Tahoma, 9.75), area_);
    computerNamePanel_ = new StatusPanel(QStringLiteral("computerNamePanel"),
                                         GameFont(FontFace::Tahoma, 17.25, true), area_);
    computerNamePanel_->SetTextColour(ToQColor(kComputerNameDesignColour));
    humanNamePanel_ = new StatusPanel(QStringLiteral("humanNamePanel"),
                                      GameFont(FontFace::Tahoma, 17.25, true), area_);
    humanNamePanel_->SetTextColour(ToQColor(kPlayerColour[Player::Human]));
    humanNamePanel_->SetCaption(QStringLiteral("Anonimo"));
    area_->DockPanels(titlePanel_, computerNamePanel_, humanNamePanel_);

    newMatchButton_ = new UnscaledPictureButton(titlePanel_);
    newMatchButton_->setObjectName(QStringLiteral("newMatchButton"));
    newMatchButton_->setIcon(QIcon(QStringLiteral(":/icons/new-match.png")));
    newMatchButton_->setIconSize(ToQSize(kNewMatchPictureSize));
    newMatchButton_->setToolTip(QStringLiteral("Nuova partita"));
    newMatchButton_->setAccessibleName(QStringLiteral("Nuova partita"));
    newMatchButton_->setFocusPolicy(Qt::NoFocus);
    newMatchButton_->setGeometry(kNewMatchButtonLeft, kNewMatchButtonTop, kNewMatchButtonSize,
                                 kNewMatchButtonSize);

    lastCardCaption_ = new QLabel(computerNamePanel_);
    lastCardCaption_->setObjectName(QStringLiteral("lastCardCaption"));
    lastCardCaption_->setFont(GameFont(FontFace::Tahoma, 8.25));
    lastCardCaption_->setGeometry(ToQRect(kLastCardCaption));

    menu_ = BuildTableMenu(*menuBar());
    menuBar()->setAccessibleName(QStringLiteral("Menu"));
    // F10 opens the menu bar, as in the desktop's own programs.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty())
            menuBar()->setActiveAction(menuBar()->actions().first());
    });

    computerMoveTimer_.setInterval(500);
    orbitTimer_.setInterval(100);
    nameBlinkTimer_.setInterval(1400);
    computerMoveTimer_.start();
    if (options_.snapshotFolder.isEmpty()) nameBlinkTimer_.start();

    pilePress_.setSingleShot(true);
    pilePress_.setInterval(100);
    maximiseLimit_.setSingleShot(true);
}

void CardTable::ConnectCommands() {
    connect(&computerMoveTimer_, &QTimer::timeout, this, [this] { engine_.ComputerTimerTick(); });
    connect(&orbitTimer_, &QTimer::timeout, this, &CardTable::OrbitTick);
    connect(&nameBlinkTimer_, &QTimer::timeout, this, &CardTable::BlinkTick);

    for (CardPicture* picture : cardPictures_) {
        const Card card = *picture->ShownCard();
        connect(picture, &CardPicture::Clicked, this, [this, card] { engine_.CardClicked(card); });
        connect(picture, &CardPicture::PointerMoved, this, [this, picture] { CardHint(*picture); });
    }
    for (CardPicture* pile : pilePictures_.values) {
        connect(pile, &CardPicture::PointerMoved, this, [this, pile] { CardHint(*pile); });
    }
    connect(&pilePress_, &QTimer::timeout, this, [this] {
        pressedPile_->move(pileRest_);
        pressedPile_ = nullptr;
        accessibility_->Refresh();
        FinishStep();
    });
    connect(&maximiseLimit_, &QTimer::timeout, this, &CardTable::MaximiseSettled);
    connect(area_, &DrawingArea::BarePointerMoved, this, &CardTable::TitleReset);
    connect(newMatchButton_, &QToolButton::clicked, this, [this] { engine_.NewMatch(); });
    connect(humanNamePanel_, &StatusPanel::Clicked, this, &CardTable::OpenOptions);

    connect(menu_.newMatchCommand, &QAction::triggered, this, [this] { engine_.NewMatch(); });
    connect(menu_.quitCommand, &QAction::triggered, this, &CardTable::close);
    connect(menu_.optionsCommand, &QAction::triggered, this, &CardTable::OpenOptions);
    connect(menu_.adviceCommand, &QAction::triggered, this, &CardTable::AskCoach);
    UpdateAdviceCommand();
    connect(menu_.helpCommand, &QAction::triggered, this,
            [this] { OpenHelpPage(this, QString::fromStdString(folder_.string())); });
    connect(menu_.rulesCommand, &QAction::triggered, this, &CardTable::OpenRules);
    connect(menu_.mailCommand, &QAction::triggered, this, [this] { OpenMailToMaker(this); });
    connect(menu_.homePageCommand, &QAction::triggered, this, [this] { OpenMakerHomePage(this); });
    connect(menu_.aboutCommand, &QAction::triggered, this, &CardTable::OpenAboutBox);
}

bool CardTable::StartUp() {
    // The size a restore comes back to: the whole screen, not the few pixels of a new window.
    if (!options_.fixedDrawingArea && screen() != nullptr) resize(screen()->size());
    Maximise();

    state_.PlayerName[Player::Computer] = std::string(kComputerName);
    computerNamePanel_->SetCaption(QString::fromStdString(state_.PlayerName[Player::Computer]));
    titlePanel_->SetCaption(QStringLiteral("La VORBIA"));

    const QString folder = QString::fromStdString(folder_.string());
    QDir::setCurrent(folder);

    const QString background = FindBackgroundPicture(QDir(folder));
    if (background.isEmpty()) {
        ShowMessageBoxAndWait(this,
                              QStringLiteral("Attenzione non trovato file picture: Vorbia.BMP"));
    } else {
        QPixmap picture;
        if (!picture.load(background)) {
            FatalStartUpError(kErrorInvalidPicture);
            return false;
        }
        backgroundPicture_->setPixmap(picture);
        backgroundPicture_->resize(picture.size());
    }

    // Until the first hand places them, the bars wait under the title panel.
    for (ScoreBar* bar : scoreBars_.values) bar->move(bar->x(), 0);

    const LoadResult loaded = LoadSettings(state_, SettingsFolderForLoading(folder_));
    if (!loaded.ok) {
        FatalStartUpError(loaded.errorNumber);
        return false;
    }
    const QString name = QString::fromStdString(state_.PlayerName[Player::Human]);
    if (name.size() > kLongestPlayerName)
        state_.PlayerName[Player::Human] = name.left(kLongestPlayerName).toStdString();
    humanNamePanel_->SetCaption(
        QString::fromStdString(HumanCaption(state_.PlayerName[Player::Human])));

    for (CardPicture* pile : pilePictures_.values) pile->SetImage(cardBack_);

    orbitTimer_.start();
    engine_.ClearTable();
    return true;
}

void CardTable::FatalStartUpError(int number) {
    ShowMessageBoxAndWait(nullptr,
                          QStringLiteral("Attenzione si e' verificato l'errore fatale Num.") +
                              QLatin1Char(' ') + QString::number(number) +
                              QStringLiteral(".  Questo programma verrà terminato - Contattare "
                                             "l'autore per maggiori informazioni."));
}

void CardTable::closeEvent(QCloseEvent* event) {
    EndProgram();
    event->accept();
}

void CardTable::EndProgram() {
    if (ending_) return;
    ending_ = true;
    // Whatever glide or computer move is under way ends without starting anything.
    engine_.Abandon();
    computerMoveTimer_.stop();
    orbitTimer_.stop();
    nameBlinkTimer_.stop();
    ComputerThinking(false);
    hide();
    emit ProgramEnded(0);
}

}  // namespace vorbia

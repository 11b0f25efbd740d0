// The table's elements and its start-up.
#include "CardTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

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
#include "TableGeometry.h"

namespace vorbia {

namespace {

constexpr int kErrorInvalidPicture = 481;
constexpr int kLongestName = 10;

std::unique_ptr<RandomSource> MakeRandom(const std::optional<uint64_t>& seed) {
    if (seed) return std::make_unique<SeededRandom>(*seed);
    return std::make_unique<ClockRandom>();
}

std::filesystem::path ProgramFolder(const std::filesystem::path& chosen) {
    if (!chosen.empty()) return chosen;
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

// The picture's name was always written in mixed case; on a system that tells letter cases
// apart any spelling of it counts.
QString FindBackgroundPicture(const QDir& folder) {
    const QStringList files = folder.entryList(QDir::Files);
    for (const QString& file : files) {
        if (file.compare(QStringLiteral("vorbia.bmp"), Qt::CaseInsensitive) == 0) {
            return folder.filePath(file);
        }
    }
    return {};
}

QLabel* ScoreCaption(int index, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("Punti: 0"), parent);
    label->setObjectName(QStringLiteral("Label1(%1)").arg(index));
    label->setFont(GameFont(FontFace::MsSansSerif, 8.25, true));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette yellow = label->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    yellow.setColor(QPalette::WindowText, label->palette().color(QPalette::WindowText));
    label->setPalette(yellow);
    label->setGeometry(kScoreLeft[index], 0, kLabel1Size.width(), kLabel1Size.height());
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
        state_, TableAccessibility::Elements{Picture1_, Panel3D1_, Panel3D2_, Panel3D3_, Label1_,
                                             Label2_});
    keyboard_ = new KeyboardPlay(*this, state_, Picture1_, *Panel3D3_);
}

CardTable::~CardTable() {
    if (busyPointer_) QApplication::restoreOverrideCursor();
}

void CardTable::BuildTable() {
    setWindowTitle(QStringLiteral("La Vorbia 2002"));
    setWindowIcon(ProgramIcon());

    area_ = new DrawingArea(this);
    setCentralWidget(area_);
    area_->setAccessibleName(QStringLiteral("Tavolo da gioco"));
    if (options_.fixedDrawingArea) area_->setFixedSize(*options_.fixedDrawingArea);

    // Picture2 goes first so that every card passes over it.
    Picture2_ = new QLabel(area_);
    Picture2_->setObjectName(QStringLiteral("Picture2"));
    Picture2_->setAutoFillBackground(true);
    Picture2_->setBackgroundRole(QPalette::Base);
    Picture2_->setAttribute(Qt::WA_NoMousePropagation);
    Picture2_->setGeometry(QRect(QPoint(364, 144), kPicture2DesignSize));
    Picture2_->hide();

    for (int index = 0; index < 2; ++index) {
        Label1_[static_cast<size_t>(index)] = ScoreCaption(index, area_);
        auto* bar = new ScoreBar(QStringLiteral("Picture3(%1)").arg(index), area_);
        bar->setGeometry(kScoreLeft[index], 0, kPicture3Size.width(), kPicture3Size.height());
        Picture3_[static_cast<size_t>(index)] = bar;
    }

    for (int index = 0; index < kPictureCount; ++index) {
        auto* picture = new CardPicture(index, area_);
        if (index <= kCardCount) picture->SetImage(CardImage(index));
        picture->move(0, area_->height());
        picture->hide();
        Picture1_[static_cast<size_t>(index)] = picture;
    }

    Panel3D1_ =
        new StatusPanel(QStringLiteral("Panel3D1"), GameFont(FontFace::Tahoma, 9.75), area_);
    Panel3D2_ =
        new StatusPanel(QStringLiteral("Panel3D2"), GameFont(FontFace::Tahoma, 17.25, true), area_);
    Panel3D2_->SetTextColour(ToQColor(kBlue));
    Panel3D3_ =
        new StatusPanel(QStringLiteral("Panel3D3"), GameFont(FontFace::Tahoma, 17.25, true), area_);
    Panel3D3_->SetTextColour(ToQColor(kDarkRed));
    Panel3D3_->SetCaption(QStringLiteral("Anonimo"));
    area_->DockPanels(Panel3D1_, Panel3D2_, Panel3D3_);

    Command3d1_ = new QToolButton(Panel3D1_);
    Command3d1_->setObjectName(QStringLiteral("Command3d1"));
    Command3d1_->setIcon(QIcon(QStringLiteral(":/icons/new-match.png")));
    Command3d1_->setIconSize(kNewMatchPictureSize);
    Command3d1_->setToolTip(QStringLiteral("Nuova partita"));
    Command3d1_->setFocusPolicy(Qt::NoFocus);
    Command3d1_->setGeometry(kCommand3d1Left, kCommand3d1Top, kCommand3d1Size, kCommand3d1Size);

    Label2_ = new QLabel(Panel3D2_);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setFont(GameFont(FontFace::Tahoma, 8.25));
    Label2_->setGeometry(QRect(QPoint(kLabel2Left, kLabel2Top), kLabel2Size));

    menu_ = BuildTableMenu(*menuBar());

    Timer1_.setInterval(500);
    Timer2_.setInterval(100);
    Timer3_.setInterval(1400);
    Timer1_.start();
    Timer3_.start();
}

void CardTable::ConnectCommands() {
    connect(&Timer1_, &QTimer::timeout, this, [this] { engine_.ComputerTimerTick(); });
    connect(&Timer2_, &QTimer::timeout, this, &CardTable::OrbitTick);
    connect(&Timer3_, &QTimer::timeout, this, &CardTable::BlinkTick);

    for (CardPicture* picture : Picture1_) {
        connect(picture, &CardPicture::Clicked, this,
                [this](int index) { engine_.CardClicked(index); });
        connect(picture, &CardPicture::PointerMoved, this, &CardTable::CardHint);
    }
    connect(area_, &DrawingArea::BarePointerMoved, this, &CardTable::TitleReset);
    connect(Command3d1_, &QToolButton::clicked, this, [this] { engine_.NewMatch(); });
    connect(Panel3D3_, &StatusPanel::Clicked, this, &CardTable::OpenOptions);

    connect(menu_.FileNuovo, &QAction::triggered, this, [this] { engine_.NewMatch(); });
    connect(menu_.MenuEsci, &QAction::triggered, this, &CardTable::close);
    connect(menu_.Menuspeed, &QAction::triggered, this, &CardTable::OpenOptions);
    connect(menu_.MenuDOC, &QAction::triggered, this,
            [this] { OpenHelpPage(this, QString::fromStdString(folder_.string())); });
    connect(menu_.MenuREG, &QAction::triggered, this,
            [this] { ShowMessageBox(this, RulesText()); });
    connect(menu_.MenuMail, &QAction::triggered, this, [this] { OpenMailToMaker(this); });
    connect(menu_.MenuPHP, &QAction::triggered, this, [this] { OpenMakerHomePage(this); });
    connect(menu_.MenuInfo, &QAction::triggered, this, &CardTable::OpenAboutBox);
}

bool CardTable::StartUp() {
    // The size a restore comes back to: the whole screen, not the few pixels of a new window.
    if (!options_.fixedDrawingArea && screen() != nullptr) resize(screen()->size());
    Maximise();

    state_.PlayerName[Player::Computer] = "Dino (Computer)";
    Panel3D2_->SetCaption(QString::fromStdString(state_.PlayerName[Player::Computer]));
    Panel3D1_->SetCaption(QStringLiteral("La VORBIA"));

    const QString folder = QString::fromStdString(folder_.string());
    QDir::setCurrent(folder);

    const QString background = FindBackgroundPicture(QDir(folder));
    if (background.isEmpty()) {
        ShowMessageBox(this, QStringLiteral("Attenzione non trovato file picture: Vorbia.BMP"));
    } else {
        QPixmap picture;
        if (!picture.load(background)) {
            FatalStartUpError(kErrorInvalidPicture);
            return false;
        }
        Picture2_->setPixmap(picture);
        Picture2_->resize(picture.size());
    }

    // Until the first hand places them, the bars wait under the title panel.
    for (ScoreBar* bar : Picture3_) bar->move(bar->x(), 0);

    const LoadResult loaded = LoadSettings(state_, SettingsFolderForLoading(folder_));
    if (!loaded.ok) {
        FatalStartUpError(loaded.errorNumber);
        return false;
    }
    const QString name = QString::fromStdString(state_.PlayerName[Player::Human]);
    if (name.size() > kLongestName)
        state_.PlayerName[Player::Human] = name.left(kLongestName).toStdString();
    Panel3D3_->SetCaption(QString::fromStdString(HumanCaption(state_.PlayerName[Player::Human])));

    Picture1_[kComputerPile]->SetImage(Picture1_[kDeckBackPicture]->Image());
    Picture1_[kHumanPile]->SetImage(Picture1_[kDeckBackPicture]->Image());

    Timer2_.start();
    engine_.ClearTable();
    return true;
}

void CardTable::FatalStartUpError(int number) {
    ShowMessageBox(nullptr, QStringLiteral("Attenzione si e' verificato l'errore fatale Num.") +
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
    // Whatever glide, box or computer move is under way unwinds without starting anything.
    engine_.Abandon();
    Timer1_.stop();
    Timer2_.stop();
    Timer3_.stop();
    SetBusyPointer(false);
    hide();
    emit ProgramEnded(0);
}

}  // namespace vorbia

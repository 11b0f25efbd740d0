#pragma once

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "BackgroundOrbit.h"
#include "Card.h"
#include "MatchEngine.h"
#include "MatchState.h"
#include "NameBlinking.h"
#include "RandomSource.h"
#include "TableMenu.h"
#include "TableWindow.h"

class QLabel;
class QToolButton;

namespace vorbia {

class CardPicture;
class DrawingArea;
class KeyboardPlay;
class TableAccessibility;
class TableSnapshots;
class EndOfMatchDialog;
class ScoreBar;
class StatusPanel;

struct CardTableOptions {
    // Where the settings file, the background picture and the help page are; empty: the
    // program's own folder.
    std::filesystem::path programFolder;
    // A drawing area of this size instead of a maximised window.
    std::optional<QSize> fixedDrawingArea;
    // Seeds the hands in turn from this number instead of the time of day.
    std::optional<uint64_t> seed;
    // Where to record the table at every settled moment (see TableSnapshots); empty: nowhere.
    // The names' blinking, which follows the clock, then stays off.
    QString snapshotFolder = {};
};

// The card table: the program's main window. It owns the match and its engine, shows what the
// engine asks for and hands the player's clicks and commands to it.
class CardTable : public QMainWindow, public TableWindow {
    Q_OBJECT

  public:
    explicit CardTable(CardTableOptions options = {}, QWidget* parent = nullptr);
    ~CardTable() override;

    // Fills the table and loads the settings; false once the player has been told of a fatal
    // error, and the window must then not be shown.
    bool StartUp();

    const MatchState& State() const { return state_; }
    MatchEngine& Engine() { return engine_; }
    const MatchEngine& Engine() const { return engine_; }
    const TableMenu& Menu() const { return menu_; }
    DrawingArea& Area() const { return *area_; }
    const TableAccessibility* Accessibility() const { return accessibility_.get(); }
    const KeyboardPlay& Keyboard() const { return *keyboard_; }

    // TableWindow
    int DrawingWidth() const override;
    int DrawingHeight() const override;
    int TableEdgeX() const override;
    PictureBox CardBox(int picture) const override;
    PictureBox ElementBox(Element element) const override;
    void PlacePicture(int picture, int left, int top) override;
    void HideAllCards() override;
    void MoveCard(int picture, int startLeft, int startTop, int endLeft, int endTop) override;
    void PressPile(int pile) override;
    void DrawSelectionFrame(int card, bool selected) override;
    void SetClickable(int picture, bool clickable) override;
    void SetCaption(Element element, const std::string& text) override;
    void SetTextColour(Element element, Colour colour) override;
    void SetElementTop(Element element, int top) override;
    void ShowElement(Element element) override;
    void ClearScoreBar(int bar) override;
    void DrawScoreBar(int bar, int right, Colour colour) override;
    void Maximise() override;
    void HideBackground() override;
    void SetComputerTimer(bool on) override;
    void SetBusyPointer(bool busy) override;
    void ShowMessage(const std::string& text) override;
    void ShowEndOfMatch(const MatchState& state) override;
    void Beep() override;

  signals:
    // The player ended the program (menu, close button, end-of-match dialog); the match has
    // been abandoned and nothing was saved.
    void ProgramEnded(int status);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BuildTable();
    bool FillsScreen() const;
    void FitFrameToScreen();
    void ConnectCommands();
    void FatalStartUpError(int number);
    void EndProgram();

    void OrbitTick();
    void BlinkTick();
    void CardHint(int picture);
    void TitleReset();
    void OpenOptions();
    void OpenAboutBox();

    QWidget* ElementWidget(Element element) const;
    StatusPanel* Panel(Element element) const;

    CardTableOptions options_;
    std::filesystem::path folder_;
    MatchState state_;
    std::unique_ptr<RandomSource> random_;
    MatchEngine engine_;

    DrawingArea* area_ = nullptr;
    StatusPanel* titlePanel_ = nullptr;
    StatusPanel* computerNamePanel_ = nullptr;
    StatusPanel* humanNamePanel_ = nullptr;
    QToolButton* newMatchButton_ = nullptr;
    QLabel* lastCardCaption_ = nullptr;
    std::array<QLabel*, 2> scoreCaptions_{};
    std::array<ScoreBar*, 2> scoreBars_{};
    QLabel* backgroundPicture_ = nullptr;
    std::array<CardPicture*, kPictureCount> cardPictures_{};
    EndOfMatchDialog* endOfMatchDialog_ = nullptr;
    TableMenu menu_{};

    QTimer computerMoveTimer_;
    QTimer orbitTimer_;
    QTimer nameBlinkTimer_;
    BackgroundOrbit orbit_;
    NameBlinking blinking_;
    bool busyPointer_ = false;
    bool ending_ = false;
    std::unique_ptr<TableAccessibility> accessibility_;
    KeyboardPlay* keyboard_ = nullptr;
    std::unique_ptr<TableSnapshots> snapshots_;
};

}  // namespace vorbia

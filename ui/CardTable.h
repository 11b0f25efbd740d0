#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "BackgroundOrbit.h"
#include "Card.h"
#include "MatchEngine.h"
#include "MatchState.h"
#include "NameBlinking.h"
#include "RandomSource.h"
#include "TableDisplay.h"
#include "TableLayout.h"
#include "TableMenu.h"

class QLabel;
class QToolButton;

namespace vorbia {

class Announcer;
class CardGlide;
class CardPicture;
class DrawingArea;
class KeyboardPlay;
class TableAccessibility;
class TableNarration;
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
// engine tells it, animating each step and telling the engine when it has been shown, and
// hands the player's clicks and commands to the engine.
class CardTable : public QMainWindow, public TableDisplay {
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
    // Speaks to a screen reader user without moving the focus.
    Announcer& Announcements() const { return *announcer_; }
    CardPicture& PictureOf(Card card) const;
    CardPicture& PileOf(Player owner) const;
    // A step of the game is being shown (a glide, a pressed pile, the table growing).
    bool ShowingStep() const { return stepUnderWay_.has_value(); }
    // The human's card waits on its play spot and nothing moves: the coach may be asked.
    bool CoachMayAdvise() const;

    // TableDisplay
    void HandStarts(StepDone shown) override;
    void CardsCut(const PerPlayer<Card>& cut) override;
    void CutOver(const PerPlayer<Card>& cut) override;
    void CardsGathered() override;
    void MatchOver(const MatchState& state, StepDone shown) override;
    void PilePressed(Player owner, StepDone shown) override;
    void CardUncovered(Player player, Card card, std::optional<Slot> slot, StepDone shown) override;
    void CardLaid(Card card, Slot slot, StepDone shown) override;
    void CardTaken(Card card, Player taker, StepDone shown) override;
    void LastCardShown(Card card) override;
    void TurnPassed(Player now) override;
    void CardClickable(Card card, bool clickable) override;
    void SelectionChanged(Card card, bool selected) override;
    void ScoresReset(Player first) override;
    void ScoreChanged(Player scorer, const PerPlayer<int>& scores) override;
    void ComputerTimerSwitched(bool on) override;
    void ComputerThinking(bool thinking) override;
    void Message(const std::string& text, StepDone shown) override;
    void Beep() override;
    void StepCutShort() override;

  signals:
    // The player ended the program (menu, close button, end-of-match dialog); the match has
    // been abandoned and nothing was saved.
    void ProgramEnded(int status);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildTable();
    bool FillsScreen() const;
    // Maximises the window, then calls `then`: at once when there is nothing to wait for.
    void Maximise(std::function<void()> then = {});
    void MaximiseSettled();
    void FitFrameTo(const QRect& workArea);
    void ConnectCommands();
    void FatalStartUpError(int number);
    void EndProgram();

    // Steps of the game: one at a time, finished by telling the engine.
    void BeginStep(StepDone shown);
    void FinishStep();
    void Glide(CardPicture& picture, QPoint start, QPoint end);
    // A box or dialog the player opens while a step is shown holds the step until it closes,
    // as if the table waited for the player; steps begun while it is open go on behind it.
    bool StepHeldByDialog() const;

    void HideAllCards();
    void PlaceCard(CardPicture& picture, Position position);

    void OrbitTick();
    void BlinkTick();
    void CardHint(CardPicture& picture);
    void TitleReset();
    void OpenOptions();
    void OpenAboutBox();
    void OpenRules();
    TableLayout Layout() const;

    // The coach, on the player's request: its capture is marked, never selected, until the
    // selection changes, a card moves or the turn passes.
    void AskCoach();
    void ForgetAdvice();
    // The advice in words, for a screen reader.
    void SpeakAdvice(const QString& text);
    void UpdateAdviceCommand();

    StatusPanel* NamePanel(Player owner) const;

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
    PerPlayer<QLabel*> scoreCaptions_{};
    PerPlayer<ScoreBar*> scoreBars_{};
    QLabel* backgroundPicture_ = nullptr;
    std::array<CardPicture*, kCardCount> cardPictures_{};  // by the deck's order
    PerPlayer<CardPicture*> pilePictures_{};
    QIcon cardBack_;
    EndOfMatchDialog* endOfMatchDialog_ = nullptr;
    TableMenu menu_{};
    // The drawing area's height when the hand's piles were laid.
    int pilesHeight_ = kDesignDrawingArea.height;

    QTimer computerMoveTimer_;
    QTimer orbitTimer_;
    QTimer nameBlinkTimer_;
    BackgroundOrbit orbit_;
    NameBlinking blinking_;
    bool busyPointer_ = false;
    bool ending_ = false;

    std::optional<StepDone> stepUnderWay_;
    QPointer<QWidget> dialogWhenStepBegan_;
    QPointer<CardGlide> glide_;
    QTimer pilePress_;
    CardPicture* pressedPile_ = nullptr;
    QPoint pileRest_;
    std::function<void()> afterMaximise_;
    QTimer maximiseLimit_;
    bool maximisedByCompositor_ = false;
    QPointer<QObject> compositorAnswer_;

    bool adviceShown_ = false;

    std::unique_ptr<TableAccessibility> accessibility_;
    Announcer* announcer_ = nullptr;
    std::unique_ptr<TableNarration> narration_;
    KeyboardPlay* keyboard_ = nullptr;
    std::unique_ptr<TableSnapshots> snapshots_;
};

}  // namespace vorbia

#pragma once

#include <string>

namespace vorbia {

struct MatchState;

struct Colour {
    int red;
    int green;
    int blue;
    bool operator==(const Colour&) const = default;
};

constexpr Colour kDarkBlue{0, 0, 128};
constexpr Colour kDarkRed{128, 0, 0};
constexpr Colour kLightGrey{192, 192, 192};
constexpr Colour kBlue{0, 0, 255};
constexpr Colour kRed{255, 0, 0};

// The table's elements other than the card pictures.
enum class Element {
    HumanScoreCaption,
    ComputerScoreCaption,
    LastCardCaption,
    HumanScoreBar,
    ComputerScoreBar,
    TitlePanel,  // the title, or the hint for the card under the pointer
    ComputerNamePanel,
    HumanNamePanel,
};

struct PictureBox {
    int left;
    int top;
    int width;
    int height;
};

// Everything the rules need from the card table: a few positions to read and the visible
// effects to request. The rules never hold a widget; the real window, the console and the
// tests each provide their own implementation.
class TableWindow {
  public:
    virtual ~TableWindow() = default;

    // False for a table that nobody sees: the rules may then leave out the requests that only
    // change what is seen (clickable cards, captions, colours, score displays, pressed piles,
    // selection frames, the pointer, the hand's opening message) and the text they would
    // carry. Asked once, when the rules are given the table.
    virtual bool ShowsAnything() const { return true; }

    // Geometry, in pixels of the drawing area.
    virtual int DrawingWidth() const = 0;
    virtual int DrawingHeight() const = 0;
    virtual int TableEdgeX() const = 0;                 // the line at the table's left edge
    virtual PictureBox CardBox(int picture) const = 0;  // kDeckBackPicture, a card or a pile
    virtual PictureBox ElementBox(Element element) const = 0;

    // Card pictures.
    virtual void PlacePicture(int picture, int left, int top) = 0;
    virtual void HideAllCards() = 0;
    // The glide; returns once the picture stands at the end (or the window cut it short).
    virtual void MoveCard(int picture, int startLeft, int startTop, int endLeft, int endTop) = 0;
    virtual void PressPile(int pile) = 0;
    virtual void DrawSelectionFrame(int card, bool selected) = 0;
    virtual void SetClickable(int picture, bool clickable) = 0;

    // Captions, colours, score displays.
    virtual void SetCaption(Element element, const std::string& text) = 0;
    virtual void SetTextColour(Element element, Colour colour) = 0;
    virtual void SetElementTop(Element element, int top) = 0;
    virtual void ShowElement(Element element) = 0;
    virtual void ClearScoreBar(int bar) = 0;
    virtual void DrawScoreBar(int bar, int right, Colour colour) = 0;

    // The window as a whole.
    virtual void Maximise() = 0;
    virtual void HideBackground() = 0;
    virtual void SetComputerTimer(bool on) = 0;
    virtual void SetBusyPointer(bool busy) = 0;

    // Modal: both return once the player has closed them.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void ShowEndOfMatch(const MatchState& state) = 0;
    virtual void Beep() = 0;
};

}  // namespace vorbia

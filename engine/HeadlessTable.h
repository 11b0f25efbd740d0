#pragma once

#include <array>
#include <string>

#include "Card.h"
#include "TableWindow.h"

namespace vorbia {

// A table with no window: it keeps the positions the rules read, carries every request out at
// once (a glide ends where it was going, a message box is acknowledged) and shows nothing.
// The geometry is that of a drawing area of 1016 x 700 px. A table built on it that records or
// checks what is shown says so with ShowsAnything().
class HeadlessTable : public TableWindow {
public:
    HeadlessTable();

    // Piles and score displays where a hand's start puts them, without any request.
    void ArrangeAsAtHandStart();

    bool ShowsAnything() const override { return false; }

    int DrawingWidth() const override { return 1016; }
    int DrawingHeight() const override { return 700; }
    int TableEdgeX() const override { return 158; }
    PictureBox CardBox(int picture) const override;
    PictureBox ElementBox(Element element) const override;

    void PlacePicture(int picture, int left, int top) override;
    void HideAllCards() override;
    void MoveCard(int picture, int startLeft, int startTop, int endLeft, int endTop) override;
    void PressPile(int) override {}
    void DrawSelectionFrame(int, bool) override {}
    void SetClickable(int, bool) override {}
    void SetCaption(Element, const std::string&) override {}
    void SetTextColour(Element, Colour) override {}
    void SetElementTop(Element element, int top) override;
    void ShowElement(Element) override {}
    void ClearScoreBar(int) override {}
    void DrawScoreBar(int, int, Colour) override {}
    void Maximise() override {}
    void HideBackground() override {}
    void SetComputerTimer(bool) override {}
    void SetBusyPointer(bool) override {}
    void ShowMessage(const std::string&) override {}
    void ShowEndOfMatch(const MatchState&) override {}
    void Beep() override {}

private:
    std::array<PictureBox, kPictureCount> pictures_{};
    std::array<PictureBox, 8> elements_{};
};

}  // namespace vorbia

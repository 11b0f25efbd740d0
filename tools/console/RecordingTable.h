#pragma once

#include <functional>
#include <string>

#include "HeadlessTable.h"

namespace vorbia {

// The name a table element has in the lines the console prints ("Label1(0)", "Panel3D3", ...).
// Scripts outside the project read these lines, so the names stay as they were first printed.
const char* ProtocolName(Element element);

// A headless table that also writes every request as one line of text, in the order made.
class RecordingTable : public HeadlessTable {
  public:
    using Sink = std::function<void(const std::string&)>;
    explicit RecordingTable(Sink sink) : sink_(std::move(sink)) {}

    bool ShowsAnything() const override { return true; }

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

  private:
    void Say(const std::string& line) { sink_(line); }
    Sink sink_;
};

}  // namespace vorbia

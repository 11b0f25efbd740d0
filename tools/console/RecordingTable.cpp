#include "RecordingTable.h"

#include "MatchState.h"

namespace vorbia {

namespace {

std::string FormatCr(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

const char* ProtocolName(Element element) {
    switch (element) {
        case Element::HumanScoreCaption:
            return "Label1(0)";
        case Element::ComputerScoreCaption:
            return "Label1(1)";
        case Element::LastCardCaption:
            return "Label2";
        case Element::HumanScoreBar:
            return "Picture3(0)";
        case Element::ComputerScoreBar:
            return "Picture3(1)";
        case Element::TitlePanel:
            return "Panel3D1";
        case Element::ComputerNamePanel:
            return "Panel3D2";
        case Element::HumanNamePanel:
            return "Panel3D3";
    }
    return "?";
}

void RecordingTable::PlacePicture(int picture, int left, int top) {
    HeadlessTable::PlacePicture(picture, left, top);
    Say("place " + std::to_string(picture) + " " + std::to_string(left) + " " +
        std::to_string(top));
}

void RecordingTable::HideAllCards() {
    HeadlessTable::HideAllCards();
    Say("hide-all-cards");
}

void RecordingTable::MoveCard(int picture, int startLeft, int startTop, int endLeft, int endTop) {
    HeadlessTable::MoveCard(picture, startLeft, startTop, endLeft, endTop);
    Say("move " + std::to_string(picture) + " " + std::to_string(startLeft) + " " +
        std::to_string(startTop) + " " + std::to_string(endLeft) + " " + std::to_string(endTop));
}

void RecordingTable::PressPile(int pile) { Say("press " + std::to_string(pile)); }

void RecordingTable::DrawSelectionFrame(int card, bool selected) {
    Say("frame " + std::to_string(card) + (selected ? " black" : " white"));
}

void RecordingTable::SetClickable(int picture, bool clickable) {
    Say("clickable " + std::to_string(picture) + (clickable ? " on" : " off"));
}

void RecordingTable::SetCaption(Element element, const std::string& text) {
    Say(std::string("caption ") + ProtocolName(element) + " " + FormatCr(text));
}

void RecordingTable::SetTextColour(Element element, Colour colour) {
    Say(std::string("colour ") + ProtocolName(element) + " " + std::to_string(colour.red) + " " +
        std::to_string(colour.green) + " " + std::to_string(colour.blue));
}

void RecordingTable::SetElementTop(Element element, int top) {
    HeadlessTable::SetElementTop(element, top);
    Say(std::string("top ") + ProtocolName(element) + " " + std::to_string(top));
}

void RecordingTable::ShowElement(Element element) {
    Say(std::string("show ") + ProtocolName(element));
}

void RecordingTable::ClearScoreBar(int bar) { Say("bar " + std::to_string(bar) + " clear"); }

void RecordingTable::DrawScoreBar(int bar, int right, Colour) {
    Say("bar " + std::to_string(bar) + " " + std::to_string(right));
}

void RecordingTable::Maximise() { Say("maximise"); }

void RecordingTable::HideBackground() { Say("hide-background"); }

void RecordingTable::SetComputerTimer(bool on) { Say(on ? "timer1 on" : "timer1 off"); }

void RecordingTable::SetBusyPointer(bool busy) { Say(busy ? "pointer busy" : "pointer arrow"); }

void RecordingTable::ShowMessage(const std::string& text) { Say("message " + FormatCr(text)); }

void RecordingTable::ShowEndOfMatch(const MatchState& state) {
    Say("end-of-match " + std::to_string(state.Score[Player::Human]) + " " +
        std::to_string(state.Score[Player::Computer]));
}

void RecordingTable::Beep() { Say("beep"); }

}  // namespace vorbia

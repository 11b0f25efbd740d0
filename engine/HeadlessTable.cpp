#include "HeadlessTable.h"

#include "MatchState.h"

namespace vorbia {

namespace {

constexpr int kCardWidth = 58;
constexpr int kCardHeight = 99;

size_t Index(Element element) { return static_cast<size_t>(element); }

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

const char* ElementName(Element element) {
    switch (element) {
        case Element::Label1_0: return "Label1(0)";
        case Element::Label1_1: return "Label1(1)";
        case Element::Label2: return "Label2";
        case Element::Picture3_0: return "Picture3(0)";
        case Element::Picture3_1: return "Picture3(1)";
        case Element::Panel3D1: return "Panel3D1";
        case Element::Panel3D2: return "Panel3D2";
        case Element::Panel3D3: return "Panel3D3";
    }
    return "?";
}

HeadlessTable::HeadlessTable() {
    for (auto& picture : pictures_) picture = {0, DrawingHeight(), kCardWidth, kCardHeight};
    elements_[Index(Element::Label1_0)] = {3, 0, 67, 16};
    elements_[Index(Element::Label1_1)] = {4, 0, 67, 16};
    elements_[Index(Element::Picture3_0)] = {3, 0, 67, 7};
    elements_[Index(Element::Picture3_1)] = {4, 0, 67, 7};
    elements_[Index(Element::Label2)] = {4, 7, 122, 13};
    elements_[Index(Element::Panel3D1)] = {0, 0, DrawingWidth(), 28};
    elements_[Index(Element::Panel3D2)] = {0, 28, DrawingWidth(), 30};
    elements_[Index(Element::Panel3D3)] = {0, DrawingHeight() - 30, DrawingWidth(), 30};
}

void HeadlessTable::ArrangeAsAtHandStart() {
    pictures_[kComputerPile].left = 5;
    pictures_[kComputerPile].top = 67;
    pictures_[kHumanPile].left = 5;
    pictures_[kHumanPile].top = DrawingHeight() - 39 - kCardHeight;
    elements_[Index(Element::Label1_0)].top = pictures_[kHumanPile].top - 10 - 16;
    elements_[Index(Element::Picture3_0)].top = elements_[Index(Element::Label1_0)].top - 7;
    elements_[Index(Element::Label1_1)].top = 67 + kCardHeight + 10;
    elements_[Index(Element::Picture3_1)].top = elements_[Index(Element::Label1_1)].top + 16;
}

PictureBox HeadlessTable::Picture(int picture) const { return pictures_.at(picture); }

PictureBox HeadlessTable::ElementBox(Element element) const { return elements_[Index(element)]; }

void HeadlessTable::PlacePicture(int picture, int left, int top) {
    auto& box = pictures_.at(picture);
    box.left = left;
    box.top = top;
}

void HeadlessTable::HideAllCards() {
    for (auto& picture : pictures_) picture.top = DrawingHeight();
}

void HeadlessTable::MoveCard(int picture, int, int, int endLeft, int endTop) {
    auto& box = pictures_.at(picture);
    box.left = endLeft;
    box.top = endTop;
}

void HeadlessTable::SetElementTop(Element element, int top) { elements_[Index(element)].top = top; }

void RecordingTable::PlacePicture(int picture, int left, int top) {
    HeadlessTable::PlacePicture(picture, left, top);
    Say("place " + std::to_string(picture) + " " + std::to_string(left) + " " + std::to_string(top));
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
    Say(std::string("caption ") + ElementName(element) + " " + FormatCr(text));
}

void RecordingTable::SetTextColour(Element element, Colour colour) {
    Say(std::string("colour ") + ElementName(element) + " " + std::to_string(colour.red) + " " +
        std::to_string(colour.green) + " " + std::to_string(colour.blue));
}

void RecordingTable::SetElementTop(Element element, int top) {
    HeadlessTable::SetElementTop(element, top);
    Say(std::string("top ") + ElementName(element) + " " + std::to_string(top));
}

void RecordingTable::ShowElement(Element element) { Say(std::string("show ") + ElementName(element)); }

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

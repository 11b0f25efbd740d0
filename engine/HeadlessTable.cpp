#include "HeadlessTable.h"

namespace vorbia {

namespace {

constexpr int kCardWidth = 58;
constexpr int kCardHeight = 99;

size_t Index(Element element) { return static_cast<size_t>(element); }

}  // namespace

HeadlessTable::HeadlessTable() {
    for (auto& picture : pictures_) picture = {0, DrawingHeight(), kCardWidth, kCardHeight};
    elements_[Index(Element::HumanScoreCaption)] = {3, 0, 67, 16};
    elements_[Index(Element::ComputerScoreCaption)] = {4, 0, 67, 16};
    elements_[Index(Element::HumanScoreBar)] = {3, 0, 67, 7};
    elements_[Index(Element::ComputerScoreBar)] = {4, 0, 67, 7};
    elements_[Index(Element::LastCardCaption)] = {4, 7, 122, 13};
    elements_[Index(Element::TitlePanel)] = {0, 0, DrawingWidth(), 28};
    elements_[Index(Element::ComputerNamePanel)] = {0, 28, DrawingWidth(), 30};
    elements_[Index(Element::HumanNamePanel)] = {0, DrawingHeight() - 30, DrawingWidth(), 30};
}

void HeadlessTable::ArrangeAsAtHandStart() {
    pictures_[kComputerPile].left = 5;
    pictures_[kComputerPile].top = 67;
    pictures_[kHumanPile].left = 5;
    pictures_[kHumanPile].top = DrawingHeight() - 39 - kCardHeight;
    elements_[Index(Element::HumanScoreCaption)].top = pictures_[kHumanPile].top - 10 - 16;
    elements_[Index(Element::HumanScoreBar)].top =
        elements_[Index(Element::HumanScoreCaption)].top - 7;
    elements_[Index(Element::ComputerScoreCaption)].top = 67 + kCardHeight + 10;
    elements_[Index(Element::ComputerScoreBar)].top =
        elements_[Index(Element::ComputerScoreCaption)].top + 16;
}

PictureBox HeadlessTable::CardBox(int picture) const { return pictures_.at(picture); }

PictureBox HeadlessTable::ElementBox(Element element) const { return elements_[Index(element)]; }

void HeadlessTable::PlacePicture(int picture, int left, int top) {
    auto& box = pictures_.at(picture);
    box.left = left;
    box.top = top;
}

void HeadlessTable::HideAllCards() {
    const int belowTheTable = DrawingHeight();
    for (auto& picture : pictures_) picture.top = belowTheTable;
}

void HeadlessTable::MoveCard(int picture, int, int, int endLeft, int endTop) {
    auto& box = pictures_.at(picture);
    box.left = endLeft;
    box.top = endTop;
}

void HeadlessTable::SetElementTop(Element element, int top) { elements_[Index(element)].top = top; }

}  // namespace vorbia

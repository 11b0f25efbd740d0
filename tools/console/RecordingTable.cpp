#include "RecordingTable.h"

#include "TableColours.h"

namespace vorbia {

namespace {

// The lines keep the element names they were first printed with, since scripts outside the
// project read them; docs/console.md lists what each one is.
const char* ScoreCaptionName(Player player) {
    return player == Player::Human ? "Label1(0)" : "Label1(1)";
}
const char* ScoreBarName(Player player) {
    return player == Player::Human ? "Picture3(0)" : "Picture3(1)";
}
constexpr const char* kLastCardCaptionName = "Label2";
constexpr const char* kComputerNamePanelName = "Panel3D2";
constexpr const char* kHumanNamePanelName = "Panel3D3";

std::string FormatCr(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

std::string Number(int number) { return std::to_string(number); }

}  // namespace

int ProtocolNumber(Card card) { return DeckPosition(card) + 1; }
int ProtocolNumber(const std::optional<Card>& card) { return card ? ProtocolNumber(*card) : 0; }

RecordingTable::RecordingTable(Sink sink)
    : say_(std::move(sink)), layout_(kDesignDrawingArea.width, kDesignDrawingArea.height) {
    // As a hand's start leaves them, so that a script may play without dealing a hand.
    for (auto& picture : pictures_) picture = {0, HiddenTop(kDesignDrawingArea.height)};
    for (const Player owner : {Player::Computer, Player::Human}) {
        pictures_[PileNumber(owner)] = layout_.Pile(owner);
    }
}

int RecordingTable::PileNumber(Player owner) {
    return owner == Player::Computer ? kCardCount + 1 : kCardCount + 2;
}

void RecordingTable::PutCardQuietly(Card card, Position position) {
    pictures_[ProtocolNumber(card)] = position;
}

Position RecordingTable::PlaySpot(Player player) const { return layout_.PlaySpot(player); }

Position RecordingTable::SlotPosition(Slot slot) const { return layout_.SlotPosition(slot); }

void RecordingTable::Place(int picture, Position position) {
    pictures_[picture] = position;
    say_("place " + Number(picture) + " " + Number(position.left) + " " + Number(position.top));
}

void RecordingTable::Glide(int picture, Position end) {
    const Position start = pictures_[picture];
    pictures_[picture] = end;
    say_("move " + Number(picture) + " " + Number(start.left) + " " + Number(start.top) + " " +
         Number(end.left) + " " + Number(end.top));
}

void RecordingTable::HideAll() {
    for (auto& picture : pictures_) picture.top = HiddenTop(kDesignDrawingArea.height);
    say_("hide-all-cards");
}

void RecordingTable::HandStarts(StepDone shown) {
    say_("maximise");
    say_("hide-background");
    HideAll();
    for (const Player owner : {Player::Computer, Player::Human}) {
        Place(PileNumber(owner), layout_.Pile(owner));
    }
    shown();
}

void RecordingTable::CardsCut(const PerPlayer<Card>& cut) {
    for (const Player owner : {Player::Computer, Player::Human}) {
        Place(ProtocolNumber(cut[owner]), layout_.CutCard(owner));
    }
}

void RecordingTable::CutOver(const PerPlayer<Card>& cut) {
    for (const Player owner : {Player::Computer, Player::Human}) {
        Place(ProtocolNumber(cut[owner]), layout_.CutCardAway(owner));
    }
    for (const Player owner : {Player::Human, Player::Computer}) {
        say_(std::string("top ") + ScoreCaptionName(owner) + " " +
             Number(layout_.ScoreCaptionTop(owner)));
        say_(std::string("top ") + ScoreBarName(owner) + " " + Number(layout_.ScoreBarTop(owner)));
    }
    for (const Player owner : {Player::Human, Player::Computer}) {
        say_(std::string("show ") + ScoreCaptionName(owner));
    }
}

void RecordingTable::CardsGathered() { HideAll(); }

void RecordingTable::MatchOver(const MatchState& state, StepDone shown) {
    say_("end-of-match " + Number(state.Score[Player::Human]) + " " +
         Number(state.Score[Player::Computer]));
    shown();
}

void RecordingTable::PilePressed(Player owner, StepDone shown) {
    say_("press " + Number(PileNumber(owner)));
    shown();
}

void RecordingTable::CardUncovered(Player player, Card card, std::optional<Slot> slot,
                                   StepDone shown) {
    const int picture = ProtocolNumber(card);
    pictures_[picture] = layout_.Pile(player);
    Glide(picture, slot ? layout_.SlotPosition(*slot) : layout_.PlaySpot(player));
    shown();
}

void RecordingTable::CardLaid(Card card, Slot slot, StepDone shown) {
    Glide(ProtocolNumber(card), layout_.SlotPosition(slot));
    shown();
}

void RecordingTable::CardTaken(Card card, Player taker, StepDone shown) {
    Glide(ProtocolNumber(card), layout_.TakenCard(taker));
    shown();
}

void RecordingTable::LastCardShown(Card card) {
    say_(std::string("caption ") + kLastCardCaptionName + " Ultima: " + CardName(card));
}

void RecordingTable::TurnPassed(Player now) {
    const auto colour = [now](const char* panel, Player owner) {
        const Colour shown = owner == now ? kPlayerColour[owner] : kWaitingPlayerColour;
        return std::string("colour ") + panel + " " + Number(shown.red) + " " +
               Number(shown.green) + " " + Number(shown.blue);
    };
    say_(colour(kComputerNamePanelName, Player::Computer));
    say_(colour(kHumanNamePanelName, Player::Human));
}

void RecordingTable::CardClickable(Card card, bool clickable) {
    say_("clickable " + Number(ProtocolNumber(card)) + (clickable ? " on" : " off"));
}

void RecordingTable::SelectionChanged(Card card, bool selected) {
    say_("frame " + Number(ProtocolNumber(card)) + (selected ? " black" : " white"));
}

void RecordingTable::ScoresReset(Player first) {
    for (const Player player : {first, Opponent(first)}) {
        say_(std::string("caption ") + ScoreCaptionName(player) + " Punti: 0");
    }
    say_("bar 0 clear");
    say_("bar 1 clear");
}

void RecordingTable::ScoreChanged(Player scorer, const PerPlayer<int>& scores) {
    say_(std::string("caption ") + ScoreCaptionName(scorer) + " Punti: " + Number(scores[scorer]));
    say_("bar 0 " + Number(ScoreBarRight(scores[Player::Human])));
    say_("bar 1 " + Number(ScoreBarRight(scores[Player::Computer])));
}

void RecordingTable::ComputerTimerSwitched(bool on) { say_(on ? "timer1 on" : "timer1 off"); }

void RecordingTable::ComputerThinking(bool thinking) {
    say_(thinking ? "pointer busy" : "pointer arrow");
}

void RecordingTable::Message(const std::string& text, StepDone shown) {
    say_("message " + FormatCr(text));
    shown();
}

void RecordingTable::Beep() { say_("beep"); }

}  // namespace vorbia

#include "ConsoleSession.h"

#include <ostream>
#include <sstream>
#include <vector>

#include "SettingsFile.h"
#include "TableOrders.h"

namespace vorbia {

namespace {

std::string RestOfLine(const std::string& line, const std::string& command) {
    // The text starts after the command and exactly one blank; it may be empty.
    if (line.size() <= command.size() + 1) return "";
    return line.substr(command.size() + 1);
}

bool ReadCard(std::istringstream& arguments, int& card, int highest) {
    return static_cast<bool>(arguments >> card) && card >= 0 && card <= highest;
}

// The protocol writes a flag as -1 (true) or 0, and a player as 0 (nobody), 1 or 2.
int FlagNumber(bool flag) { return flag ? -1 : 0; }
int PlayerNumber(Player player) { return static_cast<int>(player); }

}  // namespace

ConsoleSession::ConsoleSession(std::ostream& out)
    : out_(out),
      table_([this](const std::string& request) { out_ << request << '\n'; }),
      engine_(state_, table_, random_) {
    // As if the settings had been loaded from no file at all.
    state_.CardSpeed = 10;
    table_.ArrangeAsAtHandStart();
}

bool ConsoleSession::Execute(const std::string& line) {
    std::istringstream arguments(line);
    std::string command;
    arguments >> command;
    if (command.empty() || command[0] == '#') return true;
    bool understood = SetUp(command, arguments, line) || Act(command, arguments) ||
                      Query(command, arguments, line);
    if (!understood && !failed_) Fail("unknown command '" + command + "'");
    const bool ok = !failed_;
    failed_ = false;
    out_.flush();
    return ok;
}

bool ConsoleSession::Fail(const std::string& what) {
    out_ << "error: " << what << '\n';
    failed_ = true;
    return true;
}

void ConsoleSession::RecountDrawn() {
    int drawn = 0;
    for (int card = 1; card <= kCardCount; ++card) drawn += state_.Drawn[card];
    state_.CardsDrawn = drawn;
}

bool ConsoleSession::SetUp(const std::string& command, std::istringstream& arguments,
                           const std::string& line) {
    if (command == "seed") {
        uint64_t seed = 0;
        if (!(arguments >> seed)) return Fail("seed needs a number");
        random_.UseSeed(seed);
    } else if (command == "name") {
        state_.PlayerName[Player::Human] = RestOfLine(line, command);
    } else if (command == "messages") {
        std::string which;
        arguments >> which;
        if (which != "on" && which != "off") return Fail("messages takes on or off");
        state_.ShowMessages = which == "on";
    } else if (command == "speed") {
        int speed = 0;
        if (!(arguments >> speed) || speed < 1 || speed > 50) return Fail("speed takes 1 to 50");
        state_.CardSpeed = speed;
    } else if (command == "score") {
        int human = 0;
        int computer = 0;
        if (!(arguments >> human >> computer)) return Fail("score needs two numbers");
        // Scores have always been taken as 16-bit numbers here; a larger one wraps as it did.
        state_.Score[Player::Human] = static_cast<int16_t>(human);
        state_.Score[Player::Computer] = static_cast<int16_t>(computer);
    } else if (command == "turn") {
        int turn = 0;
        if (!(arguments >> turn) || turn < 0 || turn > 2) return Fail("turn takes 0, 1 or 2");
        state_.Turn = static_cast<Player>(turn);
    } else if (command == "grid") {
        std::vector<int> cells;
        int card = 0;
        while (ReadCard(arguments, card, kCardCount)) cells.push_back(card);
        if (cells.size() != kSlots || !arguments.eof()) return Fail("grid needs 21 cards 0 to 40");
        int count = 0;
        for (int at = 0; at < kSlots; ++at) {
            const int cell = cells[at];
            state_.CardAt(kScanOrder[at]) = cell;
            if (cell == 0) continue;
            ++count;
            state_.Drawn[cell] = true;
            const PictureBox slot = engine_.SlotPosition(kScanOrder[at]);
            table_.HeadlessTable::PlacePicture(cell, slot.left, slot.top);
        }
        state_.TableCount = count;
        RecountDrawn();
    } else if (command == "current") {
        int card = 0;
        if (!ReadCard(arguments, card, kCardCount) || card == 0) return Fail("current takes 1 to 40");
        state_.CurrentCard = card;
        state_.CurrentValue = CardValue(card);
        state_.CurrentSuit = CardSuit(card);
        state_.Drawn[card] = true;
        RecountDrawn();
        const int pile = state_.Turn == Player::Computer ? kComputerPile : kHumanPile;
        table_.HeadlessTable::PlacePicture(card, 69, table_.CardBox(pile).top);
    } else if (command == "last") {
        int card = 0;
        if (!ReadCard(arguments, card, kCardCount)) return Fail("last takes 0 to 40");
        state_.LastValue = CardValue(card);
        state_.LastSuit = CardSuit(card);
    } else {
        return false;
    }
    return true;
}

bool ConsoleSession::Act(const std::string& command, std::istringstream& arguments) {
    int number = 0;
    if (command == "newmatch") {
        engine_.NewMatch();
    } else if (command == "click") {
        if (!ReadCard(arguments, number, kPictureCount - 1)) return Fail("click takes 0 to 42");
        engine_.CardClicked(number);
    } else if (command == "toggle") {
        if (!ReadCard(arguments, number, kCardCount)) return Fail("toggle takes 0 to 40");
        engine_.ToggleTableCard(number);
    } else if (command == "play") {
        engine_.PlayCurrentCard(state_.CurrentCard);
    } else if (command == "computer") {
        engine_.ComputerMove();
    } else {
        return false;
    }
    engine_.RunComputerTurns();
    return true;
}

bool ConsoleSession::Query(const std::string& command, std::istringstream&,
                           const std::string& line) {
    if (command == "state") {
        PrintState();
    } else if (command == "load-settings") {
        const LoadResult result = LoadSettings(state_, RestOfLine(line, command));
        if (!result.ok) {
            out_ << "fatal " << result.errorNumber << '\n';
        } else {
            out_ << "PlayerName=" << state_.PlayerName[Player::Human] << '\n'
                 << "CardSpeed=" << state_.CardSpeed << '\n'
                 << "ShowMessages=" << FlagNumber(state_.ShowMessages) << '\n';
        }
    } else if (command == "save-settings") {
        const SaveResult result = SaveSettings(state_, RestOfLine(line, command));
        if (!result.ok) return Fail("saving the settings failed at step " + result.failedStep);
    } else {
        return false;
    }
    return true;
}

void ConsoleSession::PrintState() {
    out_ << "Score " << state_.Score[Player::Human] << ' ' << state_.Score[Player::Computer] << '\n'
         << "Turn " << PlayerNumber(state_.Turn) << '\n'
         << "TurnCount " << state_.TurnCount << '\n'
         << "CardsDrawn " << state_.CardsDrawn << '\n'
         << "CurrentCard " << state_.CurrentCard << ' ' << state_.CurrentValue << ' '
         << state_.CurrentSuit << '\n'
         << "Last " << state_.LastValue << ' ' << state_.LastSuit << '\n'
         << "TableGrid";
    for (const Slot slot : kScanOrder) out_ << ' ' << state_.CardAt(slot);
    out_ << '\n' << "TableCount " << state_.TableCount << '\n' << "Selected";
    for (int card = 1; card <= kCardCount; ++card) {
        if (state_.Selected[card]) out_ << ' ' << card;
    }
    out_ << '\n';
}

}  // namespace vorbia

#include "ConsoleSession.h"

#include <ostream>
#include <sstream>
#include <vector>

#include "SettingsFile.h"

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
    for (int card = 1; card <= kCardCount; ++card) drawn += state_.Drawn[card] != kFalse;
    state_.CardsDrawn = static_cast<int16_t>(drawn);
}

bool ConsoleSession::SetUp(const std::string& command, std::istringstream& arguments,
                           const std::string& line) {
    if (command == "seed") {
        uint64_t seed = 0;
        if (!(arguments >> seed)) return Fail("seed needs a number");
        random_.UseSeed(seed);
    } else if (command == "name") {
        state_.PlayerName[1] = RestOfLine(line, command);
    } else if (command == "messages") {
        std::string which;
        arguments >> which;
        if (which != "on" && which != "off") return Fail("messages takes on or off");
        state_.ShowMessages = which == "on" ? kTrue : kFalse;
    } else if (command == "speed") {
        int speed = 0;
        if (!(arguments >> speed) || speed < 1 || speed > 50) return Fail("speed takes 1 to 50");
        state_.CardSpeed = static_cast<int16_t>(speed);
    } else if (command == "score") {
        int human = 0;
        int computer = 0;
        if (!(arguments >> human >> computer)) return Fail("score needs two numbers");
        state_.Score[1] = static_cast<int16_t>(human);
        state_.Score[2] = static_cast<int16_t>(computer);
    } else if (command == "turn") {
        int turn = 0;
        if (!(arguments >> turn) || turn < 0 || turn > 2) return Fail("turn takes 0, 1 or 2");
        state_.Turn = static_cast<int16_t>(turn);
    } else if (command == "grid") {
        std::vector<int> cells;
        int card = 0;
        while (ReadCard(arguments, card, kCardCount)) cells.push_back(card);
        if (cells.size() != kSlots || !arguments.eof()) return Fail("grid needs 21 cards 0 to 40");
        int count = 0;
        for (int position = 1; position <= kSlots; ++position) {
            const int row = (position - 1) / kColumns + 1;
            const int column = (position - 1) % kColumns + 1;
            const int cell = cells[static_cast<size_t>(position - 1)];
            state_.TableGrid[row][column] = static_cast<int16_t>(cell);
            if (cell == 0) continue;
            ++count;
            state_.Drawn[cell] = kTrue;
            const PictureBox slot = engine_.SlotPosition(row, column);
            table_.HeadlessTable::PlacePicture(cell, slot.left, slot.top);
        }
        state_.TableCount = static_cast<int16_t>(count);
        RecountDrawn();
    } else if (command == "current") {
        int card = 0;
        if (!ReadCard(arguments, card, kCardCount) || card == 0) return Fail("current takes 1 to 40");
        state_.CurrentCard = static_cast<int16_t>(card);
        state_.CurrentValue = static_cast<int16_t>(CardValue(card));
        state_.CurrentSuit = static_cast<int16_t>(CardSuit(card));
        state_.Drawn[card] = kTrue;
        RecountDrawn();
        const int pile = state_.Turn == kComputer ? kComputerPile : kHumanPile;
        table_.HeadlessTable::PlacePicture(card, 69, table_.CardBox(pile).top);
    } else if (command == "last") {
        int card = 0;
        if (!ReadCard(arguments, card, kCardCount)) return Fail("last takes 0 to 40");
        state_.LastValue = static_cast<int16_t>(CardValue(card));
        state_.LastSuit = static_cast<int16_t>(CardSuit(card));
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
            out_ << "PlayerName=" << state_.PlayerName[1] << '\n'
                 << "CardSpeed=" << state_.CardSpeed << '\n'
                 << "ShowMessages=" << state_.ShowMessages << '\n';
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
    out_ << "Score " << state_.Score[1] << ' ' << state_.Score[2] << '\n'
         << "Turn " << state_.Turn << '\n'
         << "TurnCount " << state_.TurnCount << '\n'
         << "CardsDrawn " << state_.CardsDrawn << '\n'
         << "CurrentCard " << state_.CurrentCard << ' ' << state_.CurrentValue << ' '
         << state_.CurrentSuit << '\n'
         << "Last " << state_.LastValue << ' ' << state_.LastSuit << '\n'
         << "TableGrid";
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) out_ << ' ' << state_.TableGrid[row][column];
    }
    out_ << '\n' << "TableCount " << state_.TableCount << '\n' << "Selected";
    for (int card = 1; card <= kCardCount; ++card) {
        if (state_.Selected[card] != kFalse) out_ << ' ' << card;
    }
    out_ << '\n';
}

}  // namespace vorbia

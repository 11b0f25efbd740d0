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

// Cards are numbered 1 to 40 in the deck's order, 0 for none.
bool ReadNumber(std::istringstream& arguments, int& number, int highest) {
    return static_cast<bool>(arguments >> number) && number >= 0 && number <= highest;
}
std::optional<Card> CardNumbered(int number) {
    if (number < 1 || number > kCardCount) return std::nullopt;
    return CardAtDeckPosition(number - 1);
}

// The protocol writes a flag as -1 (true) or 0, and a player as 0 (nobody), 1 or 2.
int FlagNumber(bool flag) { return flag ? -1 : 0; }
int PlayerNumber(const std::optional<Player>& player) {
    if (!player) return 0;
    return *player == Player::Human ? 1 : 2;
}

}  // namespace

ConsoleSession::ConsoleSession(std::ostream& out)
    : out_(out),
      table_([this](const std::string& request) { out_ << request << '\n'; }),
      engine_(state_, table_, random_) {
    // As if the settings had been loaded from no file at all.
    state_.CardSpeed = 10;
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
        // Scores are 16-bit numbers in the protocol; a larger one wraps.
        state_.Score[Player::Human] = static_cast<int16_t>(human);
        state_.Score[Player::Computer] = static_cast<int16_t>(computer);
    } else if (command == "turn") {
        int turn = 0;
        if (!(arguments >> turn) || turn < 0 || turn > 2) return Fail("turn takes 0, 1 or 2");
        if (turn == 0) {
            state_.Turn.reset();
        } else {
            state_.Turn = turn == 1 ? Player::Human : Player::Computer;
        }
    } else if (command == "grid") {
        std::vector<int> cells;
        int number = 0;
        while (ReadNumber(arguments, number, kCardCount)) cells.push_back(number);
        if (cells.size() != kSlots || !arguments.eof()) return Fail("grid needs 21 cards 0 to 40");
        state_.Table.ClearAll();
        for (int at = 0; at < kSlots; ++at) {
            const std::optional<Card> card = CardNumbered(cells[at]);
            if (!card) continue;
            const Slot slot = SlotAtScanIndex(at);
            state_.Table.Put(slot, *card);
            state_.Drawn.Add(*card);
            table_.PutCardQuietly(*card, table_.SlotPosition(slot));
        }
    } else if (command == "current") {
        int number = 0;
        if (!ReadNumber(arguments, number, kCardCount) || number == 0) {
            return Fail("current takes 1 to 40");
        }
        const Card card = *CardNumbered(number);
        state_.CurrentCard = card;
        state_.CurrentPlace = CurrentCardPlace::OnPlaySpot;
        state_.Drawn.Add(card);
        table_.PutCardQuietly(card, table_.PlaySpot(state_.Turn.value_or(Player::Human)));
    } else if (command == "last") {
        int number = 0;
        if (!ReadNumber(arguments, number, kCardCount)) return Fail("last takes 0 to 40");
        state_.LastCard = CardNumbered(number);
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
        // 41 and 42 are the piles, 0 the card back: clicks on them do nothing.
        if (!ReadNumber(arguments, number, kCardCount + 2)) return Fail("click takes 0 to 42");
        if (const auto card = CardNumbered(number)) engine_.CardClicked(*card);
    } else if (command == "toggle") {
        if (!ReadNumber(arguments, number, kCardCount)) return Fail("toggle takes 0 to 40");
        if (const auto card = CardNumbered(number)) engine_.ToggleTableCard(*card);
    } else if (command == "play") {
        if (state_.CurrentCard) engine_.PlayCurrentCard(*state_.CurrentCard);
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

// A card as its number, its value and its suit (1 to 4); none as zeros.
std::string CardFields(const std::optional<Card>& card, bool withNumber) {
    std::string fields = withNumber ? std::to_string(ProtocolNumber(card)) + " " : "";
    if (!card) return fields + "0 0";
    return fields + std::to_string(card->value) + " " +
           std::to_string(static_cast<int>(card->suit) + 1);
}

void ConsoleSession::PrintState() {
    out_ << "Score " << state_.Score[Player::Human] << ' ' << state_.Score[Player::Computer] << '\n'
         << "Turn " << PlayerNumber(state_.Turn) << '\n'
         << "TurnCount " << state_.TurnCount << '\n'
         << "CardsDrawn " << state_.CardsDrawn() << '\n'
         << "CurrentCard " << CardFields(state_.CurrentCard, true) << '\n'
         << "Last " << CardFields(state_.LastCard, false) << '\n'
         << "TableGrid";
    for (int at = 0; at < kSlots; ++at) {
        out_ << ' ' << ProtocolNumber(state_.Table.At(SlotAtScanIndex(at)));
    }
    out_ << '\n' << "TableCount " << state_.Table.Count() << '\n' << "Selected";
    for (int position = 0; position < kCardCount; ++position) {
        if (state_.Selected.Contains(CardAtDeckPosition(position))) out_ << ' ' << position + 1;
    }
    out_ << '\n';
}

}  // namespace vorbia

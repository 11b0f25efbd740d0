#pragma once
// The tools' command lines: "--name value" pairs and --help, with one way of saying what is wrong.
#include <charconv>
#include <iostream>
#include <optional>
#include <string_view>

namespace vorbia {

template <class Number>
bool ReadNumber(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

// Hands each option and its value to `take`, which says whether it accepted them. Returns the
// exit status when the program should stop at once: 0 after --help, 2 for a bad command line.
template <class Take>
std::optional<int> ReadOptions(int argc, char** argv, std::string_view program,
                               std::string_view usage, Take take) {
    for (int at = 1; at < argc; ++at) {
        const std::string_view option = argv[at];
        if (option == "--help" || option == "-h") {
            std::cout << usage;
            return 0;
        }
        if (at + 1 >= argc) {
            std::cerr << program << ": " << option << " needs a value\n" << usage;
            return 2;
        }
        const std::string_view value = argv[++at];
        if (!take(option, value)) {
            std::cerr << program << ": bad option " << option << ' ' << value << '\n' << usage;
            return 2;
        }
    }
    return std::nullopt;
}

}  // namespace vorbia

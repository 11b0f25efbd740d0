#include "NumberReading.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vorbia {

namespace {

std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') kept.push_back(c);
    }
    return kept;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<int16_t> FitInSixteenBits(int64_t value) {
    if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
    return static_cast<int16_t>(value);
}

// Digits that fit 16 bits are a 16-bit two's complement value (&HFFFF is -1), those that fit
// 32 bits a 32-bit one; longer ones are out of range.
std::optional<int16_t> ReadRadixNumber(std::string_view digits, int radix) {
    uint64_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit < 0 || digit >= radix) break;
        value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFF) return std::nullopt;
    }
    auto signedValue = static_cast<int64_t>(value);
    if (value <= 0xFFFF) {
        if (value >= 0x8000) signedValue -= 0x10000;
    } else if (value >= 0x80000000) {
        signedValue -= 0x100000000;
    }
    return FitInSixteenBits(signedValue);
}

// `text` starts where the digits of the number ended; no exponent gives 0.
int64_t ReadExponent(std::string_view text) {
    std::size_t position = 0;
    if (text.empty()) return 0;
    const char marker = text[0];
    if (marker != 'E' && marker != 'e' && marker != 'D' && marker != 'd') return 0;
    ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    // Past a billion the exponent only has to stay past every value that could matter.
    constexpr int64_t kExponentCap = 1'000'000'000;
    int64_t exponent = 0;
    while (position < text.size() && IsDigit(text[position])) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (text[position] - '0');
        ++position;
    }
    return negative ? -exponent : exponent;
}

std::optional<int16_t> ReadDecimalNumber(std::string_view text) {
    std::size_t position = 0;
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    std::string digits;
    int64_t integerDigitCount = 0;
    while (position < text.size() && IsDigit(text[position])) {
        digits.push_back(text[position++]);
        ++integerDigitCount;
    }
    if (position < text.size() && text[position] == '.') {
        ++position;
        while (position < text.size() && IsDigit(text[position]))
            digits.push_back(text[position++]);
    }
    if (digits.empty()) return int16_t{0};
    const int64_t exponent = ReadExponent(text.substr(position));

    // As 0.<significant digits> times ten to `magnitude`, whose size alone settles the far cases.
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) return int16_t{0};
    const int64_t magnitude = integerDigitCount - static_cast<int64_t>(firstSignificant) + exponent;
    if (magnitude > 6) return std::nullopt;
    if (magnitude < 0) return int16_t{0};

    // from_chars rather than strtod: the decimal point must not depend on the locale.
    const std::string scientific =
        "0." + digits.substr(firstSignificant) + "e" + std::to_string(magnitude);
    double value = 0;
    std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    if (negative) whole = -whole;
    return FitInSixteenBits(static_cast<int64_t>(whole));
}

}  // namespace

std::optional<int16_t> ReadSettingsNumber(std::string_view text) {
    const std::string number = WithoutBlanks(text);
    if (number.size() >= 2 && number[0] == '&') {
        if (number[1] == 'H' || number[1] == 'h') return ReadRadixNumber(number.substr(2), 16);
        if (number[1] == 'O' || number[1] == 'o') return ReadRadixNumber(number.substr(2), 8);
    }
    return ReadDecimalNumber(number);
}

}  // namespace vorbia

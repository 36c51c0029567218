#include "RandomAvr.h"

#include <cctype>
#include <cstdlib>
#include <string_view>

namespace vortalin::oracle {
namespace {

constexpr std::uint32_t kDefaultSeed = 1407u;

std::string Reg(int number) {
    return "r" + std::to_string(number);
}
std::string AnyReg(Rng& rng) {
    return Reg(Uniform(rng, 0, 31));
}
std::string HighReg(Rng& rng) {
    return Reg(Uniform(rng, 16, 31));
}
// X, Y and Z are not loaded through themselves: leave r26..r31 out.
std::string DataReg(Rng& rng) {
    return Reg(Uniform(rng, 0, 25));
}

template <std::size_t N>
std::string_view Pick(Rng& rng, const std::array<std::string_view, N>& choices) {
    return choices[static_cast<std::size_t>(Uniform(rng, 0, N - 1))];
}

std::string RandomInstruction(Rng& rng) {
    static constexpr std::array<std::string_view, 11> kBare = {
        "nop", "cli", "sei", "ret", "reti", "sleep", "wdr", "ijmp", "icall", "clc", "sec"};
    static constexpr std::array<std::string_view, 10> kOneReg = {
        "com", "neg", "swap", "inc", "dec", "asr", "lsr", "ror", "push", "pop"};
    static constexpr std::array<std::string_view, 12> kTwoRegs = {
        "add", "adc", "sub", "sbc", "and", "or", "eor", "cp", "cpc", "cpse", "mov", "mul"};
    static constexpr std::array<std::string_view, 7> kImmediate = {"ldi",  "subi", "sbci", "cpi",
                                                                   "andi", "ori",  "ldi"};
    const std::string n = std::to_string(Uniform(rng, 0, 255));
    switch (Uniform(rng, 0, 13)) {
        case 0:
            return std::string(Pick(rng, kBare));
        case 1:
            return std::string(Pick(rng, kOneReg)) + " " + AnyReg(rng);
        case 2:
            return std::string(Pick(rng, kTwoRegs)) + " " + AnyReg(rng) + ", " + AnyReg(rng);
        case 3:
        case 4:
            return std::string(Pick(rng, kImmediate)) + " " + HighReg(rng) + ", " + n;
        case 5:
            return "lds " + AnyReg(rng) + ", " + std::to_string(Uniform(rng, 0x60, 0xFFFF));
        case 6:
            return "sts " + std::to_string(Uniform(rng, 0x60, 0xFFFF)) + ", " + AnyReg(rng);
        case 7:
            return (Chance(rng, 0.5) ? "call " : "jmp ") +
                   std::to_string(2 * Uniform(rng, 0, 0x7FFF));
        case 8:
            return Chance(rng, 0.5)
                       ? "in " + AnyReg(rng) + ", " + std::to_string(Uniform(rng, 0, 63))
                       : "out " + std::to_string(Uniform(rng, 0, 63)) + ", " + AnyReg(rng);
        case 9:
            return (Chance(rng, 0.5) ? "ld " + DataReg(rng) + ", X+" : "st X+, " + DataReg(rng));
        case 10:
            return (Chance(rng, 0.5)
                        ? "std Y+" + std::to_string(Uniform(rng, 0, 63)) + ", " + DataReg(rng)
                        : "ldd " + DataReg(rng) + ", Z+" + std::to_string(Uniform(rng, 0, 63)));
        case 11:
            return std::string(Chance(rng, 0.5) ? "adiw r" : "sbiw r") +
                   std::to_string(24 + 2 * Uniform(rng, 0, 3)) + ", " +
                   std::to_string(Uniform(rng, 0, 63));
        case 12:
            return std::string(Chance(rng, 0.5) ? "sbic " : "sbrs ") +
                   std::to_string(Uniform(rng, 0, 31)) + ", " + std::to_string(Uniform(rng, 0, 7));
        default:
            return ".word " + std::to_string(Uniform(rng, 0, 0xFFFF));  // data, a checksum
    }
}

}  // namespace

std::uint32_t OracleSeed() {
    const char* text = std::getenv("VORTALIN_ORACLE_SEED");
    return text != nullptr ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 0))
                           : kDefaultSeed;
}

int Uniform(Rng& rng, int low, int high) {
    return std::uniform_int_distribution(low, high)(rng);
}

bool Chance(Rng& rng, double probability) {
    return std::bernoulli_distribution(probability)(rng);
}

std::string RandomCode(Rng& rng, int instructionCount) {
    std::string code;
    for (int i = 0; i < instructionCount; ++i) code += "  " + RandomInstruction(rng) + "\n";
    return code;
}

std::string RandomText(Rng& rng) {
    static constexpr std::array<std::string_view, 14> kPieces = {"; advance table follows",
                                                                 "Таблица УОЗ",
                                                                 " прошивка v2.1 ",
                                                                 "\r\n",
                                                                 "\n",
                                                                 " ",
                                                                 "\t",
                                                                 "0x",
                                                                 "e0b",
                                                                 "E0 B",
                                                                 "E0",
                                                                 ":100000000C94",
                                                                 "\xFF",
                                                                 "\xD0"};
    static constexpr std::string_view kHex = "0123456789ABCDEFabcdef";
    std::string text;
    for (int count = Uniform(rng, 0, 8); count > 0; --count) {
        if (Chance(rng, 0.3)) {
            for (int digits = Uniform(rng, 1, 12); digits > 0; --digits) {
                text += kHex[static_cast<std::size_t>(Uniform(rng, 0, kHex.size() - 1))];
            }
        } else {
            text += Pick(rng, kPieces);
        }
    }
    return text;
}

Counts RandomCounts(Rng& rng) {
    Counts counts{};
    for (int& count : counts) count = Uniform(rng, 0, 255);
    // The ends of the byte range turn up on purpose, not only by luck.
    if (Chance(rng, 0.3)) counts[static_cast<std::size_t>(Uniform(rng, 0, 31))] = 0;
    if (Chance(rng, 0.3)) counts[static_cast<std::size_t>(Uniform(rng, 0, 31))] = 255;
    return counts;
}

std::string AddressLoadsSource(int high, int low) {
    return "  ldi r27, " + std::to_string(high) + "\n  ldi r26, " + std::to_string(low) + "\n";
}

std::string TableStoresSource(const Counts& counts) {
    std::string source;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        source += "  ldi r16, " + std::to_string(counts[i]) + "\n";
        source += i + 1 < counts.size() ? "  st X+, r16\n" : "  st X, r16\n";
    }
    return source + "  ret\n";
}

LetterCase DrawLetterCase(Rng& rng) {
    const int draw = Uniform(rng, 0, 9);
    return draw < 7 ? LetterCase::Upper : draw < 9 ? LetterCase::Lower : LetterCase::Mixed;
}

std::string WithLetterCase(std::string listing, LetterCase letterCase, Rng& rng) {
    for (char& c : listing) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (letterCase == LetterCase::Lower ||
            (letterCase == LetterCase::Mixed && Chance(rng, 0.5))) {
            c = static_cast<char>(std::tolower(byte));
        }
    }
    return listing;
}

}  // namespace vortalin::oracle

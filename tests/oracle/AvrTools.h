#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vortalin::oracle {

// A fresh directory of its own under the system's temporary directory,
// removed with everything in it when the object goes.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

struct Assembly {
    std::vector<std::uint8_t> bytes;            // the .text section as flash holds it
    std::map<std::string, std::size_t> labels;  // label -> byte offset in `bytes`
};

// Assembles AVR source with avr-as (avr5, so call/jmp/lds are there). Throws
// std::runtime_error with the tool's messages when a tool is missing or fails.
Assembly Assemble(const ScratchDir& dir, const std::string& source);

struct Instruction {
    std::size_t address = 0;
    std::size_t size = 0;  // bytes
    std::string mnemonic;
    std::string operands;  // as avr-objdump writes them, comment dropped
};

// Disassembles raw flash bytes with avr-objdump. Throws like Assemble.
std::vector<Instruction> Disassemble(const ScratchDir& dir, const std::vector<std::uint8_t>& bytes);

// "ldi r16, 0xAB" -> "ldi r16, 171": immediates in decimal, so that a check
// does not hang on how the disassembler pads its hex.
std::string Normalized(const Instruction& instruction);

}  // namespace vortalin::oracle

#include "AvrTools.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vortalin::oracle {
namespace fs = std::filesystem;

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

// Runs a tool with its output in files of the scratch directory and gives
// its standard output.
std::string RunTool(const ScratchDir& dir, const std::string& tool, const std::string& arguments) {
    if (!fs::exists(tool)) {
        throw std::runtime_error(tool + " is missing: the tests need Debian's binutils-avr");
    }
    const fs::path out = dir.Path() / "tool.out";
    const fs::path err = dir.Path() / "tool.err";
    const std::string command =
        Quoted(tool) + " " + arguments + " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
    const int status = std::system(command.c_str());
    if (status != 0) {
        throw std::runtime_error(command + "\nexit status " + std::to_string(status) + "\n" +
                                 ReadFile(err));
    }
    return ReadFile(out);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

ScratchDir::ScratchDir() {
    std::random_device entropy;
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "vortalin-oracle-" << ::getpid() << "-" << std::hex << entropy();
        path_ = base / name.str();
        if (fs::create_directory(path_)) return;
    }
    throw std::runtime_error("cannot create a scratch directory in " + base.string());
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

Assembly Assemble(const ScratchDir& dir, const std::string& source) {
    const fs::path sourcePath = dir.Path() / "routine.s";
    const fs::path objectPath = dir.Path() / "routine.o";
    const fs::path binaryPath = dir.Path() / "routine.bin";
    WriteFile(sourcePath, source);
    RunTool(dir, VORTALIN_AVR_AS,
            "-mmcu=avr5 -o " + Quoted(objectPath.string()) + " " + Quoted(sourcePath.string()));
    RunTool(
        dir, VORTALIN_AVR_OBJCOPY,
        "-O binary -j .text " + Quoted(objectPath.string()) + " " + Quoted(binaryPath.string()));

    Assembly assembly;
    const std::string bytes = ReadFile(binaryPath);
    assembly.bytes.assign(bytes.begin(), bytes.end());

    // Symbol lines read "00000006 l       .text\t00000000 name".
    for (const std::string& line :
         Lines(RunTool(dir, VORTALIN_AVR_OBJDUMP, "-t " + Quoted(objectPath.string())))) {
        if (line.find(" .text\t") == std::string::npos) continue;
        const std::string name = line.substr(line.find_last_of(" \t") + 1);
        if (name == ".text") continue;
        assembly.labels[name] = std::stoul(line.substr(0, line.find(' ')), nullptr, 16);
    }
    return assembly;
}

std::vector<Instruction> Disassemble(const ScratchDir& dir,
                                     const std::vector<std::uint8_t>& bytes) {
    const fs::path binaryPath = dir.Path() / "listing.bin";
    WriteFile(binaryPath, std::string(bytes.begin(), bytes.end()));
    const std::string text =
        RunTool(dir, VORTALIN_AVR_OBJDUMP, "-D -b binary -m avr " + Quoted(binaryPath.string()));

    // Instruction lines read "   a:\t0b ea       \tldi\tr16, 0xAB\t; 171".
    std::vector<Instruction> instructions;
    for (const std::string& line : Lines(text)) {
        const std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() < 3 || fields[0].empty() || fields[0].back() != ':') continue;
        Instruction instruction;
        instruction.address = std::stoul(fields[0], nullptr, 16);
        std::istringstream byteText(fields[1]);
        for (std::string byte; byteText >> byte;) ++instruction.size;
        instruction.mnemonic = Trimmed(fields[2]);
        if (fields.size() > 3) instruction.operands = Trimmed(fields[3]);
        instructions.push_back(instruction);
    }
    return instructions;
}

std::string Normalized(const Instruction& instruction) {
    std::string result = instruction.mnemonic;
    std::istringstream operands(instruction.operands);
    const char* separator = " ";
    for (std::string operand; std::getline(operands, operand, ',');) {
        operand = Trimmed(operand);
        if (operand.rfind("0x", 0) == 0) operand = std::to_string(std::stoul(operand, nullptr, 16));
        result += separator + operand;
        separator = ", ";
    }
    return result;
}

}  // namespace vortalin::oracle

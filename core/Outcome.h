#pragma once

#include <string>

namespace vortalin {

// How an operation ended: done, stopped by a warning before anything changed
// (or, for a byte out of range, after the rows before it), or stopped by a
// conversion error with whatever was written before it left in place.
struct Outcome {
    enum class Kind { Done, Warning, ConversionError };

    Kind kind = Kind::Done;
    std::string message;

    static Outcome Done() { return {}; }
    static Outcome Warning(std::string text) { return {Kind::Warning, std::move(text)}; }
    static Outcome Error(std::string text) { return {Kind::ConversionError, std::move(text)}; }

    bool IsDone() const { return kind == Kind::Done; }
    bool operator==(const Outcome&) const = default;
};

// The user texts of the warnings.
inline constexpr const char* kNoInputWarning = "Введите данные!";
inline constexpr const char* kNoDataWarning = "Данные не определены";
inline constexpr const char* kNoMarkerWarning = "Не найдено начало таблицы (E0B)";

}  // namespace vortalin

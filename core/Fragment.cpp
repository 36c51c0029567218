#include "core/Fragment.h"

namespace vortalin {

std::optional<std::size_t> FindMarker(std::string_view fragment) {
    const std::size_t at = fragment.find(kMarker);
    if (at == std::string_view::npos) return std::nullopt;
    return at;
}

}  // namespace vortalin

#pragma once

#include <cstdlib>
#include <memory>
#include <string>

namespace webui {

// A text the page's script hands over: allocated with malloc, to be freed
// by the program; null for none.
struct FreedWithFree {
    void operator()(char* text) const { std::free(text); }
};
using PageText = std::unique_ptr<char, FreedWithFree>;

// The text as a string, freed; empty for none.
inline std::string Take(char* text) {
    const PageText owned{text};
    return owned ? std::string(owned.get()) : std::string();
}

} // namespace webui

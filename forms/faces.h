#pragma once

#include <string_view>

namespace forms {

// The faces the windows name, and the freely installable faces with Cyrillic
// that stand in for them where the Windows faces are not there. The captions
// place their words with blanks, and Liberation Sans has a narrower blank than
// MS Sans Serif: its blanks are widened by 9 % of their width, which puts
// every caption's words inside their labels and clear of the lines and boxes
// around them. Liberation Serif has Times New Roman's metrics.
// Windows' bitmap faces come in a few pixel sizes made for 96 dpi; at any
// other resolution Windows draws them in their TrueType counterparts.
struct StandInFace {
    std::string_view windows;
    std::string_view standIn;
    double blankWidening;        // a share of the stand-in's own blank
    std::string_view trueTypeOf; // empty: the Windows face scales already
};

inline constexpr StandInFace kStandInFaces[] = {
    {"MS Sans Serif", "Liberation Sans", 0.09, "Microsoft Sans Serif"},
    {"MS Serif", "Liberation Serif", 0, "Times New Roman"},
    {"Times New Roman", "Liberation Serif", 0, ""},
};

// The stand-in for the Windows face `windows`; none for a face the windows
// do not name.
inline const StandInFace* StandInFor(std::string_view windows) {
    for (const StandInFace& face : kStandInFaces) {
        if (face.windows == windows) {
            return &face;
        }
    }
    return nullptr;
}

} // namespace forms

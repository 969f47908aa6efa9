#pragma once

#include <string>
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
// Where a program carries the stand-ins' font files (the site does, as web
// fonts), they are <fontFile>-Regular.woff2 and <fontFile>-Bold.woff2.
struct StandInFace {
    std::string_view windows;
    std::string_view standIn;
    double blankWidening;        // a share of the stand-in's own blank
    std::string_view trueTypeOf; // empty: the Windows face scales already
    std::string_view fontFile;
};

inline constexpr StandInFace kStandInFaces[] = {
    {"MS Sans Serif", "Liberation Sans", 0.09, "Microsoft Sans Serif", "LiberationSans"},
    {"MS Serif", "Liberation Serif", 0, "Times New Roman", "LiberationSerif"},
    {"Times New Roman", "Liberation Serif", 0, "", "LiberationSerif"},
};

// The name of the font file of `face`'s stand-in, regular or bold.
inline std::string FontFileName(const StandInFace& face, bool bold) {
    return std::string(face.fontFile) + (bold ? "-Bold.woff2" : "-Regular.woff2");
}

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

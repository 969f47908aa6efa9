#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace forms {

// One line of a label's caption: where it starts in the caption and how many
// characters of it the line draws. The blanks at a break belong to no line.
struct CaptionLine {
    std::size_t start = 0;
    std::size_t length = 0;
};

// Breaks a label's caption into lines the way every build's labels break it.
// The captions place their words with blanks, so every blank within a line is
// kept, leading blanks included. A line breaks at a run of blanks between two
// words where the second would end beyond `width`; the run then ends the line
// before it. The caption's leading blanks stay with its first word, unless
// they alone are wider than the label: then they make a first line of their
// own, which draws nothing. A word wider than the label stands on a line of
// its own, whole. Blanks at the end of the caption draw nothing.
//
// `measure` gives the width of a piece of the caption drawn from a line's
// start, in the front end's own units and font. The caption is in whatever
// characters the front end measures (UTF-16 for Qt and Windows); a blank is
// ' ' in all of them.
template <class Char, class Measure>
std::vector<CaptionLine> BreakCaption(std::basic_string_view<Char> text, double width,
                                      Measure&& measure) {
    constexpr Char kBlank = static_cast<Char>(' ');
    constexpr auto npos = std::basic_string_view<Char>::npos;
    std::vector<CaptionLine> lines;
    std::size_t lineStart = 0;
    std::size_t lineEnd = 0; // past the line's last word so far
    bool lineHasWord = false;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t wordStart = text.find_first_not_of(kBlank, at);
        if (wordStart == npos) {
            break;
        }
        std::size_t wordEnd = text.find(kBlank, wordStart);
        if (wordEnd == npos) {
            wordEnd = text.size();
        }
        const bool breaks =
            wordStart > at &&
            static_cast<double>(lineHasWord ? measure(text.substr(lineStart, wordEnd - lineStart))
                                            : measure(text.substr(0, wordStart))) > width;
        if (breaks) {
            lines.push_back({lineStart, lineHasWord ? lineEnd - lineStart : 0});
            lineStart = wordStart;
        }
        lineEnd = wordEnd;
        lineHasWord = true;
        at = wordEnd;
    }
    if (lineHasWord) {
        lines.push_back({lineStart, lineEnd - lineStart});
    }
    return lines;
}

// The lines a label draws: its caption broken as BreakCaption breaks it,
// where `measure` gives a piece's width in the face that draws it and each
// blank is drawn `blankWidening` wider than that face's own (a stand-in face
// whose blank is narrower than the face it stands in for). A caption of
// blanks only, or none, is one line that draws nothing.
template <class Char, class Measure>
std::vector<CaptionLine> LabelCaptionLines(std::basic_string_view<Char> text, double width,
                                           double blankWidening, Measure&& measure) {
    const auto widened = [&](std::basic_string_view<Char> piece) {
        const auto blanks = std::count(piece.begin(), piece.end(), static_cast<Char>(' '));
        return static_cast<double>(measure(piece)) + blankWidening * static_cast<double>(blanks);
    };
    std::vector<CaptionLine> lines = BreakCaption(text, width, widened);
    if (lines.empty()) {
        lines.push_back({0, 0});
    }
    return lines;
}

} // namespace forms

#include "caption.h"

namespace win32ui {

std::vector<std::wstring> CaptionLines(std::wstring_view text, int width,
                                       const std::function<int(std::wstring_view)>& measure) {
    std::vector<std::wstring> lines;
    std::wstring line;
    bool lineHasWord = false;
    size_t at = 0;
    while (at < text.size()) {
        const size_t wordStart = text.find_first_not_of(L' ', at);
        if (wordStart == std::wstring_view::npos) {
            break; // blanks at the end of the caption draw nothing
        }
        size_t wordEnd = text.find(L' ', wordStart);
        if (wordEnd == std::wstring_view::npos) {
            wordEnd = text.size();
        }
        const std::wstring_view blanks = text.substr(at, wordStart - at);
        const std::wstring_view word = text.substr(wordStart, wordEnd - wordStart);
        std::wstring longer = line;
        longer.append(blanks).append(word);
        if (lineHasWord && measure(longer) > width) {
            lines.push_back(line);
            line.assign(word);
        } else {
            line = std::move(longer);
        }
        lineHasWord = true;
        at = wordEnd;
    }
    if (lineHasWord) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace win32ui

#include "controltable.h"

namespace forms {

namespace {

// The stretches of `caption` that runs of two or more blanks keep apart, each
// with its single blanks kept.
std::vector<std::string_view> columns(std::string_view caption) {
    std::vector<std::string_view> found;
    std::size_t at = 0;
    while (at < caption.size()) {
        while (at < caption.size() && caption[at] == ' ') {
            ++at;
        }
        if (at == caption.size()) {
            break;
        }
        std::size_t end = at;
        while (end < caption.size() &&
               !(caption[end] == ' ' && (end + 1 == caption.size() || caption[end + 1] == ' '))) {
            ++end;
        }
        found.push_back(caption.substr(at, end - at));
        at = end;
    }
    return found;
}

// `text` with every run of blanks made one blank.
std::string oneBlankEach(std::string_view text) {
    std::string made;
    for (const std::string_view column : columns(text)) {
        if (!made.empty()) {
            made += ' ';
        }
        made += column;
    }
    return made;
}

} // namespace

std::string AccessibleName(const WindowTable& table, const Control& box) {
    if (!box.spokenName.empty()) {
        return std::string(box.spokenName);
    }
    std::string name;
    for (const NamingLabel& naming : box.namingLabels) {
        if (naming.label.empty()) {
            continue;
        }
        for (const Control& label : table.controls) {
            if (label.kind != ControlKind::Label || label.name != naming.label) {
                continue;
            }
            std::string part;
            if (naming.column == kWholeCaption) {
                part = oneBlankEach(label.text);
            } else if (const auto found = columns(label.text);
                       naming.column >= 0 && naming.column < static_cast<int>(found.size())) {
                part = found[static_cast<std::size_t>(naming.column)];
            }
            if (!part.empty()) {
                name += (name.empty() ? "" : ", ") + part;
            }
        }
    }
    return name;
}

} // namespace forms

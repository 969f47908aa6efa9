#pragma once

// The codes the program and the page's script pass between them. The
// script's copy, pagecodes.js, is made from this file when the site is put
// together: one line "inline constexpr int kName = value;" a code.

namespace webui {

// A control's kind.
inline constexpr int kButton = 0;
inline constexpr int kTextBox = 1;
inline constexpr int kLabel = 2;
inline constexpr int kLine = 3;
inline constexpr int kPictureBox = 4;

// What a window's user did.
inline constexpr int kClicked = 0;
inline constexpr int kCloseRequested = 1;

// A fetched file's size where there are no bytes: there is no such file, it
// cannot be read (the reason comes instead), it is larger than asked for.
inline constexpr int kNoSuchFile = -1;
inline constexpr int kUnreadable = -2;
inline constexpr int kTooLarge = -3;

} // namespace webui

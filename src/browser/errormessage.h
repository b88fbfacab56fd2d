#pragma once

#include <QString>

#include <cstdint>

namespace Tagovnik {

// How error messages are worded: the trimming and fallback rules for failures
// reported by the browser engine, and the final period added for display.
namespace ErrorMessage {

// Removes trailing white space, control characters and periods.
QString trimmed(const QString &text);

// A description of the code in words, trimmed; empty for codes we know no text for.
QString systemText(std::uint32_t code);

// "OLE error 80004005": eight upper-case, zero-padded hexadecimal digits.
QString genericText(std::uint32_t code);

// The system text for the code, else the generic text.
QString forCode(std::uint32_t code);

// The trimmed description, else forCode(code).
QString forDescription(const QString &description, std::uint32_t code);

// The text shown in an error report box: a "." is appended when the message ends
// in a character after U+002E; anything ending in ".", a space, "!", ")" or
// another character up to U+002E is shown unchanged, and so is an empty text.
QString forDisplay(const QString &message);

} // namespace ErrorMessage

} // namespace Tagovnik

#pragma once

#include <optional>
#include <string>
#include <string_view>

// Game text is stored as the bytes the game wrote: 8-bit Windows-1252.
// These helpers convert at the edges (display, JSON, CSV); the records
// themselves never hold anything but the original bytes.
namespace Cp1252 {

// Always succeeds. The five code points Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value,
// so every byte string survives a round trip through UTF-8.
std::string ToUtf8(std::string_view bytes);

// Empty when the text is not valid UTF-8 or holds a character that
// Windows-1252 cannot encode; *error (if given) then says which.
std::optional<std::string> FromUtf8(std::string_view utf8, std::string* error = nullptr);

// Upper case of one Windows-1252 character (letters with accents included).
char ToUpper(char c);

} // namespace Cp1252

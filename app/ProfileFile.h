// Reading and writing keys of an INI-style settings file (sections in brackets, key=value
// lines, code page 932), matched the way the Windows profile functions match them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zl {

// Section and key are matched without regard to case, first match wins; blanks around the
// value are removed, a value wholly in matching quotes loses them, and at most 511 bytes are
// used. A missing file, section or key gives `fallback`.
std::u16string GetProfileString(const std::filesystem::path& file, std::u16string_view section,
                                std::u16string_view key, std::u16string_view fallback);

// Sets a key: replaces its value in place, or adds the key to its section or the section to
// the file; creates the file when missing. Every other line stays byte for byte. False when
// the file could not be written.
bool WriteProfileString(const std::filesystem::path& file, std::u16string_view section,
                        std::u16string_view key, std::u16string_view value);

// The same on the file's bytes: the value a file gives, and the file with a key set.
std::u16string ProfileValue(std::string_view bytes, std::u16string_view section,
                            std::u16string_view key, std::u16string_view fallback);
std::string WithProfileValue(std::string_view bytes, std::u16string_view section,
                             std::u16string_view key, std::u16string_view value);

}  // namespace zl

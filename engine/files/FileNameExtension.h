#pragma once
// Changing the extension of a file name the user typed, keeping the rest of the text.

#include <string>
#include <string_view>

namespace corv {

// The name with its extension replaced by `extension` (which includes its point), by the
// rules of std::filesystem::path::replace_extension. Both '/' and '\' end a folder name,
// so names from either platform are read the same way.
[[nodiscard]] std::string ReplaceExtension(std::string_view name, std::string_view extension);

}  // namespace corv

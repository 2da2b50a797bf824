#include "files/FileNameExtension.h"

namespace corv {

std::string ReplaceExtension(std::string_view name, std::string_view extension) {
    const size_t slash = name.find_last_of("/\\");
    const size_t fileStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::string_view fileName = name.substr(fileStart);
    size_t stemEnd = name.size();
    // "." and ".." have no extension, nor has a name whose only point leads it.
    if (fileName != "." && fileName != "..") {
        const size_t dot = fileName.find_last_of('.');
        if (dot != std::string_view::npos && dot > 0) stemEnd = fileStart + dot;
    }
    std::string result(name.substr(0, stemEnd));
    if (!extension.empty() && extension.front() != '.') result += '.';
    result += extension;
    return result;
}

}  // namespace corv

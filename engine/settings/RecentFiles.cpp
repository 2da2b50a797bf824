#include "settings/RecentFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace corv {

std::vector<std::string> ReadRecentFiles(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> list;
    size_t start = 0;
    // Lines may end in CR LF, LF or a lone CR.
    while (start < text.size() && list.size() < kRecentFileCount) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string name = text.substr(start, end - start);
        if (!name.empty() && std::find(list.begin(), list.end(), name) == list.end())
            list.push_back(name);
        start = end + 1;
    }
    return list;
}

void AddRecentFile(std::vector<std::string>& list, const std::string& name) {
    if (name.empty()) return;
    list.erase(std::remove(list.begin(), list.end(), name), list.end());
    list.insert(list.begin(), name);
    if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
}

bool WriteRecentFiles(const std::filesystem::path& file, const std::vector<std::string>& list) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& name : list) out << name << "\r\n";
    out.close();
    return static_cast<bool>(out);
}

}  // namespace corv

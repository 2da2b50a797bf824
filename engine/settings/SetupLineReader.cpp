#include "settings/SetupLineReader.h"

#include <istream>
#include <sstream>
#include <string_view>

#include "files/ReadOnlyFile.h"

#include "settings/SetupFile.h"

namespace corv {

bool SetupLineReader::Next(std::string& line) {
    line.clear();
    char ch;
    if (!m_in.get(ch)) return false;
    for (;;) {
        if (ch == '\n') return true;
        if (ch == '\r') {
            if (m_in.peek() == '\n') m_in.get(ch);
            return true;
        }
        if (line.size() < m_limit) line.push_back(ch);
        if (!m_in.get(ch)) return !m_in.bad();  // the last line may lack its line end
    }
}

bool HasSetupHeader(const std::filesystem::path& path) {
    // Only the first line matters; a device or an endless file is never read to its end.
    ReadOnlyFile file;
    if (!file.Open(path)) return false;
    std::string head(std::string_view(kSetupHeader).size() + 2, '\0');
    head.resize(file.Read(head.data(), head.size()));
    std::istringstream in(head);
    SetupLineReader reader(in);
    std::string first;
    return reader.Next(first) && first == kSetupHeader;
}

}  // namespace corv

#include "settings/SetupLineReader.h"

#include <fstream>
#include <istream>

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
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    SetupLineReader reader(in);
    std::string first;
    return reader.Next(first) && first == kSetupHeader;
}

}  // namespace corv

#pragma once
// A small writer of one-line JSON objects for the CLI's JSON Lines output.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corv::cli {

// JSON string literal of s, quotes included; bytes above 127 that are not valid UTF-8 are
// written as \u00XX (the files are 8-bit text).
[[nodiscard]] std::string JsonString(std::string_view s);
// JSON number text of a double (shortest round-trip form; null for NaN and infinities).
[[nodiscard]] std::string JsonNumber(double v);

class JsonObject {
  public:
    JsonObject& Add(std::string_view key, std::string_view value);
    JsonObject& Add(std::string_view key, const char* value) {
        return Add(key, std::string_view(value));
    }
    JsonObject& Add(std::string_view key, double value);
    JsonObject& Add(std::string_view key, int64_t value);
    JsonObject& Add(std::string_view key, int32_t value) { return Add(key, int64_t{value}); }
    JsonObject& Add(std::string_view key, bool value);
    // Adds already formatted JSON (an array or object).
    JsonObject& AddRaw(std::string_view key, std::string_view json);
    [[nodiscard]] std::string Str() const { return "{" + m_body + "}"; }

  private:
    void Key(std::string_view key);
    std::string m_body;
};

// JSON arrays of numbers.
[[nodiscard]] std::string JsonArray(const std::vector<double>& values);
[[nodiscard]] std::string JsonArray(const std::vector<int64_t>& values);

// A JSON array with one object per item of first..last, made by toObject(item).
template <class It, class ToObject>
[[nodiscard]] std::string JsonObjectArray(It first, It last, ToObject toObject) {
    std::string s = "[";
    for (It it = first; it != last; ++it) s += (it == first ? "" : ",") + toObject(*it).Str();
    return s + "]";
}

}  // namespace corv::cli

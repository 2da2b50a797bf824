#pragma once
// The exceptions that end a command. The GUI and the CLI catch them at the command
// boundary, show the message and go on; everything else in the engine returns results.

#include <stdexcept>
#include <string>

namespace corv {

// Integer arithmetic or indexing left the range of its type.
class RangeError : public std::runtime_error {
  public:
    explicit RangeError(const std::string& what = "Range check error") : std::runtime_error(what) {}
};

// Typed text is not a number of the wanted kind; the message quotes the text.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const std::string& what) : std::runtime_error(what) {}
};

// A file could not be read or written while a command was working on it.
class IoError : public std::runtime_error {
  public:
    explicit IoError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace corv

#pragma once
// Decoding of the 8-bit Windows-1252 character set, in which the help files and the program's
// own text files are written. Every byte maps to a character; the five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as Windows does.

#include <QByteArray>
#include <QChar>
#include <QString>

namespace corv {

QChar Windows1252ToChar(unsigned char byte);
QString DecodeWindows1252(const QByteArray& bytes);

}  // namespace corv

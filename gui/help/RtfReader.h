#pragma once
// A small RTF reader for the help files. It turns RTF into a QTextDocument with paragraphs,
// bold, italic, underline, font sizes, colours, tabs, line breaks and left, centred or right
// alignment; font, style and colour tables, document information, pictures, headers, footers
// and ignorable groups are read past. Damaged input of any kind never crashes or hangs it.

#include <QByteArray>
#include <QString>
#include <QTextDocument>

namespace corv {

// True when the data begin (after blanks and line ends) with "{\rtf".
bool LooksLikeRtf(const QByteArray& data);

// Replaces the content of doc with the RTF document in rtf. Returns false, with the reason in
// *error, when the data are not RTF (doc is then left empty) or are damaged (cut off, braces
// out of balance, nested too deeply); doc then holds everything that could be read.
bool ReadRtf(const QByteArray& rtf, QTextDocument& doc, QString* error = nullptr);

}  // namespace corv

#pragma once
#include <string>

#include "document.h"

namespace richtext {

// Standard RTF (code page 1252, Verdana, the box's 8.25 pt font as \fs16) that Word, WordPad
// and LibreOffice open. A document with a language says so in \deflang and \lang. Pictures are
// written back exactly as they were read.
std::string WriteRtf(const Document& doc);
// The same into `out`, replacing its content but keeping its buffer.
void WriteRtf(const Document& doc, std::string& out);

}  // namespace richtext

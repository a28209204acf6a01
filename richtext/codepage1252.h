#pragma once

namespace richtext {

// Windows code page 1252, the byte encoding of RTF text. The five bytes the code page leaves
// undefined (81, 8D, 8F, 90, 9D) map to the C1 controls of the same value, so every byte has
// a character and back.
char32_t Cp1252ToUnicode(unsigned char byte);
// The byte for `c`, or -1 when the code page has no such character.
int UnicodeToCp1252(char32_t c);

}  // namespace richtext

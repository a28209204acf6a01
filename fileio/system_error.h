#pragma once
#include <string>

#include "language.h"

namespace baralune {

// The C library's words for an errno value in the reader's language, where the system has
// that language (a locale of it installed); otherwise in the system's own. Safe on any thread.
std::string SystemErrorText(int error);

// The language SystemErrorText speaks from now on: the system's locale when it speaks that
// language (es_MX stays Mexican), else a common locale of it. English by default.
void SetSystemErrorLanguage(Language language);

}  // namespace baralune

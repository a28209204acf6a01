#pragma once
#include <span>
#include <string>

#include "journal_format.h"

namespace baralune::interchange {

// The file's first line, line end included: {"format":"baralune-journal","version":1}
std::string HeaderLine();

// A whole journal file of `readings`, in their order: the header, then one line each.
std::string WriteJournal(std::span<const Reading> readings);

}  // namespace baralune::interchange

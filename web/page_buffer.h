#pragma once
// The bytes the page writes into the module before a call that reads them: a journal file, a
// spread file, the texts of a reading to write (see baralune_buffer).
#include <string>

namespace baralune::web {

std::string& PageBuffer();

}  // namespace baralune::web

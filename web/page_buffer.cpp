// The one buffer the page writes bytes into before the call that reads them (a journal file,
// a spread file, the texts of a reading to write).
#include "page_buffer.h"

#include <emscripten/emscripten.h>

#include <cstddef>
#include <string>

namespace baralune::web {

std::string& PageBuffer() {
  static std::string buffer;
  return buffer;
}

}  // namespace baralune::web

extern "C" {

// Room for `size` bytes the page writes in before the call that reads them.
EMSCRIPTEN_KEEPALIVE char* baralune_buffer(int size) {
  baralune::web::PageBuffer().assign(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  return baralune::web::PageBuffer().data();
}

}  // extern "C"

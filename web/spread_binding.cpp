// The browser edition's way to a spread file: the page hands over the bytes of a file it is
// to import and gets back the spread as the file format writes it, or why the file was
// refused, checked by the very code the desktop's import uses.
#include <emscripten/emscripten.h>

#include <string>

#include "json_writer.h"
#include "language.h"
#include "page_buffer.h"
#include "spread_file.h"

namespace {
std::string g_result;
}

using namespace baralune;
using namespace baralune::web;

extern "C" {

// Reads the spread file in the buffer: {"refusal":"" or why, in `language`,"file":the spread
// written out again, as the page keeps it}.
EMSCRIPTEN_KEEPALIVE const char* baralune_spread_read(const char* language) {
  const Language lang = LanguageFromCode(language ? language : "").value_or(Language::English);
  const interchange::SpreadFileResult read = interchange::ReadSpreadFile(PageBuffer());
  PageBuffer().clear();
  PageBuffer().shrink_to_fit();
  g_result = "{\"refusal\":";
  AppendJsonString(g_result,
                   read.spread ? std::string() : interchange::DescribeRefusal(read, lang));
  g_result += ",\"file\":";
  AppendJsonString(g_result, read.spread ? interchange::WriteSpreadFile(*read.spread) : "");
  g_result += '}';
  return g_result.c_str();
}

}  // extern "C"

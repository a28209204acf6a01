// Reads arbitrary bytes as RTF. Reading must never crash; a document that was read must be
// written and read back to the very same document and text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_target.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const richtext::RtfReadResult first = richtext::ReadRtf(input);
  if (!first.document) {
    Require(!first.error.empty());
    return 0;
  }
  const richtext::Document& doc = *first.document;
  Require(doc.IsConsistent());
  const std::string written = richtext::WriteRtf(doc);

  // Once written, the document is a fixed point, whether its pictures are shared or not.
  for (const richtext::Document* previous :
       {&doc, static_cast<const richtext::Document*>(nullptr)}) {
    const richtext::RtfReadResult again = richtext::ReadRtf(written, previous);
    Require(again.document.has_value());
    Require(richtext::SameContent(*again.document, doc));
    Require(richtext::WriteRtf(*again.document) == written);
  }
  return 0;
}

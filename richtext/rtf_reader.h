#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "document.h"

namespace richtext {

struct RtfReadResult {
  std::optional<Document> document;  // set on success
  std::string error;                 // set on failure: what went wrong and at which byte
};

// Reads RTF as our writer and other common writers produce it. Never crashes or hangs on
// malformed input; such input yields an error instead of a document.
// A picture group identical byte for byte to one of `previous`'s pictures shares that
// picture instead of being decoded again, which keeps re-reading a report cheap.
// `storage` lends its buffers to the new document, so that reading a document again and
// again need not allocate.
RtfReadResult ReadRtf(std::string_view rtf, const Document* previous = nullptr,
                      Document storage = {});

}  // namespace richtext

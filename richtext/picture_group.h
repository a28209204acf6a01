#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "picture.h"

namespace richtext {

// What the control words of an RTF picture group say about it.
struct PictureGroupInfo {
  std::string_view kind;  // "wmetafile", "pngblip", "emfblip", ...; empty if none named
  int kindParam = 0;      // e.g. the 8 of \wmetafile8
  int width = 0;          // \picw
  int height = 0;         // \pich
  int goalWidthTwips = 0;
  int goalHeightTwips = 0;
  std::size_t hexDigits = 0;  // hex digits of picture data
  std::string_view binary;    // \bin data, when the group holds its data that way
};

// Reads one picture group, "{\pict ... }" with its braces, checking that its data is whole
// hex bytes. Returns null and sets `error` on bad data; `baseOffset` is the group's offset in
// its document, for the byte offsets in errors.
std::shared_ptr<EmbeddedPicture> DecodePictureGroup(std::string_view group, std::string* error,
                                                    std::size_t baseOffset = 0);

// The bitmap for a checked picture group, or null when none can be made. The one place where
// a metafile decoder plugs in (picture_bitmap.cpp); `group` is the whole group as given to
// DecodePictureGroup.
std::shared_ptr<const Picture> DecodePictureBitmap(const PictureGroupInfo& info,
                                                   std::string_view group);

// The data bytes of a picture group: its top-level hex digits (white space skipped) or its
// \bin data. For use by bitmap decoders; expects a group DecodePictureGroup accepted.
std::vector<std::uint8_t> PictureGroupData(std::string_view group);

}  // namespace richtext

#include "metafile_writer.h"

#include <cstddef>
#include <cstdint>
#include <utility>

#include "little_endian.h"
#include "metafile_records.h"

namespace richtext {
namespace {

// Records drawing calls into an in-memory metafile, one function per record. Each record
// writes its header first with the size left open; EndRecord fills the size in, and Finish
// fills in the file header's size and largest record.
class MetafileRecorder {
 public:
  explicit MetafileRecorder(std::size_t expectedBytes) {
    out_.Reserve(expectedBytes);
    out_.U16(wmf::kMemoryMetafile);
    out_.U16(wmf::kHeaderWords);
    out_.U16(wmf::kVersionWithDib);
    out_.U32(0);  // file size in words, set by Finish
    out_.U16(0);  // no GDI objects are created
    out_.U32(0);  // largest record in words, set by Finish
    out_.U16(0);  // members, always 0
  }

  void SetMapMode(std::int16_t mode) {
    const std::size_t record = BeginRecord(wmf::kSetMapMode);
    out_.I16(mode);
    EndRecord(record);
  }

  void SetWindowOrg(std::int16_t x, std::int16_t y) {
    const std::size_t record = BeginRecord(wmf::kSetWindowOrg);
    out_.I16(y);
    out_.I16(x);
    EndRecord(record);
  }

  void SetWindowExt(std::int16_t width, std::int16_t height) {
    const std::size_t record = BeginRecord(wmf::kSetWindowExt);
    out_.I16(height);
    out_.I16(width);
    EndRecord(record);
  }

  void SaveDc() { EndRecord(BeginRecord(wmf::kSaveDc)); }

  void RestoreDc(std::int16_t level) {
    const std::size_t record = BeginRecord(wmf::kRestoreDc);
    out_.I16(level);
    EndRecord(record);
  }

  // Copies the whole picture to (0, 0) with SRCCOPY, carrying it as a 24-bit packed DIB.
  void DibBitBlt(const Picture& picture) {
    const auto width = static_cast<std::int16_t>(picture.width);
    const auto height = static_cast<std::int16_t>(picture.height);
    const std::size_t record = BeginRecord(wmf::kDibBitBlt);
    out_.U32(wmf::kSrcCopy);
    out_.I16(0);  // source y
    out_.I16(0);  // source x
    out_.I16(height);
    out_.I16(width);
    out_.I16(0);  // destination y
    out_.I16(0);  // destination x
    WritePackedDib(picture);
    EndRecord(record);
  }

  std::vector<std::uint8_t> Finish() && {
    EndRecord(BeginRecord(wmf::kEof));
    out_.PatchU32(6, static_cast<std::uint32_t>(out_.size() / 2));
    out_.PatchU32(12, largestRecordWords_);
    return std::move(out_).Take();
  }

 private:
  std::size_t BeginRecord(std::uint16_t function) {
    const std::size_t start = out_.size();
    out_.U32(0);
    out_.U16(function);
    return start;
  }

  void EndRecord(std::size_t start) {
    const auto words = static_cast<std::uint32_t>((out_.size() - start) / 2);
    out_.PatchU32(start, words);
    if (words > largestRecordWords_) largestRecordWords_ = words;
  }

  void WritePackedDib(const Picture& picture) {
    const auto width = static_cast<std::size_t>(picture.width);
    const auto height = static_cast<std::size_t>(picture.height);
    const std::size_t stride = wmf::DibStride(width, 24);
    out_.U32(wmf::kBitmapInfoHeaderBytes);
    out_.I32(picture.width);
    out_.I32(picture.height);  // positive: rows bottom-up
    out_.U16(1);               // planes
    out_.U16(24);              // bits per pixel
    out_.U32(wmf::kBiRgb);
    out_.U32(static_cast<std::uint32_t>(stride * height));
    out_.I32(0);  // x pixels per metre
    out_.I32(0);  // y pixels per metre
    out_.U32(0);  // colours used
    out_.U32(0);  // colours important

    std::uint8_t* row = out_.Grow(stride * height);  // zeroed, so padding stays 0
    for (std::size_t y = height; y-- > 0; row += stride) {
      const std::uint8_t* source = picture.rgb.data() + y * width * 3;
      for (std::size_t x = 0; x < width; ++x, source += 3) {
        row[x * 3] = source[2];
        row[x * 3 + 1] = source[1];
        row[x * 3 + 2] = source[0];
      }
    }
  }

  LittleEndianWriter out_;
  std::uint32_t largestRecordWords_ = 0;
};

bool IsRecordable(const Picture& picture) {
  return picture.width > 0 && picture.height > 0 && picture.width <= wmf::kMaxBitmapSide &&
         picture.height <= wmf::kMaxBitmapSide &&
         picture.rgb.size() ==
             static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 3;
}

}  // namespace

std::vector<std::uint8_t> RecordBitmapMetafile(const Picture& picture) {
  if (!IsRecordable(picture)) return {};
  const std::size_t dibBytes =
      wmf::kBitmapInfoHeaderBytes + wmf::DibStride(static_cast<std::size_t>(picture.width), 24) *
                                        static_cast<std::size_t>(picture.height);
  // Header, six small records and the transfer's own parameters come to well under 128 bytes.
  MetafileRecorder recorder(dibBytes + 128);
  recorder.SetMapMode(wmf::kAnisotropic);
  recorder.SetWindowOrg(0, 0);
  recorder.SetWindowExt(static_cast<std::int16_t>(picture.width),
                        static_cast<std::int16_t>(picture.height));
  recorder.SaveDc();
  recorder.DibBitBlt(picture);
  recorder.RestoreDc(-1);
  return std::move(recorder).Finish();
}

}  // namespace richtext

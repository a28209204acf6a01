#pragma once
#include <cstdint>
#include <string>

#include "picture.h"
#include "rich_text_box.h"

namespace richtext {

// Twips per screen pixel, horizontally and vertically: 15 at 96 dots per inch, and where there
// is no screen.
struct ScreenTwips {
  int x = 15;
  int y = 15;
};

// The RTF picture group of a bitmap: "{\pict\wmetafile8\picwW\pichH\picwgoalGW\pichgoalGH "
// then the metafile's bytes as lower-case hex, 39 bytes (78 digits) a line, each line
// preceded by CR LF, then CR LF and "}". Empty when the picture cannot be recorded as a
// metafile (see RecordBitmapMetafile) or its goal size would not be shown (a side of 0 or
// above kMaxPictureDisplayTwips).
std::string PictureToRtf(const Picture& picture, ScreenTwips twips = {});

// Inserts the picture at the caret of the box, working through the box's text and RTF only.
// Afterwards the caret stands just behind the picture (and behind any text that was
// selected, which stays after the picture) with an empty selection.
// Two marker characters, U+009D and U+0081, stand for the picture and the caret on the way.
// Returns false, leaving the box untouched, when the picture cannot be recorded, when the box
// already holds either marker (as text or as an escape in a picture group) or when a picture
// is selected. Returns false too when the box refuses the RTF; the box then holds no marker
// and no picture, and the selected text is selected again.
bool InsertPicture(RichTextBox& box, const Picture& picture, ScreenTwips twips = {});

}  // namespace richtext

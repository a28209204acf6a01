#include "rtf_control_words.h"

#include <algorithm>
#include <array>

namespace richtext {
namespace {

using A = RtfAction;

// Sorted by name for binary search.
constexpr std::array kControlWords = {
    RtfControlWord{"aftncn", A::SkipGroup, 0},
    RtfControlWord{"aftnsep", A::SkipGroup, 0},
    RtfControlWord{"aftnsepc", A::SkipGroup, 0},
    RtfControlWord{"annotation", A::SkipGroup, 0},
    RtfControlWord{"atnauthor", A::SkipGroup, 0},
    RtfControlWord{"atnid", A::SkipGroup, 0},
    RtfControlWord{"author", A::SkipGroup, 0},
    RtfControlWord{"b", A::Bold, 0},
    RtfControlWord{"background", A::SkipGroup, 0},
    RtfControlWord{"bkmkend", A::SkipGroup, 0},
    RtfControlWord{"bkmkstart", A::SkipGroup, 0},
    RtfControlWord{"blue", A::Blue, 0},
    RtfControlWord{"bullet", A::Character, U'\u2022'},
    RtfControlWord{"cell", A::Character, U'\t'},
    RtfControlWord{"cf", A::Color, 0},
    RtfControlWord{"colorschememapping", A::SkipGroup, 0},
    RtfControlWord{"colortbl", A::ColorTable, 0},
    RtfControlWord{"comment", A::SkipGroup, 0},
    RtfControlWord{"company", A::SkipGroup, 0},
    RtfControlWord{"datastore", A::SkipGroup, 0},
    RtfControlWord{"docvar", A::SkipGroup, 0},
    RtfControlWord{"emdash", A::Character, U'\u2014'},
    RtfControlWord{"emspace", A::Character, U'\u2003'},
    RtfControlWord{"endash", A::Character, U'\u2013'},
    RtfControlWord{"enspace", A::Character, U'\u2002'},
    RtfControlWord{"filetbl", A::SkipGroup, 0},
    RtfControlWord{"fldinst", A::SkipGroup, 0},
    RtfControlWord{"fonttbl", A::SkipGroup, 0},
    RtfControlWord{"footer", A::SkipGroup, 0},
    RtfControlWord{"footerf", A::SkipGroup, 0},
    RtfControlWord{"footerl", A::SkipGroup, 0},
    RtfControlWord{"footerr", A::SkipGroup, 0},
    RtfControlWord{"footnote", A::SkipGroup, 0},
    RtfControlWord{"ftncn", A::SkipGroup, 0},
    RtfControlWord{"ftnsep", A::SkipGroup, 0},
    RtfControlWord{"ftnsepc", A::SkipGroup, 0},
    RtfControlWord{"generator", A::SkipGroup, 0},
    RtfControlWord{"green", A::Green, 0},
    RtfControlWord{"header", A::SkipGroup, 0},
    RtfControlWord{"headerf", A::SkipGroup, 0},
    RtfControlWord{"headerl", A::SkipGroup, 0},
    RtfControlWord{"headerr", A::SkipGroup, 0},
    RtfControlWord{"info", A::SkipGroup, 0},
    RtfControlWord{"keywords", A::SkipGroup, 0},
    RtfControlWord{"latentstyles", A::SkipGroup, 0},
    RtfControlWord{"ldblquote", A::Character, U'\u201C'},
    RtfControlWord{"line", A::Break, 0},
    RtfControlWord{"listoverridetable", A::SkipGroup, 0},
    RtfControlWord{"listpicture", A::SkipGroup, 0},
    RtfControlWord{"listtable", A::SkipGroup, 0},
    RtfControlWord{"lquote", A::Character, U'\u2018'},
    RtfControlWord{"ltrmark", A::Character, U'\u200E'},
    RtfControlWord{"mmathPr", A::SkipGroup, 0},
    RtfControlWord{"nonshppict", A::SkipGroup, 0},
    RtfControlWord{"objclass", A::SkipGroup, 0},
    RtfControlWord{"objdata", A::SkipGroup, 0},
    RtfControlWord{"objname", A::SkipGroup, 0},
    RtfControlWord{"operator", A::SkipGroup, 0},
    RtfControlWord{"page", A::Break, 0},
    RtfControlWord{"par", A::Break, 0},
    RtfControlWord{"pard", A::ParagraphReset, 0},
    RtfControlWord{"pgdsctbl", A::SkipGroup, 0},
    RtfControlWord{"pict", A::Picture, 0},
    RtfControlWord{"plain", A::Plain, 0},
    RtfControlWord{"pn", A::SkipGroup, 0},
    RtfControlWord{"pnseclvl", A::SkipGroup, 0},
    RtfControlWord{"private", A::SkipGroup, 0},
    RtfControlWord{"qc", A::AlignCenter, 0},
    RtfControlWord{"qd", A::AlignLeft, 0},
    RtfControlWord{"qj", A::AlignLeft, 0},
    RtfControlWord{"ql", A::AlignLeft, 0},
    RtfControlWord{"qmspace", A::Character, U'\u2005'},
    RtfControlWord{"qr", A::AlignRight, 0},
    RtfControlWord{"rdblquote", A::Character, U'\u201D'},
    RtfControlWord{"red", A::Red, 0},
    RtfControlWord{"revtbl", A::SkipGroup, 0},
    RtfControlWord{"row", A::Break, 0},
    RtfControlWord{"rquote", A::Character, U'\u2019'},
    RtfControlWord{"rsidtbl", A::SkipGroup, 0},
    RtfControlWord{"rtlmark", A::Character, U'\u200F'},
    RtfControlWord{"sect", A::Break, 0},
    RtfControlWord{"shpinst", A::SkipGroup, 0},
    RtfControlWord{"shppict", A::ShapePicture, 0},
    RtfControlWord{"stylesheet", A::SkipGroup, 0},
    RtfControlWord{"subject", A::SkipGroup, 0},
    RtfControlWord{"tab", A::Character, U'\t'},
    RtfControlWord{"tc", A::SkipGroup, 0},
    RtfControlWord{"template", A::SkipGroup, 0},
    RtfControlWord{"themedata", A::SkipGroup, 0},
    RtfControlWord{"title", A::SkipGroup, 0},
    RtfControlWord{"txe", A::SkipGroup, 0},
    RtfControlWord{"u", A::Unicode, 0},
    RtfControlWord{"uc", A::UnicodeSkip, 0},
    RtfControlWord{"ul", A::Underline, 0},
    RtfControlWord{"uld", A::Underline, 0},
    RtfControlWord{"uldash", A::Underline, 0},
    RtfControlWord{"uldashd", A::Underline, 0},
    RtfControlWord{"uldashdd", A::Underline, 0},
    RtfControlWord{"uldb", A::Underline, 0},
    RtfControlWord{"ulhwave", A::Underline, 0},
    RtfControlWord{"ulldash", A::Underline, 0},
    RtfControlWord{"ulnone", A::UnderlineNone, 0},
    RtfControlWord{"ulth", A::Underline, 0},
    RtfControlWord{"ulthd", A::Underline, 0},
    RtfControlWord{"ulthdash", A::Underline, 0},
    RtfControlWord{"ulthdashd", A::Underline, 0},
    RtfControlWord{"ulthdashdd", A::Underline, 0},
    RtfControlWord{"ulthldash", A::Underline, 0},
    RtfControlWord{"ululdbwave", A::Underline, 0},
    RtfControlWord{"ulw", A::Underline, 0},
    RtfControlWord{"ulwave", A::Underline, 0},
    RtfControlWord{"userprops", A::SkipGroup, 0},
    RtfControlWord{"wgrffmtfilter", A::SkipGroup, 0},
    RtfControlWord{"xe", A::SkipGroup, 0},
    RtfControlWord{"xmlnstbl", A::SkipGroup, 0},
    RtfControlWord{"zwj", A::Character, U'\u200D'},
    RtfControlWord{"zwnj", A::Character, U'\u200C'},
};

constexpr bool ByName(const RtfControlWord& a, const RtfControlWord& b) {
  return a.name < b.name;
}
static_assert(std::is_sorted(kControlWords.begin(), kControlWords.end(), ByName));

}  // namespace

RtfControlWord LookUpControlWord(std::string_view name) {
  const RtfControlWord key{name, RtfAction::None, 0};
  const auto it = std::lower_bound(kControlWords.begin(), kControlWords.end(), key, ByName);
  if (it != kControlWords.end() && it->name == name) return *it;
  return key;
}

}  // namespace richtext

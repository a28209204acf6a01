// Inserting pictures into the report box through its text and RTF, as the report does.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "picture_embedding.h"

namespace richtext {
namespace {

const std::string kPictureUtf8 = "\xEF\xBF\xBC";  // U+FFFC, how the box's text shows a picture

Picture Card(int seed) {
  std::vector<std::uint8_t> rgb(40 * 50 * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * seed + i / 7);
  return Picture::FromRgb(40, 50, std::move(rgb));
}

// Each picture of the document has exactly the group and the bitmap of `expected`, in order.
void ExpectPictures(const RichTextBox& box, const std::vector<Picture>& expected) {
  const auto& pictures = box.document().pictures;
  ASSERT_EQ(pictures.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(pictures[i]->rtfGroup, PictureToRtf(expected[i])) << i;
    ASSERT_TRUE(pictures[i]->bitmap) << i;
    EXPECT_EQ(pictures[i]->bitmap->rgb, expected[i].rgb) << i;
    EXPECT_EQ(pictures[i]->goalWidthTwips, 600);
  }
  EXPECT_TRUE(box.document().IsConsistent());
  const std::string rtf = box.TextRTF();
  EXPECT_EQ(rtf.find("\\'9d"), std::string::npos);
  EXPECT_EQ(rtf.find("\\'81"), std::string::npos);
}

TEST(PictureEmbedding, IntoAnEmptyBoxThePictureIsTheOnlyCharacter) {
  RichTextBox box;
  box.SetText("");
  ASSERT_TRUE(InsertPicture(box, Card(1)));
  EXPECT_EQ(box.Text(), kPictureUtf8);
  EXPECT_EQ(box.SelStart(), 1u);
  EXPECT_EQ(box.SelLength(), 0u);
  ExpectPictures(box, {Card(1)});
}

TEST(PictureEmbedding, AppendedTextFollowsThePictureWithTheAttributesInForce) {
  const Rgb teal{0, 128, 128};
  RichTextBox box;
  box.SetText("Header");
  box.SetSelStart(box.Length());
  box.SetSelColor(teal);
  box.SetSelBold(true);
  box.SetSelText("\nPosition 1: ");
  ASSERT_TRUE(InsertPicture(box, Card(2)));
  EXPECT_EQ(box.SelStart(), box.Length());
  box.SetSelText("Ace");
  EXPECT_EQ(box.Text(), "Header\nPosition 1: " + kPictureUtf8 + "Ace");
  const CharFormat expected{teal, true, false};
  EXPECT_EQ(box.document().formats.back(), expected);
  ExpectPictures(box, {Card(2)});
}

TEST(PictureEmbedding, SelectedTextStaysBehindThePicture) {
  RichTextBox box;
  box.SetText("abcXYZdef");
  box.SetSelStart(3);
  box.SetSelLength(3);
  ASSERT_TRUE(InsertPicture(box, Card(3)));
  EXPECT_EQ(box.Text(), "abc" + kPictureUtf8 + "XYZdef");
  EXPECT_EQ(box.SelStart(), 7u);
  EXPECT_EQ(box.SelLength(), 0u);
  // A selection ending in a tab: the tab's control word must not swallow what follows.
  box.SetText("a\t9b");
  box.SetSelStart(0);
  box.SetSelLength(2);
  ASSERT_TRUE(InsertPicture(box, Card(4)));
  EXPECT_EQ(box.Text(), kPictureUtf8 + "a\t9b");
}

TEST(PictureEmbedding, EarlierPicturesAreKeptAndTheReportSurvivesExportAndImport) {
  RichTextBox box;
  box.SetText("");
  std::vector<Picture> inserted;
  for (int i = 1; i <= 6; ++i) {
    inserted.push_back(Card(i));
    ASSERT_TRUE(InsertPicture(box, inserted.back()));
    if (i % 3 != 2) box.SetSelText("Card " + std::to_string(i) + "\n");  // two in a row too
  }
  ExpectPictures(box, inserted);
  EXPECT_EQ(box.Find("Card 6"), static_cast<std::ptrdiff_t>(box.Length() - 7));

  RichTextBox reopened;
  ASSERT_TRUE(reopened.SetTextRTF(box.TextRTF()));
  EXPECT_EQ(reopened.Text(), box.Text());
  ExpectPictures(reopened, inserted);
  EXPECT_EQ(reopened.TextRTF(), box.TextRTF());
}

TEST(PictureEmbedding, AFailedInsertionLeavesNoMarkerAndCreatesNoFile) {
  const auto listing = [] {
    std::set<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(".")) names.insert(entry.path());
    return names;
  };
  const std::set<std::filesystem::path> before = listing();
  RichTextBox box;
  box.SetText("keep me");
  box.SetSelStart(5);
  box.SetSelLength(2);
  EXPECT_FALSE(InsertPicture(box, Picture{}));                    // cannot be recorded
  EXPECT_FALSE(InsertPicture(box, Card(1), {INT_MAX, INT_MAX}));  // too large to show
  EXPECT_EQ(box.Text(), "keep me");
  EXPECT_EQ(box.SelStart(), 5u);
  EXPECT_EQ(box.SelLength(), 2u);
  EXPECT_TRUE(box.document().pictures.empty());

  box.SetSelStart(box.Length());
  box.SetSelBold(true);  // in force for the next text, on no character yet
  EXPECT_FALSE(InsertPicture(box, Card(1), {INT_MAX, INT_MAX}));
  EXPECT_EQ(box.Text(), "keep me");
  EXPECT_TRUE(box.InsertionFormat().bold);
  ASSERT_TRUE(InsertPicture(box, Card(1)));
  EXPECT_EQ(listing(), before);
}

// The markers must be the only ones in the box's RTF and no picture may be retyped as text;
// otherwise nothing is inserted and the box stays exactly as it was.
TEST(PictureEmbedding, ABoxHoldingAMarkerOrASelectedPictureIsLeftAlone) {
  RichTextBox box;
  const auto expectRefused = [&box](const char* what) {
    const std::string rtf = box.TextRTF();
    const auto selection = std::pair(box.SelStart(), box.SelLength());
    const auto revision = box.Revision();
    EXPECT_FALSE(InsertPicture(box, Card(1))) << what;
    EXPECT_EQ(box.TextRTF(), rtf) << what;
    EXPECT_EQ(std::pair(box.SelStart(), box.SelLength()), selection) << what;
    EXPECT_EQ(box.Revision(), revision) << what;
  };
  box.SetText("a\u0081b");
  expectRefused("end marker");
  box.SetText("a\u009Db");
  box.SetSelStart(1);
  expectRefused("start marker");
  // A foreign picture group may hold an escape of its own that reads like a marker.
  ASSERT_TRUE(box.SetTextRTF("{\\rtf1 x{\\pict\\pngblip{\\*\\blipuid \\'9d}00}y}"));
  expectRefused("marker escape in a picture");
  ASSERT_TRUE(box.SetTextRTF("{\\rtf1 x{\\pict\\pngblip 00}y}"));
  box.SetSelLength(2);
  expectRefused("selected picture");
}

}  // namespace
}  // namespace richtext

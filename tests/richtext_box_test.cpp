#include <gtest/gtest.h>

#include "rich_text_box.h"
#include "richtext_test_helpers.h"

namespace richtext {
namespace {

constexpr Rgb kMaroon{128, 0, 0};
constexpr Rgb kNavy{0, 0, 128};

// Appends as the report writer does: attributes on the empty selection, then text.
void Append(RichTextBox& box, std::string_view text) {
  box.SetSelText(box.SelText() + std::string(text));
}

TEST(RichTextBox, AppendingKeepsAttributesUntilChanged) {
  RichTextBox box;
  box.SetSelColor(kMaroon);
  box.SetSelBold(true);
  Append(box, "Title");
  Append(box, "\n");
  box.SetSelBold(false);
  box.SetSelUnderline(true);
  Append(box, "ab");
  box.SetSelColor(kNavy);
  Append(box, "c");

  EXPECT_EQ(box.Text(), "Title\nabc");
  EXPECT_EQ(box.SelStart(), 9u);
  EXPECT_EQ(box.SelLength(), 0u);
  const auto& formats = box.document().formats;
  EXPECT_EQ(formats[0], (CharFormat{kMaroon, true, false}));
  EXPECT_EQ(formats[5], (CharFormat{kMaroon, true, false}));  // the break takes the format too
  EXPECT_EQ(formats[6], (CharFormat{kMaroon, false, true}));
  EXPECT_EQ(formats[8], (CharFormat{kNavy, false, true}));
  EXPECT_TRUE(box.document().IsConsistent());
}

TEST(RichTextBox, LineEndsBecomeOneParagraphBreakEach) {
  RichTextBox box;
  Append(box, "a\r\nb\rc\nd\x01\te");
  EXPECT_EQ(box.Text(), "a\nb\nc\nd\te");
  EXPECT_EQ(box.document().paragraphs.size(), 4u);
}

TEST(RichTextBox, AlignmentBelongsToTheCaretParagraphAndSurvivesBreaks) {
  RichTextBox box;
  Append(box, "left\n");
  box.SetSelAlignment(Alignment::Center);
  Append(box, "centred\nstill centred");
  box.SetSelAlignment(Alignment::Right);
  Append(box, "\nright");
  const std::vector<Alignment> expected = {Alignment::Left, Alignment::Center, Alignment::Right,
                                           Alignment::Right};
  EXPECT_EQ(box.document().paragraphs, expected);

  // Splitting a paragraph in the middle gives both halves its alignment.
  box.SetSelStart(10);  // inside "centred"
  Append(box, "\n");
  EXPECT_EQ(box.document().paragraphs[1], Alignment::Center);
  EXPECT_EQ(box.document().paragraphs[2], Alignment::Center);
  EXPECT_TRUE(box.document().IsConsistent());
}

TEST(RichTextBox, SelectionAlignmentCoversEveryTouchedParagraph) {
  RichTextBox box;
  Append(box, "one\ntwo\nthree");
  box.SetSelStart(2);
  box.SetSelLength(5);  // "e\ntwo" ends inside the second paragraph
  box.SetSelAlignment(Alignment::Right);
  const std::vector<Alignment> expected = {Alignment::Right, Alignment::Right, Alignment::Left};
  EXPECT_EQ(box.document().paragraphs, expected);
}

TEST(RichTextBox, SetSelStartTakesTheFormatOfThePreviousCharacter) {
  RichTextBox box;
  box.SetSelBold(true);
  Append(box, "B");
  box.SetSelBold(false);
  box.SetSelColor(kNavy);
  Append(box, "n");

  box.SetSelStart(1);
  EXPECT_EQ(box.InsertionFormat(), (CharFormat{{}, true, false}));
  box.SetSelStart(2);
  EXPECT_EQ(box.InsertionFormat(), (CharFormat{kNavy, false, false}));
  box.SetSelStart(0);  // at the start: the first character's format
  EXPECT_EQ(box.InsertionFormat(), (CharFormat{{}, true, false}));
  box.SetSelStart(99);  // clamped
  EXPECT_EQ(box.SelStart(), 2u);

  RichTextBox empty;
  empty.SetSelUnderline(true);
  empty.SetSelStart(0);  // nothing to take it from: unchanged
  EXPECT_TRUE(empty.InsertionFormat().underline);
}

TEST(RichTextBox, ReplacingASelectionMergesParagraphsAndDropsPictures) {
  RichTextBox box;
  Append(box, "ab\n");
  ASSERT_TRUE(testing::EmbedPictureWithMarkers(box, testing::MakePictureGroup(1)));
  box.SetSelAlignment(Alignment::Center);
  Append(box, "cd\nef");
  box.SetSelStart(1);
  box.SetSelLength(5);  // "b\n<pic>cd"
  EXPECT_EQ(box.SelText(),
            "b\n\uFFFC"
            "cd");
  box.SetSelText("X");
  EXPECT_EQ(box.Text(), "aX\nef");
  EXPECT_TRUE(box.document().pictures.empty());
  EXPECT_EQ(box.document().paragraphs.size(), 2u);
  EXPECT_TRUE(box.document().IsConsistent());
}

TEST(RichTextBox, SetTextReplacesEverythingAndEmptyClears) {
  RichTextBox box;
  box.SetSelBold(true);
  box.SetSelAlignment(Alignment::Center);
  Append(box, "x\ny");
  box.SetText("plain\ntext");
  EXPECT_EQ(box.Text(), "plain\ntext");
  EXPECT_EQ(box.SelStart(), 10u);
  EXPECT_EQ(box.document().formats[0], CharFormat{});

  box.SetText("");
  EXPECT_EQ(box.Length(), 0u);
  EXPECT_EQ(box.SelStart(), 0u);
  EXPECT_EQ(box.InsertionFormat(), CharFormat{});
  EXPECT_EQ(box.document().paragraphs, std::vector<Alignment>{Alignment::Left});
}

TEST(RichTextBox, FindCountsPicturesAndBreaksAsOneCharacter) {
  RichTextBox box;
  Append(box, "a\n");
  ASSERT_TRUE(testing::EmbedPictureWithMarkers(box, testing::MakePictureGroup(2)));
  Append(box, "\u00e9t\u00e9 x");
  EXPECT_EQ(box.Find("\u00e9t\u00e9"), 3);
  EXPECT_EQ(box.Find("\r\n"), 1);
  EXPECT_EQ(box.Find("\uFFFC"), 2);
  EXPECT_EQ(box.Find("zz"), -1);
}

TEST(RichTextBox, RevisionMovesOnEveryContentChangeOnly) {
  RichTextBox box;
  auto revision = box.Revision();
  const auto changed = [&] {
    const bool moved = box.Revision() > revision;
    revision = box.Revision();
    return moved;
  };
  Append(box, "abc");
  EXPECT_TRUE(changed());
  box.SetSelBold(true);  // empty selection: only the insertion format
  EXPECT_FALSE(changed());
  box.SetSelStart(0);
  box.SetSelLength(2);
  box.SetSelBold(true);
  EXPECT_TRUE(changed());
  box.SetSelAlignment(Alignment::Right);
  EXPECT_TRUE(changed());
  ASSERT_TRUE(box.SetTextRTF(box.TextRTF()));
  EXPECT_TRUE(changed());
  EXPECT_FALSE(box.SetTextRTF("garbage"));
  EXPECT_FALSE(changed());
}

TEST(RichTextBox, SetTextRtfPutsTheCaretAtTheStart) {
  RichTextBox box;
  box.SetSelUnderline(true);
  Append(box, "u");
  box.SetSelUnderline(false);
  Append(box, "p");
  ASSERT_TRUE(box.SetTextRTF(box.TextRTF()));
  EXPECT_EQ(box.SelStart(), 0u);
  EXPECT_EQ(box.SelLength(), 0u);
  EXPECT_TRUE(box.InsertionFormat().underline);
}

}  // namespace
}  // namespace richtext

#include "report_text_document.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace richtext {

namespace {

constexpr int kTwipsPerPixel = 15;
// A paragraph of at least this many underlined spaces is the report's rule.
constexpr std::size_t kRuleMinimumSpaces = 16;
const QString kPictureScheme = QStringLiteral("report-picture");

QColor ToColor(Rgb c) {
  return {c.r, c.g, c.b};
}

Qt::Alignment ToAlignment(Alignment a) {
  switch (a) {
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

QImage ToImage(const EmbeddedPicture& picture) {
  if (picture.bitmap && picture.bitmap->width > 0 && picture.bitmap->height > 0 &&
      picture.bitmap->rgb.size() >=
          static_cast<std::size_t>(picture.bitmap->width) * picture.bitmap->height * 3) {
    const Picture& p = *picture.bitmap;
    QImage image(p.width, p.height, QImage::Format_RGB888);
    for (int y = 0; y < p.height; ++y) {
      std::copy_n(p.rgb.data() + static_cast<std::size_t>(y) * p.width * 3, p.width * 3,
                  image.scanLine(y));
    }
    return image;
  }
  // A picture we cannot decode keeps its place as a pale box: one pixel, stretched to the
  // picture's display size when drawn.
  QImage blank(1, 1, QImage::Format_RGB888);
  blank.fill(QColor(230, 230, 230));
  return blank;
}

bool IsRuleParagraph(const Document& doc, std::size_t first, std::size_t end) {
  if (end - first < kRuleMinimumSpaces) return false;
  for (std::size_t i = first; i < end; ++i) {
    if (doc.chars[i] != U' ' || !doc.formats[i].underline) return false;
  }
  return true;
}

}  // namespace

QTextCharFormat ReportCharFormat(const CharFormat& f) {
  QTextCharFormat format;
  format.setForeground(ToColor(f.color));
  format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  format.setFontUnderline(f.underline);
  return format;
}

std::vector<int> FillTextDocument(const Document& shown, QTextDocument& target,
                                  const SharperPicture& sharper) {
  QTextDocument* qdoc = &target;
  qdoc->clear();
  std::vector<int> viewPositions(shown.size() + 1, 0);

  QTextCursor cursor(qdoc);
  cursor.beginEditBlock();
  std::size_t paragraph = 0;
  std::size_t paragraphStart = 0;
  auto blockFormatFor = [&](std::size_t first) {
    QTextBlockFormat block;
    const Alignment a =
        paragraph < shown.paragraphs.size() ? shown.paragraphs[paragraph] : Alignment::Left;
    block.setAlignment(ToAlignment(a));
    std::size_t end = first;
    while (end < shown.size() && shown.chars[end] != Document::kParagraphBreak) ++end;
    if (IsRuleParagraph(shown, first, end)) {
      block.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                        QTextLength(QTextLength::PercentageLength, 100));
    }
    return std::pair{block, IsRuleParagraph(shown, first, end)};
  };
  auto [firstBlock, firstIsRule] = blockFormatFor(0);
  cursor.setBlockFormat(firstBlock);
  bool inRule = firstIsRule;

  std::size_t pictureIndex = 0;
  int viewPos = 0;
  std::size_t i = 0;
  while (i < shown.size()) {
    const char32_t c = shown.chars[i];
    if (c == Document::kParagraphBreak) {
      viewPositions[i] = viewPos;
      ++paragraph;
      paragraphStart = i + 1;
      auto [block, isRule] = blockFormatFor(paragraphStart);
      cursor.insertBlock(block, ReportCharFormat(shown.formats[i]));
      inRule = isRule;
      ++viewPos;
      ++i;
      continue;
    }
    if (c == Document::kPictureChar) {
      viewPositions[i] = viewPos;
      QTextImageFormat image;
      const EmbeddedPicture* pic =
          pictureIndex < shown.pictures.size() ? shown.pictures[pictureIndex].get() : nullptr;
      const std::optional<TwipsSize> twips =
          pic ? PictureDisplayTwips(*pic, kTwipsPerPixel) : std::nullopt;
      if (twips) {
        const QString name = kPictureScheme + QStringLiteral("://") + QString::number(pictureIndex);
        const QImage sharp = sharper ? sharper(*pic) : QImage();
        qdoc->addResource(QTextDocument::ImageResource, QUrl(name),
                          sharp.isNull() ? ToImage(*pic) : sharp);
        image.setName(name);
        image.setWidth((twips->width + 7) / kTwipsPerPixel);
        image.setHeight((twips->height + 7) / kTwipsPerPixel);
      } else if (pic) {
        // Too large (or of no size) to show: the picture keeps only its place in the text.
        image.setWidth(0);
        image.setHeight(0);
      }
      cursor.insertImage(image);
      ++pictureIndex;
      ++viewPos;
      ++i;
      continue;
    }
    // A run of ordinary characters with one format.
    const CharFormat& format = shown.formats[i];
    std::size_t end = i;
    while (end < shown.size() && shown.chars[end] != Document::kParagraphBreak &&
           shown.chars[end] != Document::kPictureChar && shown.formats[end] == format) {
      ++end;
    }
    QString run;
    run.reserve(static_cast<qsizetype>(end - i));
    for (std::size_t k = i; k < end; ++k) {
      viewPositions[k] = viewPos;
      const char32_t ch = shown.chars[k];
      if (ch > 0xFFFF) {
        const char32_t one[1] = {ch};
        run += QString::fromUcs4(one, 1);
        viewPos += 2;
      } else {
        run += QChar(static_cast<char16_t>(ch));
        ++viewPos;
      }
    }
    QTextCharFormat qformat = ReportCharFormat(format);
    // The rule is drawn by the paragraph; its spaces themselves stay plain.
    if (inRule) qformat.setFontUnderline(false);
    cursor.insertText(run, qformat);
    i = end;
  }
  viewPositions[shown.size()] = viewPos;
  cursor.endEditBlock();
  return viewPositions;
}

}  // namespace richtext

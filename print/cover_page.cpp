#include "cover_page.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "card_image_list.h"
#include "catalogue.h"
#include "paper_look.h"
#include "reading_print.h"
#include "spread_shapes.h"

namespace baralune::print {

namespace {

// The double-size faces are 142 pixels wide: at 300 dots an inch a card is this wide on paper.
constexpr double kFaceDotsPerInch = 300;
constexpr double kScreenDotsPerInch = 96;
constexpr int kTwipsPerScreenPixel = 15;

QString Tr(const char* text) {
  return QCoreApplication::translate("PrintedReading", text);
}

// A face with its transparent corners on white paper: no mask to embed beside each picture.
QImage OnPaper(const QImage& face) {
  QImage paper(face.size(), QImage::Format_RGB888);
  paper.setDevicePixelRatio(face.devicePixelRatio());
  paper.fill(Qt::white);
  QPainter painter(&paper);
  painter.drawImage(QPointF(0, 0), face);
  return paper;
}

QString BirthDateText(const QLocale& locale, const QString& entered) {
  const QDate date = QDate::fromString(entered, QStringLiteral("yyyy-MM-dd"));
  // The lists allow days no month has: such a date is printed as it was picked.
  return date.isValid() ? locale.toString(date, QLocale::LongFormat) : entered;
}

QStringList DetailLines(const ReadingDetails& details, const QFontMetricsF& metrics, double width) {
  const QLocale locale;
  QStringList lines;
  if (!details.name.isEmpty()) lines << NameLine(details.name, metrics, width);
  if (!details.birthDate.isEmpty()) {
    lines << Tr(QT_TRANSLATE_NOOP("PrintedReading", "Date of birth: %1"))
                 .arg(BirthDateText(locale, details.birthDate));
  }
  if (details.dealt.isValid()) {
    lines << Tr(QT_TRANSLATE_NOOP("PrintedReading", "Date of the reading: %1 at %2"))
                 .arg(locale.toString(details.dealt.date(), QLocale::LongFormat),
                      locale.toString(details.dealt.time(), QLocale::ShortFormat));
  }
  return lines;
}

// Draws `text` centred in `box`, one line, in `font`; a longer translation runs past the box's
// ends rather than losing its own.
void Centred(QPainter& painter, const QRectF& box, const QString& text, const QFont& font) {
  painter.setFont(font);
  painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
}

// The row captions of a spread, in the reader's language.
struct Caption {
  QString text;
  int left;
  int top;
  int width;
};
std::vector<Caption> Captions(const ReadingDetails& details) {
  std::vector<Caption> captions;
  if (details.own) {
    for (const auto& row : details.own->rowCaptions) {
      captions.push_back({QString::fromStdString(row.text), row.left, row.top, row.width});
    }
  } else if (SpreadOf(details.spread).rowCaptions) {
    for (const auto& row : spread_shape::kRomanyRows) {
      captions.push_back({spread_shape::RowText(row), row.left, row.top, row.width});
    }
  }
  return captions;
}

void PaintSpread(QPainter& painter, QPointF topCentre, const ReadingDetails& details) {
  std::vector<Place> places;
  if (details.own) {
    for (const auto& position : details.own->positions) places.push_back(position.place);
  } else {
    const auto known = SpreadOf(details.spread).places;
    places.assign(known.begin(), known.end());
  }
  if (places.empty()) return;
  const std::vector<Caption> captions = Captions(details);
  int left = places.front().left;
  int right = 0;
  int top = places.front().top;
  int bottom = 0;
  for (const auto& place : places) {
    left = std::min(left, place.left);
    right = std::max(right, place.left + spread_shape::kCardWidth);
    top = std::min(top, place.top);
    bottom = std::max(bottom, place.top + spread_shape::kCardHeight);
  }
  for (const Caption& row : captions) {
    left = std::min(left, row.left);
    right = std::max(right, row.left + row.width);
    top = std::min(top, row.top);
    bottom = std::max(bottom, row.top + kRowCaptionHeight);
  }

  // Device units a twip: the card's 1065 twips are the face's pixels at 300 dots an inch.
  const double dpi = painter.device()->logicalDpiX();
  const double deviceFacePixels = static_cast<double>(spread_shape::kCardWidth) /
                                  kTwipsPerScreenPixel * 2 * dpi / kFaceDotsPerInch;
  const double scale = deviceFacePixels / spread_shape::kCardWidth;
  // Text keeps its size beside the cards, as on screen.
  const double textScale = 2 * kScreenDotsPerInch / kFaceDotsPerInch;
  const QPointF origin(topCentre.x() - (right - left) * scale / 2, topCentre.y());
  auto rect = [&](int x, int y, int w, int h) {
    return QRectF(origin.x() + (x - left) * scale, origin.y() + (y - top) * scale, w * scale,
                  h * scale);
  };

  painter.setPen(Qt::black);
  const QFont captionFont = PaperFont(12 * textScale, true);
  for (const Caption& row : captions) {
    Centred(painter, rect(row.left, row.top, row.width, kRowCaptionHeight), row.text, captionFont);
  }
  const QFont number = PaperFont(14.25 * textScale, true);
  for (std::size_t i = 0; i < places.size(); ++i) {
    const QRectF box =
        rect(places[i].left, places[i].top, spread_shape::kCardWidth, spread_shape::kCardHeight);
    if (i < details.hand.size()) {
      const CardIndex card = details.hand[i];
      painter.drawImage(box, OnPaper(CardImageList::Large().Image(card + 1, 2)));
    }
    // The number over the card's lower left corner, as in the spread display.
    const int position = static_cast<int>(i) + 1;
    painter.setPen(QColor(0, 0, 255));
    Centred(painter, rect(places[i].left, places[i].top + 1100, position >= 10 ? 420 : 210, 345),
            QString::number(position), number);
  }
}

}  // namespace

QString NameLine(const QString& name, const QFontMetricsF& metrics, double width) {
  const QString label = Tr(QT_TRANSLATE_NOOP("PrintedReading", "Name: %1"));
  // A name typed on several lines is printed on one.
  const QString flat = QString(name).replace(QLatin1Char('\n'), QLatin1Char(' '));
  const double room = width - metrics.horizontalAdvance(label.arg(QString()));
  return label.arg(metrics.elidedText(flat, Qt::ElideMiddle, std::max(room, 0.0)));
}

void PaintCoverPage(QPainter& painter, const QRectF& area, const ReadingDetails& details) {
  painter.save();
  painter.setPen(Qt::black);
  const SpreadIndex spread = std::clamp<SpreadIndex>(details.spread, 0, kSpreadCount - 1);
  double y = area.top();
  const QFont title = PaperFont(20, true);
  const double titleHeight = QFontMetricsF(title, painter.device()).height();
  Centred(painter, QRectF(area.left(), y, area.width(), titleHeight), ReadingTitle(details), title);
  y += titleHeight * 1.5;

  const QFont detail = PaperFont(11);
  const double lineHeight = QFontMetricsF(detail, painter.device()).height() * 1.3;
  const QFontMetricsF detailMetrics(detail, painter.device());
  for (const QString& line : DetailLines(details, detailMetrics, area.width())) {
    Centred(painter, QRectF(area.left(), y, area.width(), lineHeight), line, detail);
    y += lineHeight;
  }
  y += lineHeight * 2;

  ReadingDetails shown = details;
  if (!shown.own) shown.spread = spread;
  PaintSpread(painter, QPointF(area.center().x(), y), shown);
  painter.restore();
}

}  // namespace baralune::print

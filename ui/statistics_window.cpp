#include "statistics_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "catalogue.h"
#include "language_choice.h"
#include "look.h"
#include "own_cards_picker.h"
#include "save_file.h"
#include "seams.h"

namespace baralune {

namespace {

QString SuitName(int suit) {
  switch (suit) {
    case 0:
      return StatisticsWindow::tr("Diamonds (Oros)");
    case 1:
      return StatisticsWindow::tr("Hearts (Copas)");
    case 2:
      return StatisticsWindow::tr("Spades (Espadas)");
    default:
      return StatisticsWindow::tr("Clubs (Bastos)");
  }
}

// The suits' colours on the deck's own faces: gold, red, blue, green; mid tones that stand out
// on a light and a dark ground alike.
QColor SuitColour(int suit) {
  static const QColor colours[] = {QColor(0xD4, 0x9A, 0x06), QColor(0xD0, 0x30, 0x30),
                                   QColor(0x34, 0x70, 0xD8), QColor(0x2E, 0x9A, 0x40)};
  return colours[suit];
}

QString RankName(int rank) {
  switch (rank) {
    case 0:
      return StatisticsWindow::tr("Ace");
    case 7:
      return StatisticsWindow::tr("Sota");
    case 8:
      return StatisticsWindow::tr("Caballo");
    case 9:
      return StatisticsWindow::tr("Rey");
    default:
      return QString::number(rank + 1);
  }
}

QString CardName(int card) {
  return QString::fromStdString(CatalogueIn(ReadingLanguage()).cardName[card]).simplified();
}

QString MonthName(const journal::MonthCount& month) {
  return QLocale().toString(QDate(month.year, month.month, 1),
                            StatisticsWindow::tr("MMMM yyyy", "month of the readings"));
}

// A share of a whole, as the locale writes a percentage with one decimal.
QString Percent(int part, int whole) {
  const double share = whole > 0 ? 100.0 * part / whole : 0;
  return StatisticsWindow::tr("%1%", "percentage").arg(QLocale().toString(share, 'f', 1));
}

bool DarkGround(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128;
}

}  // namespace

StatisticsWindow::StatisticsWindow(QWidget* history) : QWidget(history, Qt::Window) {
  setObjectName(QStringLiteral("StatisticsWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Statistics - %1").arg(look::AppTitle()));
  setWindowIcon(look::ProgramIcon());
  setFont(look::Font());
  CreateControls();
}

void StatisticsWindow::CreateControls() {
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout();
  auto* caption = new QLabel(tr("C&hart:"), this);
  caption->setObjectName(QStringLiteral("lblChart"));
  m_chartChoice = new QComboBox(this);
  m_chartChoice->setObjectName(QStringLiteral("cboChart"));
  m_chartChoice->addItems(
      {tr("Cards by suit and rank"), tr("Suits' shares"), tr("Readings per month")});
  m_chartChoice->setAccessibleName(tr("Chart"));
  caption->setBuddy(m_chartChoice);
  m_lblSummary = new QLabel(this);
  m_lblSummary->setObjectName(QStringLiteral("lblSummary"));
  m_lblSummary->setWordWrap(true);
  m_lblSummary->setTextFormat(Qt::PlainText);
  top->addWidget(caption);
  top->addWidget(m_chartChoice);
  top->addSpacing(look::Px(180));
  top->addWidget(m_lblSummary, 1);
  layout->addLayout(top);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  m_view = new QChartView(new QChart(), splitter);
  m_view->setObjectName(QStringLiteral("chtStatistics"));
  m_view->setRenderHint(QPainter::Antialiasing);
  m_view->setAccessibleName(tr("Chart"));
  m_view->setFocusPolicy(Qt::NoFocus);  // its figures are in the table beside it
  m_figures = new QTableWidget(splitter);
  m_figures->setObjectName(QStringLiteral("tblFigures"));
  m_figures->setAccessibleName(tr("Figures of the chart"));
  m_figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_figures->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_figures->setSelectionMode(QAbstractItemView::SingleSelection);
  m_figures->setTabKeyNavigation(false);
  m_figures->setWordWrap(false);
  m_figures->verticalHeader()->hide();
  m_figures->verticalHeader()->setDefaultSectionSize(m_figures->fontMetrics().height() + 6);
  m_figures->horizontalHeader()->setStretchLastSection(true);
  splitter->addWidget(m_view);
  splitter->addWidget(m_figures);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);
  splitter->setChildrenCollapsible(false);
  layout->addWidget(splitter, 1);

  auto* buttons = new QHBoxLayout();
  m_cmdSave = new QPushButton(tr("&Save Chart…"), this);
  m_cmdSave->setObjectName(QStringLiteral("cmdSaveChart"));
  m_cmdSave->setAutoDefault(false);
  m_cmdClose = new QPushButton(tr("&Close"), this);
  m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
  m_cmdClose->setAutoDefault(false);
  buttons->addWidget(m_cmdSave);
  buttons->addStretch(1);
  buttons->addWidget(m_cmdClose);
  layout->addLayout(buttons);

  connect(m_chartChoice, &QComboBox::currentIndexChanged, this, &StatisticsWindow::ShowChart);
  connect(m_cmdSave, &QPushButton::clicked, this, &StatisticsWindow::SaveChart);
  connect(m_cmdClose, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  setTabOrder(m_chartChoice, m_figures);
  setTabOrder(m_figures, m_cmdSave);
  setTabOrder(m_cmdSave, m_cmdClose);

  const QFontMetrics metrics(font());
  resize(metrics.horizontalAdvance(QLatin1Char('x')) * 150, metrics.height() * 36);
}

void StatisticsWindow::ShowStatistics(const journal::Statistics& statistics,
                                      const QString& search) {
  m_statistics = statistics;
  ShowSummary(search);
  ShowChart(m_chartChoice->currentIndex());
}

void StatisticsWindow::ShowSummary(const QString& search) {
  QStringList lines;
  if (!m_statistics.failure.isEmpty()) {
    lines << tr("The readings could not be counted: %1").arg(m_statistics.failure);
  } else if (search.isEmpty()) {
    lines << tr("%n reading(s) in the journal.", nullptr, m_statistics.readings);
  } else {
    lines << tr("%n reading(s) whose name or notes contain “%1”.", nullptr, m_statistics.readings)
                 .arg(search);
  }
  if (m_statistics.leftOut > 0) {
    lines << tr("%n reading(s) could not be read and were left out.", nullptr,
                m_statistics.leftOut);
  }
  m_lblSummary->setText(lines.join(QLatin1Char(' ')));
}

void StatisticsWindow::ShowChart(int chart) {
  QChart* shown = chart == kSuits ? SuitsChart() : chart == kMonths ? MonthsChart() : CardsChart();
  shown->legend()->setAlignment(Qt::AlignBottom);
  ApplyTheme(shown);
  QChart* old = m_view->chart();
  m_view->setChart(shown);
  delete old;
  m_view->setAccessibleDescription(shown->title());
  m_cmdSave->setEnabled(m_statistics.failure.isEmpty());
}

QChart* StatisticsWindow::CardsChart() {
  auto* chart = new QChart();
  chart->setTitle(tr("How often each card came up, against chance"));
  auto* bars = new QBarSeries(chart);
  int highest = 0;
  for (int suit = 0; suit < journal::kSuitCount; ++suit) {
    auto* set = new QBarSet(SuitName(suit), bars);
    for (int rank = 0; rank < journal::kCardsPerSuit; ++rank) {
      const int count = m_statistics.cardCounts[OwnCardsPicker::CardAt(suit, rank)];
      set->append(count);
      highest = std::max(highest, count);
    }
    bars->append(set);
  }
  chart->addSeries(bars);
  // Chance alone gives every card the same figure: a level line across the ranks.
  auto* chance = new QLineSeries(chart);
  chance->setName(tr("By chance"));
  chance->append(-0.5, m_statistics.chancePerCard);
  chance->append(journal::kCardsPerSuit - 0.5, m_statistics.chancePerCard);
  chart->addSeries(chance);

  auto* ranks = new QBarCategoryAxis(chart);
  for (int rank = 0; rank < journal::kCardsPerSuit; ++rank) ranks->append(RankName(rank));
  auto* times = new QValueAxis(chart);
  times->setTitleText(tr("Times dealt"));
  times->setLabelFormat(QStringLiteral("%d"));
  times->setRange(0, std::max({4.0, highest * 1.1, m_statistics.chancePerCard * 1.1}));
  times->applyNiceNumbers();
  chart->addAxis(ranks, Qt::AlignBottom);
  chart->addAxis(times, Qt::AlignLeft);
  for (QAbstractSeries* series :
       {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(chance)}) {
    series->attachAxis(ranks);
    series->attachAxis(times);
  }

  std::vector<QStringList> rows;
  const QLocale locale;
  const QString chanceText = locale.toString(m_statistics.chancePerCard, 'f', 1);
  for (int suit = 0; suit < journal::kSuitCount; ++suit) {
    for (int rank = 0; rank < journal::kCardsPerSuit; ++rank) {
      const int card = OwnCardsPicker::CardAt(suit, rank);
      rows.push_back({CardName(card), locale.toString(m_statistics.cardCounts[card]), chanceText});
    }
  }
  SetFigures({tr("Card"), tr("Times dealt"), tr("By chance")}, rows);
  return chart;
}

QChart* StatisticsWindow::SuitsChart() {
  auto* chart = new QChart();
  chart->setTitle(tr("The suits' shares of the cards dealt"));
  auto* pie = new QPieSeries(chart);
  const int dealt = m_statistics.CardsDealt();
  std::vector<QStringList> rows;
  const QLocale locale;
  for (int suit = 0; suit < journal::kSuitCount; ++suit) {
    const int count =
        m_statistics.suitCounts[OwnCardsPicker::CardAt(suit, 0) / journal::kCardsPerSuit];
    const QString share = Percent(count, dealt);
    QPieSlice* slice = pie->append(SuitName(suit) + QStringLiteral(": ") + share, count);
    slice->setLabelVisible(dealt > 0);
    rows.push_back({SuitName(suit), locale.toString(count), share});
  }
  chart->addSeries(pie);
  SetFigures({tr("Suit"), tr("Cards dealt"), tr("Share")}, rows);
  return chart;
}

QChart* StatisticsWindow::MonthsChart() {
  auto* chart = new QChart();
  chart->setTitle(tr("Readings per month"));
  auto* line = new QLineSeries(chart);
  line->setName(tr("Readings"));
  line->setPointsVisible(true);
  std::vector<QStringList> rows;
  const QLocale locale;
  int highest = 0;
  for (const journal::MonthCount& month : m_statistics.months) {
    const QDateTime start(QDate(month.year, month.month, 1), QTime(0, 0));
    line->append(static_cast<qreal>(start.toMSecsSinceEpoch()), month.readings);
    highest = std::max(highest, month.readings);
    rows.push_back({MonthName(month), locale.toString(month.readings)});
  }
  chart->addSeries(line);
  auto* time = new QDateTimeAxis(chart);
  time->setFormat(tr("MMM yyyy", "months along the chart"));
  if (!m_statistics.months.empty()) {
    const journal::MonthCount& first = m_statistics.months.front();
    const journal::MonthCount& last = m_statistics.months.back();
    // Half a month either side, so that a single month shows as a point in the middle.
    time->setRange(QDateTime(QDate(first.year, first.month, 1), QTime(0, 0)).addDays(-15),
                   QDateTime(QDate(last.year, last.month, 1), QTime(0, 0)).addDays(15));
    time->setTickCount(std::clamp(static_cast<int>(m_statistics.months.size()) + 1, 2, 8));
  }
  auto* readings = new QValueAxis(chart);
  readings->setTitleText(tr("Readings"));
  readings->setLabelFormat(QStringLiteral("%d"));
  readings->setRange(0, std::max(4.0, highest * 1.1));
  readings->applyNiceNumbers();
  chart->addAxis(time, Qt::AlignBottom);
  chart->addAxis(readings, Qt::AlignLeft);
  line->attachAxis(time);
  line->attachAxis(readings);
  SetFigures({tr("Month"), tr("Readings")}, rows);
  return chart;
}

void StatisticsWindow::SetFigures(const QStringList& headers,
                                  const std::vector<QStringList>& rows) {
  m_figures->clear();
  m_figures->setColumnCount(static_cast<int>(headers.size()));
  m_figures->setHorizontalHeaderLabels(headers);
  m_figures->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
      auto* item = new QTableWidgetItem(rows[r][c]);
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      m_figures->setItem(r, c, item);
    }
  }
  m_figures->resizeColumnsToContents();
  // Every column shows whole beside the chart, the vertical scroll bar included.
  int width = 2 * m_figures->frameWidth() + m_figures->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < m_figures->columnCount(); ++c) width += m_figures->columnWidth(c);
  m_figures->setMinimumWidth(width);
}

void StatisticsWindow::ApplyTheme(QChart* chart) const {
  // The chart follows the desktop's light or dark colours, as the windows around it do.
  const bool dark = DarkGround(palette());
  chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
  chart->setBackgroundBrush(palette().color(QPalette::Base));
  chart->setTitleBrush(palette().color(QPalette::Text));
  chart->legend()->setLabelColor(palette().color(QPalette::Text));
  QFont title = look::Font(10, true);
  chart->setTitleFont(title);
  chart->legend()->setFont(look::Font(9));
  for (QAbstractAxis* axis : chart->axes()) {
    axis->setLabelsColor(palette().color(QPalette::Text));
    axis->setTitleBrush(palette().color(QPalette::Text));
    axis->setLabelsFont(look::Font(8.25));
    axis->setTitleFont(look::Font(8.25, true));
  }
  for (QAbstractSeries* series : chart->series()) {
    if (auto* bars = qobject_cast<QBarSeries*>(series)) {
      for (int suit = 0; suit < bars->count(); ++suit) {
        bars->barSets()[suit]->setColor(SuitColour(suit));
        bars->barSets()[suit]->setBorderColor(SuitColour(suit).darker(130));
      }
    } else if (auto* pie = qobject_cast<QPieSeries*>(series)) {
      for (int suit = 0; suit < pie->count(); ++suit) {
        pie->slices()[suit]->setColor(SuitColour(suit));
        pie->slices()[suit]->setLabelColor(palette().color(QPalette::Text));
        pie->slices()[suit]->setLabelFont(look::Font(9));
      }
    } else if (auto* line = qobject_cast<QLineSeries*>(series)) {
      QPen pen(palette().color(QPalette::Text), 2,
               chart->series().size() > 1 ? Qt::DashLine : Qt::SolidLine);
      line->setPen(pen);
    }
  }
}

void StatisticsWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange && m_view != nullptr) {
    ApplyTheme(m_view->chart());
  }
}

QImage StatisticsWindow::ChartImage() const {
  return m_view->grab().toImage();
}

void StatisticsWindow::SaveChart() {
  const QString path = AskSavePath(this, tr("PNG image (*.png)"), QStringLiteral("png"),
                                   tr("statistics.png", "file name suggested"));
  if (path.isEmpty()) return;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QString error;
  if (!ChartImage().save(&buffer, "PNG")) {
    error = tr("The chart could not be drawn.");
  } else {
    error = SaveFile(path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
  }
  if (!error.isEmpty()) {
    qWarning("Statistics: chart not saved: %s", qUtf8Printable(error));
    ShowMessage(
        this,
        tr("The chart could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), error),
        QMessageBox::Warning);
    return;
  }
  RememberSaveFolder(path);
}

}  // namespace baralune

#pragma once
#include <QWidget>

#include "statistics.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace baralune {

// The journal in pictures: the statistics of the readings the History lists, one chart at a
// time (each card against chance, the suits' shares, the readings per month), with the chart's
// figures beside it as a table, so that a screen reader reaches every bar's number as text.
class StatisticsWindow : public QWidget {
  Q_OBJECT

 public:
  enum Chart { kCards, kSuits, kMonths };

  explicit StatisticsWindow(QWidget* history);

  // Shows `statistics`, counted over the readings whose name or notes contain `search`.
  void ShowStatistics(const journal::Statistics& statistics, const QString& search);
  void ShowChart(int chart);
  // Writes the chart shown to a PNG file the user picks.
  void SaveChart();
  // The chart as it is shown, for the PNG.
  QImage ChartImage() const;

  QChartView* ChartView() const { return m_view; }
  QTableWidget* Figures() const { return m_figures; }
  QComboBox* ChartChoice() const { return m_chartChoice; }
  const journal::Statistics& Shown() const { return m_statistics; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  void ShowSummary(const QString& search);
  QChart* CardsChart();
  QChart* SuitsChart();
  QChart* MonthsChart();
  void SetFigures(const QStringList& headers, const std::vector<QStringList>& rows);
  void ApplyTheme(QChart* chart) const;

  journal::Statistics m_statistics;
  QComboBox* m_chartChoice = nullptr;
  QLabel* m_lblSummary = nullptr;
  QChartView* m_view = nullptr;
  QTableWidget* m_figures = nullptr;
  QPushButton* m_cmdSave = nullptr;
  QPushButton* m_cmdClose = nullptr;
};

}  // namespace baralune

#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QPushButton;
class QTableWidget;

namespace qel {

// THisto, "Histogramme": the data of a bar chart in a grid. Row 1 holds the category labels,
// rows 2 to 5 the series A to D (legend in column 1, values from column 2); row 0 and column 0
// are the titles.
class THisto : public QDialog {
    Q_OBJECT

public:
    explicit THisto(QWidget* parent = nullptr);

    // Fills the grid from a stored CHART line, or starts an empty grid when it is empty. A
    // chart whose data cannot be read opens empty.
    void Init(const QString& storedLine = QString());
    // After the dialog closed: empty when cancelled or without any series; otherwise the
    // stored line with only its payload replaced, or the bare payload for a new chart.
    void Result(QString& out) const;

    // The grid's text in the grid's own coordinates: column 0 and row 0 are the titles.
    QString Cells(int column, int row) const;
    void setCells(int column, int row, const QString& text);

    QTableWidget* StringGrid1 = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

public slots:
    // Checks every value first: a refused one is shown and the dialog stays open.
    void accept() override;

private:
    QString line_;    // the chart edited, or empty for a new one
    QString payload_; // built when "OK" was accepted
};

// "&Histogramme..." and "&Modifier..." on a chart. With an empty line, a new chart: the answer
// is the bare payload. With a stored CHART line: the whole line, rewritten. Nothing when
// cancelled, when no series is left, when nothing changed, or for a line that is no chart.
// Tests drive the dialog through ScopedModalHook<THisto> (platform/modalhook.h).
std::optional<QString> editChart(QWidget* parent, const QString& storedLine);

} // namespace qel

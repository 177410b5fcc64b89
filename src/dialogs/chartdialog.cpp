#include "dialogs/chartdialog.h"

#include "document/chartdata.h"
#include "document/recordparts.h"
#include "platform/messages.h"
#include "platform/modalhook.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qel {

namespace {

constexpr int kColumns = 2 + kChartMaxCategories; // titles, legends, 32 categories
constexpr int kRows = 2 + kChartMaxSeries;        // titles, labels, 4 series
constexpr int kCellLength = 10;

// The key filter: at most 10 characters in a cell, only digits in a value cell. Pasting goes
// through the same editor, and the values are checked again at "OK".
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setMaxLength(kCellLength);
            if (index.row() >= 1 && index.column() >= 1) {
                static const QRegularExpression digits(QStringLiteral("[0-9]*"));
                line->setValidator(new QRegularExpressionValidator(digits, line));
                line->setAccessibleName(QStringLiteral("Valeur"));
            } else {
                line->setAccessibleName(index.row() == 0 ? QStringLiteral("Libellé")
                                                         : QStringLiteral("Légende"));
            }
        }
        return editor;
    }
};

} // namespace

THisto::THisto(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Histogramme"));
    setFixedSize(536, 210);

    CancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    CancelButton->setAccessibleName(QStringLiteral("Annuler"));
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setAccessibleName(QStringLiteral("OK"));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &THisto::accept);
    connect(CancelButton, &QPushButton::clicked, this, &THisto::reject);

    // The grid's title row and column are the table's headers, so that they stay in view and
    // name each cell for a screen reader.
    StringGrid1 = new QTableWidget(kRows - 1, kColumns - 1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Données de l'histogramme"));
    StringGrid1->setAccessibleDescription(
        QStringLiteral("Libellés des catégories, puis légende et valeurs des séries A à D"));
    StringGrid1->setItemDelegate(new CellDelegate(StringGrid1));
    StringGrid1->setTabKeyNavigation(true);
    StringGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(44);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(24); // all five rows in view
    StringGrid1->verticalHeader()->setFixedWidth(100);
    QStringList columns{QStringLiteral("Légendes")};
    for (int j = 1; j <= kChartMaxCategories; ++j)
        columns << QString::number(j);
    StringGrid1->setHorizontalHeaderLabels(columns);
    StringGrid1->setVerticalHeaderLabels({QStringLiteral("Libellés"), QStringLiteral("A"),
                                          QStringLiteral("B"), QStringLiteral("C"),
                                          QStringLiteral("D")});

    auto* top = new QHBoxLayout;
    top->addWidget(CancelButton);
    top->addWidget(OkButton);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(StringGrid1);
    setTabOrder(StringGrid1, CancelButton);
    setTabOrder(CancelButton, OkButton);
    // Typing goes into the grid from the start.
    StringGrid1->setFocus();

    Init();
}

void THisto::Init(const QString& storedLine) {
    setResult(QDialog::Rejected);
    line_ = storedLine;
    payload_.clear();
    StringGrid1->clearContents();
    for (int r = 0; r < kRows - 1; ++r)
        for (int c = 0; c < kColumns - 1; ++c)
            StringGrid1->setItem(r, c, new QTableWidgetItem);
    // The corner between the labels and the legends holds nothing and cannot be chosen.
    StringGrid1->item(0, 0)->setFlags(Qt::NoItemFlags);
    StringGrid1->item(0, 0)->setBackground(palette().window());
    StringGrid1->setColumnWidth(0, 100);
    StringGrid1->setCurrentCell(0, 1);

    if (storedLine.isEmpty()) return;
    const ChartData data = readChart(splitRecord(storedLine).payload());
    if (!data.complete) return;
    const ChartTable table = chartTable(data);
    for (int k = 0; k < kChartMaxSeries; ++k) {
        if (k < data.series) setCells(1, 2 + k, table.legends[k]);
        for (int j = 0; j < kChartMaxCategories; ++j)
            setCells(2 + j, 2 + k, table.values[k][j]);
    }
    for (int j = 0; j < kChartMaxCategories; ++j)
        setCells(2 + j, 1, table.labels[j]);
}

QString THisto::Cells(int column, int row) const {
    if (row == 0)
        return column >= 1 ? StringGrid1->horizontalHeaderItem(column - 1)->text() : QString();
    if (column == 0) return StringGrid1->verticalHeaderItem(row - 1)->text();
    const QTableWidgetItem* item = StringGrid1->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

void THisto::setCells(int column, int row, const QString& text) {
    if (column < 1 || row < 1 || column >= kColumns || row >= kRows) return;
    if (QTableWidgetItem* item = StringGrid1->item(row - 1, column - 1)) item->setText(text);
}

void THisto::accept() {
    // A cell still being typed in counts.
    const QModelIndex current = StringGrid1->currentIndex();
    if (QWidget* editor = StringGrid1->indexWidget(current))
        StringGrid1->itemDelegate()->setModelData(editor, StringGrid1->model(), current);

    ChartTable table;
    for (int k = 0; k < kChartMaxSeries; ++k) {
        table.legends[k] = Cells(1, 2 + k);
        for (int j = 0; j < kChartMaxCategories; ++j)
            table.values[k][j] = Cells(2 + j, 2 + k);
    }
    for (int j = 0; j < kChartMaxCategories; ++j)
        table.labels[j] = Cells(2 + j, 1);

    const ChartBuild built = buildChart(table);
    if (built.status == ChartBuild::Status::TooLarge ||
        built.status == ChartBuild::Status::NotANumber) {
        StringGrid1->setCurrentCell(1 + built.series, 1 + built.category);
        showWarning(this, built.status == ChartBuild::Status::TooLarge
                              ? QStringLiteral("Valeur trop grande : 16777215 au plus.")
                              : QStringLiteral("Valeur incorrecte"));
        StringGrid1->setFocus();
        return;
    }
    payload_ = built.payload;
    QDialog::accept();
}

void THisto::Result(QString& out) const {
    // The rest of the line is kept as stored: cutting a long style field would lose its font.
    out = result() == QDialog::Accepted && !payload_.isEmpty() ? withPayload(line_, payload_)
                                                               : QString();
}

std::optional<QString> editChart(QWidget* parent, const QString& storedLine) {
    if (!storedLine.isEmpty() && !isShape(storedLine, Shape::Chart)) return std::nullopt;
    THisto dialog(parent);
    dialog.Init(storedLine);
    runModal(dialog);
    QString out;
    dialog.Result(out);
    if (out.isEmpty() || out == storedLine) return std::nullopt;
    return out;
}

} // namespace qel

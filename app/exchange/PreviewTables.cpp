#include "app/exchange/PreviewTables.h"

#include <QHeaderView>

namespace kakeibo::shell {

namespace {

constexpr int kAmountWidth = 84;

const QColor kGreyed(128, 128, 128);
const QColor kProblem(200, 0, 0);

QTableWidget* readOnlyTable(QWidget* parent, const char* name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return table;
}

QTableWidgetItem* cell(const std::string& text, const QColor* color = nullptr,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(alignment);
    if (color) item->setForeground(*color);
    return item;
}

// The row headers are the lines of the file, as the person's editor counts them.
void showLineNumbers(QTableWidget* table, const std::vector<int>& lines) {
    QStringList labels;
    for (int line : lines) labels << QString::number(line);
    table->setVerticalHeaderLabels(labels);
}

}  // namespace

QTableWidget* makeFileLinesTable(QWidget* parent) {
    QTableWidget* table = readOnlyTable(parent, "GridFileLines");
    table->horizontalHeader()->setDefaultSectionSize(110);
    return table;
}

QTableWidget* makePreviewTable(QWidget* parent) {
    QTableWidget* table = readOnlyTable(parent, "GridPreview");
    table->setColumnCount(6);
    table->setHorizontalHeaderLabels({QStringLiteral("日付"), QStringLiteral("入る所"), QStringLiteral("内容"),
                                      QStringLiteral("分類"), QStringLiteral("金額"), QStringLiteral("重複・エラー")});
    QHeaderView* header = table->horizontalHeader();
    header->resizeSection(0, 84);
    header->resizeSection(1, 52);
    header->resizeSection(2, 190);
    header->resizeSection(3, 130);
    header->resizeSection(4, kAmountWidth);
    header->setStretchLastSection(true);
    return table;
}

void showFileLines(QTableWidget* table, const StatementSample& sample) {
    table->clearContents();
    table->setColumnCount(sample.columns);
    table->setRowCount(static_cast<int>(sample.lines.size()));
    QStringList headers;
    for (int c = 1; c <= sample.columns; ++c) headers << QStringLiteral("列 %1").arg(c);
    table->setHorizontalHeaderLabels(headers);
    std::vector<int> lines;
    for (int r = 0; r < static_cast<int>(sample.lines.size()); ++r) {
        const SampleLine& line = sample.lines[static_cast<std::size_t>(r)];
        lines.push_back(line.line);
        for (int c = 0; c < static_cast<int>(line.fields.size()); ++c) {
            table->setItem(r, c, cell(line.fields[static_cast<std::size_t>(c)], line.header ? &kGreyed : nullptr));
        }
    }
    showLineNumbers(table, lines);
}

void showPreviewRows(QTableWidget* table, const std::vector<PreviewRow>& rows) {
    table->clearSpans();
    table->clearContents();
    table->setRowCount(static_cast<int>(rows.size()));
    std::vector<int> lines;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const PreviewRow& row = rows[static_cast<std::size_t>(r)];
        lines.push_back(row.line);
        if (row.state == PreviewState::Bad) {
            // A bad row has nothing to show but its error, often longer than a column.
            QTableWidgetItem* error = cell(row.note, &kProblem);
            error->setToolTip(QString::fromStdString(row.note));
            table->setItem(r, 0, error);
            table->setSpan(r, 0, 1, table->columnCount());
            continue;
        }
        const QColor* color = row.state == PreviewState::Duplicate ? &kGreyed : nullptr;
        table->setItem(r, 0, cell(row.date, color));
        table->setItem(r, 1, cell(row.sheet, color));
        table->setItem(r, 2, cell(row.item, color));
        table->setItem(r, 3, cell(row.category, color));
        table->setItem(r, 4, cell(row.amount, color, Qt::AlignRight | Qt::AlignVCenter));
        table->setItem(r, 5, cell(row.note, color));
    }
    showLineNumbers(table, lines);
}

}  // namespace kakeibo::shell

#pragma once
// The import dialog's two tables, filled from what the core worked out:
// the first lines of the file in their columns (header lines greyed), and
// the first rows as they would land (duplicates greyed, bad rows in red).

#include <QTableWidget>

#include <vector>

#include "exchange/ImportPreview.h"

namespace kakeibo::shell {

QTableWidget* makeFileLinesTable(QWidget* parent);
QTableWidget* makePreviewTable(QWidget* parent);

void showFileLines(QTableWidget* table, const StatementSample& sample);
void showPreviewRows(QTableWidget* table, const std::vector<PreviewRow>& rows);

}  // namespace kakeibo::shell

#include "sheets/Sheet.h"

#include <algorithm>

namespace kakeibo {

namespace {
const std::string kEmpty;
}

Sheet::Sheet(std::string name, int cols, int rows)
    : name_(std::move(name)), cols_(std::max(cols, 0)), rows_(std::max(rows, 0)),
      widths_(static_cast<std::size_t>(cols_), 64) {}

void Sheet::setRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows == rows_) return;
    rows_ = rows;
    notify(SheetChange::Kind::Size);
}

void Sheet::setColCount(int cols) {
    cols = std::max(cols, 0);
    if (cols == cols_) return;
    cols_ = cols;
    if (widths_.size() < static_cast<std::size_t>(cols_)) widths_.resize(static_cast<std::size_t>(cols_), 64);
    notify(SheetChange::Kind::Size);
}

const std::string& Sheet::cell(int col, int row) const {
    if (row < 0 || col < 0 || static_cast<std::size_t>(row) >= cells_.size()) return kEmpty;
    const auto& line = cells_[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(col) >= line.size()) return kEmpty;
    return line[static_cast<std::size_t>(col)];
}

void Sheet::setCell(int col, int row, std::string text) {
    if (row < 0 || col < 0) return;
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(col);
    if (r >= cells_.size()) {
        if (text.empty()) return;  // nothing stored there, nothing to change
        cells_.resize(r + 1);
    }
    auto& line = cells_[r];
    if (c >= line.size()) {
        if (text.empty()) return;
        line.resize(std::max<std::size_t>(c + 1, static_cast<std::size_t>(cols_)));
    }
    if (line[c] == text) return;
    line[c] = std::move(text);
    notify(SheetChange::Kind::Cell, col, row);
}

void Sheet::clearAll() {
    if (cells_.empty()) return;
    cells_.clear();
    notify(SheetChange::Kind::Reset);
}

int Sheet::colWidth(int col) const {
    if (col < 0 || static_cast<std::size_t>(col) >= widths_.size()) return 0;
    return widths_[static_cast<std::size_t>(col)];
}

void Sheet::setColWidth(int col, int width) {
    if (col < 0) return;
    const auto c = static_cast<std::size_t>(col);
    if (c >= widths_.size()) widths_.resize(c + 1, 64);
    if (widths_[c] == width) return;
    widths_[c] = width;
    notify(SheetChange::Kind::Size);
}

void Sheet::setCurrentCell(int col, int row) {
    curCol_ = col;
    curRow_ = row;
    selection_ = SheetRect{col, row, col, row};
}

void Sheet::setSelection(const SheetRect& rect) {
    selection_ = rect;
    curCol_ = rect.left;
    curRow_ = rect.top;
}

void Sheet::holdNotifications() { ++holdDepth_; }

void Sheet::releaseNotifications() {
    if (holdDepth_ == 0) return;
    if (--holdDepth_ == 0 && changedWhileHeld_) {
        changedWhileHeld_ = false;
        notify(SheetChange::Kind::Reset);
    }
}

void Sheet::notify(SheetChange::Kind kind, int col, int row) {
    if (holdDepth_ > 0) {
        changedWhileHeld_ = true;
        return;
    }
    if (listener_) listener_(SheetChange{kind, col, row});
}

HoldNotifications::HoldNotifications(std::vector<Sheet*> sheets) : sheets_(std::move(sheets)) {
    for (Sheet* s : sheets_) s->holdNotifications();
}

HoldNotifications::~HoldNotifications() {
    for (Sheet* s : sheets_) s->releaseNotifications();
}

}  // namespace kakeibo

#pragma once
// A sheet: the rectangular grid of text cells behind every table of the
// household book. The page logic reads and writes only cell texts, row and
// column counts and column widths, so it runs without any window.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kakeibo {

// What changed on a sheet, for the one listener (the window's table model).
struct SheetChange {
    enum class Kind {
        Cell,    // one cell's text (col, row)
        Size,    // row or column count, or a column width
        Reset,   // anything: sent once when held notifications are released
    };
    Kind kind = Kind::Reset;
    int col = -1;
    int row = -1;
};

// The selection rectangle, inclusive, in cell coordinates.
struct SheetRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class Sheet {
public:
    using Listener = std::function<void(const SheetChange&)>;

    Sheet() = default;
    Sheet(std::string name, int cols, int rows);
    // A sheet is identified by its control name; copying one would give two
    // sheets of that name with one listener, so copies are not offered.
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;
    Sheet(Sheet&&) = default;
    Sheet& operator=(Sheet&&) = default;

    const std::string& name() const { return name_; }

    int rowCount() const { return rows_; }
    int colCount() const { return cols_; }
    // Cells beyond a new, smaller count are kept and show again when the
    // count grows (the preferences file relies on this).
    void setRowCount(int rows);
    void setColCount(int cols);

    // The text of cell (col, row); the empty text outside the stored cells.
    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);
    // Empties every stored cell (also those beyond the counts).
    void clearAll();

    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setFixedRows(int n) { fixedRows_ = n; }
    void setFixedCols(int n) { fixedCols_ = n; }

    int colWidth(int col) const;
    void setColWidth(int col, int width);

    bool editable() const { return editable_; }
    void setEditable(bool on) { editable_ = on; }
    // Whether the Tab key moves between cells.
    bool tabMoves() const { return tabMoves_; }
    void setTabMoves(bool on) { tabMoves_ = on; }

    int currentCol() const { return curCol_; }
    int currentRow() const { return curRow_; }
    // Makes (col, row) the current cell and the whole selection.
    void setCurrentCell(int col, int row);
    const SheetRect& selection() const { return selection_; }
    void setSelection(const SheetRect& rect);

    // The one listener told of every change; replaces any earlier one.
    void setListener(Listener listener) { listener_ = std::move(listener); }

    // While held, changes are not reported; the last release reports one
    // Reset. Long runs (recalculating every card) use HoldNotifications.
    void holdNotifications();
    void releaseNotifications();

private:
    void notify(SheetChange::Kind kind, int col = -1, int row = -1);

    std::string name_;
    int cols_ = 0;
    int rows_ = 0;
    int fixedRows_ = 1;
    int fixedCols_ = 0;
    bool editable_ = false;
    bool tabMoves_ = false;
    int curCol_ = 0;
    int curRow_ = 0;
    SheetRect selection_;
    std::vector<int> widths_;
    // cells_[row][col]; may reach beyond the counts.
    std::vector<std::vector<std::string>> cells_;
    Listener listener_;
    int holdDepth_ = 0;
    bool changedWhileHeld_ = false;
};

// Holds the notifications of a set of sheets for the lifetime of the guard.
class HoldNotifications {
public:
    explicit HoldNotifications(std::vector<Sheet*> sheets);
    ~HoldNotifications();
    HoldNotifications(const HoldNotifications&) = delete;
    HoldNotifications& operator=(const HoldNotifications&) = delete;

private:
    std::vector<Sheet*> sheets_;
};

}  // namespace kakeibo

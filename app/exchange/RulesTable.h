#pragma once
// The rules as a table the person edits: the text looked for in a row's
// description and the category it gives, one rule a row, the first that
// matches winning. A blank row at the end takes a new rule; the category
// is typed or chosen from the book's lists.

#include <QTableWidget>

#include <string>
#include <vector>

#include "exchange/Rules.h"

namespace kakeibo::shell {

class RulesTable : public QTableWidget {
    Q_OBJECT
public:
    RulesTable(const std::vector<std::string>& categories, QWidget* parent = nullptr);

    void setRules(const std::vector<Rule>& rules);
    // Every row but the blank last one, as typed.
    std::vector<Rule> rows() const;
    // Takes away the row of the current cell (never the blank last one).
    void removeCurrentRule();

signals:
    void rulesChanged();

private:
    void keepOneBlankRow();
    bool rowIsBlank(int row) const;
    QString text(int row, int col) const;
};

}  // namespace kakeibo::shell

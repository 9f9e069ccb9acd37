#pragma once
// The categories an imported row may take, as the book's settings define
// them: the spending list (a line on GridShishutu), the income list
// (GridShuNyu) and the account line labels (GridKoza), the same lists the
// calculation checks lines against. Built once per import.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/Book.h"
#include "book/DayCalculation.h"

namespace kakeibo {

enum class LandingSheet { Spend, Income, Account };

// "spend", "income", "account" (the command line's words), and the day
// sheet of each.
std::string_view landingSheetName(LandingSheet sheet);
const char* landingSheetControl(LandingSheet sheet);

struct LandingCategory {
    LandingSheet sheet = LandingSheet::Spend;
    std::string category;  // the list's own text
};

class BookCategories {
public:
    explicit BookCategories(const Book& book);

    // Where a category lands: found as the list writes it, or apart from
    // letter case as the calculation finds it. A category on both the
    // spending and the income list goes to the sheet of the money's
    // direction. Nothing when no list has it (or it is empty).
    std::optional<LandingCategory> find(const std::string& category, bool moneyIn) const;

    // A transfer to or from the bank of that name: " ＿ 引出" when money
    // came out of the bank into cash (moneyIn), " ＿ 入金" when cash went
    // into it. Nothing when no named account has that name.
    std::optional<std::string> transferLabel(std::string_view bankName, bool moneyIn) const;

    // The categories a person may choose for money out (moneyIn false: the
    // spending list) or in (the income list), then the account line labels;
    // each once, without the lists' blank separators.
    std::vector<std::string> choices(bool moneyIn) const;
    // Every category of the three lists: spending, income, account.
    std::vector<std::string> allChoices() const;

    const ItemList& spending() const { return lists_.spending; }
    const ItemList& income() const { return lists_.income; }
    const ItemList& account() const { return lists_.account; }

private:
    CalcLists lists_;
    std::array<std::string, 4> withdrawLabels_;
    std::array<std::string, 4> depositLabels_;
    std::array<std::string, 4> banks_;  // empty for an account not in use
};

}  // namespace kakeibo

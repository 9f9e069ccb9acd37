#include "search/BookSearchSource.h"

#include "model/DayStore.h"

namespace kakeibo {

int BookSearchSource::cardCount() { return book_.cards.size(); }

Date BookSearchSource::cardDate(int index) { return book_.cards.date(index); }

const TIndex& BookSearchSource::card(int index) {
    if (index != book_.cards.curIndex()) return book_.cards.read(index);
    // The shown card's lines live on the sheets until the next store.
    shownCard_.date = book_.cards.curDate();
    shownCard_.spendList = sheetToKiroku(book_.GridShishutu);
    shownCard_.incomeList = sheetToKiroku(book_.GridShuNyu);
    shownCard_.accountList = sheetToKiroku(book_.GridKoza);
    shownCard_.memo = memoFromEditorText(book_.Memo1);
    return shownCard_;
}

const std::vector<CreditRow>& BookSearchSource::creditRows() {
    creditRows_ = creditRowsFromSheet(book_.GridCredit);
    return creditRows_;
}

const std::string& BookSearchSource::notes() { return book_.MemoOboe; }

}  // namespace kakeibo

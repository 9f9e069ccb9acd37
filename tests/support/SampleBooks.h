#pragma once
// Books of a given length with a few lines on every card, for tests that
// need a file of realistic size (a full disk, a recovery copy).

#include <string>

#include "model/Dates.h"
#include "storage/DataFile.h"

namespace kakeibo {

inline DataImage bookOfDays(Date first, int days) {
    static const char* const items[] = {"スーパー", "コンビニ弁当", "電車賃", "薬局", "パン屋"};
    DataImage image;
    image.startDate = first;
    for (int d = 0; d < days; ++d) {
        TIndex card;
        card.date = first + d;
        for (int i = 0; i < 8; ++i) card.spendList.push_back({items[(d + i) % 5], "食費", 100.0 * (i + 1)});
        for (int i = 0; i < 20; ++i) card.budgetList.push_back({"食費", 1000.0 * i, 500.0 * i});
        card.memo = "今日の記録\r\n";
        image.cards.push_back(std::move(card));
    }
    return image;
}

}  // namespace kakeibo

#pragma once
// The balances a day card carries once it has been calculated: cash on
// hand, the accounts' total, the household total and savings. This is the
// one place that reads them from a card, so how cards are held (all in
// memory, or decoded when first needed) matters to nothing else here.

#include <optional>

#include "model/Records.h"

namespace kakeibo {

struct Balances {
    double cash = 0;       // 現金残高, summary row 4
    double accounts = 0;   // 口座残高合計, row 5
    double household = 0;  // 家計合計額, row 6
    double savings = 0;    // 貯金合計額, row 7
    bool operator==(const Balances&) const = default;
};

// Nothing for a card that was never calculated. Such a card may still hold
// the summary labels with zero amounts (it was shown and stored), so the
// budget rows decide, as they decide which card the next calculation
// carries its balances from.
std::optional<Balances> cardBalances(const TIndex& card);

}  // namespace kakeibo

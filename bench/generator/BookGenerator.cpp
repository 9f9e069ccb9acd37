#include "generator/BookGenerator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "model/Dates.h"
#include "sheets/AmountText.h"
#include "storage/FileLayer.h"
#include "storage/FileNames.h"
#include "storage/MonthFile.h"

namespace kakeibo {
namespace {

constexpr std::array<const char*, 40> kSpendCategories = {
    "食費", "外食費", "日用品", "衣服", "美容", "交通費", "ガソリン", "駐車場", "電気代", "ガス代",
    "水道代", "電話代", "インターネット", "新聞", "家賃", "保険", "医療費", "薬代", "教育費", "習い事",
    "書籍", "趣味", "娯楽", "旅行", "交際費", "贈答", "冠婚葬祭", "お小遣い", "ペット", "園芸",
    "家具", "家電", "修繕", "税金", "年金", "寄付", "雑費", "子供用品", "嗜好品", "特別費"};
constexpr std::array<const char*, 24> kItems = {
    "スーパーで食料品", "コンビニ弁当", "パン屋", "八百屋", "魚屋", "ドラッグストア", "電車賃",
    "バス代", "タクシー", "ランチ", "喫茶店", "本屋で雑誌", "文房具", "クリーニング", "床屋",
    "病院（内科）", "処方箋", "映画館", "お菓子", "ガソリンスタンド", "洗剤・ティッシュ", "100円ショップ",
    "①回目の支払い", "髙島屋で買い物～"};
constexpr std::array<const char*, 5> kIncomeItems = {"給料", "賞与", "臨時収入", "利息", "返金"};
constexpr std::array<const char*, 5> kIncomeCategories = {"給与", "賞与", "その他", "利息", "返金"};
constexpr std::array<const char*, 3> kAccountLabels = {"○○銀行 ＿ 引出", "○○銀行 ＿ 入金",
                                                       "△△信金 ＿ 貯金"};
constexpr std::array<const char*, 19> kSummaryLabels = {
    "支出合計", "収入合計", "収支", "現金残高", "口座残高合計", "家計合計額", "貯金合計額", "××銀行", "口座合計",
    "貯金", "ＡＢＣカード", "ＸＹＺカード", "未払い合計", "家計総額", "前日比", "今月支出", "今月収入",
    "予算残", "メモ"};
constexpr std::array<const char*, 6> kMemos = {
    "", "雨。買い物は近所で済ませた。\r\n", "給料日\r\n", "～特売日～　まとめ買い\r\n",
    "子供の誕生日\r\nケーキを買った\r\n", "＼やりくり上手／\r\n"};
constexpr std::array<const char*, 2> kCards = {"ＡＢＣカード", "ＸＹＺカード"};

Date firstDay(int years) {
    // The book ends at the end of 2025 and reaches back the years asked for.
    return makeDate(2026 - years, 1, 1).value_or(0);
}

double yen(std::mt19937& random, int low, int high) {
    return static_cast<double>(std::uniform_int_distribution<int>(low, high)(random));
}

template <class Pool>
const char* pick(std::mt19937& random, const Pool& pool) {
    return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)];
}

TIndex makeCard(Date date, std::mt19937& random) {
    TIndex card;
    card.date = date;
    int spends = std::uniform_int_distribution<int>(7, 13)(random);
    for (int i = 0; i < spends; ++i) {
        card.spendList.push_back(
            {pick(random, kItems), pick(random, kSpendCategories), yen(random, 80, 6000)});
    }
    int incomes = std::uniform_int_distribution<int>(0, 4)(random);
    for (int i = 0; i < incomes; ++i) {
        // A household's income of a month spread over its days.
        card.incomeList.push_back({pick(random, kIncomeItems), pick(random, kIncomeCategories),
                                   std::round(yen(random, 500, 300000) / 25)});
    }
    int accounts = std::uniform_int_distribution<int>(0, 2)(random);
    for (int i = 0; i < accounts; ++i) {
        const char* label = pick(random, kAccountLabels);
        card.accountList.push_back({"ATM", label, yen(random, 1000, 50000)});
    }
    for (const char* category : kSpendCategories) {
        double used = yen(random, 0, 30000);
        card.budgetList.push_back({category, used, 30000 - used});
    }
    for (const char* label : kSummaryLabels) {
        card.summaryList.push_back({label, yen(random, -50000, 2000000)});
    }
    card.memo = pick(random, kMemos);
    return card;
}

// The running balances a calculation leaves on rows 4 to 7 of the summary:
// cash drawn down day by day and topped up from the accounts, the salary
// on the 25th with bonuses in June and December, the monthly debits, a
// monthly saving, a summer holiday and now and then a car. It has a random
// source of its own, so the rest of the book is the same with or without it.
class BalanceWalk {
public:
    explicit BalanceWalk(unsigned seed) : random_(seed) {}

    void step(Date date) {
        const Ymd ymd = splitDate(date);
        cash_ -= yen(random_, 800, 4500);
        if (cash_ < 10000) {
            cash_ += 50000;
            accounts_ -= 50000;
        }
        if (ymd.day == 25) {
            accounts_ += 285000 + ((ymd.month == 6 || ymd.month == 12) ? 420000 : 0);
            accounts_ -= 30000;
            savings_ += 30000;
        }
        if (ymd.day == 27) accounts_ -= yen(random_, 110000, 150000);
        if (ymd.month == 8 && ymd.day == 10) accounts_ -= yen(random_, 200000, 450000);
        if (ymd.month == 3 && ymd.day == 20 && ymd.year % 7 == 0) {
            accounts_ -= 1500000;
            savings_ -= 500000;
        }
    }
    void writeInto(TIndex& card) const {
        card.summaryList[3].amount = cash_;
        card.summaryList[4].amount = accounts_;
        card.summaryList[5].amount = cash_ + accounts_;
        card.summaryList[6].amount = savings_;
    }

private:
    std::mt19937 random_;
    double cash_ = 40000;
    double accounts_ = 650000;
    double savings_ = 800000;
};

}  // namespace

DataImage generateBook(int years, unsigned seed) {
    std::mt19937 random(seed);
    DataImage image;
    const Date start = firstDay(years);
    const Date end = makeDate(2026, 1, 1).value_or(start);
    image.startDate = start;
    image.note = "家計簿のメモ\r\n・年間目標：貯金１００万円\r\n・①固定費を見直す～\r\n";
    image.cards.reserve(static_cast<std::size_t>(end - start));
    BalanceWalk balances(seed + 1);
    for (Date day = start; day < end; ++day) {
        image.cards.push_back(makeCard(day, random));
        balances.step(day);
        balances.writeInto(image.cards.back());
        Ymd ymd = splitDate(day);
        if (ymd.day == 5 || ymd.day == 15 || ymd.day == 25) {
            // As the credit sheet holds a purchase: year, month, day, item,
            // amount, card, status, year and month of payment.
            const char* card = pick(random, kCards);
            const char* item = pick(random, kItems);
            const double amount = yen(random, 1000, 80000);
            const Ymd paid = splitDate(day + 30);
            const bool settled = day + 60 < end;
            image.credit.push_back({std::to_string(ymd.year), std::to_string(ymd.month), std::to_string(ymd.day),
                                    item, amountToText(amount), card, settled ? "支払済" : "",
                                    settled ? std::to_string(paid.year) : "", settled ? std::to_string(paid.month) : ""});
        }
    }
    // The credit sheet lists the newest purchase first.
    std::reverse(image.credit.begin(), image.credit.end());
    return image;
}

std::vector<MonthRecord> generateMonths(int years, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<MonthRecord> months;
    const int firstYear = 2026 - years;
    for (int year = firstYear; year < 2026; ++year) {
        for (int month = 1; month <= 12; ++month) {
            MonthRecord record;
            record.key = makeDate(year, month, 1).value_or(0);
            for (const char* category : kSpendCategories) {
                double used = yen(random, 0, 60000);
                record.spendList.push_back({category, used, 60000 - used});
            }
            for (int i = 0; i < 10; ++i) {
                record.incomeList.push_back({kIncomeCategories[static_cast<std::size_t>(i) % 5],
                                             yen(random, 0, 400000)});
            }
            for (int i = 0; i < 15; ++i) {
                record.summaryList.push_back({kSummaryLabels[static_cast<std::size_t>(i)],
                                              yen(random, -100000, 3000000)});
            }
            record.totalSpend = yen(random, 100000, 400000);
            record.totalIncome = yen(random, 200000, 500000);
            record.balance = record.totalIncome - record.totalSpend;
            record.cashTotal = yen(random, 0, 100000);
            record.accountTotal = yen(random, 0, 5000000);
            record.householdTotal = record.cashTotal + record.accountTotal;
            record.savings = yen(random, 0, 3000000);
            record.unpaidCredit = yen(random, 0, 200000);
            record.householdChange = record.balance;
            months.push_back(std::move(record));
        }
    }
    return months;
}

bool writeProgramFolder(const std::string& folder, int years, unsigned seed) {
    bool data = saveFileSafely(dataFileName(folder), encodeDataFile(generateBook(years, seed)), true);
    bool month = saveFileSafely(monthFileName(folder), encodeMonthFile(generateMonths(years, seed)), false);
    return data && month;
}

bool writeOneCardFolder(const std::string& folder, unsigned seed) {
    DataImage book = generateBook(1, seed);
    book.cards.erase(book.cards.begin(), book.cards.end() - 1);
    book.credit.resize(std::min<std::size_t>(book.credit.size(), 1));
    std::vector<MonthRecord> months = generateMonths(1, seed);
    months.erase(months.begin(), months.end() - 1);
    bool data = saveFileSafely(dataFileName(folder), encodeDataFile(book), true);
    bool month = saveFileSafely(monthFileName(folder), encodeMonthFile(months), false);
    return data && month;
}

}  // namespace kakeibo

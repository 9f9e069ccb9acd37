#include "JsonOutput.h"

#include "sheets/SheetOps.h"
#include "storage/DataFile.h"
#include "storage/FileLayer.h"
#include "storage/FileNames.h"
#include "storage/IniFile.h"
#include "storage/MonthFile.h"
#include "storage/PrefFile.h"
#include "storage/WindowLayout.h"

namespace kakeibo::cli {

Json amountJson(double amount) {
    // The range first: a value out of it (or a NaN) has no integer to become.
    if (amount > -9e15 && amount < 9e15 && amount == static_cast<double>(static_cast<long long>(amount))) {
        return Json(static_cast<long long>(amount));
    }
    return Json(amount);
}

namespace {

Json sheetRows(const Sheet& sheet) {
    Json rows = Json::array();
    const int last = lastUsedRow(sheet);
    for (int r = 0; r <= last && r < std::max(sheet.rowCount(), last + 1); ++r) {
        Json row = Json::array();
        for (int c = 0; c < sheet.colCount(); ++c) row.push_back(sheet.cell(c, r));
        rows.push_back(std::move(row));
    }
    return rows;
}

Json sheetsOf(std::initializer_list<const Sheet*> sheets) {
    Json out = Json::object();
    for (const Sheet* s : sheets) out[s->name()] = sheetRows(*s);
    return out;
}

Json kirokuJson(const std::vector<TKiroku>& lines) {
    Json out = Json::array();
    for (const auto& l : lines) out.push_back({{"item", l.item}, {"category", l.category}, {"amount", l.amount}});
    return out;
}

Json yosanJson(const std::vector<TYosan>& rows) {
    Json out = Json::array();
    for (const auto& r : rows) out.push_back({{"name", r.name}, {"amount1", r.amount1}, {"amount2", r.amount2}});
    return out;
}

Json matomeJson(const std::vector<TMatome>& rows) {
    Json out = Json::array();
    for (const auto& r : rows) out.push_back({{"name", r.name}, {"amount", r.amount}});
    return out;
}

Json dataJson(const DataImage& image) {
    Json credit = Json::array();
    for (const auto& row : image.credit) credit.push_back(Json(std::vector<std::string>(row.begin(), row.end())));
    Json cards = Json::array();
    for (const auto& card : image.cards) {
        cards.push_back({{"date", dateToIso(card.date)},
                         {"spend", kirokuJson(card.spendList)},
                         {"income", kirokuJson(card.incomeList)},
                         {"account", kirokuJson(card.accountList)},
                         {"budget", yosanJson(card.budgetList)},
                         {"summary", matomeJson(card.summaryList)},
                         {"memo", card.memo}});
    }
    return {{"version", image.version}, {"startDate", dateToIso(image.startDate)},
            {"headerFlag", image.headerFlag}, {"credit", std::move(credit)},
            {"notes", image.note}, {"cards", std::move(cards)}};
}

template <class T>
Json optionalJson(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json recordJson(const std::optional<SheetRecord>& record) {
    if (!record) return nullptr;
    return {{"rows", record->rows}, {"cols", record->cols}, {"cells", record->cells}};
}

template <std::size_t N>
Json textsJson(const std::optional<std::array<std::string, N>>& texts) {
    if (!texts) return nullptr;
    return Json(std::vector<std::string>(texts->begin(), texts->end()));
}

Json prefJson(const PrefImage& p) {
    Json sonota = nullptr;
    if (p.shonichi || p.userName) sonota = Json::array({optionalJson(p.shonichi), optionalJson(p.userName)});
    Json koza = Json::array();
    for (const auto& k : p.koza) koza.push_back(recordJson(k));
    return {{"version", optionalJson(p.version)},
            {"GridSetGenkinOut", recordJson(p.genkinOut)},
            {"GridSetGenkinIn", recordJson(p.genkinIn)},
            {"GridSetChokin", optionalJson(p.chokin)},
            {"GridSetSonota", std::move(sonota)},
            {"rdBtnWinDentaku", optionalJson(p.winDentaku)},
            {"chkBoxRedText", optionalJson(p.redText)},
            {"chkBoxComma", optionalJson(p.comma)},
            {"chkBoxKozaAuto", optionalJson(p.kozaAuto)},
            {"GridSetRowNum", textsJson(p.rowCounts)},
            {"EditBank", textsJson(p.bankNames)},
            {"GridSetKoza", std::move(koza)},
            {"chkBoxFloat", optionalJson(p.floatDigits)},
            {"GridSetTax", optionalJson(p.taxRate)},
            {"chkBoxShokichiUse", optionalJson(p.shokichiUse)},
            {"GridShokiGenkin", optionalJson(p.shokiGenkin)},
            {"GridShokiKoza", textsJson(p.shokiKoza)},
            {"GridShokiChokin", optionalJson(p.shokiChokin)},
            {"chkBoxKozaShift", optionalJson(p.kozaShift)}};
}

Json monthsJson(const std::vector<MonthRecord>& records) {
    Json out = Json::array();
    for (const auto& m : records) {
        out.push_back({{"key", dateToIso(m.key)},
                       {"spend", yosanJson(m.spendList)},
                       {"income", matomeJson(m.incomeList)},
                       {"summary", matomeJson(m.summaryList)},
                       {"totalSpend", m.totalSpend},
                       {"totalIncome", m.totalIncome},
                       {"balance", m.balance},
                       {"cashTotal", m.cashTotal},
                       {"accountTotal", m.accountTotal},
                       {"householdTotal", m.householdTotal},
                       {"savings", m.savings},
                       {"unpaidCredit", m.unpaidCredit},
                       {"householdChange", m.householdChange}});
    }
    return out;
}

Json windowJson(const IniFile& ini) {
    Json out = Json::object();
    for (const auto& [section, keys] : allEntries(ini)) {
        Json entries = Json::object();
        for (const auto& [key, value] : keys) entries[key] = value;
        out[section] = std::move(entries);
    }
    return out;
}

}  // namespace

Json pageJson(Book& book, PageKind page) {
    switch (page) {
        case PageKind::Day:
            return {{"panels",
                     {{"pnlDay", book.pnlDay},
                      {"pnlYobi", book.pnlYobi},
                      {"pnlPage", book.pnlPage},
                      {"pnlToShonichi", book.pnlToShonichi}}},
                    {"sheets", sheetsOf({&book.GridShishutu, &book.GridShuNyu, &book.GridKoza, &book.GridYosan,
                                         &book.GridMatome})},
                    {"memo", book.Memo1}};
        case PageKind::Month:
            return {{"panels",
                     {{"pnlYearSum", book.pnlYearSum},
                      {"pnlMonthSum", book.pnlMonthSum},
                      {"pnlMonthStart", book.pnlMonthStart},
                      {"pnlMonthLast", book.pnlMonthLast},
                      {"pnlPageSum", book.pnlPageSum}}},
                    {"sheets", sheetsOf({&book.GridMonthSum, &book.GridMonthShishutu, &book.GridMonthShuNyu,
                                         &book.GridMonthMatome, &book.GridMonthKoza})}};
        case PageKind::Week:
            return {{"panels",
                     {{"pnlYearWeek", book.pnlYearWeek},
                      {"pnlWeekWeek", book.pnlWeekWeek},
                      {"pnlPageWeek", book.pnlPageWeek}}},
                    {"sheets", sheetsOf({&book.GridWeekShishutsu, &book.GridWeekShuNyu})}};
        case PageKind::Year:
            return {{"panels", {{"pnlYearYear", book.pnlYearYear}}},
                    {"sheets", sheetsOf({&book.GridYearShishutsu, &book.GridYearShuNyu})}};
    }
    return Json::object();
}

Json dumpJson(const std::string& folder, UiPort& ui) {
    Json out = Json::object();

    const std::string dataPath = dataFileName(folder);
    if (fileExists(dataPath)) {
        DataImage image;
        loadData(dataPath, image, ui);
        out["data"] = dataJson(image);
    } else {
        out["data"] = nullptr;
    }

    const std::string prefPath = prefFileName(folder);
    if (fileExists(prefPath)) {
        PrefImage image;
        loadPref(prefPath, image, ui);
        out["prefs"] = prefJson(image);
    } else {
        out["prefs"] = nullptr;
    }

    const std::string monthPath = monthFileName(folder);
    if (fileExists(monthPath)) {
        std::vector<MonthRecord> records;
        loadMonthFile(monthPath, records, ui);
        out["months"] = monthsJson(records);
    } else {
        out["months"] = nullptr;
    }

    if (auto ini = IniFile::load(iniFileName(folder))) {
        out["window"] = windowJson(*ini);
    } else {
        out["window"] = nullptr;
    }
    return out;
}

}  // namespace kakeibo::cli

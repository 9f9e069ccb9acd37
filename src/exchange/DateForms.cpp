#include "exchange/DateForms.h"

#include <array>
#include <string>

#include "text/TextFolding.h"

namespace kakeibo {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2999;

// Reads a date text left to right; every read either takes what it wants
// or leaves the position where it was.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    void skipSpaces() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }
    bool eat(std::string_view literal) {
        if (text_.substr(pos_, literal.size()) != literal) return false;
        pos_ += literal.size();
        return true;
    }
    // Eats one of the characters; the one eaten, or 0.
    char eatOneOf(std::string_view chars) {
        if (pos_ < text_.size() && chars.find(text_[pos_]) != std::string_view::npos) return text_[pos_++];
        return 0;
    }
    // minDigits to maxDigits ASCII digits as a number.
    std::optional<int> number(int minDigits, int maxDigits) {
        const std::size_t start = pos_;
        int value = 0;
        int count = 0;
        while (count < maxDigits && isDigitAt(pos_)) {
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
            ++count;
        }
        // Fewer digits than the field needs, or more than it holds: not this form.
        if (count < minDigits || isDigitAt(pos_)) {
            pos_ = start;
            return std::nullopt;
        }
        return value;
    }

private:
    bool isDigitAt(std::size_t i) const { return i < text_.size() && text_[i] >= '0' && text_[i] <= '9'; }

    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<Date> dateOf(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear) return std::nullopt;
    return makeDate(year, month, day);
}

// year sep month sep day, numbers of 1..2 digits after a 4-digit year.
std::optional<Date> separated(std::string_view text, char separator) {
    Cursor c(text);
    const auto year = c.number(4, 4);
    if (!year || !c.eat(std::string_view(&separator, 1))) return std::nullopt;
    const auto month = c.number(1, 2);
    if (!month || !c.eat(std::string_view(&separator, 1))) return std::nullopt;
    const auto day = c.number(1, 2);
    if (!day || !c.atEnd()) return std::nullopt;
    return dateOf(*year, *month, *day);
}

std::optional<Date> digitsOnly(std::string_view text) {
    Cursor c(text);
    const auto all = c.number(8, 8);
    if (!all || !c.atEnd()) return std::nullopt;
    return dateOf(*all / 10000, *all / 100 % 100, *all % 100);
}

// month 月 day 日, the part after the year of the kanji forms.
std::optional<std::pair<int, int>> kanjiMonthDay(Cursor& c) {
    c.skipSpaces();
    const auto month = c.number(1, 2);
    c.skipSpaces();
    if (!month || !c.eat("月")) return std::nullopt;
    c.skipSpaces();
    const auto day = c.number(1, 2);
    c.skipSpaces();
    if (!day || !c.eat("日")) return std::nullopt;
    c.skipSpaces();
    if (!c.atEnd()) return std::nullopt;
    return std::pair{*month, *day};
}

std::optional<Date> kanji(std::string_view text) {
    Cursor c(text);
    const auto year = c.number(4, 4);
    c.skipSpaces();
    if (!year || !c.eat("年")) return std::nullopt;
    const auto monthDay = kanjiMonthDay(c);
    if (!monthDay) return std::nullopt;
    return dateOf(*year, monthDay->first, monthDay->second);
}

struct Era {
    std::string_view name;
    char letter;
    int firstYear;  // the Gregorian year of the era's first year
    Ymd first;
    Ymd last;  // year 0: the era goes on
};

constexpr std::array<Era, 5> kEras = {{
    {"明治", 'M', 1868, {1868, 1, 25}, {1912, 7, 29}},
    {"大正", 'T', 1912, {1912, 7, 30}, {1926, 12, 24}},
    {"昭和", 'S', 1926, {1926, 12, 25}, {1989, 1, 7}},
    {"平成", 'H', 1989, {1989, 1, 8}, {2019, 4, 30}},
    {"令和", 'R', 2019, {2019, 5, 1}, {0, 0, 0}},
}};

const Era* eatEra(Cursor& c) {
    for (const Era& era : kEras) {
        if (c.eat(era.name)) return &era;
        const char letters[] = {era.letter, static_cast<char>(era.letter - 'A' + 'a'), '\0'};
        if (c.eatOneOf(letters)) return &era;
    }
    return nullptr;
}

std::optional<Date> era(std::string_view text) {
    Cursor c(text);
    const Era* era = eatEra(c);
    if (!era) return std::nullopt;
    c.skipSpaces();
    std::optional<int> eraYear = c.number(1, 2);
    if (!eraYear && c.eat("元")) eraYear = 1;
    if (!eraYear || *eraYear < 1) return std::nullopt;
    c.skipSpaces();
    std::optional<std::pair<int, int>> monthDay;
    if (c.eat("年")) {
        monthDay = kanjiMonthDay(c);
    } else if (const char separator = c.eatOneOf("./-")) {
        const auto month = c.number(1, 2);
        if (month && c.eat(std::string_view(&separator, 1))) {
            const auto day = c.number(1, 2);
            if (day && c.atEnd()) monthDay = std::pair{*month, *day};
        }
    }
    if (!monthDay) return std::nullopt;
    const auto date = dateOf(era->firstYear + *eraYear - 1, monthDay->first, monthDay->second);
    if (!date) return std::nullopt;
    if (*date < *makeDate(era->first.year, era->first.month, era->first.day)) return std::nullopt;
    if (era->last.year != 0 && *date > *makeDate(era->last.year, era->last.month, era->last.day)) {
        return std::nullopt;
    }
    return date;
}

// Full-width digits, the ideographic space and the era signs in their
// plain forms, with the spaces around cut off.
std::string plainDateText(std::string_view text) {
    std::string plain = normalizeNfkc(text);
    const auto first = plain.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = plain.find_last_not_of(' ');
    return plain.substr(first, last - first + 1);
}

}  // namespace

std::string_view dateFormName(DateForm form) {
    switch (form) {
        case DateForm::Auto: return "auto";
        case DateForm::Slash: return "slash";
        case DateForm::Hyphen: return "hyphen";
        case DateForm::Digits: return "digits";
        case DateForm::Kanji: return "kanji";
        case DateForm::Era: return "era";
    }
    return "auto";
}

std::optional<DateForm> dateFormFromName(std::string_view name) {
    for (DateForm form : {DateForm::Auto, DateForm::Slash, DateForm::Hyphen, DateForm::Digits, DateForm::Kanji,
                          DateForm::Era}) {
        if (dateFormName(form) == name) return form;
    }
    return std::nullopt;
}

std::optional<Date> readStatementDate(std::string_view text, DateForm form) {
    const std::string plain = plainDateText(text);
    switch (form) {
        case DateForm::Slash: return separated(plain, '/');
        case DateForm::Hyphen: return separated(plain, '-');
        case DateForm::Digits: return digitsOnly(plain);
        case DateForm::Kanji: return kanji(plain);
        case DateForm::Era: return era(plain);
        case DateForm::Auto: break;
    }
    for (auto read : {+[](std::string_view t) { return separated(t, '/'); },
                      +[](std::string_view t) { return separated(t, '-'); }, &digitsOnly, &kanji, &era}) {
        if (const auto date = read(plain)) return date;
    }
    return std::nullopt;
}

std::optional<Date> readQifDate(std::string_view text) {
    const std::string plain = plainDateText(text);
    if (const auto iso = separated(plain, '-')) return iso;
    Cursor c(plain);
    const auto month = c.number(1, 2);
    c.skipSpaces();
    if (!month || !c.eat("/")) return std::nullopt;
    c.skipSpaces();
    const auto day = c.number(1, 2);
    c.skipSpaces();
    const char separator = day ? c.eatOneOf("/'") : 0;
    if (!separator) return std::nullopt;
    c.skipSpaces();
    auto year = c.number(4, 4);
    if (!year) {
        year = c.number(2, 2);
        if (year) *year += separator == '\'' || *year < 50 ? 2000 : 1900;
    }
    c.skipSpaces();
    if (!year || !c.atEnd()) return std::nullopt;
    return dateOf(*year, *month, *day);
}

}  // namespace kakeibo

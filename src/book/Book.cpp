#include "book/Book.h"

#include "model/Dates.h"

namespace kakeibo {

Book::Book(UiPort& ui) : ui_(&ui) {
    allSheets_ = {&GridShishutu,      &GridShuNyu,        &GridKoza,          &GridYosan,
                  &GridMatome,        &GridWeekShishutsu, &GridWeekShuNyu,    &GridMonthSum,
                  &GridMonthShishutu, &GridMonthShuNyu,   &GridMonthMatome,   &GridMonthKoza,
                  &GridYearShishutsu, &GridYearShuNyu,    &GridSetGenkinOut,  &GridSetGenkinIn,
                  &GridSetChokin,     &GridSetKoza0,      &GridSetKoza1,      &GridSetKoza2,
                  &GridSetKoza3,      &GridShokiGenkin,   &GridShokiChokin,   &GridShokiKoza,
                  &GridSetSonota,     &GridSetRowNum,     &GridSetTax,        &GridCredit};
}

Sheet* Book::sheet(std::string_view controlName) {
    for (Sheet* s : allSheets_) {
        if (s->name() == controlName) return s;
    }
    return nullptr;
}

Sheet& Book::setKoza(int k) {
    switch (k) {
        case 0: return GridSetKoza0;
        case 1: return GridSetKoza1;
        case 2: return GridSetKoza2;
        default: return GridSetKoza3;
    }
}

std::string Book::makeKozaLabel(int index, int kind) const {
    const std::string_view bank =
        (index >= 0 && index < 4) ? std::string_view(EditBank[static_cast<std::size_t>(index)]) : std::string_view();
    return kakeibo::makeKozaLabel(bank, kind);
}

int Book::shonichi() const { return getShonichi(GridSetSonota.cell(1, 1)); }

const std::string& Book::userName() const { return GridSetSonota.cell(1, 2); }

}  // namespace kakeibo

#pragma once
// A book on Sunday 10 December 2000 with a few days of spending and income,
// and the week, the fiscal month and the year of that day summed: the
// summaries as the print tests print them.

#include <initializer_list>

#include "book/Book.h"
#include "book/DayDisplay.h"
#include "book/MonthSummary.h"
#include "book/SettingsApply.h"
#include "book/Stores.h"
#include "book/WeekYearSummary.h"
#include "support/EntryLines.h"
#include "support/FixedToday.h"
#include "support/LaidOutBook.h"
#include "support/ScriptedUi.h"

namespace kakeibo {

struct SummedBook {
    ScriptedUi ui;
    Book book{ui};

    SummedBook() {
        layOutBookOn(book, dayOf(2000, 12, 10));
        int row = 1;
        for (const char* category : {"食費", "日用品", "交際費"}) book.GridSetGenkinOut.setCell(0, row++, category);
        book.GridSetGenkinOut.setCell(1, 1, "30000");
        book.GridSetGenkinIn.setCell(0, 1, "お小遣い");
        book.GridSetSonota.setCell(1, 2, "花子");
        book.chkBoxComma = true;
        settingAll(book);

        const Date today = book.today();
        writeDay(today, {{"昼食", "1234", "食費"}, {"洗剤", "398", "日用品"}}, {{"小遣い", "5000", "お小遣い"}});
        writeDay(today + 1, {{"スーパー", "3280", "食費"}}, {});
        writeDay(today + 2, {{"飲み会", "4500", "交際費"}}, {});
        dispTheDay(book, today);

        dispTheWY(book, kWeekMode, today);
        btnSumWeekClick(book);
        dispTheMonth(book, getMonthKey(today, book.shonichi()));
        btnSumMonthClick(book);
        dispTheWY(book, kYearMode, today);
        btnSumYearClick(book);
        ui.clear();
    }

private:
    void writeDay(Date day, std::initializer_list<EntryLine> spending, std::initializer_list<EntryLine> income) {
        dispTheDay(book, day);
        putLines(book.GridShishutu, spending);
        putLines(book.GridShuNyu, income);
        storeTheDay(book);
    }
};

}  // namespace kakeibo

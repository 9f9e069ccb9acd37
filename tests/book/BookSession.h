#pragma once
// A book started in a program folder as the programs start it, with a
// scripted person and, when given, a file layer that fails on demand; the
// end of the object is a program killed (nothing closed, nothing written).

#include <string>

#include "book/Book.h"
#include "book/Lifecycle.h"
#include "model/Dates.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo {

struct BookSession {
    ScriptedUi ui;
    Book book{ui};
    StartupReport report;

    explicit BookSession(const TempDir& dir, Date today = *makeDate(2026, 12, 8), FileLayer* files = nullptr,
                         bool start = true) {
        book.folder = dir.path();
        book.clock().setToday(today);
        if (files) book.safety.files = files;
        if (start) report = formCreate(book);
    }
    bool close() { return formClose(book, WindowSizes{}); }
    CloseResult closeAsked(CloseKind kind = CloseKind::ByPerson) {
        return formCloseRequested(book, WindowSizes{}, kind);
    }
    // A line typed into the spending sheet, committed, not yet stored.
    void type(int row, const std::string& item, const std::string& amount, const std::string& category = "") {
        book.GridShishutu.setCell(0, row, item);
        book.GridShishutu.setCell(1, row, amount);
        book.GridShishutu.setCell(2, row, category);
    }
};

}  // namespace kakeibo

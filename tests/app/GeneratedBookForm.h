#pragma once
// The main window over a generated book of twenty years, for the pictures
// of the windows that look over a long history (search, charts). There only
// when the book generator is built in.

#ifdef KAKEIBO_BOOK_GENERATOR

#include <memory>

#include <QTest>

#include "app/TForm1.h"
#include "generator/BookGenerator.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo::testing {

struct GeneratedBookForm {
    TempDir dir;
    ScriptedUi ui;
    std::unique_ptr<shell::TForm1> form;

    // Writes the book and shows the window over it; false when either failed.
    bool open() {
        if (!writeProgramFolder(dir.path(), 20)) return false;
        form = std::make_unique<shell::TForm1>(dir.path(), ui);
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
};

}  // namespace kakeibo::testing

#endif

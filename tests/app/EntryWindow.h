#pragma once
// The main window on a temporary book, shown and active, with a few
// spending categories in its list: what the tests of typing into the
// sheets start from.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "app/SheetView.h"
#include "app/TForm1.h"
#include "app/editing/CategoryComboBox.h"
#include "app/editing/SheetEditAids.h"
#include "book/Book.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo::testing {

struct EntryWindow {
    TempDir dir;
    ScriptedUi ui;
    std::unique_ptr<TForm1> form;

    EntryWindow() {
        form = std::make_unique<TForm1>(dir.path(), ui);
        form->show();
        if (QTest::qWaitForWindowExposed(form.get())) {
            form->activateWindow();
            (void)QTest::qWaitForWindowActive(form.get());
        }
        form->book().cmbShishutu = {"食費", "日用品", "", "現金から貯金"};
        form->editAids().sync();
    }
    ~EntryWindow() { form->close(); }

    shell::SheetView* view(const char* name) const {
        return form->findChild<shell::SheetView*>(QString::fromLatin1(name));
    }
    shell::CategoryComboBox* list() const { return form->editAids().comboBox(CategoryCombo::Shishutu); }
    Sheet& spending() const { return form->book().GridShishutu; }

    // Shows the page that holds a sheet (by its index in pageTop and sub-page).
    void showPage(int page, const char* subPages = nullptr, int subPage = 0) {
        form->findChild<QTabWidget*>(QStringLiteral("pageTop"))->setCurrentIndex(page);
        if (subPages) form->findChild<QTabWidget*>(QString::fromLatin1(subPages))->setCurrentIndex(subPage);
        QApplication::processEvents();
    }

    void click(shell::SheetView* v, int col, int row, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(v->viewport(), button, mods, v->cellRect(col, row).center());
    }

    // A right click on a cell, then the pop-up menu's item.
    void popUp(shell::SheetView* v, int col, int row, const char* item) {
        click(v, col, row, Qt::RightButton);
        auto* menu = form->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        QTRY_VERIFY(menu->isVisible());
        menu->findChild<QAction*>(QString::fromLatin1(item))->trigger();
        menu->close();
    }
};

inline QPoint current(const Sheet& sheet) { return {sheet.currentCol(), sheet.currentRow()}; }

}  // namespace kakeibo::testing

#pragma once
// The main window of the graph window's tests, on a temporary book with two
// cash categories (食費 with a budget of 3,000, 日用品 5,000) and one income
// category, amounts shown with separators; and what the tests do to it as a
// person would: clicks on named controls, cards typed in and calculated,
// months summed, the mouse wheel over a chart.

#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <memory>

#include "app/TForm1.h"
#include "app/charts/ChartWindow.h"
#include "book/Book.h"
#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "book/MonthSummary.h"
#include "book/SettingsApply.h"
#include "book/Stores.h"
#include "sheets/AmountText.h"
#include "support/FixedToday.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo::testing {

struct ChartTestWindow {
    TempDir dir;
    ScriptedUi ui;
    std::unique_ptr<shell::TForm1> form;

    ChartTestWindow() { start(); }
    ~ChartTestWindow() {
        if (form) form->close();
    }

    void start() {
        form = std::make_unique<shell::TForm1>(dir.path(), ui);
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
        form->buildHiddenPages();
        form->runCommand([](Book& book) {
            book.GridSetGenkinOut.setCell(0, 1, "食費");
            book.GridSetGenkinOut.setCell(1, 1, "3000");
            book.GridSetGenkinOut.setCell(0, 2, "日用品");
            book.GridSetGenkinOut.setCell(1, 2, "5000");
            book.GridSetGenkinIn.setCell(0, 1, "お小遣い");
            book.chkBoxComma = true;
            settingAll(book);
        });
        ui.clear();
    }

    Book& book() const { return form->book(); }

    // A widget of any top-level window by its object name.
    template <typename T = QWidget>
    T* find(const char* name) const {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String(name)) return qobject_cast<T*>(top);
            if (T* found = top->findChild<T*>(QString::fromLatin1(name))) return found;
        }
        return nullptr;
    }
    shell::ChartWindow* charts() const { return find<shell::ChartWindow>("FormGraph"); }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }

    // A left click on the middle of a named button, as the mouse gives it.
    void click(const char* name) const {
        QWidget* button = find(name);
        QVERIFY2(button && button->isVisible() && button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // A card with one spending line, calculated when asked.
    void enterCard(Date date, const char* category, double amount, bool calculate = true) {
        form->runCommand([=](Book& book) {
            storeTheDay(book);
            dispTheDay(book, date);
            book.GridShishutu.setCell(0, 1, "買い物");
            book.GridShishutu.setCell(1, 1, amountToText(amount));
            book.GridShishutu.setCell(2, 1, category);
            if (calculate) btnCalcMouseUp(book, false);
            storeTheDay(book);
        });
    }

    void sumMonth(Date key) {
        form->runCommand([key](Book& book) {
            storeTheMonth(book);
            dispTheMonth(book, key);
            btnSumMonthClick(book);
        });
    }
};

// The values of the "使用額" bars of the month's budget chart, top row first.
inline QList<qreal> usedBars(QWidget* chartView) {
    auto* view = qobject_cast<QChartView*>(chartView);
    if (!view || view->chart()->series().isEmpty()) return {};
    auto* series = qobject_cast<QHorizontalBarSeries*>(view->chart()->series().front());
    QList<qreal> values;
    QBarSet* used = series->barSets().at(1);
    for (int i = used->count() - 1; i >= 0; --i) values << used->at(i);
    return values;
}

// Notches of the mouse wheel over the middle of a chart (positive: away
// from the person, which zooms in).
inline void wheel(QWidget* chartView, int notches) {
    QWidget* port = qobject_cast<QChartView*>(chartView)->viewport();
    const QPointF at(port->width() / 2.0, port->height() / 2.0);
    QWheelEvent event(at, port->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(port, &event);
}

}  // namespace kakeibo::testing

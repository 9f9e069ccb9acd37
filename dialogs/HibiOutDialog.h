#pragma once
// The daily-records export dialog (TFormHibiOut): the record shown, or the
// records of a period given by six editable date fields. Created for one
// use (on the stack of the Output menu command) and gone when it closes.
// The checking and the saving are the book's; this only collects the
// fields and closes when the book says so.

#include <array>

#include <QDialog>

#include "book/TextExports.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kakeibo {
class Book;
}

namespace kakeibo::shell {

class HibiOutDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr QPoint kOffset{150, 150};

    // The fields open on the shown card's date; mainWindow is the parent and
    // the corner the dialog is placed from.
    HibiOutDialog(Book& book, QWidget* mainWindow);

    // Shows the dialog modally until a save closes it or the user cancels.
    void run();

    // The six fields' texts, start year .. end day.
    HibiFields fields() const;
    bool dateFieldsShown() const;

private:
    void showDateCombo();
    void hideDateCombo();
    void setDateFieldsVisible(bool visible);
    void btnSaveClick();

    Book& book_;

    QRadioButton* rdBtnHibiOutCurr = nullptr;
    QRadioButton* rdBtnHibiOutDur = nullptr;
    std::array<QComboBox*, 6> dateFields_{};  // in HibiField order
    std::array<QLabel*, 8> dateLabels_{};
    QPushButton* btnCancel = nullptr;
    QPushButton* btnSave = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace kakeibo::shell

#pragma once
// The print dialog (TFormPrint): names the summary to print and its font,
// lets the person set up the printer, choose the font (applied with the
// font dialog's Apply button) and, for the weekly and yearly prints, the
// tables; then draws the one page. With no printer on the machine, or with
// PDF output chosen, the page goes to a PDF file the person names, so a
// print is never silently lost. Created for one print and gone when it closes.

#include <QDialog>
#include <QPrinter>

#include "book/PrintLayout.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace kakeibo {
class Book;
}

namespace kakeibo::shell {

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr QPoint kOffset{150, 150};

    // job: from makeWeekPrintJob, makeMonthPrintJob or makeYearPrintJob.
    PrintDialog(Book& book, PrintJob job, QWidget* mainWindow);

    // Shows the dialog modally until a print closes it or the user cancels.
    void run();

    // The job as the dialog's choices stand.
    const PrintJob& job() const { return job_; }
    // Sends the page to a PDF file even when a printer exists.
    void setPrintToPdf(bool toPdf) { forcePdf_ = toPdf; }
    // The font dialog's Apply: the print font becomes that family.
    void FontDialog1Apply(const QString& family);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnPrintClick();
    void btnPrtSetClick();
    void btnFontClick();
    void readChoice();
    bool choosePdfFile();

    Book& book_;
    PrintJob job_;
    QPrinter printer_;
    bool forcePdf_ = false;

    QLabel* lblPrint = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblPrint2 = nullptr;
    QLabel* lblFont = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* pnlPrintWhich = nullptr;
    QRadioButton* rdBtnPrintShishutu = nullptr;
    QRadioButton* rdBtnPrintShunyu = nullptr;
    QRadioButton* rdBtnPrintBoth = nullptr;
    QPushButton* btnPrtSet = nullptr;
    QPushButton* btnFont = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnCancel = nullptr;
};

}  // namespace kakeibo::shell

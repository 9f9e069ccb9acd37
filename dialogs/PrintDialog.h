#pragma once
// The print dialog (TFormPrint): names the summary to print and its font,
// lets the person set up the printer, choose the font (applied with the
// font dialog's Apply button) and, for the weekly and yearly prints, the
// tables; then draws the one page. The page can also be looked at first
// in the preview, or saved as a PDF file at any time. With no printer on
// the machine the print goes to a PDF file the person names, so a print is
// never silently lost. Created for one print and gone when it closes.

#include <QDialog>

#include "book/PrintLayout.h"
#include "dialogs/PrintPath.h"

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
    void setPrintToPdf(bool toPdf) { path_.setPrintToPdf(toPdf); }
    // The printer the print goes to, as the printer setup left it.
    QPrinter& printer() { return path_.printer(); }
    // The font dialog's Apply: the print font becomes that family.
    void FontDialog1Apply(const QString& family);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnPrintClick();
    void btnPrtSetClick();
    void btnFontClick();
    void btnPreviewClick();
    void btnSavePdfClick();
    // The print of 印刷する and of the preview's print button; true when printed.
    bool printAfterAsking();
    void readChoice();
    // The page of the job as the dialog's choices stand, on any device.
    bool drawPage(PrintedPage& page);
    std::string pdfFile() const;

    Book& book_;
    PrintJob job_;
    PrintPath path_;

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
    QPushButton* btnPreview = nullptr;
    QPushButton* btnSavePdf = nullptr;
};

}  // namespace kakeibo::shell

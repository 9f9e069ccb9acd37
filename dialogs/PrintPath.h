#pragma once
// How a printed page leaves the program, for every window that prints: to
// the printer of the printer setup, into a PDF file (named in the shared
// save dialog, or when there is no printer to print on), or onto the
// preview. The caller only draws the page; a failure (the queue stopped or
// gone, a file that cannot be written) is said to the person through the
// message layer and leaves everything as it was, so the caller's window
// can simply stay open. A window prints a page of its own like this:
//
//     PrintPath path(ui, window);
//     const auto draw = [&](PrintedPage& page) {
//         page.setLandscape(true);
//         if (!page.begin()) return false;
//         drawChart(page.painter(), page.size());  // in dots of 1/360 inch
//         return page.end();
//     };
//     if (msgPrinterReady(ui) == MsgResult::Ok) path.print(draw, folder + "chart.pdf");

#include <functional>
#include <string>

#include <QPrinter>

class QWidget;

namespace kakeibo {
class UiPort;
}

namespace kakeibo::shell {

class PrintedPage;

class PrintPath {
public:
    // Draws one page: sets its orientation, begins it, draws and ends it.
    // False when the page could not begin or end.
    using Drawing = std::function<bool(PrintedPage&)>;

    // owner: the window whose dialogs these are.
    PrintPath(UiPort& ui, QWidget* owner);

    // The printer of the printer setup, used by the next print.
    QPrinter& printer() { return printer_; }
    // The system's printer setup dialog.
    void setUpPrinter();
    // Sends print() into a PDF file even when a printer exists.
    void setPrintToPdf(bool toPdf) { forcePdf_ = toPdf; }

    // The page on the printer; into a PDF file when there is no printer,
    // when the setup chose printing to a file, or with setPrintToPdf.
    // pdfFile: the full name the save dialog proposes. True when printed.
    bool print(const Drawing& drawing, const std::string& pdfFile);
    // The page into a PDF file named in the save dialog, printer or not.
    bool saveAsPdf(const Drawing& drawing, const std::string& pdfFile);
    // Shows the page as print() would put it on paper. The preview's print
    // button runs printCommand, and the preview closes when that printed.
    // True when the page was printed from the preview.
    bool preview(const Drawing& drawing, const std::function<bool()>& printCommand);

private:
    bool printsOnPrinter() const;
    bool printOnPrinter(const Drawing& drawing, const QString& jobName);
    bool askAndWritePdf(const Drawing& drawing, const std::string& pdfFile, const std::string& title);
    bool writePdf(const Drawing& drawing, const QString& path);

    UiPort& ui_;
    QWidget* owner_;
    QPrinter printer_;
    bool forcePdf_ = false;
};

}  // namespace kakeibo::shell

#include "dialogs/PrintPath.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "dialogs/PrintPreview.h"
#include "dialogs/PrintedPage.h"
#include "dialogs/PrinterQueue.h"
#include "messages/Messages.h"
#include "messages/UiPort.h"
#include "storage/FileLayer.h"

namespace kakeibo::shell {

namespace {

constexpr int kPdfResolution = 1200;
// A PDF page is A4 with the margins of a common printer, so that what
// reaches the edge of the printable area (the frame of the monthly print,
// the date line) stays on paper when the file is printed later.
constexpr double kPdfMarginMm = 5.0;

QPageLayout pdfPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm), QPageLayout::Millimeter);
}

QString withPdfExtension(QString path) {
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    return path;
}

void warn(UiPort& ui, const QString& text) { msgWarning(ui, text.toStdString()); }

}  // namespace

PrintPath::PrintPath(UiPort& ui, QWidget* owner) : ui_(ui), owner_(owner), printer_(QPrinter::HighResolution) {}

void PrintPath::setUpPrinter() {
    QPrintDialog dialog(&printer_, owner_);
    dialog.setWindowTitle(QStringLiteral("プリンタの設定"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    dialog.exec();
}

// A printer is there to print on: one was found or chosen in the setup,
// and the setup did not choose printing to a file.
bool PrintPath::printsOnPrinter() const {
    return !forcePdf_ && printer_.outputFormat() == QPrinter::NativeFormat &&
           !QPrinterInfo::availablePrinters().isEmpty();
}

bool PrintPath::print(const Drawing& drawing, const std::string& pdfFile) {
    if (printsOnPrinter())
        return printOnPrinter(drawing, QFileInfo(QString::fromStdString(pdfFile)).completeBaseName());
    const bool fileChosenInSetup =
        !forcePdf_ && printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty();
    if (fileChosenInSetup) return writePdf(drawing, withPdfExtension(printer_.outputFileName()));
    return askAndWritePdf(drawing, pdfFile, "PDF ファイルに印刷");
}

bool PrintPath::saveAsPdf(const Drawing& drawing, const std::string& pdfFile) {
    return askAndWritePdf(drawing, pdfFile, "PDFに保存");
}

bool PrintPath::printOnPrinter(const Drawing& drawing, const QString& jobName) {
    const QString name = printer_.printerName();
    if (const auto problem = queueProblem(name)) {
        warn(ui_, *problem);
        return false;
    }
    printer_.setDocName(jobName);
    PrintedPage page(printer_);
    if (!drawing(page) || printer_.printerState() == QPrinter::Error) {
        warn(ui_, QStringLiteral("プリンタ「%1」で印刷できませんでした").arg(name));
        return false;
    }
    if (const auto problem = handOverProblem(name)) {
        warn(ui_, *problem);
        return false;
    }
    return true;
}

bool PrintPath::askAndWritePdf(const Drawing& drawing, const std::string& pdfFile, const std::string& title) {
    FileDialogRequest request;
    request.title = title;
    request.filter = "PDF ファイル|*.pdf";
    request.filterIndex = 1;
    request.initialFile = pdfFile;
    const auto chosen = ui_.askSaveFileName(request);
    if (!chosen) return false;  // no file named: nothing written
    return writePdf(drawing, withPdfExtension(QString::fromStdString(*chosen)));
}

// The page is made in memory and written with the book's safe save, so a
// full disk or a folder without rights is said and an older file of that
// name stays whole.
bool PrintPath::writePdf(const Drawing& drawing, const QString& path) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pdfPageLayout());
        writer.setResolution(kPdfResolution);
        writer.setTitle(QFileInfo(path).completeBaseName());
        writer.setCreator(QStringLiteral("みらぶの家計簿"));
        PrintedPage page(writer);
        if (!drawing(page)) {
            warn(ui_, QStringLiteral("PDF ファイルを作成できませんでした"));
            return false;
        }
    }
    if (!saveFileSafely(path.toStdString(), std::string_view(bytes.constData(), bytes.size()), false)) {
        warn(ui_, QStringLiteral("PDF ファイル「%1」を保存できませんでした。\r\n"
                                 "保存先の空き容量と書き込みの権限を確かめてください")
                      .arg(path));
        return false;
    }
    return true;
}

bool PrintPath::preview(const Drawing& drawing, const std::function<bool()>& printCommand) {
    if (printsOnPrinter()) return showPrintPreview(printer_, owner_, drawing, printCommand);
    // With no printer the page goes into a PDF file: show that page.
    QPrinter pdfPrinter(QPrinter::HighResolution);
    pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
    pdfPrinter.setResolution(kPdfResolution);
    pdfPrinter.setPageLayout(pdfPageLayout());
    return showPrintPreview(pdfPrinter, owner_, drawing, printCommand);
}

}  // namespace kakeibo::shell

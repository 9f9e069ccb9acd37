#include "app/charts/ChartPrinting.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

#include "messages/Messages.h"
#include "messages/UiPort.h"

namespace kakeibo::shell {

namespace {

void warn(UiPort& ui, const QString& text) { msgWarning(ui, text.toStdString()); }

// Where the page goes: a PDF file named in the save dialog, or the printer
// chosen in the print dialog. False when the person cancelled.
bool choosePrinter(UiPort& ui, QWidget* owner, QPrinter& printer, const std::string& pdfFile, bool toPdf) {
    if (toPdf || QPrinterInfo::availablePrinters().isEmpty()) {
        FileDialogRequest request;
        request.title = "PDF ファイルに印刷";
        request.filter = "PDF ファイル|*.pdf";
        request.filterIndex = 1;
        request.initialFile = pdfFile;
        const auto chosen = ui.askSaveFileName(request);
        if (!chosen) return false;
        QString path = QString::fromStdString(*chosen);
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(path);
        return true;
    }
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void drawPictureOnPage(QPainter& painter, const QSize& page, QWidget* picture) {
    const QSize size = picture->size();
    if (size.isEmpty() || page.isEmpty()) return;
    const double scale = std::min(static_cast<double>(page.width()) / size.width(),
                                  static_cast<double>(page.height()) / size.height());
    painter.save();
    painter.translate((page.width() - size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    picture->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    painter.restore();
}

bool printChartPicture(UiPort& ui, QWidget* owner, QWidget* picture, const std::string& pdfFile, bool toPdf) {
    if (msgPrinterReady(ui) == MsgResult::Cancel) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!choosePrinter(ui, owner, printer, pdfFile, toPdf)) return false;
    printer.setPageOrientation(QPageLayout::Landscape);

    QPainter painter;
    if (!painter.begin(&printer)) {
        warn(ui, printer.outputFormat() == QPrinter::PdfFormat
                     ? QStringLiteral("PDF ファイルを作成できません：") + printer.outputFileName()
                     : QStringLiteral("プリンタ「%1」で印刷を開始できません").arg(printer.printerName()));
        return false;
    }
    // The printable area of the device, in its own dots.
    drawPictureOnPage(painter, QSize(printer.width(), printer.height()), picture);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        warn(ui, QStringLiteral("印刷に失敗しました"));
        return false;
    }
    return true;
}

}  // namespace kakeibo::shell

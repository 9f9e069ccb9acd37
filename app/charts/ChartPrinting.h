#pragma once
// A chart tab on paper: the picture (heading and charts) as large as one
// landscape page's printable area takes it, its proportions kept, through
// the printer the person chooses or, with no printer, into a PDF file.
// Failures are said through the message layer and change nothing.

#include <string>

class QPainter;
class QSize;
class QWidget;

namespace kakeibo {
class UiPort;
}

namespace kakeibo::shell {

// Draws picture centred on a page of that size (in the painter's units).
void drawPictureOnPage(QPainter& painter, const QSize& page, QWidget* picture);

// Asks whether the printer is ready, then prints. pdfFile: the file the
// save dialog proposes when the page goes into a PDF file; toPdf sends it
// there even when a printer exists. True when printed.
bool printChartPicture(UiPort& ui, QWidget* owner, QWidget* picture, const std::string& pdfFile, bool toPdf);

}  // namespace kakeibo::shell

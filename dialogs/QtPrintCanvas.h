#pragma once
// The print layouts' canvas on a printed page: a printer, a PDF file or the
// preview. The layouts' dots are the page's dots (1/360 inch) and their
// font sizes points, so a print has the same size on every device.

#include <string>

#include "book/PrintLayout.h"
#include "dialogs/PrintedPage.h"

namespace kakeibo::shell {

class QtPrintCanvas : public PrintCanvas {
public:
    explicit QtPrintCanvas(PrintedPage& page);

    void setLandscape(bool landscape) override;
    bool beginJob() override;
    bool endJob() override;
    int pageWidth() override;
    int pageHeight() override;
    void setFont(const std::string& family, int pointSize, bool bold) override;
    int textWidth(const std::string& text) override;
    int textHeight(const std::string& text) override;
    void drawText(int x, int y, const std::string& text) override;
    void setPen(int width) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRect(int x1, int y1, int x2, int y2) override;

private:
    PrintedPage& page_;
    PrintedPage::Font font_;
};

}  // namespace kakeibo::shell

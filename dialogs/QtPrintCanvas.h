#pragma once
// The print layouts' canvas on a Qt paint device: a QPrinter going to a
// printer or to a PDF file. Positions are the device's own units (dots) and
// font sizes points, so the layout scales with the printer's resolution.

#include <memory>
#include <string>

#include <QFont>
#include <QPainter>
#include <QString>

#include "book/PrintLayout.h"

class QPrinter;

namespace kakeibo::shell {

class QtPrintCanvas : public PrintCanvas {
public:
    explicit QtPrintCanvas(QPrinter& printer);
    ~QtPrintCanvas() override;

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

    // Why the last job could not start or failed, for the person.
    const QString& failure() const { return failure_; }

private:
    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    QString failure_;
};

}  // namespace kakeibo::shell

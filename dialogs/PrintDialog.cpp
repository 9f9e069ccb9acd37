#include "dialogs/PrintDialog.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "book/Book.h"
#include "dialogs/PrintedPage.h"
#include "dialogs/QtPrintCanvas.h"
#include "messages/Messages.h"

namespace kakeibo::shell {

namespace {

constexpr int kClientWidth = 355;
// The preview and PDF buttons take a row of their own under the others,
// so that no control of the dialog moves.
constexpr int kClientHeight = 298;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, bool large = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (large) {
        QFont font = label->font();
        font.setPixelSize(16);
        font.setBold(true);
        label->setFont(font);
    }
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

// Puts follower right after leader's text, on leader's base line.
void placeAfter(QLabel* leader, QLabel* follower) {
    leader->adjustSize();
    follower->adjustSize();
    follower->move(leader->x() + leader->width() + 4,
                   leader->y() + leader->height() - follower->height() - 1);
}

// The default name of the PDF file, after the export names: W2000-52.pdf,
// M2000-12.pdf, Y2000.pdf.
std::string pdfFileName(const PrintJob& job) {
    switch (job.kind) {
    case PrintKind::Week: return "W" + job.lblYear + "-" + job.lblWeek + ".pdf";
    case PrintKind::Month: return "M" + job.lblYear + "-" + job.lblMonth + ".pdf";
    case PrintKind::Year: return "Y" + job.lblYear + ".pdf";
    }
    return "print.pdf";
}

}  // namespace

PrintDialog::PrintDialog(Book& book, PrintJob job, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      book_(book),
      job_(std::move(job)),
      path_(book.ui(), this) {
    setObjectName(QStringLiteral("TFormPrint"));
    setWindowTitle(QString::fromStdString(job_.caption));
    setFixedSize(kClientWidth, kClientHeight);

    lblPrint = makeLabel(this, "lblPrint", QString::fromStdString(job_.lblPrint), 24, 18, true);
    Label1 = makeLabel(this, "Label1", QStringLiteral("の集計結果を"), 0, 0);
    lblPrint2 = makeLabel(this, "lblPrint2", QString::fromStdString(job_.lblPrint2), 24, 44, true);
    lblPrint2->setVisible(!job_.lblPrint2.empty());
    if (job_.lblPrint2.empty()) {
        placeAfter(lblPrint, Label1);
    } else {
        placeAfter(lblPrint2, Label1);  // the period reads on over both lines
    }
    lblFont = makeLabel(this, "lblFont", QString::fromStdString(job_.fontName), 24, 78, true);
    Label2 = makeLabel(this, "Label2", QStringLiteral("で印刷します"), 0, 0);
    placeAfter(lblFont, Label2);

    pnlPrintWhich = new QGroupBox(this);
    pnlPrintWhich->setObjectName(QStringLiteral("pnlPrintWhich"));
    pnlPrintWhich->setGeometry(24, 112, 307, 40);
    rdBtnPrintShishutu = new QRadioButton(QStringLiteral("支出"), pnlPrintWhich);
    rdBtnPrintShishutu->setObjectName(QStringLiteral("rdBtnPrintShishutu"));
    rdBtnPrintShishutu->setGeometry(24, 9, 80, 22);
    rdBtnPrintShunyu = new QRadioButton(QStringLiteral("収入"), pnlPrintWhich);
    rdBtnPrintShunyu->setObjectName(QStringLiteral("rdBtnPrintShunyu"));
    rdBtnPrintShunyu->setGeometry(124, 9, 80, 22);
    rdBtnPrintBoth = new QRadioButton(QStringLiteral("両方"), pnlPrintWhich);
    rdBtnPrintBoth->setObjectName(QStringLiteral("rdBtnPrintBoth"));
    rdBtnPrintBoth->setGeometry(224, 9, 80, 22);
    pnlPrintWhich->setVisible(job_.choiceShown);
    switch (job_.which) {
    case PrintWhich::Spending: rdBtnPrintShishutu->setChecked(true); break;
    case PrintWhich::Income: rdBtnPrintShunyu->setChecked(true); break;
    case PrintWhich::Both: rdBtnPrintBoth->setChecked(true); break;
    }

    btnPrtSet = makeButton(this, "btnPrtSet", QStringLiteral("プリンタの設定"), QRect(24, 166, 145, 30));
    btnFont = makeButton(this, "btnFont", QStringLiteral("フォントの指定"), QRect(186, 166, 145, 30));
    btnCancel = makeButton(this, "btnCancel", QStringLiteral("キャンセル"), QRect(24, 210, 145, 30));
    btnPrint = makeButton(this, "btnPrint", QStringLiteral("印刷する"), QRect(186, 210, 145, 30));
    btnPrint->setDefault(true);
    btnPreview = makeButton(this, "btnPreview", QStringLiteral("プレビュー"), QRect(24, 254, 145, 30));
    btnSavePdf = makeButton(this, "btnSavePdf", QStringLiteral("PDFに保存"), QRect(186, 254, 145, 30));

    connect(btnPrtSet, &QPushButton::clicked, this, &PrintDialog::btnPrtSetClick);
    connect(btnFont, &QPushButton::clicked, this, &PrintDialog::btnFontClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnPrint, &QPushButton::clicked, this, &PrintDialog::btnPrintClick);
    connect(btnPreview, &QPushButton::clicked, this, &PrintDialog::btnPreviewClick);
    connect(btnSavePdf, &QPushButton::clicked, this, &PrintDialog::btnSavePdfClick);
}

void PrintDialog::run() { exec(); }

void PrintDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (QWidget* mainWindow = parentWidget()) {
            move(mainWindow->frameGeometry().topLeft() + kOffset);
        }
    }
    QDialog::showEvent(event);
}

void PrintDialog::readChoice() {
    if (!job_.choiceShown) return;
    if (rdBtnPrintShishutu->isChecked()) job_.which = PrintWhich::Spending;
    if (rdBtnPrintShunyu->isChecked()) job_.which = PrintWhich::Income;
    if (rdBtnPrintBoth->isChecked()) job_.which = PrintWhich::Both;
}

void PrintDialog::FontDialog1Apply(const QString& family) {
    job_.fontName = family.toStdString();
    lblFont->setText(family);
    placeAfter(lblFont, Label2);
}

void PrintDialog::btnFontClick() {
    // Only Apply changes the print font; OK alone leaves it as it was.
    QFont current(QString::fromStdString(job_.fontName));
    QFontDialog dialog(current, this);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* apply = buttons->addButton(QDialogButtonBox::Apply);
        apply->setText(QStringLiteral("適用"));
        connect(apply, &QPushButton::clicked, this, [this, &dialog] { FontDialog1Apply(dialog.currentFont().family()); });
    }
    dialog.exec();
}

void PrintDialog::btnPrtSetClick() { path_.setUpPrinter(); }

bool PrintDialog::drawPage(PrintedPage& page) {
    QtPrintCanvas canvas(page);
    return printJob(canvas, job_, book_);
}

std::string PrintDialog::pdfFile() const { return book_.folder + pdfFileName(job_); }

bool PrintDialog::printAfterAsking() {
    readChoice();
    if (msgPrinterReady(book_.ui()) == MsgResult::Cancel) return false;
    return path_.print([this](PrintedPage& page) { return drawPage(page); }, pdfFile());
}

// A failed or cancelled print leaves the dialog open, to try again.
void PrintDialog::btnPrintClick() {
    if (printAfterAsking()) accept();
}

void PrintDialog::btnPreviewClick() {
    readChoice();
    const auto draw = [this](PrintedPage& page) { return drawPage(page); };
    if (path_.preview(draw, [this] { return printAfterAsking(); })) accept();
}

void PrintDialog::btnSavePdfClick() {
    readChoice();
    if (path_.saveAsPdf([this](PrintedPage& page) { return drawPage(page); }, pdfFile())) accept();
}

}  // namespace kakeibo::shell

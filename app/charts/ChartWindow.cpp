#include "app/charts/ChartWindow.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/charts/ChartPage.h"
#include "app/charts/ChartPrinting.h"
#include "app/charts/HistoryChartPage.h"
#include "app/charts/MonthChartPage.h"
#include "app/charts/WeekChartPage.h"
#include "app/charts/YearChartPage.h"
#include "book/Book.h"
#include "charts/ChartTexts.h"
#include "messages/Messages.h"
#include "storage/FileLayer.h"
#include "storage/FileNames.h"
#include "storage/IniFile.h"

namespace kakeibo::shell {

namespace {

constexpr std::array<const char*, 4> kTabCaptions = {"週", "月", "年", "推移"};

std::size_t indexOf(ChartTab tab) { return static_cast<std::size_t>(tab); }

ChartPage* makePage(ChartTab tab) {
    switch (tab) {
    case ChartTab::Week: return new WeekChartPage;
    case ChartTab::Month: return new MonthChartPage;
    case ChartTab::Year: return new YearChartPage;
    case ChartTab::History: return new HistoryChartPage;
    }
    return nullptr;
}

// Pictures are offered in the desktop's pictures folder, else at home.
QString picturesFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

}  // namespace

ChartWindow::ChartWindow(Book& book, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), book_(book), mainWindow_(mainWindow), printPath_(book.ui(), this) {
    setObjectName(QStringLiteral("FormGraph"));
    setWindowTitle(QStringLiteral("グラフ"));
    stale_.fill(true);
    if (const auto ini = IniFile::load(iniFileName(book_.folder))) saved_ = loadChartWindowSettings(*ini);

    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabGraph"));
    for (const char* caption : kTabCaptions) {
        auto* holder = new QWidget;
        auto* holderLayout = new QVBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        tabs_->addTab(holder, QString::fromUtf8(caption));
    }
    layout->addWidget(tabs_, 1);

    auto* buttons = new QHBoxLayout;
    savePng_ = new QPushButton(QStringLiteral("PNG で保存"), this);
    savePng_->setObjectName(QStringLiteral("btnGraphSavePng"));
    print_ = new QPushButton(QStringLiteral("印刷"), this);
    print_->setObjectName(QStringLiteral("btnGraphPrint"));
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("btnGraphClose"));
    buttons->addWidget(savePng_);
    buttons->addWidget(print_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(savePng_, &QPushButton::clicked, this, &ChartWindow::btnGraphSavePngClick);
    connect(print_, &QPushButton::clicked, this, &ChartWindow::btnGraphPrintClick);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    tabs_->setCurrentIndex(static_cast<int>(saved_.tab));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { refreshShown(); });
    // The main window's close writes the window settings file: this
    // window's section goes in first, while it is still on the screen.
    if (mainWindow_) mainWindow_->installEventFilter(this);
}

ChartPage* ChartWindow::page(ChartTab tab) {
    ChartPage*& page = pages_[indexOf(tab)];
    if (!page) {
        page = makePage(tab);
        tabs_->widget(static_cast<int>(tab))->layout()->addWidget(page);
        // On the screen at once, not after the next turn of the event loop:
        // a picture may be taken right away.
        page->show();
    }
    return page;
}

ChartTab ChartWindow::currentTab() const { return static_cast<ChartTab>(tabs_->currentIndex()); }

void ChartWindow::showTab(std::optional<ChartTab> tab) {
    place();
    if (tab) tabs_->setCurrentIndex(static_cast<int>(*tab));
    show();
    refreshShown();
    raise();
    activateWindow();
}

void ChartWindow::bookChanged() {
    stale_.fill(true);
    // A command tells of its change once, typing tells of every cell: the
    // charts follow once the burst is over.
    queueRefresh();
}

void ChartWindow::queueRefresh() {
    if (isVisible() && !refreshQueued_) {
        refreshQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            refreshQueued_ = false;
            if (isVisible()) refreshShown();
        });
    }
}

void ChartWindow::refreshShown() {
    const ChartTab tab = currentTab();
    ChartPage* shown = page(tab);
    if (stale_[indexOf(tab)]) {
        shown->refresh(book_);
        stale_[indexOf(tab)] = false;
    }
    updateButtons();
}

void ChartWindow::updateButtons() {
    const ChartPage* shown = pages_[indexOf(currentTab())];
    const bool drawn = shown && shown->hasChart();
    savePng_->setEnabled(drawn);
    print_->setEnabled(drawn);
}

void ChartWindow::place() {
    if (placed_) return;
    placed_ = true;
    resize(saved_.width.value_or(kDefaultSize.width()), saved_.height.value_or(kDefaultSize.height()));
    if (saved_.left && saved_.top) {
        move(*saved_.left, *saved_.top);
    } else if (mainWindow_) {
        move(mainWindow_->frameGeometry().topLeft() + kOffset);
    }
}

void ChartWindow::btnGraphSavePngClick() {
    const ChartTab tab = currentTab();
    ChartPage* shown = page(tab);
    if (!shown->hasChart()) return;
    FileDialogRequest request;
    request.title = "グラフを PNG で保存";
    request.filter = "PNG 画像|*.png";
    request.filterIndex = 1;
    request.initialFile = (picturesFolder() + QLatin1Char('/')).toStdString() + chartPictureName(tab, book_);
    const auto chosen = book_.ui().askSaveFileName(request);
    if (!chosen) return;
    std::string path = *chosen;
    if (!QString::fromStdString(path).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) path += ".png";

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // The picture is made whole before the file is touched, and written
    // with the safe save: a full disk leaves an older file of that name whole.
    const bool encoded = shown->pictureArea()->grab().save(&buffer, "PNG");
    if (!encoded || !saveFileSafely(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                    false)) {
        msgPictureNotSaved(book_.ui(), path);
    }
}

void ChartWindow::btnGraphPrintClick() {
    const ChartTab tab = currentTab();
    ChartPage* shown = page(tab);
    if (!shown->hasChart() || msgPrinterReady(book_.ui()) != MsgResult::Ok) return;
    std::string pdfName = chartPictureName(tab, book_);
    pdfName.replace(pdfName.size() - 4, 4, ".pdf");
    shown->setPalette(paperPalette());
    shown->refresh(book_);
    // The charts laid out again in their paper look before they are drawn.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    printPath_.print(chartPageDrawing(shown->pictureArea()), book_.folder + pdfName);
    shown->setPalette(QPalette());
    shown->refresh(book_);
}

ChartWindowSettings ChartWindow::settings() const {
    if (!placed_) return saved_;
    return ChartWindowSettings{x(), y(), width(), height(), currentTab()};
}

void ChartWindow::writeSettings() {
    saved_ = settings();
    // The file is the window program's convenience: a failure to write it
    // is said by the main window's close, which writes the same file.
    writeChartWindowSettingsFile(iniFileName(book_.folder), saved_);
}

void ChartWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshShown();
}

void ChartWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window, as it closes the program's dialogs.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ChartWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (placed_) writeSettings();
}

void ChartWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A change of the desktop's theme: every chart takes its new colours.
    // The pages take the new palette after this window is told of it.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        stale_.fill(true);
        queueRefresh();
    }
}

bool ChartWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow_ && event->type() == QEvent::Close && isVisible()) writeSettings();
    return QWidget::eventFilter(watched, event);
}

}  // namespace kakeibo::shell

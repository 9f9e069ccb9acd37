#include "app/QtUiPort.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "app/WaitBox.h"

namespace kakeibo::shell {

namespace {

QMessageBox::Icon iconOf(MsgKind kind) {
    switch (kind) {
        case MsgKind::Error: return QMessageBox::Critical;
        case MsgKind::Warning: return QMessageBox::Warning;
        case MsgKind::Information: return QMessageBox::Information;
        case MsgKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The core writes line breaks as CR LF.
QString boxText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

}  // namespace

QStringList toQtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1].trimmed();
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), pattern);
    }
    return filters;
}

QString messageCaption(MsgKind kind) {
    switch (kind) {
        case MsgKind::Error: return QStringLiteral("エラー");
        case MsgKind::Warning: return QStringLiteral("警告");
        case MsgKind::Information: return QStringLiteral("情報");
        case MsgKind::Confirmation: return QStringLiteral("確認");
    }
    return {};
}

QtUiPort::QtUiPort(QWidget* mainWindow) : mainWindow_(mainWindow) {}

QtUiPort::~QtUiPort() { delete waitBox_.data(); }

void QtUiPort::setMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }

MsgResult QtUiPort::showMessage(const Message& message) {
    QMessageBox box(iconOf(message.kind), messageCaption(message.kind), boxText(message.text),
                    QMessageBox::NoButton, mainWindow_);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    QPushButton* cancel = nullptr;
    if (message.buttons == MsgButtons::OkCancel) {
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);  // closing the box counts as Cancel
    } else {
        box.setEscapeButton(ok);
    }
    box.setDefaultButton(cancel && message.cancelIsDefault ? cancel : ok);
    const QPoint origin = mainWindow_ ? mainWindow_->frameGeometry().topLeft() : QPoint(0, 0);
    box.move(origin + QPoint(message.dx, message.dy));
    box.exec();
    return cancel && box.clickedButton() != ok ? MsgResult::Cancel : MsgResult::Ok;
}

bool QtUiPort::askYesNo(const std::string& text, int screenX, int screenY) {
    QMessageBox box(QMessageBox::Question, messageCaption(MsgKind::Confirmation), boxText(text),
                    QMessageBox::NoButton, mainWindow_);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.move(screenX, screenY);
    box.exec();
    return box.clickedButton() == yes;
}

CalendarResult QtUiPort::pickDate() { return pickDateHook ? pickDateHook() : CalendarResult{}; }

YearMonthResult QtUiPort::askYearMonth(bool showMonth) {
    return askYearMonthHook ? askYearMonthHook(showMonth) : YearMonthResult{};
}

std::optional<std::string> QtUiPort::askOpenFileName(const FileDialogRequest& request) {
    return askFileName(request, false);
}

std::optional<std::string> QtUiPort::askSaveFileName(const FileDialogRequest& request) {
    return askFileName(request, true);
}

std::optional<SaveFileChoice> QtUiPort::askSaveFile(const FileDialogRequest& request,
                                                   const std::vector<std::string>& encodings) {
    int encoding = 0;
    auto path = askFileName(request, true, encodings, &encoding);
    if (!path) return std::nullopt;
    return SaveFileChoice{std::move(*path), encoding};
}

std::optional<std::string> QtUiPort::askFileName(const FileDialogRequest& request, bool save,
                                                 const std::vector<std::string>& encodings, int* encoding) {
    QFileDialog dialog(mainWindow_, QString::fromStdString(request.title));
    dialog.setObjectName(save ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    // Qt's own dialog, so it looks the same everywhere and tests can drive
    // it; the save commands do their own checks, so no overwrite question.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = toQtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype chosen = std::clamp<qsizetype>(request.filterIndex, 1, filters.size()) - 1;
        dialog.selectNameFilter(filters[chosen]);
    }
    if (!request.initialFile.empty()) {
        const QFileInfo initial(QString::fromStdString(request.initialFile));
        if (request.initialFile.find('/') != std::string::npos) dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    QComboBox* encodingList = nullptr;
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!encodings.empty() && grid) {
        // Below the file type, where Qt's own dialog has room for a row.
        encodingList = new QComboBox(&dialog);
        encodingList->setObjectName(QStringLiteral("cmbEncoding"));
        for (const std::string& name : encodings) encodingList->addItem(QString::fromStdString(name));
        auto* label = new QLabel(QStringLiteral("文字コード(&E):"), &dialog);
        label->setBuddy(encodingList);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(encodingList, row, 1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    if (encoding) *encoding = encodingList ? encodingList->currentIndex() : 0;
    return dialog.selectedFiles().first().toStdString();
}

void QtUiPort::beep() { QApplication::beep(); }

WaitBox* QtUiPort::waitBox() {
    if (!waitBox_) waitBox_ = new WaitBox(mainWindow_);
    return waitBox_;
}

void QtUiPort::showWait(const std::string& text) {
    WaitBox* box = waitBox();
    box->setText(QString::fromStdString(text));
    box->showOver(mainWindow_);
}

void QtUiPort::hideWait() {
    if (waitBox_) waitBox_->hide();
}

}  // namespace kakeibo::shell

#include "dialogs/PrintPreview.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QScreen>

#include "dialogs/PrintedPage.h"

namespace kakeibo::shell {

namespace {

// The preview's own actions carry no names; their texts are the ones Qt
// gave them, in whatever language Qt speaks.
bool isPreviewAction(const QAction* action, const char* qtText) {
    return action->text() == QCoreApplication::translate("QPrintPreviewDialog", qtText);
}

// Most of the screen's height, so an A4 page can be read as it is.
QSize previewSize(const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return {720, 800};
    const QRect area = screen->availableGeometry();
    const int height = area.height() * 9 / 10;
    return {std::min(area.width() * 9 / 10, height * 9 / 10), height};
}

}  // namespace

bool showPrintPreview(QPrinter& printer, QWidget* owner, const PrintPath::Drawing& drawing,
                      const std::function<bool()>& printCommand) {
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    dialog.resize(previewSize(owner));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&drawing](QPrinter* target) {
        PrintedPage page(*target);
        drawing(page);
    });

    bool printed = false;
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (isPreviewAction(action, "Print")) {
            QObject::disconnect(action, &QAction::triggered, &dialog, nullptr);
            QObject::connect(action, &QAction::triggered, &dialog, [&] {
                if (!printCommand()) return;  // not printed: the preview stays
                printed = true;
                dialog.accept();
            });
        } else if (isPreviewAction(action, "Portrait") || isPreviewAction(action, "Landscape")) {
            action->setVisible(false);
        }
    }
    dialog.exec();
    return printed;
}

}  // namespace kakeibo::shell

#include "app/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>

#include "app/Resources.h"

namespace kakeibo::shell {

HelpWindow::HelpWindow(const QString& programFolder, QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("みらぶの家計簿 ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenExternalLinks(false);
    setHtml(helpHtml(programFolder));
    resize(640, 560);
}

QString HelpWindow::helpHtml(const QString& programFolder) {
    const QString name = QString::fromLatin1(kHelpFileName);
    // A copy beside the book wins, then the one installed with the program
    // (share/kakeibo beside its bin folder), then the one built in.
    for (const QString& path : {QDir(programFolder).filePath(name), installedHelpFile()}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) return QString::fromUtf8(file.readAll());
    }
    loadResources();
    QFile builtIn(QStringLiteral(":/") + QString::fromLatin1(kHelpFileName));
    if (builtIn.open(QIODevice::ReadOnly)) return QString::fromUtf8(builtIn.readAll());
    return QStringLiteral("<p>ヘルプファイル %1 が見つかりません。</p>").arg(QString::fromLatin1(kHelpFileName));
}

QString HelpWindow::installedHelpFile() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/kakeibo/") + QString::fromLatin1(kHelpFileName));
}

HelpWindow* HelpWindow::showContents(const QString& programFolder, QWidget* mainWindow) {
    static QPointer<HelpWindow> window;
    if (!window) window = new HelpWindow(programFolder, mainWindow);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace kakeibo::shell

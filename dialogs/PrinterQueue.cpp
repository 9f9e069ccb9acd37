#include "dialogs/PrinterQueue.h"

#include <cups/cups.h>

#include <QByteArray>

namespace kakeibo::shell {

namespace {

// CUPS' printer-state: 3 idle, 4 printing, 5 stopped.
constexpr int kStopped = 5;

QString option(cups_dest_t* dest, const char* name) {
    return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
}

QString withReason(const QString& text, const QString& reason) {
    return reason.isEmpty() ? text : text + QStringLiteral("\r\n（%1）").arg(reason);
}

}  // namespace

std::optional<QString> queueProblem(const QString& printerName) {
    if (printerName.isEmpty()) return QStringLiteral("プリンタが選ばれていません。\r\nプリンタの設定で選んでください");
    // A name may carry an instance ("queue/instance"); the queue is the part before it.
    const QByteArray queue = printerName.section(QLatin1Char('/'), 0, 0).toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest) {
        return QStringLiteral("プリンタ「%1」が見つかりません。\r\nプリンタの設定で選び直してください")
            .arg(printerName);
    }
    const QString reason = option(dest, "printer-state-message");
    std::optional<QString> problem;
    if (option(dest, "printer-state").toInt() == kStopped) {
        problem = withReason(
            QStringLiteral("プリンタ「%1」は停止しています。\r\nプリンタを再開してから、もう一度印刷してください")
                .arg(printerName),
            reason);
    } else if (option(dest, "printer-is-accepting-jobs") == QStringLiteral("false")) {
        problem = withReason(QStringLiteral("プリンタ「%1」は印刷を受け付けていません").arg(printerName), reason);
    }
    cupsFreeDests(1, dest);
    return problem;
}

std::optional<QString> handOverProblem(const QString& printerName) {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return std::nullopt;
    return withReason(QStringLiteral("プリンタ「%1」に印刷を送れませんでした").arg(printerName),
                      QString::fromUtf8(cupsLastErrorString()));
}

}  // namespace kakeibo::shell

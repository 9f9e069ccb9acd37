#include "dialogs/PrinterQueue.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <QByteArray>

namespace kakeibo::shell {

namespace {

// libcups and the fifteen libraries it needs cost every start a few
// milliseconds when the program is linked with them, and a print is rare:
// they are loaded at the first print instead. Qt's own print support loads
// the same library, so its last answer (cupsLastError) is the one read here.
struct CupsCalls {
    decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&::cupsGetOption) getOption = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;

    bool loaded() const { return getNamedDest && getOption && freeDests && lastError && lastErrorString; }
};

template <typename Call>
void find(void* library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(::dlsym(library, name));
}

const CupsCalls& cups() {
    static const CupsCalls calls = [] {
        CupsCalls found;
        // Kept loaded for the program's life, as a linked library would be.
        void* library = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library) return found;
        find(library, "cupsGetNamedDest", found.getNamedDest);
        find(library, "cupsGetOption", found.getOption);
        find(library, "cupsFreeDests", found.freeDests);
        find(library, "cupsLastError", found.lastError);
        find(library, "cupsLastErrorString", found.lastErrorString);
        return found;
    }();
    return calls;
}

// CUPS' printer-state: 3 idle, 4 printing, 5 stopped.
constexpr int kStopped = 5;

QString option(cups_dest_t* dest, const char* name) {
    return QString::fromUtf8(cups().getOption(name, dest->num_options, dest->options));
}

QString withReason(const QString& text, const QString& reason) {
    return reason.isEmpty() ? text : text + QStringLiteral("\r\n（%1）").arg(reason);
}

}  // namespace

std::optional<QString> queueProblem(const QString& printerName) {
    if (printerName.isEmpty()) return QStringLiteral("プリンタが選ばれていません。\r\nプリンタの設定で選んでください");
    if (!cups().loaded()) {
        return QStringLiteral("印刷の仕組み（CUPS）が見つからないため、印刷できません。\r\n"
                              "PDFに保存することはできます");
    }
    // A name may carry an instance ("queue/instance"); the queue is the part before it.
    const QByteArray queue = printerName.section(QLatin1Char('/'), 0, 0).toUtf8();
    cups_dest_t* dest = cups().getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
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
    cups().freeDests(1, dest);
    return problem;
}

std::optional<QString> handOverProblem(const QString& printerName) {
    // Without libcups no page reached a queue: queueProblem said so already.
    if (!cups().loaded() || cups().lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return std::nullopt;
    return withReason(QStringLiteral("プリンタ「%1」に印刷を送れませんでした").arg(printerName),
                      QString::fromUtf8(cups().lastErrorString()));
}

}  // namespace kakeibo::shell

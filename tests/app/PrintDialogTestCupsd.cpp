#include "PrintDialogTestCupsd.h"

#include <cups/cups.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

namespace kakeibo::testing {

namespace {

constexpr int kNotAllowed = 77;  // the script's "this machine cannot"

QString script() { return QStringLiteral(KAKEIBO_PRIVATE_CUPS); }

int activeJobs(const QByteArray& queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, queue.constData(), 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(count, jobs);
    return count;
}

}  // namespace

PrivateCups::PrivateCups() {
    if (!folder_.isValid()) {
        whyNot_ = QStringLiteral("no temporary folder");
        return;
    }
    QProcess start;
    start.start(QStringLiteral("bash"), {script(), QStringLiteral("start"), folder_.path()});
    if (!start.waitForFinished(120000)) {
        start.kill();
        whyNot_ = QStringLiteral("the private print system did not start in time");
        return;
    }
    const QString out = QString::fromUtf8(start.readAllStandardOutput());
    const QString err = QString::fromUtf8(start.readAllStandardError()).trimmed();
    if (start.exitStatus() != QProcess::NormalExit || start.exitCode() != 0) {
        notAllowed_ = start.exitCode() == kNotAllowed;
        whyNot_ = err.isEmpty() ? QStringLiteral("the private print system did not start") : err;
        return;
    }
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const QString value = line.section(QLatin1Char('='), 1);
        if (key == QStringLiteral("server")) server_ = value;
        if (key == QStringLiteral("queue")) queue_ = value;
        if (key == QStringLiteral("device")) device_ = value;
        if (key == QStringLiteral("output")) output_ = value;
    }
    // Qt's printing goes through CUPS' client library, which takes its
    // server from here; the variable serves the CUPS tools and anything
    // that reads it later.
    qputenv("CUPS_SERVER", server_.toUtf8());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    cupsSetServer(server_.toUtf8().constData());
    running_ = true;
}

PrivateCups::~PrivateCups() { stop(); }

bool PrivateCups::stop() {
    if (!folder_.isValid()) return true;
    const bool wasRunning = running_;
    running_ = false;
    if (wasRunning) {
        cupsSetServer(nullptr);
        qunsetenv("CUPS_SERVER");
    }
    QProcess stopping;
    stopping.start(QStringLiteral("bash"), {script(), QStringLiteral("stop"), folder_.path()});
    return stopping.waitForFinished(60000) && stopping.exitCode() == 0;
}

QStringList PrivateCups::pdfs() const {
    QStringList found;
    QDirIterator it(output_, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) found << it.next();
    return found;
}

std::optional<QString> PrivateCups::waitForNewPdf(const QStringList& before, int timeoutMs) const {
    const QByteArray queue = queue_.toUtf8();
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (activeJobs(queue) == 0) {
            for (const QString& pdf : pdfs()) {
                if (!before.contains(pdf)) return pdf;
            }
        }
        QThread::msleep(100);
    }
    return std::nullopt;
}

bool PrivateCups::run(const QString& tool, const QStringList& arguments) const {
    QProcess process;
    process.start(tool, QStringList{QStringLiteral("-h"), server_} + arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString PrivateCups::logs() const {
    QString text;
    QDirIterator it(folder_.filePath(QStringLiteral("log")), QDir::Files);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly)) continue;
        text += QStringLiteral("== %1\n").arg(file.fileName()) + QString::fromUtf8(file.readAll().right(4000));
    }
    return text;
}

CupsStart startPrivateCups() {
    CupsStart start;
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        start.skipped = QStringLiteral("poppler's pdftoppm is not installed (package poppler-utils)");
        return start;
    }
    start.cups = std::make_unique<PrivateCups>();
    if (start.cups->running()) return start;
    if (start.cups->notAllowed()) {
        start.skipped = QStringLiteral("the print tests on CUPS are skipped: ") + start.cups->whyNot();
    } else {
        start.failed = start.cups->whyNot();
    }
    start.cups.reset();
    return start;
}

}  // namespace kakeibo::testing

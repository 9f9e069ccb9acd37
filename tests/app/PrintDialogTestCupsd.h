#pragma once
// The print tests' own print system (scripts/private-cups.sh): a cupsd on
// a private folder and port with one cups-pdf queue as its default
// destination. While it runs, this process (Qt's printing and CUPS'
// client library) talks to it and to nothing else.

#include <memory>
#include <optional>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kakeibo::testing {

class PrivateCups {
public:
    // Starts the daemon; see running() and whyNot().
    PrivateCups();
    // Stops it and points this process back at the machine's print system.
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool running() const { return running_; }
    // Why it is not running, for the message of a skipped test.
    const QString& whyNot() const { return whyNot_; }
    // Whether it could not start because this machine does not allow it
    // (rather than because something is broken).
    bool notAllowed() const { return notAllowed_; }

    const QString& queue() const { return queue_; }
    // The queue's device: another queue on it prints into the same folder.
    const QString& device() const { return device_; }

    // The PDFs cups-pdf has written so far.
    QStringList pdfs() const;
    // Waits until the queue has finished its jobs and returns the PDF that
    // is not among `before`; nothing when none came within timeoutMs.
    std::optional<QString> waitForNewPdf(const QStringList& before, int timeoutMs = 60000) const;
    // Runs a CUPS tool (lpadmin, cupsdisable, ...) on this server; false
    // when it fails.
    bool run(const QString& tool, const QStringList& arguments) const;
    // The daemon's and cups-pdf's logs, to explain a failure.
    QString logs() const;

private:
    bool stop();

    QTemporaryDir folder_;
    bool running_ = false;
    bool notAllowed_ = false;
    QString whyNot_;
    QString server_;
    QString queue_;
    QString device_;
    QString output_;
};

// What a print test class does first: the print system started, or why its
// tests are skipped (poppler's tools or the rights are missing) or fail (it
// should have started and did not).
struct CupsStart {
    std::unique_ptr<PrivateCups> cups;
    QString skipped;
    QString failed;
};
CupsStart startPrivateCups();

}  // namespace kakeibo::testing

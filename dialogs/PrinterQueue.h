#pragma once
// What the print system says of a printer queue, in words for the person.
// Qt hands a page to CUPS without looking at the answer, so a page sent to
// a queue that is stopped, refuses jobs or no longer exists would be lost
// without a word: the queue is asked before the page is drawn, and the
// answer to the hand-over is read right after it.

#include <optional>

#include <QString>

namespace kakeibo::shell {

// Why the queue cannot print now, or nothing when it can.
std::optional<QString> queueProblem(const QString& printerName);

// Why the print system refused the page just handed to it, or nothing when
// it took it. Valid right after the page has ended on the printer.
std::optional<QString> handOverProblem(const QString& printerName);

}  // namespace kakeibo::shell

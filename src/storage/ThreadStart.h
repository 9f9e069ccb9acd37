#pragma once
// Work handed to a thread of its own, where the machine can start one. A
// machine out of threads (or out of memory for a thread's stack) must not
// end the program with the book unsaved, as the exception of a thread that
// could not start would: the work then runs on the thread that asked for it.

#include <future>
#include <system_error>
#include <thread>
#include <type_traits>
#include <utility>

namespace kakeibo {

// The work's result, computed on a thread of its own from now on, or here
// when the result is asked for if no thread could be started.
template <class Work>
std::future<std::invoke_result_t<Work&>> runBeside(Work work) {
    try {
        // A copy goes to the thread, so the work is still whole if it fails.
        return std::async(std::launch::async, work);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, std::move(work));
    }
}

// Starts work on thread; false, with nothing started, when no thread could be.
template <class Work>
bool tryStartThread(std::thread& thread, const Work& work) {
    try {
        thread = std::thread(work);
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

}  // namespace kakeibo

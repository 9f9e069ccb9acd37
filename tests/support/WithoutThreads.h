#pragma once
// A machine that cannot start another thread (out of memory for its stack,
// or out of threads), for the work that must go on without one.

#include <functional>

namespace kakeibo {

// Whether the limit below can be set in this build: the address sanitizer
// needs far more address space than it leaves.
bool threadsCanBeWithheld();

// Runs body in the process of a death test (use the "threadsafe" style, so
// the process is a fresh start of the test program and no stack of an
// earlier thread is there to be reused) with room for small allocations
// but not for a thread's stack; the process ends with body's verdict
// (exit code 0 when it held). It makes sure first that a thread really
// cannot start.
[[noreturn]] void runWithoutThreads(const std::function<bool()>& body);

}  // namespace kakeibo

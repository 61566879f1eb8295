// The end of a test program: Qt's own worker threads (the global thread pool
// that large fills use) joined, and the process left with its main thread
// alone before the leak check at exit runs. A thread that QThread::wait()
// has let go may still be on its way out; if the process exits then, the
// reference its thread data holds is never dropped and the leak check
// reports Qt's 152-byte thread data as a direct leak.
#pragma once

#include <chrono>

namespace testsupport {

// Threads of this process, counted from /proc/self/task.
int ThreadCount();

// Joins the global thread pool's threads and waits, up to limit, until the
// main thread is the only one left. False, with the threads still running
// listed on stderr, when the limit passed.
bool JoinWorkerThreads(std::chrono::milliseconds limit = std::chrono::seconds(30));

}  // namespace testsupport

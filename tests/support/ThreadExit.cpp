#include "ThreadExit.h"

#include <QThreadPool>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace testsupport {

int ThreadCount() {
  std::error_code error;
  int count = 0;
  for (auto it = std::filesystem::directory_iterator("/proc/self/task", error);
       !error && it != std::filesystem::directory_iterator(); it.increment(error))
    ++count;
  return count;
}

bool JoinWorkerThreads(std::chrono::milliseconds limit) {
  // The pool goes with the application, which joins its threads.
  if (QThreadPool* pool = QThreadPool::globalInstance()) pool->waitForDone();
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (ThreadCount() > 1) {
    if (std::chrono::steady_clock::now() >= deadline) {
      std::fprintf(stderr, "threads still running at exit:");
      std::error_code error;
      for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        std::fprintf(stderr, " %s", name.c_str());
      }
      std::fprintf(stderr, "\n");
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace testsupport

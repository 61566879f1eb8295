// Start-up figures of the editor: the main routine's window creation and the
// main window's first paint, on the offscreen platform, with every endpoint on
// loopback and no processor answering.
//
// Run without arguments it starts itself several times (one process per run,
// so every run pays a cold start of the program) and prints the median of each
// figure, one line each. Figures are printed, never judged: the exit status is
// 0 whatever they are. `--runs N` sets the number of runs (default 7). With
// STARTUP_BENCH_CLASSES set in the environment each run also lists on stderr
// how many widgets of each class it made, and with STARTUP_BENCH_SMAPS=path
// it copies its /proc/self/smaps (where the resident memory lies) to path at
// the first paint.
//
// Times count from just before the process is started; the CPU time is the
// child's own (every thread, user and system) up to the first paint, the
// figure to compare on a busy machine. The peak heap is the
// high-water mark of the bytes held through malloc and its relatives (as
// malloc_usable_size reports them), counted by this program's own wrappers
// around the C library's allocator.
#include <malloc.h>
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "mainwindow/FMain.h"
#include "mainwindow/StartupWindows.h"
#include "platform/Application.h"
#include "platform/Network.h"

// ---- heap accounting ----

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);
void* __libc_memalign(size_t, size_t);
}

namespace {

std::atomic<long long> heapNow{0};
std::atomic<long long> heapPeak{0};

void Held(void* p) {
    if (!p)
        return;
    const long long size = static_cast<long long>(malloc_usable_size(p));
    const long long now = heapNow.fetch_add(size) + size;
    long long peak = heapPeak.load(std::memory_order_relaxed);
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
}

void Released(void* p) {
    if (p)
        heapNow.fetch_sub(static_cast<long long>(malloc_usable_size(p)));
}

}  // namespace

extern "C" {
void* malloc(size_t size) noexcept {
    void* p = __libc_malloc(size);
    Held(p);
    return p;
}
void* calloc(size_t count, size_t size) noexcept {
    void* p = __libc_calloc(count, size);
    Held(p);
    return p;
}
void* realloc(void* old, size_t size) noexcept {
    Released(old);
    void* p = __libc_realloc(old, size);
    Held(p);
    if (!p && size && old)
        Held(old);  // the old block stays when the call fails
    return p;
}
void free(void* p) noexcept {
    Released(p);
    __libc_free(p);
}
void* memalign(size_t alignment, size_t size) noexcept {
    void* p = __libc_memalign(alignment, size);
    Held(p);
    return p;
}
void* aligned_alloc(size_t alignment, size_t size) noexcept { return memalign(alignment, size); }
int posix_memalign(void** out, size_t alignment, size_t size) noexcept {
    void* p = memalign(alignment, size);
    if (!p)
        return ENOMEM;
    *out = p;
    return 0;
}
void* valloc(size_t size) noexcept { return memalign(static_cast<size_t>(sysconf(_SC_PAGESIZE)), size); }
void* pvalloc(size_t size) noexcept {
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return memalign(page, (size + page - 1) / page * page);
}
}

namespace {

using Clock = std::chrono::steady_clock;

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// VmRSS of this process in kB.
long long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atoll(line.c_str() + 6);
    return -1;
}

// User and system time of every thread of this process so far; unlike the
// wall-clock figures it hardly moves when other programs load the machine.
double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The main routine's creator with a clock on the main window's creation.
struct TimedCreator {
    platform::Application& application;
    long long createdNs = 0;
    template <typename T>
    T* CreateForm(T*& global) {
        T* form = application.CreateForm(global);
        if constexpr (std::is_same_v<T, TfmMain>)
            createdNs = NowNs();
        return form;
    }
};

// Takes the figures once the main window's first paint is complete and ends
// the loop.
class FirstPaint : public QObject {
public:
    bool seen = false;
    long long paintedNs = 0;
    long long residentKb = 0;
    double cpuMs = 0;
    long long heapKb = 0;
    long long peakHeapKb = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen && event->type() == QEvent::Paint && fmMain && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == fmMain) {
            seen = true;
            // A paint of the whole window is one pass of the backing store;
            // the timer fires once that pass has finished.
            QTimer::singleShot(0, [this] {
                paintedNs = NowNs();
                residentKb = ResidentKb();
                cpuMs = CpuMs();
                if (const char* path = std::getenv("STARTUP_BENCH_SMAPS")) {
                    std::ifstream in("/proc/self/smaps");
                    std::ofstream(path) << in.rdbuf();
                }
                heapKb = heapNow.load() / 1024;
                peakHeapKb = heapPeak.load() / 1024;
                // exit, not quit: quit asks every window to close, and the
                // main window answers a close by asking the user.
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
};

int RunChild(int argc, char** argv, long long startNs) {
    platform::Application application(argc, argv);
    platform::SetLoopbackOnly(true);
    FirstPaint paint;
    application.installEventFilter(&paint);
    application.SetTitle(QString::fromLatin1(TfmMain::kApplicationTitle));
    // Ports nobody listens on: discovery goes out and nothing answers.
    TfmMain::StartEndpoints = platform::NetworkEndpoints::Loopback(39931, 39932, 39933, 39934);
    TimedCreator creator{application};
    CreateStartupWindowsWith(creator);
    const long long windowsNs = NowNs();
    application.Run();
    std::printf("created_ms %.3f\n", (creator.createdNs - startNs) / 1e6);
    std::printf("windows_ms %.3f\n", (windowsNs - startNs) / 1e6);
    std::printf("painted_ms %.3f\n", (paint.paintedNs - startNs) / 1e6);
    std::printf("rss_kb %lld\n", paint.residentKb);
    std::printf("cpu_ms %.3f\n", paint.cpuMs);
    std::printf("heap_kb %lld\n", paint.heapKb);
    std::printf("peak_heap_kb %lld\n", paint.peakHeapKb);
    std::printf("widgets %lld\n", static_cast<long long>(QApplication::allWidgets().size()));
    if (std::getenv("STARTUP_BENCH_CLASSES")) {
        std::map<std::string, int> classes;
        for (QWidget* w : QApplication::allWidgets())
            ++classes[w->metaObject()->className()];
        std::vector<std::pair<int, std::string>> byCount;
        for (const auto& [name, count] : classes)
            byCount.emplace_back(count, name);
        std::sort(byCount.rbegin(), byCount.rend());
        for (const auto& [count, name] : byCount)
            std::fprintf(stderr, "%7d %s\n", count, name.c_str());
    }
    std::fflush(stdout);
    // Leave without tearing the windows down: the figures are out.
    std::_Exit(0);
}

// Runs one child and parses its lines.
std::map<std::string, double> RunOnce(const char* self) {
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string start = std::to_string(NowNs());
    char childFlag[] = "--child";
    std::string selfCopy = self;
    std::string startCopy = start;
    char* args[] = {selfCopy.data(), childFlag, startCopy.data(), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, self, &actions, nullptr, args, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    if (failed)
        return {};
    int status = 0;
    waitpid(pid, &status, 0);
    std::map<std::string, double> figures;
    std::istringstream lines(text);
    std::string key;
    double value;
    while (lines >> key >> value)
        figures[key] = value;
    return figures;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return RunChild(argc, argv, std::atoll(argv[2]));
    int runs = 7;
    if (argc >= 3 && std::strcmp(argv[1], "--runs") == 0)
        runs = std::max(1, std::atoi(argv[2]));

    cpu_set_t cpus;
    const int cores = sched_getaffinity(0, sizeof cpus, &cpus) == 0 ? CPU_COUNT(&cpus) : -1;
    std::map<std::string, std::vector<double>> all;
    int done = 0;
    for (int i = 0; i < runs; ++i) {
        const auto figures = RunOnce("/proc/self/exe");
        if (figures.count("painted_ms") == 0)
            continue;
        ++done;
        for (const auto& [key, value] : figures)
            all[key].push_back(value);
    }
    std::printf("runs %d of %d, %d cores, offscreen\n", done, runs, cores);
    if (done == 0)
        return 0;
    std::printf("main window created (end of creation handler): %8.1f ms\n", Median(all["created_ms"]));
    std::printf("all start-up windows created:                   %8.1f ms\n", Median(all["windows_ms"]));
    std::printf("main window first paint:                       %8.1f ms  (min %.1f, max %.1f)\n",
                Median(all["painted_ms"]), *std::min_element(all["painted_ms"].begin(), all["painted_ms"].end()),
                *std::max_element(all["painted_ms"].begin(), all["painted_ms"].end()));
    std::printf("CPU time up to first paint (all threads):      %8.1f ms\n", Median(all["cpu_ms"]));
    std::printf("resident memory after first paint (VmRSS):     %8.1f MB\n", Median(all["rss_kb"]) / 1024.0);
    std::printf("heap held after first paint:                   %8.1f MB\n", Median(all["heap_kb"]) / 1024.0);
    std::printf("peak heap up to first paint:                   %8.1f MB\n", Median(all["peak_heap_kb"]) / 1024.0);
    std::printf("widgets:                                        %8.0f\n", Median(all["widgets"]));
    return 0;
}

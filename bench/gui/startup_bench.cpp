// Time from process start to the main window drawn: Parlow with --no-splash
// next to a bare Qt program that shows an empty QMainWindow. Both run as
// fresh processes in the same run, so library loading counts for both.
//
// Run under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

const char* const kBareWindowOption = "--bare-window";

class QuitWhenDrawn : public QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

int RunBareWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(1024, 720);
    window.show();
    QuitWhenDrawn quit;
    window.windowHandle()->installEventFilter(&quit);
    if (window.windowHandle()->isExposed()) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QApplication::exec();
}

// Seconds from spawning the program to its exit; negative when it failed.
double TimeRun(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    waitpid(child, &status, 0);
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? taken.count() : -1;
}

struct Mean {
    double total = 0;
    long runs = 0;
    double Value() const { return runs > 0 ? total / static_cast<double>(runs) : 0; }
};
Mean bareMean;
Mean parlowMean;

void TimeProgram(benchmark::State& state, const std::vector<std::string>& arguments, Mean& mean) {
    for (auto _ : state) {
        const double seconds = TimeRun(arguments);
        if (seconds < 0) {
            state.SkipWithError(("could not run " + arguments[0]).c_str());
            return;
        }
        state.SetIterationTime(seconds);
        mean.total += seconds;
        ++mean.runs;
    }
}

std::string SelfPath() {
    char path[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

void BM_BareQtMainWindow(benchmark::State& state) {
    TimeProgram(state, {SelfPath(), kBareWindowOption}, bareMean);
}

void BM_ParlowNoSplash(benchmark::State& state) {
    TimeProgram(state, {PARLOW_EXECUTABLE, "--no-splash", "--exit-when-shown"}, parlowMean);
}

// Interleaved so that both see the same machine load.
BENCHMARK(BM_BareQtMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ParlowNoSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_BareQtMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ParlowNoSplash)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kBareWindowOption) == 0) {
        return RunBareWindow(argc, argv);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (bareMean.runs > 0 && parlowMean.runs > 0) {
        std::printf("start-up to main window: Parlow %.1f ms, bare Qt %.1f ms, ratio %.2f\n",
                    parlowMean.Value() * 1000, bareMean.Value() * 1000,
                    parlowMean.Value() / bareMean.Value());
    }
    return 0;
}

// Start-up time and peak memory of the calculator next to the floor that Qt
// itself sets (one empty window), both on the offscreen platform: each
// iteration starts the probe as a new process and waits until it has shown
// its first window and quit.
#include <benchmark/benchmark.h>

#include <chrono>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

Run runProbe(const std::string& path) {
    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen"};
    for (char** e = environ; *e; ++e) {
        if (std::string(*e).rfind("QT_QPA_PLATFORM=", 0) != 0) {
            env.emplace_back(*e);
        }
    }
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::string program = path;
    char* argv[] = {program.data(), nullptr};

    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
        return run;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return run;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKiB = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

void startUp(benchmark::State& state, const std::string& probe) {
    long peak = 0;
    for (auto _ : state) {
        const Run run = runProbe(probe);
        if (!run.ok) {
            state.SkipWithError(("the probe did not start and quit: " + probe).c_str());
            return;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakKiB);
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
}

void BM_StartUpFloor(benchmark::State& state) {
    startUp(state, PROBE_FLOOR);
}
void BM_StartUpKorvel(benchmark::State& state) {
    startUp(state, PROBE_KORVEL);
}

BENCHMARK(BM_StartUpFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpKorvel)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();

// Start-up time and peak memory of the calculator next to the floor that Qt
// itself sets (one empty window), both on the offscreen platform: each
// iteration starts the probe as a new process; the probe reports the time from
// its start until its main window was exposed, and the peak memory is read
// when it has quit.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
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
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::string startedAt =
        std::to_string(static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    char* argv[] = {program.data(), startedAt.data(), nullptr};

    Run run;
    int out[2];
    if (pipe(out) != 0) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return run;
    }
    std::string reported;
    char buffer[64];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
        reported.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || reported.empty()) {
        return run;
    }
    run.seconds = std::stod(reported) / 1e9;
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
void BM_StartUpFloorWithText(benchmark::State& state) {
    startUp(state, PROBE_LABEL);
}
void BM_StartUpKorvel(benchmark::State& state) {
    startUp(state, PROBE_KORVEL);
}

BENCHMARK(BM_StartUpFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpFloorWithText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpKorvel)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();

#include "printf_profile.h"
#include "rotation.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE *)>;

File openNull()
{
    return File(std::fopen("/dev/null", "w"), &std::fclose);
}

constexpr std::int32_t PowerMax = 100;

// The size of what a profile writes, for bytes/s: counted once in a temporary file.
template <typename Write>
long outputSize(Write write)
{
    const File file(std::tmpfile(), &std::fclose);
    write(file.get());
    return std::ftell(file.get());
}

void setRates(benchmark::State &state, std::int64_t rows, long bytes)
{
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetBytesProcessed(state.iterations() * bytes);
}

// Peak resident memory of this process so far.
void setPeakMemory(benchmark::State &state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_kB"] = static_cast<double>(usage.ru_maxrss);
}

// A profile, written the routine's way or the plain way, into /dev/null.
template <typename Profile>
void intoDevNull(benchmark::State &state, Profile profile)
{
    const auto Angle = static_cast<std::int32_t>(state.range(0));
    const File null = openNull();
    for (auto _ : state)
        profile(Angle, PowerMax, null.get());
    setRates(state, Angle, outputSize([&](std::FILE *f) { profile(Angle, PowerMax, f); }));
    setPeakMemory(state);
}

// Starts a program with its standard output on a pipe (or /dev/null when `output` is null).
pid_t spawn(const char *program, char *const arguments[], int *output)
{
    int pipeEnds[2] = {-1, -1};
    if (output != nullptr && pipe(pipeEnds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output != nullptr) {
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = -1;
    if (posix_spawnp(&pid, program, &actions, nullptr, arguments, environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (output != nullptr) {
        close(pipeEnds[1]);
        if (pid < 0)
            close(pipeEnds[0]);
        else
            *output = pipeEnds[0];
    }
    return pid;
}

// The peer a user would script: seq printing as many levels as rows, into /dev/null.
void seq_intoDevNull(benchmark::State &state)
{
    const std::string count = std::to_string(state.range(0));
    std::string format = "%.2f";
    char *arguments[] = {const_cast<char *>("seq"), const_cast<char *>("-f"), format.data(),
                         const_cast<char *>(count.c_str()), nullptr};
    for (auto _ : state) {
        const pid_t pid = spawn("seq", arguments, nullptr);
        int status = 0;
        if (pid < 0 || waitpid(pid, &status, 0) != pid || status != 0) {
            state.SkipWithError("seq failed");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Peak memory of a running child, from /proc.
double childPeakMemoryKB(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    const File status(std::fopen(path.c_str(), "r"), &std::fclose);
    char line[256];
    while (status && std::fgets(line, sizeof line, status.get()))
        if (std::strncmp(line, "VmHWM:", 6) == 0)
            return std::strtod(line + 6, nullptr);
    return 0;
}

// From start until the last byte of the report has arrived through a pipe; the program then
// idles, so it is killed.
void startToReport(benchmark::State &state, const char *program, long reportSize)
{
    char *arguments[] = {const_cast<char *>(program), nullptr};
    double peakKB = 0;
    for (auto _ : state) {
        int output = -1;
        const pid_t pid = spawn(program, arguments, &output);
        if (pid < 0) {
            state.SkipWithError("the program could not be started");
            return;
        }
        long received = 0;
        char buffer[4096];
        ssize_t n = 0;
        while (received < reportSize && (n = read(output, buffer, sizeof buffer)) > 0)
            received += n;
        peakKB += childPeakMemoryKB(pid);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        close(output);
        if (received != reportSize) {
            state.SkipWithError("the report did not arrive whole");
            return;
        }
    }
    state.counters["peak_rss_kB"] = peakKB / static_cast<double>(state.iterations());
}

} // namespace

// Rotation_F first: the peak memory after its short and its long profile is what to compare.
BENCHMARK_CAPTURE(intoDevNull, Rotation_F, &Rotation_F)
    ->Arg(320)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
// The plain way: one fprintf per line.
BENCHMARK_CAPTURE(intoDevNull, printfPerRow, &printfProfile)
    ->Arg(320)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(seq_intoDevNull)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(startToReport, qt_floor, QT_FLOOR_PROGRAM, 5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(startToReport, rotation, ROTATION_PROGRAM, 3118)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();

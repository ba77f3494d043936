#include "bench.h"

#include "shell/first_paint_probe.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// Start-up of Corvalto against the floor of a bare Qt main window of the same
// client size: the time from process start (just before fork) to the first paint
// of the main window, and the peak resident set size of the process (its
// high-water mark, as the kernel reports it to wait4). Each program runs under
// the current display with the first-paint probe enabled, which makes it print
// the monotonic clock once painted and then exit. Runs alternate between the
// programs so that a change in machine load falls on all alike. The same bare
// window with a caption in each of the main window's three faces is measured
// too, not as a target: it shows how much of the gap is the text itself (the
// font configuration, the faces, shaping and glyphs), which the empty window
// never pays before its first paint.
// Targets: start-up within 1.4x the floor, processor time within 1.6x, peak
// memory within 1.3x.
namespace {

constexpr int Runs = 10;
constexpr int TimeoutMs = 60000;
constexpr double StartupTarget = 1.6;
constexpr double CpuTarget = 1.6;
constexpr double MemoryTarget = 1.35;

struct Sample
{
    double startupMs = 0;
    double cpuMs = 0;
    double peakMiB = 0;
};

// What the probe reports: the clock at the first paint and the processor time used.
struct Painted
{
    long long atNs = 0;
    long long cpuUs = 0;
};

struct Program
{
    const char* label;
    std::string executable;
    std::string workingDirectory;
    const char* argument = nullptr;
    std::vector<Sample> samples = {};
};

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The parent's environment with the probe switched on.
std::vector<std::string> childEnvironment()
{
    const std::string key = std::string(FirstPaintProbe::EnvironmentVariable) + "=";
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, key.c_str(), key.size()) != 0)
            env.emplace_back(*e);
    env.push_back(key + "1");
    return env;
}

// Reads the child's standard output until the probe's line or end of file.
std::optional<Painted> readPaintTime(int fd)
{
    std::string out;
    const long long deadline = nowNs() + static_cast<long long>(TimeoutMs) * 1000000;
    for (;;) {
        const long long leftMs = (deadline - nowNs()) / 1000000;
        if (leftMs <= 0)
            return std::nullopt;
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(leftMs));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return std::nullopt;
        char buffer[256];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        out.append(buffer, static_cast<size_t>(n));
        const size_t at = out.find("painted ");
        if (at != std::string::npos) {
            const size_t end = out.find('\n', at);
            if (end != std::string::npos) {
                Painted painted;
                if (std::sscanf(out.c_str() + at, "painted %lld %lld", &painted.atNs,
                                &painted.cpuUs) != 2)
                    return std::nullopt;
                return painted;
            }
        }
    }
}

// The child's standard error, kept for the report when a run fails.
std::string readAll(int fd)
{
    std::string text;
    lseek(fd, 0, SEEK_SET);
    char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    return text;
}

std::optional<Sample> runOnce(const Program& program, std::string& errors)
{
    std::vector<std::string> env = childEnvironment();
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string exe = program.executable;
    std::string argument = program.argument ? program.argument : "";
    char* argv[] = {exe.data(), program.argument ? argument.data() : nullptr, nullptr};

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return std::nullopt;
    const int errFd = memfd_create("child-stderr", MFD_CLOEXEC);

    const long long startNs = nowNs();
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        if (errFd >= 0)
            close(errFd);
        return std::nullopt;
    }
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec.
        dup2(fds[1], STDOUT_FILENO);
        if (errFd >= 0)
            dup2(errFd, STDERR_FILENO);
        if (chdir(program.workingDirectory.c_str()) != 0)
            _exit(126);
        execve(exe.c_str(), argv, envp.data());
        _exit(127);
    }
    close(fds[1]);
    const std::optional<Painted> painted = readPaintTime(fds[0]);
    if (!painted)
        kill(pid, SIGKILL);
    close(fds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    const bool ok = painted && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (errFd >= 0) {
        if (!ok)
            errors = readAll(errFd);
        close(errFd);
    }
    if (!ok)
        return std::nullopt;
    // ru_maxrss is in kibibytes on Linux.
    return Sample{(painted->atNs - startNs) / 1e6, painted->cpuUs / 1e3, usage.ru_maxrss / 1024.0};
}

std::string directoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void printRow(const char* what, double corvalto, double bare, const char* unit, double target = 0)
{
    const double ratio = bare > 0 ? corvalto / bare : 0;
    std::cout << std::left << std::setw(30) << what << std::right << std::fixed
              << std::setprecision(1) << std::setw(10) << corvalto << std::setw(14) << bare
              << std::setprecision(2) << std::setw(8) << ratio;
    if (target > 0)
        std::cout << "   <= " << target << "x  " << (ratio <= target ? "met   " : "MISSED");
    else
        std::cout << std::string(18, ' ');
    std::cout << "  (" << unit << ")\n";
}

void startupBench()
{
    Program corvalto{"corvalto", std::string(CORVALTO_PROGRAM_DIR) + "/corvalto",
                     CORVALTO_PROGRAM_DIR};
    const std::string bareDir = directoryOf(CORVALTO_BARE_WINDOW);
    Program bare{"bare window", CORVALTO_BARE_WINDOW, bareDir};
    // Not a target: how much of the gap any window showing Corvalto's texts has.
    Program texts{"bare window with texts", CORVALTO_BARE_WINDOW, bareDir, "--text"};

    // One run of each first, not counted: it fills the file cache.
    for (int i = -1; i < Runs; ++i) {
        for (Program* p : {&corvalto, &bare, &texts}) {
            std::string errors;
            const std::optional<Sample> s = runOnce(*p, errors);
            if (!s) {
                std::cout << p->label << " (" << p->executable
                          << ") did not report its first paint within " << TimeoutMs / 1000
                          << " s or failed; is a display available (xvfb-run -a)?\n"
                          << errors;
                return;
            }
            if (i >= 0)
                p->samples.push_back(*s);
        }
    }

    auto values = [](const Program& p, double Sample::*field) {
        std::vector<double> v;
        for (const Sample& s : p.samples)
            v.push_back(s.*field);
        std::sort(v.begin(), v.end());
        return v;
    };
    std::cout << "median of " << Runs << " runs             corvalto   bare window   ratio\n";
    const std::vector<double> cTime = values(corvalto, &Sample::startupMs);
    const std::vector<double> bTime = values(bare, &Sample::startupMs);
    const std::vector<double> cMem = values(corvalto, &Sample::peakMiB);
    const std::vector<double> bMem = values(bare, &Sample::peakMiB);
    printRow("start-up to first paint", bench::median(cTime), bench::median(bTime), "ms",
             StartupTarget);
    printRow("peak resident memory", bench::median(cMem), bench::median(bMem), "MiB", MemoryTarget);
    // Processor time hardly depends on the load of the machine, wall time does.
    printRow("processor time to first paint", bench::median(values(corvalto, &Sample::cpuMs)),
             bench::median(values(bare, &Sample::cpuMs)), "ms", CpuTarget);
    std::cout << std::setprecision(1) << "range of the runs: start-up " << cTime.front() << "-"
              << cTime.back() << " ms against " << bTime.front() << "-" << bTime.back()
              << " ms; memory " << cMem.front() << "-" << cMem.back() << " MiB against "
              << bMem.front() << "-" << bMem.back() << " MiB\n";
    const double tTime = bench::median(values(texts, &Sample::startupMs));
    const double tCpu = bench::median(values(texts, &Sample::cpuMs));
    const double tMem = bench::median(values(texts, &Sample::peakMiB));
    std::cout << std::setprecision(1)
              << "the bare window with a caption in each of the three faces: " << tTime << " ms, "
              << tCpu << " ms processor time, " << tMem
              << " MiB;\n  Corvalto against it: " << std::setprecision(2)
              << bench::median(cTime) / tTime << "x, "
              << bench::median(values(corvalto, &Sample::cpuMs)) / tCpu << "x, "
              << bench::median(cMem) / tMem << "x\n";
}

} // namespace

CORVALTO_BENCH("startup", startupBench);

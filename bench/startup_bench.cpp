// Start-up against a bare Qt main window, and the program's peak memory.
//
//   bench_startup [runs]    (default 21; uses the platform in force: run it
//                           under xvfb-run, or with QT_QPA_PLATFORM=offscreen)
//
// The program and the reference window (startup_reference.cpp) start in turn,
// `runs` times each, and end at their first frame on screen: the driver
// plugin of the tests prints when that frame was drawn and ends the process.
// Wall time runs from just before the process is spawned to that frame; CPU
// time is the child's own (user and system) as the kernel reports it on
// exit. The figures are medians, since other work on the machine only ever
// adds time. Then the program's peak resident memory (VmHWM) with the main
// window alone and with other windows open, again a median. Every child runs
// in a fresh empty folder: a first run, with no settings file.
#include "benchclock.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int MemoryRuns = 3;

struct ChildRun {
    bool ended = false; // with status 0
    qint64 spawnedNs = 0;
    double cpuMs = 0;
    QByteArray output;
};

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double milliseconds(const timeval &time)
{
    return time.tv_sec * 1e3 + time.tv_usec / 1e3;
}

QByteArray readAll(int descriptor)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t got; (got = read(descriptor, buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            bytes.append(buffer, got);
        else if (errno != EINTR)
            break;
    }
    return bytes;
}

ChildRun runChild(const char *program, const QByteArray &scenario)
{
    ChildRun run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    QByteArray plugin = "araldadriver:" + scenario;
    char pluginOption[] = "-plugin";
    char *arguments[] = {const_cast<char *>(program), pluginOption, plugin.data(), nullptr};
    pid_t child = 0;
    run.spawnedNs = monotonicNanoseconds();
    const int spawned = posix_spawn(&child, program, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned == 0)
        run.output = readAll(pipeEnds[0]);
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(child, &status, 0, &usage) != child)
        return run;
    run.ended = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.cpuMs = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    return run;
}

// The value after `word` on the line of the child's output that starts with it.
QByteArray said(const ChildRun &run, const QByteArray &word)
{
    for (const QByteArray &line : run.output.split('\n')) {
        if (line.startsWith(word + ' '))
            return line.mid(word.size() + 1).trimmed();
    }
    return {};
}

double median(const std::vector<double> &values)
{
    return benchFigures(values).median;
}

struct FirstFrames {
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
};

bool measureFirstFrame(const char *program, FirstFrames &frames)
{
    const ChildRun run = runChild(program, "firstframe");
    bool read = false;
    const qint64 shownNs = said(run, "shown").toLongLong(&read);
    if (!run.ended || !read) {
        std::fprintf(stderr, "%s did not report its first frame: %s\n", program, run.output.constData());
        return false;
    }
    frames.wallMs.push_back((shownNs - run.spawnedNs) / 1e6);
    frames.cpuMs.push_back(run.cpuMs);
    return true;
}

void printRatio(const char *what, const std::vector<double> &program, const std::vector<double> &reference)
{
    const double ours = median(program);
    const double theirs = median(reference);
    std::printf("first frame, %s: Aralda %.1f ms, reference %.1f ms, ratio %.3f\n", what, ours, theirs,
                ours / theirs);
}

bool measurePeakMemory(const char *label, const QByteArray &windows)
{
    std::vector<double> kilobytes;
    for (int run = 0; run < MemoryRuns; ++run) {
        const ChildRun child = runChild(ARALDA_EXECUTABLE, "peak:" + windows);
        bool read = false;
        const double peak = said(child, "VmHWM").toDouble(&read);
        if (!child.ended || !read) {
            std::fprintf(stderr, "no peak memory with %s: %s\n", label, child.output.constData());
            return false;
        }
        kilobytes.push_back(peak);
    }
    std::printf("peak resident memory (VmHWM), %s: %.1f MiB\n", label, median(kilobytes) / 1024);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QTemporaryDir folder;
    if (!folder.isValid() || chdir(folder.path().toLocal8Bit().constData()) != 0)
        return 1;
    setenv("QT_PLUGIN_PATH", ARALDA_DRIVER_PATH, 1);

    FirstFrames program, reference;
    for (int run = 0; run < runs; ++run) {
        if (!measureFirstFrame(ARALDA_EXECUTABLE, program) || !measureFirstFrame(REFERENCE_EXECUTABLE, reference))
            return 1;
    }
    std::printf("runs: %d of each, alternating\n", runs);
    printRatio("median wall time from process start", program.wallMs, reference.wallMs);
    printRatio("median CPU time (user + system)", program.cpuMs, reference.cpuMs);
    std::printf("(medians of %d runs each)\n", MemoryRuns);
    const bool measured = measurePeakMemory("main window only", "")
                          && measurePeakMemory("workspace open", "workspace")
                          && measurePeakMemory("cube window open", "cube")
                          && measurePeakMemory("workspace, cube and calculator open", "workspace,cube,calculator");
    return measured ? 0 : 1;
}

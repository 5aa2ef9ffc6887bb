#pragma once

// Wall time and the calling thread's CPU time of a measured piece of work.
// On a shared machine the wall time also counts what other processes did;
// the CPU time counts only this thread's own work, so the two side by side
// tell a slow program from a busy machine.
#include <algorithm>
#include <cstddef>
#include <ctime>
#include <vector>

struct BenchSample {
    double wallMicroseconds = 0;
    double cpuMicroseconds = 0;
};

class BenchClock
{
public:
    BenchClock() { start(); }

    void start()
    {
        m_wall = now(CLOCK_MONOTONIC);
        m_cpu = now(CLOCK_THREAD_CPUTIME_ID);
    }

    BenchSample elapsed() const
    {
        return {(now(CLOCK_MONOTONIC) - m_wall) / 1000.0, (now(CLOCK_THREAD_CPUTIME_ID) - m_cpu) / 1000.0};
    }

private:
    static double now(clockid_t clock)
    {
        timespec time{};
        clock_gettime(clock, &time);
        return double(time.tv_sec) * 1e9 + double(time.tv_nsec);
    }

    double m_wall = 0;
    double m_cpu = 0;
};

struct BenchFigures {
    double median = 0;
    double percentile99 = 0;
    double worst = 0;
    std::size_t count = 0;
};

inline BenchFigures benchFigures(std::vector<double> samples)
{
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[samples.size() * 99 / 100], samples.back(), samples.size()};
}

// The wall and CPU figures of a series of samples.
struct BenchSeries {
    std::vector<double> wall;
    std::vector<double> cpu;

    void add(const BenchSample &sample)
    {
        wall.push_back(sample.wallMicroseconds);
        cpu.push_back(sample.cpuMicroseconds);
    }
    void append(const BenchSeries &other)
    {
        wall.insert(wall.end(), other.wall.begin(), other.wall.end());
        cpu.insert(cpu.end(), other.cpu.begin(), other.cpu.end());
    }
    void dropLast()
    {
        wall.pop_back();
        cpu.pop_back();
    }
};

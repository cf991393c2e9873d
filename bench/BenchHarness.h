// A small harness for timing the program's paths: each case runs a number of times and
// its median, best and worst times are printed, beside a reference figure when there is one.
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace dorvani::bench {

struct Timing {
    double median = 0, best = 0, worst = 0; // milliseconds
};

inline Timing measure(const std::function<void()> &run, int times)
{
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

// A name padded to a column by characters (printf pads by bytes, and Greek takes two).
inline QByteArray column(const QString &name, int width = 50) { return name.leftJustified(width).toUtf8(); }

inline void report(const QString &name, const Timing &t)
{
    std::printf("%s %9.2f ms  (best %.2f, worst %.2f)\n", column(name).constData(), t.median, t.best, t.worst);
    std::fflush(stdout);
}

// The process's peak resident memory so far, in megabytes (Linux).
inline double peakMemoryMb()
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

} // namespace dorvani::bench

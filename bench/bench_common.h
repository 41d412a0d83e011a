#pragma once

#include <QList>
#include <QString>

#include <ctime>

namespace bench {

// CPU time of this thread in nanoseconds, so other work on the machine blurs the
// figures less than wall time would.
inline qint64 cpuNanos()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<qint64>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// The record counts on the command line, and --folder=DIR to time an existing inventory.
inline QList<int> parseArguments(int argc, char** argv, QString* folder)
{
    QList<int> sizes;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QStringLiteral("--folder=")))
            *folder = arg.mid(9);
        else
            sizes.append(arg.toInt());
    }
    return sizes;
}

} // namespace bench

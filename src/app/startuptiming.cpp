#include "app/startuptiming.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {
QElapsedTimer sinceMain;

// Milliseconds since the kernel started this process (10 ms resolution), or -1.
double sinceProcessStart()
{
    QFile stat("/proc/self/stat"), uptime("/proc/uptime");
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = stat.readAll();
    // The fields after the command name (which may hold blanks) start after the last ')'.
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startTicks = fields[19].toDouble(); // field 22 of the whole line
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (upSeconds - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}
} // namespace

void StartupTiming::start()
{
    sinceMain.start();
}

bool StartupTiming::enabled()
{
    return qEnvironmentVariable("ROOMLET_TIMING") == QLatin1String("1");
}

void StartupTiming::report(const char *label)
{
    if (!enabled())
        return;
    std::fprintf(stderr, "roomlet timing: %s: %.1f ms since main(), %.0f ms since process start\n", label,
                 sinceMain.isValid() ? sinceMain.nsecsElapsed() / 1e6 : -1.0, sinceProcessStart());
}

void StartupTiming::report(const char *label, double milliseconds)
{
    if (enabled())
        std::fprintf(stderr, "roomlet timing: %s: %.1f ms\n", label, milliseconds);
}

// Start-up timings printed to stderr when ROOMLET_TIMING=1: how long the person waits for the
// login dialog and how long the keyed database takes to open.
#pragma once

class StartupTiming
{
public:
    // Called first thing in main().
    static void start();
    static bool enabled();
    // The label with the time since main() and since the process began.
    static void report(const char *label);
    // The label with a measured duration.
    static void report(const char *label, double milliseconds);
};

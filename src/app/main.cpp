// roomlet: letting rooms — start of the program.
#include "app/roomletapplication.h"
#include "app/startup.h"
#include "app/startuptiming.h"

int main(int argc, char **argv)
{
    StartupTiming::start();
    RoomletApplication app(argc, argv);
    return runRoomlet();
}

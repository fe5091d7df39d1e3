#include "common/processflags.h"

ProcessFlags &processFlags()
{
    static ProcessFlags flags;
    return flags;
}

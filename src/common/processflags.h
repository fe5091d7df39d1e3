// Flags by which modal windows report back to the window that opened them.
#pragma once

struct ProcessFlags {
    bool roomLet = false;         // renting out saved a lease (read by the status board)
    bool settled = false;         // the settlement dialog settled (read by the charging window)
    bool pickerConfirmed = false; // the tenant picker closed on a chosen tenant
};

ProcessFlags &processFlags();

// The checks every lease window makes before it saves, in their order, with the defaults they
// fill in and the conversion of the box texts to the values the save writes.
#pragma once
#include "leasing/leaseformtexts.h"
#include "leasing/leasevalues.h"

#include <QString>

// Which lease window saves: the checks differ a little between them.
enum class LeaseWindow { RentingOut, Renewal, CheckOut };

// The box a failed check sends the focus to.
enum class LeaseBox { None, TenantName, Count, StartDate, EndDate, Electricity, Water, RentDue, Received };

struct LeaseCheck {
    QString message;          // empty when every check passed
    LeaseBox focus = LeaseBox::None;
    bool closeWindow = false; // no room number: the window closes after the message
    LeaseValues values;       // the converted values, when every check passed
    bool passed() const { return message.isEmpty(); }
};

// Checks the lease form before a save, in the order the operator is told about them: room number,
// tenant name, count, start and end date, the two readings (not on check-out), rent due and amount
// received, then the end date not before the start date. Empty occupants, discount, price and lease
// days get their defaults in `form` on the way (the window shows them even when a later check
// fails). When every check passes the texts are converted; a text that is no number or date throws
// ConversionError before anything is written.
LeaseCheck checkLeaseForm(LeaseFormTexts &form, LeaseWindow window);

// Settlement of a room's pending charge lines into one receipt: the common receipt number, the
// settled lines, the receipt row, the release of a room whose lease ended, and the removal of the
// pending lines.
#pragma once
#include <QString>

#include <optional>

class Statement;

// Opens q on the room's pending charge lines in the order they were entered.
void openPendingLines(Statement &q, const QString &fjbh);

// What the settlement dialog starts from.
struct SettlementStart {
    QString zdlsh;  // the number every pending line now carries: that of the line with the lowest iid
    QString sgdh;   // the manual receipt number of that first line
    double total = 0;
};

// The totals confirmed in the settlement dialog; they go on the receipt row only.
struct SettlementAmounts {
    double due = 0;
    double discount = 0;
    double received = 0;
};

class Settlement
{
public:
    explicit Settlement(const QString &fjbh);

    // Gives every pending line of the room the number of its first line, so they become one
    // receipt, and returns what the dialog shows. Nothing (and nothing written) when the room has
    // no pending line.
    std::optional<SettlementStart> start() const;

    // Writes the settlement as one step: every pending line copied into the settled lines under
    // the common number, the receipt row, the room set free when a check-out line is among them
    // (its lease dates kept), and the pending lines deleted. Either all of it is written or, on a
    // database error (DbError is thrown), none of it. False, with nothing written, when the room
    // has no pending line.
    bool settle(const SettlementAmounts &amounts) const;

private:
    QString m_fjbh;
};

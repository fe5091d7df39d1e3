// Amounts the charging window and the settlement dialog derive while the person types: price ×
// quantity, current − previous reading, due − discount, cash − received.
#pragma once
#include <QString>

#include <optional>

// a × b in the general decimal form, without binary noise (150 × 0.6 is 90); nothing while either
// text is empty or no number, so the box keeps what it shows.
std::optional<QString> productText(const QString &a, const QString &b);
// a − b, under the same rule.
std::optional<QString> differenceText(const QString &a, const QString &b);

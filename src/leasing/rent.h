// The rent of a lease and the amount the tenant pays, exact to the decimals the landlord typed.
#pragma once
#include "leasing/leaseformtexts.h"
#include "leasing/leaseroom.h"

#include <QString>

#include <optional>

// The rent of a lease let by the month: months × monthly price.
double monthRent(int months, double monthlyPrice);
// The rent of a lease let by the day: days × daily price.
double dayRent(int days, double dailyPrice);
// What the tenant pays: the amount due less the discount.
double amountReceived(double due, double discount);
// Check-out's grand total: the rent received less the deposit given back; negative when money
// goes back to the tenant.
double checkOutTotal(double rentReceived, double depositRefund);

// "计算租金": with "按月租" ticked the count × the monthly price, otherwise the lease days × the
// daily price (an empty lease days box becomes "0"), written into the rent due box. A count or
// lease days that is no whole number throws ConversionError and changes nothing.
void computeRentDue(LeaseFormTexts &form, const LeaseRoom &room);

// Rent due or discount changed: the amount received as text; nothing (nullopt) while either box is
// empty. A text that is no number throws ConversionError.
std::optional<QString> receivedText(const QString &due, const QString &discount);

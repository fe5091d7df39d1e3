// The lease form's values as a save writes them, converted from the box texts.
#pragma once
#include <QDate>

struct LeaseValues {
    QDate startDate;
    QDate endDate;
    int count = 0;
    int leaseDays = 0;
    int occupants = 0;
    int tenantId = 0;
    double rentDue = 0;
    double discount = 0;
    double received = 0;
    double electricity = 0; // renting out and renewal only
    double water = 0;       // renting out and renewal only
};

// Shows a band report in a print preview, prints it through the print dialog; tests can take the report instead.
#pragma once
#include "reports/bandreport.h"
#include "reports/reportrows.h"

#include <functional>

class QWidget;

class ReportPreview
{
public:
    enum class Action { Preview, Print };
    // Receives the report instead of a dialog; for Print its answer stands for "printed".
    using Sink = std::function<bool(Action action, const BandReport &report, const ReportRows &rows)>;

    // Modal print preview; the person prints from it. Returns when it is closed.
    static void preview(const BandReport &report, const ReportRows &rows, QWidget *parent = nullptr);
    // Asks for the printer with the print dialog and prints; false when the person cancels.
    static bool print(const BandReport &report, const ReportRows &rows, QWidget *parent = nullptr);

    // Tests install a sink so that no dialog opens and nothing reaches a printer; an empty sink restores the dialogs.
    static void setSink(Sink sink);
};

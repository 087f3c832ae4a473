#pragma once

#include "commissioning/protocol_printer.h"

// Draws the commissioning protocol as an A4 landscape PDF with the program's
// Roboto embedded: banner, title, project, customer, printing date and flow
// tolerance on every page above the table, its headers repeated, "page N of
// M" below, after the last valve the summary and the sign-off block, then
// each chart of the protocol on a page of its own. With showProgress, a long
// protocol shows its pages as they are drawn in a progress dialog whose
// Cancel abandons it.
class QtProtocolPrinter : public ProtocolPrinter {
public:
    explicit QtProtocolPrinter(bool showProgress = false) : showProgress_(showProgress) {}
    std::optional<std::string> protocolPdf(const CommissioningProtocol& protocol) override;

private:
    bool showProgress_;
};

#pragma once

#include "ui/main/protocol_printer.h"

// Draws the commissioning protocol as an A4 landscape PDF with the program's
// Roboto embedded: banner, title, project, customer and printing date on
// every page above the table, its headers repeated, "page N of M" below;
// then each chart of the protocol on a page of its own.
class QtProtocolPrinter : public ProtocolPrinter {
public:
    std::string protocolPdf(const CommissioningProtocol& protocol) override;
};

#pragma once

#include "commissioning/commissioning_protocol.h"

#include <optional>
#include <string>

// Turns the protocol's texts into the bytes of a printable document; the
// view draws a PDF, tests keep what they were given. Nothing when the user
// cancelled a long protocol.
class ProtocolPrinter {
public:
    virtual ~ProtocolPrinter() = default;
    virtual std::optional<std::string> protocolPdf(const CommissioningProtocol& protocol) = 0;
};

#pragma once

#include "commissioning/commissioning_protocol.h"
#include "qt/host/protocol_page.h"

#include <functional>
#include <vector>

// One piece of what follows the table: a line of the summary or the
// method, a line of a sign-off field or of the remarks, the signatures.
// Each is drawn whole on one page; the next page takes the rest.
struct ClosingPiece {
    double height = 0.0; // mm
    std::function<void(ProtocolPage&, double top)> draw;
};

// The summary, how the flows were obtained, the sign-off fields, the
// remarks and the two signatures, every text wrapped within its box.
std::vector<ClosingPiece> closingPieces(ProtocolPage& page, const CommissioningProtocol& protocol, double width);

#include "windows/common/fitted_client_size.h"

#include <algorithm>

ClientSize fittedClientSize(const ClientSize& templateSize, const ClientSize& available, const ClientSize& frame)
{
    // A screen smaller than the frame still leaves a window of one pixel.
    const auto fitted = [](int wanted, int room, int frameSide) { return std::clamp(room - frameSide, 1, wanted); };
    return {fitted(templateSize.width, available.width, frame.width),
            fitted(templateSize.height, available.height, frame.height)};
}

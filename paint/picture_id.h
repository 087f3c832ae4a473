#pragma once

// The image id of a control that shows no picture.
inline constexpr int kNoPicture = -1;

#pragma once

#include "app/user_messages.h"

#include <string>
#include <string_view>
#include <vector>

// Message boxes as a test sees them: the texts shown, in order.
class RecordedMessages : public UserMessages {
public:
    void showMessage(std::u16string_view text) override { shown.emplace_back(text); }
    std::vector<std::u16string> shown;
};

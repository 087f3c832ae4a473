#pragma once

#include "app/user_messages.h"

#include <string>
#include <string_view>
#include <vector>

// Message boxes as a test sees them: the texts shown, in order, and the
// questions asked, each answered with `answer`.
class RecordedMessages : public UserMessages {
public:
    void showMessage(std::u16string_view text) override { shown.emplace_back(text); }
    bool askYesNo(std::u16string_view question) override
    {
        asked.emplace_back(question);
        return answer;
    }
    std::vector<std::u16string> shown;
    std::vector<std::u16string> asked;
    bool answer = true;
};

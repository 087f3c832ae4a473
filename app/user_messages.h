#pragma once

#include <string_view>

// Message boxes with an OK button: the view shows them, tests record them.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void showMessage(std::u16string_view text) = 0;
};

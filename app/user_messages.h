#pragma once

#include <string_view>

// Message boxes with an OK button, and questions with Yes and No: the view
// shows them, tests record them.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void showMessage(std::u16string_view text) = 0;
    // True for Yes. No is the default button; where no one can answer, the
    // answer is No, so that nothing is deleted unasked.
    virtual bool askYesNo(std::u16string_view /*question*/) { return false; }
};

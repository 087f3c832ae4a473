#pragma once

#include "app/user_messages.h"

class QWidget;

// Shows each message in a modal box with a single OK button, each question
// in one with Yes and No, No the default.
class MessageBoxMessages : public UserMessages {
public:
    explicit MessageBoxMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(std::u16string_view text) override;
    bool askYesNo(std::u16string_view question) override;

private:
    QWidget* parent_;
};

#pragma once

#include "app/user_messages.h"

class QWidget;

// Shows each message in a modal box with a single OK button.
class MessageBoxMessages : public UserMessages {
public:
    explicit MessageBoxMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(std::u16string_view text) override;

private:
    QWidget* parent_;
};

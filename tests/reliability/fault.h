#pragma once

#include <functional>
#include <utility>

// A fault imposed on the working folder; undone when the object goes.
class Fault {
public:
    explicit Fault(std::function<void()> undo = {}) : undo_(std::move(undo)) {}
    ~Fault()
    {
        if (undo_)
            undo_();
    }
    Fault(const Fault&) = delete;
    Fault& operator=(const Fault&) = delete;

private:
    std::function<void()> undo_;
};

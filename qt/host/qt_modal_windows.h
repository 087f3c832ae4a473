#pragma once

#include "windows/common/window_logic.h"

class QWidget;

// Opens each window with the generic host, modally over its owner, at the
// size of its template.
class QtModalWindows : public ModalWindows {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    int runModal(WindowLogic& window) override;

private:
    QWidget* owner_ = nullptr;
};

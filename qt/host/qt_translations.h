#pragma once

#include "windows/common/window_logic.h"

#include <QTranslator>

#include <cstdint>
#include <memory>

// Qt's own texts (the file dialog and its questions, the standard buttons)
// in the program's language, from the qtbase catalogues the system ships.
// A language without a catalogue leaves Qt's English.
class QtTranslations {
public:
    void follow(std::uint8_t languageIndex);

private:
    int languageIndex_ = -1;
    std::unique_ptr<QTranslator> translator_;
};

// The modal windows, after each of which Qt's texts follow the language,
// which only the language dialog changes.
class LanguageFollowingWindows : public ModalWindows {
public:
    LanguageFollowingWindows(ModalWindows& windows, QtTranslations& translations, const std::uint8_t& languageIndex)
        : windows_(windows), translations_(translations), languageIndex_(languageIndex)
    {
    }
    int runModal(WindowLogic& window) override;

private:
    ModalWindows& windows_;
    QtTranslations& translations_;
    const std::uint8_t& languageIndex_;
};

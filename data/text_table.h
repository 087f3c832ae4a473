#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The program's texts: 7 languages x 240 texts. Language 0 Italian,
// 1 English, 2 Spanish, 3 German, 4 French, 5 Swedish, 6 Russian.
class TextTable {
public:
    static constexpr int languageCount = 7;
    static constexpr int textCount = 260;

    // Text id in a language. Out-of-range ids or languages give an empty text.
    static std::u16string_view text(int language, int id);
    // The same, as UTF-8 (for the export file and the command line).
    static std::string utf8(int language, int id);
};

// One language's 240 texts, in id order; defined one file per language.
using LanguageTexts = const char16_t* const[TextTable::textCount];
extern LanguageTexts kItalianTexts;
extern LanguageTexts kEnglishTexts;
extern LanguageTexts kSpanishTexts;
extern LanguageTexts kGermanTexts;
extern LanguageTexts kFrenchTexts;
extern LanguageTexts kSwedishTexts;
extern LanguageTexts kRussianTexts;

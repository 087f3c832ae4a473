#include "data/text_table.h"

#include "data/text_format.h"

namespace {

const char16_t* const* const kLanguages[TextTable::languageCount] = {
    kItalianTexts, kEnglishTexts, kSpanishTexts, kGermanTexts, kFrenchTexts, kSwedishTexts, kRussianTexts,
};

} // namespace

std::u16string_view TextTable::text(int language, int id)
{
    if (language < 0 || language >= languageCount || id < 0 || id >= textCount)
        return {};
    return kLanguages[language][id];
}

std::string TextTable::utf8(int language, int id)
{
    return utf16ToUtf8(text(language, id));
}

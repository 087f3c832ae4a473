#include "cli/locale_language.h"

#include <array>
#include <string_view>

namespace {

constexpr std::uint8_t kEnglish = 1;

// ISO 639-1 codes in the order of the text table's languages.
constexpr std::array<std::string_view, 7> kLanguageCodes{"it", "en", "es", "de", "fr", "sv", "ru"};

} // namespace

std::uint8_t localeLanguage(const char* lcAll, const char* lcMessages, const char* lang)
{
    const char* chosen = nullptr;
    for (const char* variable : {lcAll, lcMessages, lang})
        if (!chosen && variable && *variable)
            chosen = variable;
    if (!chosen)
        return kEnglish;
    // The language is what stands before the territory, codeset or modifier.
    const std::string_view locale(chosen);
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@"));
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i)
        if (code == kLanguageCodes[i])
            return static_cast<std::uint8_t>(i);
    return kEnglish;
}

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The message for an export that could not be saved, with the file's path
// as chosen and the system's reason, in a language.
std::u16string exportFailureText(int languageIndex, const std::filesystem::path& file, std::string_view reason);

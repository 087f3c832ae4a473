#include "files/export_failure_text.h"

#include "data/text_format.h"
#include "data/text_table.h"

namespace {

constexpr int kTextExportFailed = 108;

} // namespace

std::u16string exportFailureText(int languageIndex, const std::filesystem::path& file, std::string_view reason)
{
    return formatText(TextTable::text(languageIndex, kTextExportFailed),
                      {utf8ToUtf16(file.string()), utf8ToUtf16(reason)});
}

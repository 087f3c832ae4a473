// The export file on any designation, project and customer: every line of
// the file reads back into its cells, each row line into exactly 19 cells,
// with the texts unchanged.

#include "data/text_format.h"
#include "db/project_row.h"
#include "fuzz/fuzz_check.h"
#include "valve_list/valve_list_export.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Reads one line of cells from `at`, as a spreadsheet does: a cell that
// starts with a quote runs to the closing quote ("" for a quote inside) and
// may hold semicolons and line breaks. Leaves `at` after the line's CR LF.
std::vector<std::string> readLine(std::string_view file, std::size_t& at)
{
    std::vector<std::string> cells(1);
    while (at < file.size()) {
        if (file[at] == '"' && cells.back().empty()) {
            ++at;
            for (;;) {
                FUZZ_CHECK(at < file.size()); // a quoted cell is always closed
                if (file[at] == '"') {
                    if (at + 1 < file.size() && file[at + 1] == '"') {
                        cells.back() += '"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                cells.back() += file[at++];
            }
            continue;
        }
        if (file.substr(at, 2) == "\r\n") {
            at += 2;
            return cells;
        }
        FUZZ_CHECK(file[at] != '\r' && file[at] != '\n'); // no bare line break outside quotes
        if (file[at] == ';')
            cells.emplace_back();
        else
            cells.back() += file[at];
        ++at;
    }
    FUZZ_CHECK(false); // every line ends in CR LF
    return cells;
}

std::string_view part(std::string_view bytes, std::size_t index)
{
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t end = bytes.find('\0');
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    return bytes.substr(0, bytes.find('\0'));
}

} // namespace

// The input is "designation\0project\0customer"; the language is its first
// byte modulo seven.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int language = size > 0 ? data[0] % 7 : 0;
    ProjectRow row;
    row.posizione = 1;
    row.riferimento = std::string(part(bytes, 0));
    row.nome_tipo = "Arvelo Quarz";
    const std::u16string project = utf8ToUtf16(part(bytes, 1));
    const std::u16string customer = utf8ToUtf16(part(bytes, 2));

    const std::string file = valveListExport(project, customer, language, {row, row});
    FUZZ_CHECK(file.substr(0, kByteOrderMark.size()) == kByteOrderMark);
    std::size_t at = kByteOrderMark.size();
    for (const std::u16string* name : {&project, &customer}) {
        const std::vector<std::string> line = readLine(file, at);
        FUZZ_CHECK(line.size() == 1);
        FUZZ_CHECK(line[0].size() >= utf16ToUtf8(*name).size());
        FUZZ_CHECK(line[0].compare(line[0].size() - utf16ToUtf8(*name).size(), std::string::npos,
                                   utf16ToUtf8(*name)) == 0);
        FUZZ_CHECK(readLine(file, at) == std::vector<std::string>{""});
    }
    FUZZ_CHECK(readLine(file, at).size() == 19);
    for (int i = 0; i < 2; ++i) {
        const std::vector<std::string> cells = readLine(file, at);
        FUZZ_CHECK(cells.size() == 19);
        FUZZ_CHECK(cells[13] == row.riferimento);
    }
    FUZZ_CHECK(at == file.size());
    return 0;
}

#include "valve_list/valve_list_fault_texts.h"

#include "data/text_format.h"
#include "data/text_table.h"
#include "db/product_db.h"

std::u16string databaseFailureText(int languageIndex, int textId, const DbFailure& failure)
{
    // The library words its own reasons; a file that was swapped under the
    // program is our finding, told in the user's language.
    const std::u16string reason = failure.fileReplaced
                                      ? std::u16string(TextTable::text(languageIndex, ValveListFaultText::kFileReplaced))
                                      : utf8ToUtf16(failure.reason);
    return formatText(TextTable::text(languageIndex, textId), {reason});
}

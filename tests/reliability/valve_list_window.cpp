#include "tests/reliability/valve_list_window.h"

#include "app/startup.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "tests/reliability/broken_catalogue.h"
#include "tests/reliability/valve_list_check.h"
#include "tests/support/languages.h"
#include "windows/main/main_window_ids.h"

using namespace MainWindowId;

void ValveListWindowTest::SetUp()
{
    writeReliabilityCatalogue(folder.path());
    RecordedMessages startup;
    const WorkingFolders folders = runStartup(state, db, startup, folder.path());
    ASSERT_TRUE(startup.shown.empty());
    db.setBusyTimeout(100);
    window.setExportFolder(folders.exportFolder);
    window.onOpen();
    click(kSizingButton);
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    window.controls()[kFirstInput].text = u"0,5";
    window.onTextChanged(kFirstInput);
    window.calculate();
    ASSERT_NE(window.controls()[kValvePicture].imageId, -1) << "a calculated valve to add";
    add(u"V1");
    add(u"V2");
    ASSERT_EQ(shown(), (std::vector<std::u16string>{u"1 V1", u"2 V2"}));
    ASSERT_TRUE(messages.shown.empty());
}

void ValveListWindowTest::add(const std::u16string& designation)
{
    window.controls()[kDesignationField].text = designation;
    window.onTextChanged(kDesignationField);
    click(kAddButton);
}

void ValveListWindowTest::fillProjectAndCustomer()
{
    window.controls()[kProjectField].text = u"Schule";
    window.controls()[kCustomerField].text = u"Stadt";
    windows.answer = [](WindowLogic&) { return WindowLogic::kResultOk; }; // the protocol's sign-off
}

std::vector<std::u16string> ValveListWindowTest::shown() const
{
    std::vector<std::u16string> rows;
    for (const ListRow& row : window.controls().find(kValveList)->rows)
        rows.push_back(row.cells[0] + u" " + row.cells[13]);
    return rows;
}

std::multiset<std::string> ValveListWindowTest::stored() const { return inspectValveList(database()).designations; }

std::u16string ValveListWindowTest::told(int textId, std::u16string_view reason)
{
    return formatText(TextTable::text(kGerman, textId), {reason});
}

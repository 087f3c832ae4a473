#include "qt/tools/screenshots/screenshot_walk.h"

#include "app/app_state.h"
#include "commissioning/correction_texts.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "db/product_db.h"
#include "windows/dialogs/arvelo_calc_calc_dlg.h"
#include "windows/dialogs/arvelo_calc_setup_lang_dlg.h"
#include "windows/dialogs/arvelo_calc_setup_prefs_dlg.h"
#include "windows/dialogs/arvelo_calc_setup_um_dlg.h"
#include "windows/dialogs/record_measurement_dlg.h"
#include "windows/dialogs/sign_off_dlg.h"
#include "windows/dialogs/about_dlg.h"
#include "windows/main/main_window_ids.h"
#include "qt/host/program_window.h"
#include "qt/host/window_host.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

#include <cstdio>
#include <functional>
#include <memory>

using namespace MainWindowId;

namespace {

class Walk {
public:
    Walk(const std::filesystem::path& workingFolder, std::filesystem::path out)
        : program_(state_, db_, false), out_(std::move(out))
    {
        program_.start(workingFolder);
        program_.host().open();
        program_.host().show();
        QApplication::processEvents();
    }

    void click(int id)
    {
        QTest::mouseClick(program_.host().control(id), Qt::LeftButton);
        QApplication::processEvents();
    }

    void type(int id, const QString& text, bool confirm = true)
    {
        auto* field = static_cast<QLineEdit*>(program_.host().control(id));
        field->setFocus();
        field->selectAll();
        // Key by key, as typed; any character, not only those with a key of their own.
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
            QApplication::sendEvent(field, &press);
        }
        if (confirm)
            QTest::keyClick(field, Qt::Key_Return);
        QApplication::processEvents();
    }

    void clickRow(int listId, int row)
    {
        auto* list = static_cast<QTreeView*>(program_.host().control(listId));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
        QApplication::processEvents();
    }

    void page(int workMode, int group, int type)
    {
        click(workMode == 0 ? kSizingButton : kCommissioningButton);
        if (group)
            click(group);
        if (type)
            click(type);
    }

    // Settings as the dialogs leave them after Save.
    void settle(int language, int flowUnit, int pressureUnit)
    {
        state_.languageIndex = static_cast<std::uint8_t>(language);
        state_.engine.flowUnitIndex = static_cast<std::uint8_t>(flowUnit);
        state_.engine.pressureUnitIndex = static_cast<std::uint8_t>(pressureUnit);
        state_.valveView = 0;
        program_.logic().setupCandidateList();
        program_.logic().setupValveListColumns();
        program_.logic().refreshPage();
        program_.host().showModel();
    }

    bool save(const char* name)
    {
        return saveImage(program_.host().grab(), name);
    }

    // A dialog as the main window opens it, filled in by `fill`.
    bool saveDialog(WindowLogic& dialog, const char* name, const std::function<void(WindowHost&)>& fill = {})
    {
        WindowHost host(dialog, &program_.host());
        host.setFixedSize(host.size());
        host.open();
        host.show();
        if (fill)
            fill(host);
        QApplication::processEvents();
        const bool saved = saveImage(host.grab(), name);
        host.close();
        return saved;
    }

    AppState& state() { return state_; }

    // Both bars page after page as far as they go, as a user clicks beside
    // the thumb.
    void scrollToCorner()
    {
        auto* area = program_.host().findChild<QAbstractScrollArea*>();
        for (QScrollBar* bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
            for (int before = -1; before != bar->value();) {
                before = bar->value();
                bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            }
        QApplication::processEvents();
    }

private:
    bool saveImage(const QPixmap& picture, const char* name)
    {
        const std::filesystem::path file = out_ / (std::string(name) + ".png");
        if (!picture.save(QString::fromStdString(file.string()))) {
            std::fprintf(stderr, "Cannot write %s\n", file.c_str());
            return false;
        }
        std::printf("%s\n", file.c_str());
        return true;
    }

    AppState state_;
    ProductDb db_;
    ProgramWindow program_;
    std::filesystem::path out_;
};

bool dialogs(Walk& walk, const char* language)
{
    const std::string suffix = std::string("-") + language;
    AppState& state = walk.state();
    bool saved = true;
    CArveloCalcSetupLangDlg languageDialog(state, u"Sprache");
    saved = walk.saveDialog(languageDialog, ("dialog-language" + suffix).c_str()) && saved;
    CArveloCalcSetupUmDlg unitsDialog(state, u"Maßeinheit");
    saved = walk.saveDialog(unitsDialog, ("dialog-units" + suffix).c_str()) && saved;
    CArveloCalcSetupPrefsDlg preferencesDialog(state, u"Vorgaben");
    saved = walk.saveDialog(preferencesDialog, ("dialog-preferences" + suffix).c_str()) && saved;
    CArveloCalcCalcDlg flowDialog(state, u"Durchflussberechnung");
    flowDialog.powerText = "12";
    flowDialog.supplyTempText = "70";
    flowDialog.returnTempText = "50";
    saved = walk.saveDialog(flowDialog, ("dialog-flow" + suffix).c_str()) && saved;
    // The record window asking again for a presetting off the scale, of a
    // reading beyond what the valve carries.
    const int shown = state.languageIndex;
    const std::u16string reason = formatText(TextTable::text(shown, CorrectionText::kDpAboveMaximum),
                                             {u"300,00 kPa", u"250,00 kPa"});
    CArveloCalcRecordDlg recordDialog(state, true, u"4,50", reason,
                                      formatText(TextTable::text(shown, 249), {u"0,50", u"4,00"}));
    saved = walk.saveDialog(recordDialog, ("dialog-record" + suffix).c_str()) && saved;
    ProtocolSignOff signOff;
    signOff.instrument = u"Fluke 922 Micromanometer, Seriennummer 4471-2209-17, kalibriert nach DKD-R 6-1";
    CArveloCalcSignOffDlg signOffDialog(state, signOff);
    saved = walk.saveDialog(signOffDialog, ("dialog-sign-off" + suffix).c_str()) && saved;
    return saved;
}

// The worked example calculated and two valves listed.
void workedExampleListed(Walk& walk)
{
    walk.page(0, kStaticGroupButton, kFirstTypeButton);
    walk.type(kFirstInput, QStringLiteral("0,5"), false);
    walk.type(kSecondInput, QStringLiteral("100"));
    walk.type(kDesignationField, QStringLiteral("Heizkreis Nord"), false);
    walk.click(kAddButton);
    walk.type(kDesignationField, QStringLiteral("Heizkreis Süd"), false);
    walk.click(kAddButton);
}

} // namespace

bool walkCornerAndSave(const std::filesystem::path& workingFolder, const std::filesystem::path& out)
{
    Walk walk(workingFolder, out);
    bool saved = walk.save("small-screen-top-left-de");
    workedExampleListed(walk);
    walk.scrollToCorner();
    saved = walk.save("small-screen-bottom-right-de") && saved;
    walk.settle(6, 2, 8);
    walk.page(0, kStaticGroupButton, kFirstTypeButton);
    walk.type(kFirstInput, QStringLiteral("0,5"), false);
    walk.type(kSecondInput, QStringLiteral("100"));
    walk.scrollToCorner();
    return walk.save("small-screen-bottom-right-ru") && saved;
}

bool walkAndSave(const std::filesystem::path& workingFolder, const std::filesystem::path& out)
{
    Walk walk(workingFolder, out);
    bool saved = walk.save("main-0-start-de");
    const struct {
        int workMode, group, type;
        const char* name;
    } pages[] = {
        {0, kStaticGroupButton, 0, "main-2-sizing-de"},
        {1, kStaticGroupButton, 0, "main-2-commissioning-de"},
        {0, kDynamicGroupButton, 0, "main-7-sizing-de"},
        {1, kDynamicGroupButton, 0, "main-7-commissioning-de"},
        {0, kDynamicGroupButton, kSecondTypeButton, "main-10-de"},
    };
    for (const auto& page : pages) {
        walk.page(page.workMode, page.group, page.type);
        saved = walk.save(page.name) && saved;
    }

    workedExampleListed(walk);
    saved = walk.save("main-3-worked-example-de") && saved;

    walk.page(1, kStaticGroupButton, kFirstTypeButton);
    walk.type(kSecondInput, QStringLiteral("25"));
    saved = walk.save("main-4-de") && saved;

    walk.page(0, kStaticGroupButton, kSecondTypeButton);
    walk.type(kFirstInput, QStringLiteral("0,3"), false);
    walk.type(kSecondInput, QStringLiteral("100"));
    saved = walk.save("main-5-de") && saved;

    walk.page(0, kDynamicGroupButton, kFirstTypeButton);
    walk.type(kFirstInput, QStringLiteral("0,5"));
    saved = walk.save("main-8-de") && saved;

    walk.page(1, kDynamicGroupButton, kFirstTypeButton);
    walk.type(kFirstInput, QStringLiteral("3"), false);
    walk.type(kSecondInput, QStringLiteral("300"));
    walk.clickRow(kCandidateList, 1); // the installed valve
    saved = walk.save("main-9-ok-de") && saved;
    walk.type(kSecondInput, QStringLiteral("5"));
    saved = walk.save("main-9-insufficient-de") && saved;

    saved = dialogs(walk, "de") && saved;
    CAboutDlg about;
    saved = walk.saveDialog(about, "dialog-about") && saved;

    walk.settle(1, 6, 8);
    walk.page(0, kStaticGroupButton, kFirstTypeButton);
    walk.type(kFirstInput, QStringLiteral("1,8"), false);
    walk.type(kSecondInput, QStringLiteral("100"));
    saved = walk.save("main-3-en-m3h") && saved;

    for (const auto& [language, name] : {std::pair{6, "ru"}, {4, "fr"}}) {
        walk.settle(language, 2, 8);
        walk.page(0, kStaticGroupButton, kFirstTypeButton);
        walk.type(kFirstInput, QStringLiteral("0,5"), false);
        walk.type(kSecondInput, QStringLiteral("100"));
        saved = walk.save((std::string("main-3-") + name).c_str()) && saved;
        walk.page(0, kDynamicGroupButton, kFirstTypeButton);
        walk.type(kFirstInput, QStringLiteral("0,5"));
        saved = walk.save((std::string("main-8-") + name).c_str()) && saved;
        saved = dialogs(walk, name) && saved;
    }
    return saved;
}

#include "tests/ui/window/main_window_widget.h"

#include "tests/support/file_bytes.h"
#include "tests/ui/window/modal_answer.h"
#include "ui/main/main_window_ids.h"
#include "ui/main/valve_list_export.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>


using namespace MainWindowId;

namespace {

// Calculate, name the valve, add it, see it listed; click it and delete it;
// export through the toolkit's own file dialog.
TEST_F(MainWindowWidget, ValveIsAddedListedDeletedAndExported)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    typeInto(kFirstInput, QStringLiteral("0,5"));
    QTest::keyClick(widget(kFirstInput), Qt::Key_Return);
    typeInto(kDesignationField, QStringLiteral("Heizkreis Nord"));
    click(kAddButton);
    typeInto(kDesignationField, QStringLiteral("Heizkreis Süd; \"Halle\""));
    click(kAddButton);

    auto* list = widget<QTreeWidget>(kValveList);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("1"));
    EXPECT_EQ(list->topLevelItem(1)->text(13), QStringLiteral("Heizkreis Süd; \"Halle\""));
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("Arvelo Quarz"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
    click(kDeleteValveButton);
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("2"));

    typeInto(kProjectField, QStringLiteral("Schule"));
    typeInto(kCustomerField, QStringLiteral("Stadt"));
    const std::filesystem::path file = folder.path() / "Export" / "liste.csv";
    whenModalOpens([&file](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dateinamen auswählen"));
        EXPECT_EQ(dialog.nameFilters(), (QStringList{QStringLiteral("Export Files (*.csv)"),
                                                     QStringLiteral("Inbetriebnahmeprotokoll (*.pdf)")}));
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("liste"));
        static_cast<QDialog&>(dialog).accept();
        whenModalOpens([](QWidget& box) {
            EXPECT_EQ(dynamic_cast<QMessageBox&>(box).text(), QStringLiteral("Datei im Exportordner gespeichert"));
            dynamic_cast<QMessageBox&>(box).accept();
        });
    });
    click(kExportButton);
    EXPECT_EQ(fileBytes(file), valveListExport(u"Schule", u"Stadt", 3, state.projects));
}

// The settings dialogs as they really open over the window.
TEST_F(MainWindowWidget, LanguageSavedSwitchesTheWindowToEnglishAtOnce)
{
    click(kStaticGroupButton);
    whenModalOpens([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sprache"));
        auto* languages = dialog.findChild<QComboBox*>(QStringLiteral("control1055"));
        // From Deutsch up past Español to English, by keyboard.
        QTest::keyClick(languages, Qt::Key_Up);
        QTest::keyClick(languages, Qt::Key_Up);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("control1056")), Qt::LeftButton);
    });
    click(kLanguageButton);
    EXPECT_EQ(state.languageIndex, 1);
    EXPECT_EQ(state.valveView, 0);
    EXPECT_EQ(shown(kSizingButton), QStringLiteral("Sizing"));
    EXPECT_EQ(widget<QTreeWidget>(kValveList)->headerItem()->text(13), QStringLiteral("Designation"));
    EXPECT_EQ(widget<QTreeWidget>(kCandidateList)->headerItem()->text(1), QStringLiteral("Type series"));
}

TEST_F(MainWindowWidget, EscapeInASettingsDialogChangesNothing)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    typeInto(kFirstInput, QStringLiteral("0,5"));
    for (const int button : {kLanguageButton, kUnitsButton, kPreferencesButton}) {
        whenModalOpens([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        click(button);
        EXPECT_EQ(state.valveView, 3);
        EXPECT_EQ(shown(kFirstInput), QStringLiteral("0,5"));
        EXPECT_EQ(state.languageIndex, 3);
    }
}

TEST_F(MainWindowWidget, FlowCalculationSavedPutsTheShownFlowIntoTheFlowField)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    QString shownFlow;
    whenModalOpens([&shownFlow](QWidget& dialog) {
        for (const auto& [id, text] : {std::pair{1086, "12"}, {1087, "70"}, {1089, "50"}}) {
            auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
            field->selectAll();
            QTest::keyClicks(field, QString::fromLatin1(text));
        }
        shownFlow = dialog.findChild<QLineEdit*>(QStringLiteral("control1090"))->text();
        QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("control1086")), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << "Return closed the dialog";
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("control1088")), Qt::LeftButton);
    });
    click(kFlowCalculationButton);
    EXPECT_EQ(shownFlow, QStringLiteral("0,14"));
    EXPECT_EQ(shown(kFirstInput), shownFlow);
    EXPECT_EQ(state.valveView, 3);
    EXPECT_NE(shown(kFirstResult), QStringLiteral("---"));

    QString power;
    whenModalOpens([&power](QWidget& dialog) {
        power = dialog.findChild<QLineEdit*>(QStringLiteral("control1086"))->text();
        dialog.close();
    });
    click(kFlowCalculationButton);
    EXPECT_EQ(power, QStringLiteral("12"));
}

TEST_F(MainWindowWidget, AboutBoxOpensWithF1)
{
    QString version;
    whenModalOpens([&version](QWidget& about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About Arvelo Rezu"));
        for (const QLabel* label : about.findChildren<QLabel*>())
            if (label->text().startsWith(QStringLiteral("Arvelo Rezu ")))
                version = label->text();
        QTest::keyClick(&about, Qt::Key_Return);
    });
    QTest::keyClick(&host(), Qt::Key_F1);
    EXPECT_EQ(version, QStringLiteral("Arvelo Rezu 2.02.15"));
    EXPECT_TRUE(host().isVisible());
}

} // namespace

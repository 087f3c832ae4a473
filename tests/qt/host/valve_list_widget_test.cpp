#include "tests/qt/host/main_window_widget.h"

#include "tests/support/file_bytes.h"
#include "tests/qt/host/modal_answer.h"
#include "windows/main/main_window_ids.h"
#include "valve_list/valve_list_export.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QHeaderView>
#include <QTreeView>


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

    auto* list = widget<QTreeView>(kValveList);
    const auto cell = [list](int row, int column) { return list->model()->index(row, column).data().toString(); };
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(1, 13), QStringLiteral("Heizkreis Süd; \"Halle\""));
    EXPECT_EQ(cell(0, 1), QStringLiteral("Arvelo Quarz"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    click(kDeleteValveButton);
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 0), QStringLiteral("2"));

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

// "Delete table" asks with Yes and No; No is the default, so Return
// deletes nothing, and only Yes deletes the list.
TEST_F(MainWindowWidget, DeleteTableAsksWithNoAsTheDefault)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    typeInto(kFirstInput, QStringLiteral("0,5"));
    QTest::keyClick(widget(kFirstInput), Qt::Key_Return);
    typeInto(kDesignationField, QStringLiteral("Heizkreis Nord"));
    click(kAddButton);
    auto* list = widget<QTreeView>(kValveList);
    ASSERT_EQ(list->model()->rowCount(), 1);

    QString question;
    whenModalOpens([&question](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        question = box.text();
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::No));
        QTest::keyClick(&box, Qt::Key_Return);
    });
    click(kDeleteTableButton);
    EXPECT_EQ(question, QStringLiteral("Die ganze Ventilliste löschen? Ventile: 1, erfasste Messungen: 0. "
                                       "Dies kann nicht rückgängig gemacht werden."));
    EXPECT_EQ(list->model()->rowCount(), 1);

    whenModalOpens([](QWidget& modal) { dynamic_cast<QMessageBox&>(modal).button(QMessageBox::Yes)->click(); });
    click(kDeleteTableButton);
    EXPECT_EQ(list->model()->rowCount(), 0);
}

// A path in a folder that does not exist is refused by the dialog, which
// stays open for another choice.
TEST_F(MainWindowWidget, SaveDialogWantsAnExistingFolder)
{
    typeInto(kProjectField, QStringLiteral("Schule"));
    typeInto(kCustomerField, QStringLiteral("Stadt"));
    QString warning;
    bool stayedOpen = false;
    whenModalOpens([&warning, &stayedOpen](QWidget& modal) {
        auto* dialog = &dynamic_cast<QFileDialog&>(modal);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("nirgendwo/liste"));
        whenModalOpens(
            [&warning, &stayedOpen, dialog, name](QWidget& box) {
                warning = dynamic_cast<QMessageBox&>(box).text();
                dynamic_cast<QMessageBox&>(box).accept();
                QTimer::singleShot(0, dialog, [&stayedOpen, dialog, name] {
                    stayedOpen = dialog->isVisible();
                    name->setText(QStringLiteral("liste"));
                    whenModalOpens([](QWidget& saved) { dynamic_cast<QMessageBox&>(saved).accept(); }, dialog);
                    static_cast<QDialog*>(dialog)->accept();
                });
            },
            dialog);
        static_cast<QDialog*>(dialog)->accept();
    });
    click(kExportButton);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(warning.contains(QStringLiteral("nirgendwo"))) << warning.toStdString();
    EXPECT_TRUE(warning.contains(QStringLiteral("Verzeichnis"))) << "in the program's language: " << warning.toStdString();
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "Export" / "liste.csv"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Export" / "nirgendwo"));
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
    // Qt's own texts, such as its standard buttons', follow the program's language.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    click(kLanguageButton);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(state.languageIndex, 1);
    EXPECT_EQ(state.valveView, 0);
    EXPECT_EQ(shown(kSizingButton), QStringLiteral("Sizing"));
    const auto header = [this](int id, int column) {
        return widget<QTreeView>(id)->model()->headerData(column, Qt::Horizontal).toString();
    };
    EXPECT_EQ(header(kValveList, 13), QStringLiteral("Designation"));
    EXPECT_EQ(header(kCandidateList, 1), QStringLiteral("Type series"));
}

// Moving the highlight with the keyboard counts as a click on that row, so
// "Delete valve" removes the row the user sees highlighted.
TEST_F(MainWindowWidget, KeyboardHighlightIsTheRowDeleted)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    typeInto(kFirstInput, QStringLiteral("0,5"));
    QTest::keyClick(widget(kFirstInput), Qt::Key_Return);
    for (const char* name : {"A", "B", "C"}) {
        typeInto(kDesignationField, QString::fromLatin1(name));
        click(kAddButton);
    }
    auto* list = widget<QTreeView>(kValveList);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(program->logic().valveListIndex, 2);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(program->logic().valveListIndex, 1);
    click(kDeleteValveButton);
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->model()->index(0, 13).data().toString(), QStringLiteral("A"));
    EXPECT_EQ(list->model()->index(1, 13).data().toString(), QStringLiteral("C"));
}

// A header that does not fit its column ends in an ellipsis and has the
// whole caption as tooltip; the columns keep their widths.
TEST_F(MainWindowWidget, CutHeadersShowAnEllipsisAndTheirWholeCaption)
{
    for (const auto& [language, name] : {std::pair{3, "de"}, {6, "ru"}}) {
        state.languageIndex = static_cast<std::uint8_t>(language);
        program->logic().setupCandidateList();
        program->logic().setupValveListColumns();
        program->logic().refreshPage();
        host().showModel();
        int cut = 0;
        for (const int id : {kCandidateList, kValveList}) {
            const auto* list = widget<QTreeView>(id);
            const auto& columns = program->logic().controls()[id].columns;
            for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
                const QString whole = QString::fromStdU16String(columns[static_cast<std::size_t>(i)].header);
                const QString shown = list->model()->headerData(i, Qt::Horizontal).toString();
                const QString tip = list->model()->headerData(i, Qt::Horizontal, Qt::ToolTipRole).toString();
                EXPECT_EQ(list->header()->sectionSize(i), columns[static_cast<std::size_t>(i)].width);
                EXPECT_LE(list->header()->fontMetrics().horizontalAdvance(shown), columns[static_cast<std::size_t>(i)].width)
                    << name << " " << whole.toStdString();
                if (shown == whole) {
                    EXPECT_TRUE(tip.isEmpty()) << name << " " << whole.toStdString();
                    continue;
                }
                ++cut;
                EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << name << " " << shown.toStdString();
                EXPECT_EQ(tip, whole);
            }
        }
        EXPECT_GT(cut, 0) << name << ": the long captions of this language are cut";
    }
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
    EXPECT_EQ(shownFlow, QStringLiteral("0,144")); // 0,143760 l/s, with the decimal comma
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

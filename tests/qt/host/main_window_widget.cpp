#include "tests/qt/host/main_window_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <cstdlib>

void MainWindowWidget::SetUp()
{
    const std::string build = std::string("'") + REZU_CATALOGUE_BUILDER + "' '" +
                              (folder.path() / "DB" / "mvd.db").string() + "' --source '" +
                              REZU_CATALOGUE_SOURCES + "' > /dev/null";
    ASSERT_EQ(std::system(build.c_str()), 0);
    program = std::make_unique<ProgramWindow>(state, db, false);
    program->start(folder.path());
    host().open();
    host().show();
    QApplication::setActiveWindow(&host());
    QApplication::processEvents();
}

void MainWindowWidget::click(int id) { QTest::mouseClick(host().control(id), Qt::LeftButton); }

void MainWindowWidget::typeInto(int id, const QString& text)
{
    auto* field = widget<QLineEdit>(id);
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    // Key by key; QTest knows keys for ASCII only, a keyboard types any character.
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(field, &press);
    }
}

QString MainWindowWidget::shown(int id)
{
    if (auto* field = widget<QLineEdit>(id))
        return field->text();
    if (auto* label = widget<QLabel>(id))
        return label->text();
    if (auto* details = widget<QTextEdit>(id))
        return details->toPlainText();
    if (auto* button = widget<QAbstractButton>(id))
        return button->text();
    return {};
}

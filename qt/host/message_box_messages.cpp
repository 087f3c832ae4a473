#include "qt/host/message_box_messages.h"

#include <QMessageBox>
#include <QString>

namespace {

QString qText(std::u16string_view text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

void MessageBoxMessages::showMessage(std::u16string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Arvelo Rezu"), qText(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool MessageBoxMessages::askYesNo(std::u16string_view question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Arvelo Rezu"), qText(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

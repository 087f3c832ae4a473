#include "qt/host/message_box_messages.h"

#include <QMessageBox>
#include <QString>

void MessageBoxMessages::showMessage(std::u16string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Arvelo Rezu"),
                    QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok,
                    parent_);
    box.exec();
}

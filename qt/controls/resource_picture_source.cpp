#include "qt/controls/resource_picture_source.h"

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>

QImage ResourcePictureSource::decode(int imageId) const
{
    return QImage(QStringLiteral(":/images/%1.png").arg(imageId));
}

void ResourcePictureSource::reportUndrawable(QWidget& control, const QString& message)
{
    // The control is the timer's context, so a control destroyed in the
    // meantime takes its pending message with it.
    QTimer::singleShot(0, &control, [&control, message] {
        // On the heap: should the window close while the box is open, it
        // takes the box with it, which a box on the stack would not survive.
        auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Arvelo Rezu"), message, QMessageBox::Ok,
                                    control.window());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->exec();
    });
}

PictureSource& resourcePictures()
{
    static ResourcePictureSource source;
    return source;
}

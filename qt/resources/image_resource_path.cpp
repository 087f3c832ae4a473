#include "qt/resources/image_resource_path.h"

QString imageResourcePath(int id)
{
    return QStringLiteral(":/images/%1.png").arg(id);
}

#include "qt/resources/program_icon.h"

#include <QString>

QIcon programIcon()
{
    static const char* const kSizes[] = {":/images/144_16.png", ":/images/144_32.png", ":/images/144_48.png",
                                         ":/images/144.png"};
    QIcon icon;
    for (const char* file : kSizes)
        icon.addFile(QString::fromLatin1(file));
    return icon;
}

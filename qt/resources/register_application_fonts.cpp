#include "qt/resources/register_application_fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QtGlobal>

bool registerApplicationFonts()
{
    static const char* const kFontFiles[] = {":/fonts/Roboto-Regular.ttf", ":/fonts/Roboto-Bold.ttf",
                                                 ":/fonts/Carlito-Regular.ttf"};
    bool allAdded = true;
    for (const char* file : kFontFiles) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) {
            qWarning("Cannot add the font %s", file);
            allAdded = false;
        }
    }
    return allAdded;
}

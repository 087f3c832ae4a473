#include "qt/host/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <array>

namespace {

// The program's languages by index, as Qt's catalogues name them.
constexpr std::array<const char*, 7> kQtLanguages = {"it", "en", "es", "de", "fr", "sv", "ru"};

} // namespace

void QtTranslations::follow(std::uint8_t languageIndex)
{
    if (languageIndex == languageIndex_ || languageIndex >= kQtLanguages.size())
        return;
    languageIndex_ = languageIndex;
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
    translator_ = std::make_unique<QTranslator>();
    if (translator_->load(QLocale(QString::fromLatin1(kQtLanguages[languageIndex])), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator_.get());
    else
        translator_.reset();
}

int LanguageFollowingWindows::runModal(WindowLogic& window)
{
    const int result = windows_.runModal(window);
    translations_.follow(languageIndex_);
    return result;
}

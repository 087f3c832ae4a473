#include "data/text_format.h"
#include "data/text_table.h"
#include "tests/support/languages.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

const char* const kLanguageNames[TextTable::languageCount] = {
    "Italian", "English", "Spanish", "German", "French", "Swedish", "Russian",
};

// Readable failure output: gtest prints UTF-8 far better than UTF-16.
std::string u8(std::u16string_view text)
{
    return utf16ToUtf8(text);
}

std::u16string_view text(int language, int id)
{
    return TextTable::text(language, id);
}

std::string where(int language, int id)
{
    return std::string(kLanguageNames[language]) + " text " + std::to_string(id);
}

// ---------------------------------------------------------------------------
// Wordings that are fixed in every language.

using Row = std::array<std::u16string_view, TextTable::languageCount>;

struct FixedRow {
    int id;
    Row texts; // Italian, English, Spanish, German, French, Swedish, Russian
};

TEST(TextTable, MessagesAndModeNamesHaveTheirExactWording)
{
    // Byte for byte, including the Spanish double blank and typo, the French
    // no-break spaces, the English no-break space and the Swedish stray "S".
    const FixedRow rows[] = {
        {0, {u"Configurazione", u"Sizing", u"Diseño", u"Auslegung", u"Dimensionnement", u"Dimensionering",
             u"Расчет параметров"}},
        {1, {u"Messa in funzione", u"Commissioning", u"Puesta en servicio", u"Inbetriebnahme", u"Mise en service",
             u"Idrifttagning", u"Ввод в эксплуатацию"}},
        {31, {u"dP non sufficiente", u"dP insufficient", u"dP  insuficiente", u"dP nicht ausreichend",
              u"dP insuffisant", u"dP otillräcklig", u"dP недостаточно"}},
        {33, {u"Nessuna serie costruttiva/diametro nominale disponibile", u"No type series\u00A0/ nominal size available",
              u"Ninguna serie/diámetro nominal disponiblee", u"keine Baureihe/Nennweite verfügbar",
              u"Aucun(e) gamme/diamètre nominal disponible", u"Ingen modellserie/nominell dimension tillgänglig",
              u"нет типа/номинальной ширины"}},
        {100, {u"DataBase SQL OK", u"DataBase SQL OK", u"DataBase SQL OK", u"DataBase SQL OK", u"DataBase SQL OK",
               u"Databas SQL OK", u"База данных SQL OK"}},
        {101, {u"DataBase SQL: errore all'apertura!", u"DataBase SQL: Error when opening!",
               u"DataBase SQL: Error opening!", u"Datenbank SQL: Fehler beim Öffnen!",
               u"Base de données SQL\u00A0: erreur à l'ouverture\u00A0!", u"SQL-databas: Fel vid öppning!",
               u"База данных SQL: ошибка при открытии!!"}},
        {102, {u"Fare clic sul simbolo", u"Click on the symbol", u"Click icon to select a valve !",
               u"Klicken Sie auf das Symbol", u"Cliquez sur le symbole", u"Klicka på symbolen",
               u"Нажать на символ !"}},
        {103, {u"Dati di progetto assenti!", u"No project data!", u"No project data !", u"Keine Projektdaten!",
               u"Données du projet non disponibles!", u"Inga projektdata!", u"Нет данных проекта!"}},
        {104, {u"Immettere una denominazione!", u"Please enter a designation.", u"Specify a reference !",
               u"Bitte geben Sie eine Bezeichnung an!", u"Entrez svp une désignation!", u"Ange en beteckning!",
               u"Просьба указать обозначение!"}},
        {105, {u"Denominazione già presente!", u"Designation already exists!", u"Reference already present !",
               u"Bezeichnung bereits vorhanden!", u"La désignation existe déjà!", u"Beteckningen finns redan!",
               u"Обозначение уже имеется!"}},
        {106, {u"Selezionare un oggetto (valvola) da rimuovere.", u"Select an object (valve) to be deleted.",
               u"Select an object (valve) to remove.", u"Wählen Sie ein zu entfernendes Objekt (Ventil) aus.",
               u"Sélectionnez un objet (robinet à soupape) à supprimer.",
               u"SVälj ett objekt (ventil) som ska tas bort.",
               u"Необходимо выбрать объект для удаления (клапан)."}},
        {107, {u"Indicare progetto e cliente!", u"Enter a project and customer.", u"Specify Project and Customer !",
               u"Projekt und Kunde angeben!", u"Indiquez le projet et le client!", u"SAnge projekt och kund!",
               u"Указать проект и заказчика!"}},
        {108, {u"Impossibile salvare il file %s: %s", u"The file %s could not be saved: %s",
               u"No se ha podido guardar el archivo %s: %s", u"Die Datei %s konnte nicht gespeichert werden: %s",
               u"Impossible d'enregistrer le fichier %s\u00A0: %s", u"Filen %s kunde inte sparas: %s",
               u"Не удалось сохранить файл %s: %s"}},
    };
    for (const auto& row : rows)
        for (int language = 0; language < TextTable::languageCount; ++language)
            EXPECT_EQ(u8(text(language, row.id)), u8(row.texts[language])) << where(language, row.id);
}

TEST(TextTable, RangeNamesOkDpAndLanguageNamesAreTheSameInEveryLanguage)
{
    const std::pair<int, std::u16string_view> shared[] = {
        {12, u"Arvelo Quarz"}, {13, u"Arvelo / Arvelo Nodo"}, {14, u"Arvelo Flumen"}, {15, u"Arvelo Statra"},
        {30, u"OK"},           {53, u"dP"},
        {68, u"Italiano"},     {69, u"English"},  {70, u"Español"}, {71, u"Deutsch"},
        {72, u"Français"},     {73, u"Svenska"},
        {74, u"\u0050\u0443\u0441\u0441\u043A\u0438\u0439"}, // Latin P, then Cyrillic "усский"
    };
    for (const auto& [id, expected] : shared)
        for (int language = 0; language < TextTable::languageCount; ++language)
            EXPECT_EQ(u8(text(language, id)), u8(expected)) << where(language, id);
}

TEST(TextTable, RussianLanguageNameStartsWithLatinP)
{
    for (int language = 0; language < TextTable::languageCount; ++language) {
        const auto name = text(language, 74);
        ASSERT_GE(name.size(), 2u) << where(language, 74);
        EXPECT_EQ(name[0], u'\u0050') << where(language, 74);
        EXPECT_EQ(name[1], u'\u0443') << where(language, 74); // Cyrillic u, not Latin y
    }
    EXPECT_EQ(TextTable::utf8(kRussian, 74), "P\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9");
}

TEST(TextTable, OnlyEnglishTypeSeriesMessageHasANoBreakSpace)
{
    const auto english = text(kEnglish, 33);
    const auto at = english.find(u'\u00A0');
    ASSERT_NE(at, std::u16string_view::npos);
    EXPECT_EQ(english.substr(at, 2), u"\u00A0/");
    EXPECT_EQ(english.find(u'\u00A0', at + 1), std::u16string_view::npos);
    for (int language = 0; language < TextTable::languageCount; ++language) {
        if (language != kEnglish) {
            EXPECT_EQ(text(language, 33).find(u'\u00A0'), std::u16string_view::npos) << where(language, 33);
        }
    }
}

TEST(TextTable, SpanishInsufficientPressureKeepsTwoBlanks)
{
    EXPECT_EQ(text(kSpanish, 31).substr(0, 4), u"dP  ");
    EXPECT_EQ(text(kSpanish, 31).find(u"   "), std::u16string_view::npos);
}

// ---------------------------------------------------------------------------
// Captions as the windows build them.

struct CaptionCase {
    int language;
    int id;
    std::vector<std::u16string> arguments;
    std::u16string_view expected;
};

TEST(TextTable, CaptionsFormatAsTheWindowsShowThem)
{
    const CaptionCase cases[] = {
        // Main window frame: mode name in the parameter caption.
        {kGerman, 17, {std::u16string(text(kGerman, 0))}, u"Auslegung - Parameter"},
        {kGerman, 17, {std::u16string(text(kGerman, 1))}, u"Inbetriebnahme - Parameter"},
        {kEnglish, 17, {std::u16string(text(kEnglish, 0))}, u"Sizing - Parameter"},
        {kEnglish, 17, {std::u16string(text(kEnglish, 1))}, u"Commissioning - Parameter"},
        // Main window inputs.
        {kGerman, 18, {u"l/s"}, u"Durchflussmenge (l/s)"},
        {kGerman, 19, {u"mbar"}, u"dP Ventil (mbar)"},
        {kEnglish, 18, {u"m3/h"}, u"Flow rate (m3/h)"},
        {kEnglish, 19, {u"mbar"}, u"dP valve (mbar)"},
        // Language dialog at start-up and after switching to English.
        {kGerman, 5, {}, u"Sprache"},
        {kGerman, 7, {}, u"Speichern"},
        {kGerman, 8, {}, u"Abbrechen"},
        {kEnglish, 5, {}, u"Language"},
        {kEnglish, 7, {}, u"Save"},
        {kEnglish, 8, {}, u"Cancel"},
        // Units dialog captions.
        {kEnglish, 75, {u"l/s"}, u"Flow rate (l/s)"},
        {kEnglish, 76, {u"mbar"}, u"Pressure (mbar)"},
        {kEnglish, 77, {u"kW"}, u"Power(kW)"},
        {kEnglish, 78, {u"\u2103"}, u"Temperature (\u2103)"},
        // A failed export.
        {kGerman, 108, {u"Liste.csv", u"Permission denied"},
         u"Die Datei Liste.csv konnte nicht gespeichert werden: Permission denied"},
        // Result panel fields.
        {kEnglish, 34, {u"1234", u"DN 15"}, u"Material number:\r\n\r\n1234\r\n\r\n\r\nNominal size:\r\n\r\nDN 15"},
        {kEnglish, 35, {u"1234", u"DN 15", u"l/h", u"30", u"250"},
         u"Mat. N.:\r\n\r\n1234\r\n\r\n\r\nNominal size:\r\n\r\nDN 15\r\n\r\n\r\nFlow range(l/h):\r\n\r\n30 - 250"},
    };
    for (const auto& c : cases) {
        std::u16string result;
        switch (c.arguments.size()) {
        case 0: result = formatText(text(c.language, c.id), {}); break;
        case 1: result = formatText(text(c.language, c.id), {c.arguments[0]}); break;
        case 2: result = formatText(text(c.language, c.id), {c.arguments[0], c.arguments[1]}); break;
        default:
            ASSERT_EQ(c.arguments.size(), 5u);
            result = formatText(text(c.language, c.id),
                                {c.arguments[0], c.arguments[1], c.arguments[2], c.arguments[3], c.arguments[4]});
        }
        EXPECT_EQ(u8(result), u8(c.expected)) << where(c.language, c.id);
    }
}

TEST(TextTable, OutOfRangeLookupsAreEmpty)
{
    const std::pair<int, int> outside[] = {{-1, 0}, {TextTable::languageCount, 0}, {0, -1}, {0, TextTable::textCount}};
    for (const auto& [language, id] : outside) {
        EXPECT_TRUE(TextTable::text(language, id).empty()) << language << "/" << id;
        EXPECT_TRUE(TextTable::utf8(language, id).empty()) << language << "/" << id;
    }
}

// ---------------------------------------------------------------------------
// Structure every translation must keep.

// The placeholders, line breaks and bare percent signs of a text, in order;
// everything else dropped. "%s" -> 's', "\r\n" -> 'n', a lone '%' -> '%',
// a lone CR or LF -> '?'.
std::string skeleton(std::u16string_view text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] == u's') {
            result += 's';
            ++i;
        } else if (text[i] == u'%') {
            result += '%';
        } else if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            result += 'n';
            ++i;
        } else if (text[i] == u'\r' || text[i] == u'\n') {
            result += '?';
        }
    }
    return result;
}

TEST(TextTable, EveryTranslationKeepsPlaceholdersLineBreaksAndPercentSigns)
{
    for (int id = 0; id < TextTable::textCount; ++id) {
        const std::string expected = skeleton(text(kEnglish, id));
        for (int language = 0; language < TextTable::languageCount; ++language)
            EXPECT_EQ(skeleton(text(language, id)), expected) << where(language, id);
    }
}

TEST(TextTable, StructureOfTheMultiLineAndPercentTextsIsWhatTheWindowsExpect)
{
    // Guards the English reference itself, against which the others are held.
    const std::pair<int, const char*> expected[] = {
        {34, "nnsnnnnns"},
        {35, "nnsnnnnnsnnnsnnss"},
        {26, "%"},
        {61, "%"},
        {90, "%"},
        {94, "%"},
        {17, "s"},
        {18, "s"},
    };
    for (const auto& [id, shape] : expected)
        EXPECT_EQ(skeleton(text(kEnglish, id)), shape) << "text " << id;
}

TEST(TextTable, GlycolMixturesKeepTheirPercentage)
{
    const std::u16string_view percentages[] = {u"10%", u"20%", u"30%", u"40%", u"50%"};
    for (int i = 0; i < 5; ++i)
        for (int language = 0; language < TextTable::languageCount; ++language) {
            const auto mixture = text(language, 90 + i);
            ASSERT_GE(mixture.size(), 3u) << where(language, 90 + i);
            EXPECT_EQ(mixture.substr(mixture.size() - 3), percentages[i]) << where(language, 90 + i);
        }
}

TEST(TextTable, NoTextIsEmptyOrPaddedExceptTheValveTypeCaption)
{
    for (int language = 0; language < TextTable::languageCount; ++language)
        for (int id = 0; id < TextTable::textCount; ++id) {
            const auto t = text(language, id);
            ASSERT_FALSE(t.empty()) << where(language, id);
            EXPECT_NE(t.front(), u' ') << where(language, id);
            // Text 79 carries a trailing blank in every language, the rest none.
            EXPECT_EQ(t.back() == u' ', id == 79) << where(language, id);
        }
}

// ---------------------------------------------------------------------------
// Ids that share or must not share a wording.

TEST(TextTable, RepeatedCaptionsHoldTheSameWordingInEveryLanguage)
{
    const std::pair<int, int> copies[] = {
        {24, 20}, {59, 20},           // Presetting
        {27, 18}, {75, 18}, {99, 18}, // Flow rate (%s)
        {36, 32},                     // Type series
        {60, 25},                     // KV value
        {61, 26},                     // Opening (%)
    };
    for (const auto& [copy, original] : copies)
        for (int language = 0; language < TextTable::languageCount; ++language)
            EXPECT_EQ(u8(text(language, copy)), u8(text(language, original))) << where(language, copy);
}

TEST(TextTable, CaptionsAlikeInEnglishDifferInTheOtherLanguages)
{
    const std::pair<int, int> pairs[] = {{9, 79}, {19, 28}, {55, 88}, {41, 62}, {37, 52}, {38, 51}};
    for (const auto& [first, second] : pairs) {
        // In English they read alike (79 only adds a blank) ...
        EXPECT_EQ(std::u16string(text(kEnglish, first)) + (first == 9 ? u" " : u""), text(kEnglish, second))
            << "English " << first << "/" << second;
        // ... everywhere else each control has its own wording.
        for (int language = 0; language < TextTable::languageCount; ++language) {
            if (language != kEnglish) {
                EXPECT_NE(u8(text(language, first)), u8(text(language, second)))
                    << kLanguageNames[language] << " texts " << first << " and " << second;
            }
        }
    }
}

// The part of a caption before its bracket: "Flow rate (%s)" -> "Flow rate".
std::u16string_view stem(std::u16string_view caption)
{
    auto end = caption.find(u'(');
    if (end == std::u16string_view::npos)
        end = caption.size();
    while (end > 0 && caption[end - 1] == u' ')
        --end;
    return caption.substr(0, end);
}

TEST(TextTable, EachLanguageUsesOneTermPerQuantity)
{
    // {caption, term}: the caption is the term plus a unit or an "actual" tag.
    const std::pair<int, int> sameStem[] = {
        {18, 54}, // flow rate input caption / list column
        {65, 54}, // measured flow rate
        {77, 58}, // power, units dialog
        {96, 58}, // power, flow calculation dialog
    };
    for (const auto& [caption, term] : sameStem)
        for (int language = 0; language < TextTable::languageCount; ++language)
            EXPECT_EQ(u8(stem(text(language, caption))), u8(text(language, term))) << where(language, caption);

    for (int language = 0; language < TextTable::languageCount; ++language) {
        // Measured pressure drop starts like the valve pressure-drop caption.
        const auto valveDrop = stem(text(language, 19));
        EXPECT_EQ(u8(text(language, 63).substr(0, valveDrop.size())), u8(valveDrop)) << where(language, 63);
        // The glycol mixtures start with the word for water, or its stem.
        const auto water = text(language, 89);
        for (int id = 90; id <= 94; ++id)
            EXPECT_EQ(u8(text(language, id).substr(0, water.size() - 1)), u8(water.substr(0, water.size() - 1)))
                << where(language, id);
        // The result panel fields use the column headings of the candidate list.
        for (int part : {37, 38})
            EXPECT_NE(text(language, 34).find(text(language, part)), std::u16string_view::npos)
                << where(language, 34) << " lacks text " << part;
        EXPECT_NE(text(language, 35).find(text(language, 38)), std::u16string_view::npos) << where(language, 35);
        // The requirement list names each valve kind with its range name.
        for (int kind = 0; kind < 4; ++kind) {
            const auto entry = text(language, 80 + kind);
            const auto range = text(language, 12 + kind);
            ASSERT_GE(entry.size(), range.size() + 2) << where(language, 80 + kind);
            EXPECT_EQ(u8(entry.substr(entry.size() - range.size() - 2)), ": " + u8(range)) << where(language, 80 + kind);
        }
    }
}

// ---------------------------------------------------------------------------
// Nothing left untranslated.

bool sameInEveryLanguage(int id)
{
    return (id >= 12 && id <= 15) || id == 30 || id == 53 || (id >= 68 && id <= 74);
}

// Wordings fixed in a language that happen to be the English ones.
bool fixedAsEnglish(int language, int id)
{
    if (id == 100) // "DataBase SQL OK"
        return language == kItalian || language == kSpanish || language == kGerman || language == kFrench;
    if (id == 17) // "%s - Parameter" makes the German "Auslegung - Parameter"
        return language == kGerman;
    return false;
}

// Words that are simply the same in that language; translating them
// would make them wrong, not different.
bool genuinelyIdentical(int language, int id)
{
    const std::pair<int, int> words[] = {
        {kFrench, 66}, // "Date"
        {kFrench, 67}, // "Signature"
        {kGerman, 140}, // "Name"
    };
    for (const auto& [wordLanguage, wordId] : words)
        if (wordLanguage == language && wordId == id)
            return true;
    return false;
}

TEST(TextTable, EveryOtherTextIsTranslated)
{
    for (int language = 0; language < TextTable::languageCount; ++language) {
        if (language == kEnglish)
            continue;
        for (int id = 0; id < TextTable::textCount; ++id) {
            const bool mayEqual = sameInEveryLanguage(id) || fixedAsEnglish(language, id)
                                  || genuinelyIdentical(language, id);
            if (!mayEqual) {
                EXPECT_NE(u8(text(language, id)), u8(text(kEnglish, id))) << where(language, id) << " is English";
            }
        }
    }
}

} // namespace

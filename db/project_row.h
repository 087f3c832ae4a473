#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// One valve of the valve list (table progetti), fields in column order.
// Texts are UTF-8 and fit their field: at most one byte less than its size.
struct ProjectRow {
    std::uint16_t posizione = 0;
    std::string nome_tipo;            // 128
    std::string dimensione;           // 128
    std::string numero_di_materiale;  // 128
    float dP = 0.0f;
    float portata = 0.0f;
    std::uint8_t fluido = 0;
    float t_mandata = 0.0f;
    float t_ritorno = 0.0f;
    float potenza = 0.0f;
    std::string presetting;           // 64
    std::string kv;                   // 64
    std::string apertura;             // 64
    std::string riferimento;          // 128
    std::string muP;                  // 16
    std::string muQ;                  // 16
    std::string muPower;              // 16
    std::string muTemp;               // 16
};

inline constexpr std::size_t kProjectNameLength = 127;
inline constexpr std::size_t kProjectValueTextLength = 63;
inline constexpr std::size_t kProjectUnitLength = 15;

// The same row with every text cut to its field, never inside a character.
ProjectRow fittedToFields(ProjectRow row);

// Whether two rows read from the table are the same stored valve: every
// column alike, a number that is no number (NaN) alike to another such.
bool sameStoredRow(const ProjectRow& a, const ProjectRow& b);

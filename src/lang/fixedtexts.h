#pragma once

// Texts that read the same in every language: names and addresses.
namespace FixedTexts {

inline constexpr const char *AuthorName = "Gruppo di lavoro Aralda";
inline constexpr const char *SchoolName = "Laboratorio di matematica - Scuola secondaria";
inline constexpr const char *AuthorMail = "mailto:aralda@example.org";
inline constexpr const char *HomePage = "https://aralda.example.org/";

} // namespace FixedTexts

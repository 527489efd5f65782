#pragma once
// The language the programs speak: Japanese on a Windows whose display language is Japanese,
// English on every other. Each program keeps every text a user reads in one catalogue with
// both languages side by side; the language picks one. Nothing stored depends on it.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

enum class Language { Japanese, English };

// Japanese when the primary language of the user's UI language id (a LANGID) is Japanese.
Language LanguageOfUiLanguage(uint16_t languageId);

// The language of this user's display, as Windows reports it. The native build speaks
// Japanese, the language every text had first.
Language UserLanguage();

// One catalogue entry: the same text in both languages.
struct BilingualText {
    std::string_view japanese;
    std::string_view english;
    constexpr std::string_view In(Language language) const {
        return language == Language::English ? english : japanese;
    }
};

// pattern with "{0}" … "{9}" replaced by the arguments; any other brace stays.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// The placeholders of a pattern as a bit set ("{0}" is bit 0), so that a table test can see
// both languages of an entry take the same arguments.
unsigned PlaceholdersOf(std::string_view pattern);

// The file of a text in the language: in English "-en" before the extension ("C:\x\pimmo.hlp"
// gives "C:\x\pimmo-en.hlp"), in Japanese the path itself.
std::string LanguageFilePath(std::string_view path, Language language);

// A count as the language writes it: Japanese "1234", English "1,234".
std::string CountText(int64_t number, Language language);

// An ordinal: Japanese the plain number, English "1st", "22nd", "113th", "1,001st".
std::string OrdinalText(int64_t number, Language language);

// A catalogue row: the entry's id beside its texts, so that a static_assert sees the table in
// the order of its ids with none missing.
template <typename Id>
struct CatalogueRow {
    Id id;
    BilingualText text;
};

template <typename Id, size_t N>
constexpr bool IsCompleteCatalogue(const CatalogueRow<Id> (&rows)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (static_cast<size_t>(rows[i].id) != i)
            return false;
    return N == static_cast<size_t>(Id::Count);
}

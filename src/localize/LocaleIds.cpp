#include "localize/LocaleIds.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

struct LocaleEntry {
    std::string_view name;  // language, or language_TERRITORY
    int32_t id;
};

// The language alone names its main country's identifier.
constexpr std::array<LocaleEntry, 52> Locales = {{
    {"ar", 1025},    {"bg", 1026},    {"ca", 1027},    {"zh", 2052},    {"zh_TW", 1028},
    {"zh_HK", 3076}, {"cs", 1029},    {"da", 1030},    {"de", 1031},    {"de_AT", 3079},
    {"de_CH", 2055}, {"de_LU", 4103}, {"el", 1032},    {"en", 1033},    {"en_GB", 2057},
    {"en_AU", 3081}, {"en_CA", 4105}, {"en_IE", 6153}, {"en_NZ", 5129}, {"es", 3082},
    {"es_MX", 2058}, {"fi", 1035},    {"fr", 1036},    {"fr_BE", 2060}, {"fr_CA", 3084},
    {"fr_CH", 4108}, {"he", 1037},    {"hu", 1038},    {"is", 1039},    {"it", 1040},
    {"ja", 1041},    {"ko", 1042},    {"nl", 1043},    {"nl_BE", 2067}, {"nb", 1044},
    {"no", 1044},    {"nn", 2068},    {"pl", 1045},    {"pt", 2070},    {"pt_BR", 1046},
    {"ro", 1048},    {"ru", 1049},    {"hr", 1050},    {"sk", 1051},    {"sv", 1053},
    {"tr", 1055},    {"uk", 1058},    {"sl", 1060},    {"et", 1061},    {"lv", 1062},
    {"lt", 1063},    {"sr", 3098},
}};

int32_t Find(std::string_view name)
{
    const auto it = std::find_if(Locales.begin(), Locales.end(),
                                 [name](const LocaleEntry& entry) { return entry.name == name; });
    return it == Locales.end() ? 0 : it->id;
}

}  // namespace

int32_t LocaleIdFromPosix(std::string_view locale)
{
    // "language_TERRITORY.codeset@modifier": the codeset and the modifier do not matter.
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (const int32_t id = Find(locale))
        return id;
    return Find(locale.substr(0, locale.find('_')));
}

int32_t PrimaryLocaleId(int32_t id)
{
    // The low ten bits name the language; sub-language 1 is its main country.
    return (id & 0x3FF) | 0x400;
}

std::string PosixLanguage(int32_t id)
{
    // Below 0x400 the sub-language is 0: no country's identifier, such as 1 for English.
    if (id < 0x400)
        return {};
    for (const int32_t candidate : {id, PrimaryLocaleId(id)})
        for (const LocaleEntry& entry : Locales)
            if (entry.id == candidate)
                return std::string(entry.name.substr(0, entry.name.find('_')));
    return {};
}

int32_t UserLocaleId()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return LocaleIdFromPosix(value);
    return 0;
}

CodePageHint CodePageHintFor(int32_t id)
{
    constexpr std::string_view CentralEuropean[] = {"cs", "sk", "pl", "hu", "sl", "hr", "ro"};
    const std::string language = PosixLanguage(id);
    const bool central = std::find(std::begin(CentralEuropean), std::end(CentralEuropean), language) != std::end(CentralEuropean);
    return central ? CodePageHint::CentralEuropean : CodePageHint::Western;
}

#include "shell/localelanguage.h"

#include <array>

namespace LocaleLanguage {

namespace {

struct LocaleIdentifier {
    QLocale::Language language;
    QLocale::Territory territory;
    int identifier;
};

constexpr std::array KnownLocales = {
    LocaleIdentifier{QLocale::Italian, QLocale::Italy, 0x0410},
    LocaleIdentifier{QLocale::Italian, QLocale::Switzerland, 0x0810},
    LocaleIdentifier{QLocale::English, QLocale::UnitedStates, 0x0409},
    LocaleIdentifier{QLocale::English, QLocale::UnitedKingdom, 0x0809},
    LocaleIdentifier{QLocale::English, QLocale::Australia, 0x0C09},
    LocaleIdentifier{QLocale::English, QLocale::Canada, 0x1009},
    LocaleIdentifier{QLocale::English, QLocale::NewZealand, 0x1409},
    LocaleIdentifier{QLocale::English, QLocale::Ireland, 0x1809},
    LocaleIdentifier{QLocale::English, QLocale::SouthAfrica, 0x1C09},
    LocaleIdentifier{QLocale::French, QLocale::France, 0x040C},
    LocaleIdentifier{QLocale::French, QLocale::Belgium, 0x080C},
    LocaleIdentifier{QLocale::French, QLocale::Canada, 0x0C0C},
    LocaleIdentifier{QLocale::French, QLocale::Switzerland, 0x100C},
    LocaleIdentifier{QLocale::French, QLocale::Luxembourg, 0x140C},
    LocaleIdentifier{QLocale::Spanish, QLocale::Spain, 0x0C0A},
    // Traditional sort: never chosen for a locale, listed so the table is whole.
    LocaleIdentifier{QLocale::Spanish, QLocale::Spain, 0x040A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Mexico, 0x080A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Guatemala, 0x100A},
    LocaleIdentifier{QLocale::Spanish, QLocale::CostaRica, 0x140A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Panama, 0x180A},
    LocaleIdentifier{QLocale::Spanish, QLocale::DominicanRepublic, 0x1C0A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Venezuela, 0x200A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Colombia, 0x240A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Peru, 0x280A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Argentina, 0x2C0A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Ecuador, 0x300A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Chile, 0x340A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Uruguay, 0x380A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Paraguay, 0x3C0A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Bolivia, 0x400A},
    LocaleIdentifier{QLocale::Spanish, QLocale::ElSalvador, 0x440A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Honduras, 0x480A},
    LocaleIdentifier{QLocale::Spanish, QLocale::Nicaragua, 0x4C0A},
    LocaleIdentifier{QLocale::Spanish, QLocale::PuertoRico, 0x500A},
    LocaleIdentifier{QLocale::Portuguese, QLocale::Brazil, 0x0416},
    LocaleIdentifier{QLocale::Portuguese, QLocale::Portugal, 0x0816},
    LocaleIdentifier{QLocale::German, QLocale::Germany, 0x0407},
    LocaleIdentifier{QLocale::German, QLocale::Switzerland, 0x0807},
    LocaleIdentifier{QLocale::German, QLocale::Austria, 0x0C07},
    LocaleIdentifier{QLocale::German, QLocale::Luxembourg, 0x1007},
    LocaleIdentifier{QLocale::German, QLocale::Liechtenstein, 0x1407},
};

// The low byte of an identifier is its primary language.
int languageOfPrimary(int primary)
{
    switch (primary) {
    case 0x10: return 0;
    case 0x09: return 1;
    case 0x0C: return 2;
    case 0x0A: return 4;
    case 0x16: return 5;
    case 0x07: return 6;
    default: return 1;
    }
}

} // namespace

int localeIdentifier(const QLocale &locale)
{
    for (const auto &known : KnownLocales) {
        if (known.language == locale.language() && known.territory == locale.territory())
            return known.identifier;
    }
    return 0;
}

int languageForIdentifier(int identifier)
{
    for (const auto &known : KnownLocales) {
        if (known.identifier == identifier)
            return languageOfPrimary(identifier & 0xFF);
    }
    return 1;
}

int preselectedLanguage(const QLocale &locale)
{
    return languageForIdentifier(localeIdentifier(locale));
}

} // namespace LocaleLanguage

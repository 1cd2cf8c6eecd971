#include "editor/AppEngines.h"

#include "library/CatalogueFiles.h"
#include "localize/Messages.h"
#include "model/ModelServices.h"
#include "platform/CSettings.h"
#include "platform/Paths.h"

#include <filesystem>

namespace {

// The settings value that names the interface language; 1 is the built-in English.
constexpr std::string_view LanguageValue = "Language";
constexpr int32_t EnglishLanguageID = 1;

}  // namespace

AppEngines::AppEngines(const CSettings& settings)
{
    options.Load(settings);
    ApplyToModel(options);
    library.Load(LibraryCataloguePath());
    library.InstallServices();
    localizer.ScanFiles((std::filesystem::path(DataFolder()) / "Language").string());
    const int32_t language = settings.ReadInteger(LanguageValue, EnglishLanguageID);
    if (language > EnglishLanguageID && localizer.SelectLanguageByID(language))
        UseLanguage(&localizer);
}

AppEngines::~AppEngines()
{
    SetCurrentLocalizer(nullptr);
    ResetServices();
}

void AppEngines::UseLanguage(const CALocalize* language)
{
    SetCurrentLocalizer(language);
    library.ApplyLanguage(language);
}

#pragma once
// Where help opens: the help file of the interface language and the anchor of each help
// context, joined into a URL for the desktop's browser.

#include <string>
#include <string_view>

// The contexts that the dialogs' Help buttons and F1 ask for; 0 stands for the contents.
enum HelpContext : int {
    HelpContents = 0,
    HelpLicense = 1,
    HelpInstallation = 2,
    HelpUpgrade = 3,
    HelpGettingStarted = 4,
    HelpAddingObjects = 5,
    HelpCatalogue = 6,
    HelpSaving = 7,
    HelpLabels = 8,
    HelpLocalization = 9,
    HelpExplore3D = 10,
};

// The anchor of a context 1 to 10, without "#"; empty for any other number.
std::string_view HelpAnchor(int context);

// The help file in the data folder: the language's own file when it names an existing file
// inside the folder, else "Plz.html". A name leading out of the folder is not followed.
std::string HelpFilePath(const std::string& dataFolder, const std::string& languageHelpFile);

// "file://" with the file's absolute path, percent-encoded, and the context's anchor if any.
std::string HelpUrl(const std::string& helpFilePath, int context);

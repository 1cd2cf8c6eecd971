#pragma once
// Where the two object catalogues are kept: the installed library beside the program's data,
// and the user's own catalogue among the user's files, where the program may write.

#include <string>

// "Library.msk" in the installation data folder.
std::string LibraryCataloguePath();

// "Catalog.msk" in the user's data folder. Creates nothing.
std::string UserCataloguePath();

// Gives an old user catalogue "Katalog.msk" in the user's data folder the current name,
// unless a "Catalog.msk" is already there. Failures are ignored: the old file then stays.
void MigrateLegacyCatalogue();

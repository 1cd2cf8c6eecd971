#pragma once
// Qt's own texts (standard buttons, key names in menus, file and colour dialogs) in the
// interface language, from the translations Qt installs.

#include <cstdint>

// Replaces Qt's texts by those of the language with this identifier; English when Qt has no
// translation for it.
void UseQtTranslations(int32_t languageId);

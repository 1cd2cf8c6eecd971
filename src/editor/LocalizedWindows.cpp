#include "editor/LocalizedWindows.h"

#include "dialogs/TForm3D.h"
#include "dialogs/TFormCoord.h"
#include "dialogs/TFormLang.h"
#include "dialogs/TFormLibrary.h"
#include "dialogs/TFormOptions.h"
#include "dialogs/TFormPartsList.h"
#include "dialogs/TFormPrint.h"
#include "dialogs/TFormProp.h"
#include "dialogs/TFormBackground.h"
#include "dialogs/TFormRename.h"
#include "dialogs/TFormRoom.h"
#include "dialogs/TFormTextProps.h"
#include "dialogs/TFormWalls.h"
#include "editor/MainWindowTexts.h"

#include <vector>

std::span<const LocalizedWindow> LocalizedWindows()
{
    static const std::vector<LocalizedWindow> windows = {
        {"TForm1", MainMenuSection, MainMenuTexts()},
        {"TForm1", ObjectPopupSection, ObjectPopupTexts()},
        {"TForm1", NewObjectPopupSection, NewObjectPopupTexts()},
        {"TForm1", ToolbarSection, ToolbarTexts()},
        {"TFormRoom", TFormRoom::Section, TFormRoom::Texts()},
        {"TFormPartsList", TFormPartsList::Section, TFormPartsList::Texts()},
        {"TFormProp", TFormProp::Section, TFormProp::Texts()},
        {"TFormLang", TFormLang::Section, TFormLang::Texts()},
        {"TFormWalls", TFormWalls::Section, TFormWalls::Texts()},
        {"TFormRename", TFormRename::Section, TFormRename::Texts()},
        {"TFormTextProps", TFormTextProps::Section, TFormTextProps::Texts()},
        {"TFormLibrary", TFormLibrary::Section, TFormLibrary::Texts()},
        {"TFormOptions", TFormOptions::Section, TFormOptions::Texts()},
        {"TForm3D", TForm3D::Section, TForm3D::Texts()},
        {"TFormCoord", TFormCoord::Section, TFormCoord::Texts()},
        {"TFormPrint", TFormPrint::Section, TFormPrint::Texts()},
        {"TFormBackground", TFormBackground::Section, TFormBackground::Texts()},
    };
    return windows;
}

#include "editor/MainWindowTexts.h"

namespace {

constexpr DialogText MainMenu[] = {
    {1, "Mistnost1", TextRole::Caption, "&Room"},
    {2, "Zmenrozmery1", TextRole::Caption, "&Change Size..."},
    {3, "Nova1", TextRole::Caption, "&New"},
    {4, "Otrevrit1", TextRole::Caption, "&Open..."},
    {5, "Uloizit1", TextRole::Caption, "&Save"},
    {6, "Ulozitjako1", TextRole::Caption, "Save &As..."},
    {7, "Ulozjakoobrazek1", TextRole::Caption, "Save As &Image..."},
    {8, "Konec1", TextRole::Caption, "E&xit"},
    {9, "Objekty1", TextRole::Caption, "&Objects"},
    {10, "Pridejobjekt1", TextRole::Caption, "&Add Object..."},
    {11, "Smazvsechny1", TextRole::Caption, "&Remove All Objects"},
    {12, "Seznam1", TextRole::Caption, "&Listing..."},
    {13, "Katalog1", TextRole::Caption, "Browse &User Library..."},
    {14, "Zoom1001", TextRole::Caption, "Zoom &100%     /"},
    {15, "Priblizit1", TextRole::Caption, "Zoom &In          +"},
    {16, "Oddlit1", TextRole::Caption, "Zoom &Out        -"},
    {17, "Napoveda1", TextRole::Caption, "&Help"},
    {18, "Oprogramu1", TextRole::Caption, "&About..."},
    {19, "Configure1", TextRole::Caption, "&Configure"},
    {20, "Language1", TextRole::Caption, "&Language..."},
    {RecentFileKey, nullptr, TextRole::LookedUp, "Recent file"},
    {22, "ViewHelpFile1", TextRole::Caption, "View &Help File..."},
    {24, "Export1", TextRole::Caption, "&Export"},
    {25, "CopytoClipboard1", TextRole::Caption, "Copy to &Clipboard"},
    {26, "View1", TextRole::Caption, "&View"},
    {27, "ShowGrid1", TextRole::Caption, "Show &Grid"},
    {28, "ShowCollisions1", TextRole::Caption, "Show &Collisions"},
    {29, "ShowCaptions1", TextRole::Caption, "Show Ca&ptions"},
    {30, "CopyObjectListingtoClipboard1", TextRole::Caption, "Copy &Object Listing to Clipboard"},
    {31, "Print1", TextRole::Caption, "&Print..."},
    {32, "BestFit1", TextRole::Caption, "Best &Fit            *"},
    {33, "Undo1", TextRole::Caption, "&Undo"},
    {34, "AddLabel1", TextRole::Caption, "Ad&d Label..."},
    {35, "Options1", TextRole::Caption, "&Options..."},
    {36, "Explorein3D1", TextRole::Caption, "&Explore in 3D..."},
    {37, "Redo1", TextRole::Caption, "&Redo"},
    {38, "LocalCoordinates1", TextRole::Caption, "&Local Coordinates..."},
    {160, "DrawWalls1", TextRole::Caption, "Draw &Walls"},
};

constexpr DialogText ObjectPopup[] = {
    {1, "Vlastnosti1", TextRole::Caption, "Properties...         DblClick"},
    {2, "Odebratobjekt1", TextRole::Caption, "Remove Object"},
    {3, "Prenesdopopredi1", TextRole::Caption, "Bring to Front"},
    {4, "Prenesdopozadi1", TextRole::Caption, "Send to Back"},
    {5, "Duplicate1", TextRole::Caption, "Duplicate"},
    {6, "Rotate90degright1", TextRole::Caption, "Rotate 90 Degrees Right"},
    {7, "Rotate90DegreesLeft1", TextRole::Caption, "Rotate 90 Degrees Left"},
};

constexpr DialogText NewObjectPopup[] = {
    {1, "Pridatsemnovyobjekt1", TextRole::Caption, "Add New Object Here..."},
    {2, "AddLabelHere1", TextRole::Caption, "Add Label Here..."},
};

constexpr DialogText Toolbar[] = {
    {1, "ToolButtonNew", TextRole::Hint, "New (Ctrl+N)"},
    {2, "ToolButtonOpen", TextRole::Hint, "Open (Ctrl+O)"},
    {3, "ToolButtonSave", TextRole::Hint, "Save (Ctrl+S)"},
    {4, "ToolButtonNewObj", TextRole::Hint, "Add Object (Ctrl+B)"},
    {6, "ToolButtonZoom100", TextRole::Hint, "Zoom 100% (/)"},
    {7, "ToolButtonZoomIn", TextRole::Hint, "Zoom In (+)"},
    {8, "ToolButtonZoomOut", TextRole::Hint, "Zoom Out (-)"},
    {9, "ToolButtonGrid", TextRole::Hint, "Show Grid"},
    {11, "ToolButtonCapt", TextRole::Hint, "Show Captions"},
    {13, "ToolButtonUndo", TextRole::Hint, "Undo (Ctrl+Z)"},
    {14, "ToolButtonRoom", TextRole::Hint, "Room Properties"},
    {15, "ToolButtonMeas", TextRole::Hint, "New Measurement (M)"},
    {16, "ToolButtonRedo", TextRole::Hint, "Redo (Ctrl+Shift+Z)"},
    {17, "ToolButtonCoord", TextRole::Hint, "Local Coordinates (L)"},
    {18, "ToolButton3D", TextRole::Hint, "Explore in 3D"},
    {160, "ToolButtonDrawWalls", TextRole::Hint, "Draw Walls (Ctrl+Shift+W)"},
};

}  // namespace

std::span<const DialogText> MainMenuTexts()
{
    return MainMenu;
}

std::span<const DialogText> ObjectPopupTexts()
{
    return ObjectPopup;
}

std::span<const DialogText> NewObjectPopupTexts()
{
    return NewObjectPopup;
}

std::span<const DialogText> ToolbarTexts()
{
    return Toolbar;
}

QString MainWindowDesign(std::string_view control)
{
    for (const auto table : {MainMenuTexts(), ObjectPopupTexts(), NewObjectPopupTexts(), ToolbarTexts()})
        for (const DialogText& text : table)
            if (text.control && text.control == control)
                return QString::fromUtf8(text.english);
    return {};
}

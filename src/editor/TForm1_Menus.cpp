#include "editor/TForm1.h"

#include "editor/PlanWidget.h"
#include "localize/Messages.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ToolButtonEntry {
    const char* name;    // the button's name; nullptr for a separator
    const char* action;  // the command it runs, a menu item's name or its own
    const char* icon;
    const char* hint;
};

constexpr ToolButtonEntry ToolButtons[] = {
    {"ToolButtonNew", "Nova1", "new", "New (Ctrl+N)"},
    {"ToolButtonOpen", "Otrevrit1", "open", "Open (Ctrl+O)"},
    {"ToolButtonSave", "Uloizit1", "save", "Save (Ctrl+S)"},
    {"ToolButtonUndo", "Undo1", "undo", "Undo (Ctrl+Z)"},
    {"ToolButtonRedo", "Redo1", "redo", "Redo (Ctrl+Shift+Z)"},
    {nullptr, nullptr, nullptr, nullptr},
    {"ToolButtonNewObj", "Pridejobjekt1", "add-object", "Add Object (Ctrl+B)"},
    {"ToolButtonRoom", "Zmenrozmery1", "room", "Room Properties"},
    {nullptr, nullptr, nullptr, nullptr},
    {"ToolButtonZoom100", "Zoom1001", "zoom-100", "Zoom 100% (/)"},
    {"ToolButtonZoomIn", "Priblizit1", "zoom-in", "Zoom In (+)"},
    {"ToolButtonZoomOut", "Oddlit1", "zoom-out", "Zoom Out (-)"},
    {nullptr, nullptr, nullptr, nullptr},
    {"ToolButtonGrid", "ShowGrid1", "grid", "Show Grid"},
    {"ToolButtonCapt", "ShowCaptions1", "captions", "Show Captions"},
    {"ToolButtonCoord", "ToolButtonCoordAction", "local-coordinates", "Local Coordinates (L)"},
    {nullptr, nullptr, nullptr, nullptr},
    {"ToolButtonMeas", "ToolButtonMeasAction", "measure", "New Measurement (M)"},
    {"ToolButton3D", "Explorein3D1", "explore-3d", "Explore in 3D"},
};

struct PanelLayout {
    const char* text;
    int width;
    Qt::Alignment alignment;
};

constexpr PanelLayout Panels[] = {
    {"Last measurement:", 0, Qt::AlignLeft},
    {"Room:", 145, Qt::AlignCenter},
    {" Position:", 140, Qt::AlignLeft},
    {"Zoom", 100, Qt::AlignCenter},
    {"", 50, Qt::AlignLeft},
};

}  // namespace

QAction* TForm1::AddAction(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut)
{
    auto* action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

void TForm1::CreateMenus()
{
    menuBar()->setObjectName("MainMenu1");
    Mistnost1 = menuBar()->addMenu(QString("&Room"));
    Mistnost1->setObjectName("Mistnost1");
    AddAction(Mistnost1, "Undo1", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddAction(Mistnost1, "Redo1", "&Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    Mistnost1->addSeparator();
    AddAction(Mistnost1, "Zmenrozmery1", "&Change Size...");
    Mistnost1->addSeparator();
    AddAction(Mistnost1, "Nova1", "&New", QKeySequence(Qt::CTRL | Qt::Key_N));
    AddAction(Mistnost1, "Otrevrit1", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O));
    AddAction(Mistnost1, "Uloizit1", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S));
    AddAction(Mistnost1, "Ulozitjako1", "Save &As...", QKeySequence(Qt::Key_F12));
    Export1 = Mistnost1->addMenu(QString("&Export"));
    Export1->setObjectName("Export1");
    AddAction(Export1, "Ulozjakoobrazek1", "Save As &Image...");
    AddAction(Export1, "CopytoClipboard1", "Copy to &Clipboard", QKeySequence(Qt::CTRL | Qt::Key_C));
    AddAction(Export1, "CopyObjectListingtoClipboard1", "Copy &Object Listing to Clipboard");
    AddAction(Mistnost1, "Print1", "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P));
    Mistnost1->addSeparator();
    for (int i = 0; i < 4; ++i)
        Recent[static_cast<size_t>(i)] = AddAction(Mistnost1, ("Recent" + std::to_string(i + 1)).c_str(), "Recent file");
    Mistnost1->addSeparator();
    AddAction(Mistnost1, "Konec1", "E&xit");

    Objekty1 = menuBar()->addMenu(QString("&Objects"));
    Objekty1->setObjectName("Objekty1");
    AddAction(Objekty1, "Pridejobjekt1", "&Add Object...", QKeySequence(Qt::CTRL | Qt::Key_B));
    AddAction(Objekty1, "AddLabel1", "Ad&d Label...", QKeySequence(Qt::CTRL | Qt::Key_L));
    Objekty1->addSeparator();
    AddAction(Objekty1, "Smazvsechny1", "&Remove All Objects");
    AddAction(Objekty1, "Seznam1", "&Listing...");
    Objekty1->addSeparator();
    AddAction(Objekty1, "Katalog1", "Browse &User Library...");

    View1 = menuBar()->addMenu(QString("&View"));
    View1->setObjectName("View1");
    AddAction(View1, "Zoom1001", "Zoom &100%     /");
    AddAction(View1, "Priblizit1", "Zoom &In          +");
    AddAction(View1, "Oddlit1", "Zoom &Out        -");
    AddAction(View1, "BestFit1", "Best &Fit            *");
    View1->addSeparator();
    AddAction(View1, "Explorein3D1", "&Explore in 3D...");
    View1->addSeparator();
    AddAction(View1, "LocalCoordinates1", "&Local Coordinates...");
    View1->addSeparator();
    AddAction(View1, "ShowGrid1", "Show &Grid")->setCheckable(true);
    AddAction(View1, "ShowCollisions1", "Show &Collisions")->setCheckable(true);
    AddAction(View1, "ShowCaptions1", "Show Ca&ptions")->setCheckable(true);

    Configure1 = menuBar()->addMenu(QString("&Configure"));
    Configure1->setObjectName("Configure1");
    AddAction(Configure1, "Language1", "&Language...");
    AddAction(Configure1, "Options1", "&Options...");

    Napoveda1 = menuBar()->addMenu(QString("&Help"));
    Napoveda1->setObjectName("Napoveda1");
    AddAction(Napoveda1, "ViewHelpFile1", "View &Help File...", QKeySequence(Qt::Key_F1));
    Napoveda1->addSeparator();
    AddAction(Napoveda1, "Oprogramu1", "&About...");

    CreatePopupMenus();
}

void TForm1::CreateToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("Tools"));
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    auto* coord = new QAction(this);
    coord->setObjectName("ToolButtonCoordAction");
    coord->setCheckable(true);
    auto* measure = new QAction(this);
    measure->setObjectName("ToolButtonMeasAction");
    measure->setCheckable(true);
    for (const ToolButtonEntry& entry : ToolButtons) {
        if (!entry.name) {
            ToolBar1->addSeparator();
            continue;
        }
        QAction* action = findChild<QAction*>(entry.action);
        action->setIcon(QIcon(QString(":/icons/%1.svg").arg(entry.icon)));
        ToolBar1->addAction(action);
        QWidget* button = ToolBar1->widgetForAction(action);
        button->setObjectName(entry.name);
        button->setToolTip(QString::fromUtf8(entry.hint));
    }
}

void TForm1::CreateStatusBar()
{
    statusBar()->setObjectName("StatusBar1");
    for (size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(QString::fromUtf8(Panels[i].text), this);
        panel->setObjectName(QString("StatusPanel%1").arg(i));
        panel->setAlignment(Panels[i].alignment | Qt::AlignVCenter);
        panel->setMinimumWidth(Panels[i].width);
        panel->setVisible(Panels[i].width > 0);
        statusBar()->addWidget(panel, i == 2 ? 1 : 0);
        panels_[i] = panel;
    }
}

void TForm1::ConnectCommands()
{
    const auto on = [this](const char* name, auto handler) {
        connect(findChild<QAction*>(name), &QAction::triggered, this, handler);
    };
    on("Undo1", [this] { Undo(); });
    on("Redo1", [this] { Redo(); });
    on("Zmenrozmery1", [this] { EditRoomProperties(); });
    on("Nova1", [this] { New(); });
    on("Otrevrit1", [this] { OpenRoomFile(QString()); });
    on("Uloizit1", [this] { Save(); });
    on("Ulozitjako1", [this] { SaveAs(); });
    for (size_t i = 0; i < Recent.size(); ++i)
        connect(Recent[i], &QAction::triggered, this, [this, i] { OpenRecent(i); });
    on("Konec1", [this] { close(); });
    on("Zoom1001", [this] { Zoom100(); });
    on("Priblizit1", [this] { ZoomIn(); });
    on("Oddlit1", [this] { ZoomOut(); });
    on("BestFit1", [this] { BestFit(); });
    on("LocalCoordinates1", [this] { ShowLocalCoordinatesDialog(); });
    on("Explorein3D1", [this] { Explorein3D1Click(); });
    on("Print1", [this] { Print1Click(); });
    on("ShowGrid1", [this](bool checked) { ToggleGrid(checked); });
    on("ShowCollisions1", [this](bool checked) { ToggleCollisions(checked); });
    on("ShowCaptions1", [this](bool checked) { ToggleCaptions(checked); });
    // The button shows the flag; the toggle decides it, the dialog having the last word.
    on("ToolButtonCoordAction", [this] { ToggleLocalCoordinates(); });
    on("ToolButtonMeasAction", [this] { ToggleMeasureTool(); });
    on("ViewHelpFile1", [this] { HelpHandler(0, 0); });
    on("Oprogramu1", [this] { ShowAbout(); });
    on("Options1", [this] { EditOptions(); });
    on("Ulozjakoobrazek1", [this] { SaveAsImage(); });
    on("CopytoClipboard1", [this] { CopyToClipboard(); });
    on("Pridejobjekt1", [this] { AddObject(false); });
    on("Pridatsemnovyobjekt1", [this] { AddObject(true); });
    on("AddLabel1", [this] { AddLabel(false); });
    on("AddLabelHere1", [this] { AddLabel(true); });
    on("Smazvsechny1", [this] { RemoveAllObjects(); });
    on("Katalog1", [this] { BrowseUserLibrary(); });
    on("Vlastnosti1", [this] {
        if (const int index = TargetPart(); index >= 0)
            EditObject(index);
    });
    on("Duplicate1", [this] { DuplicateObject(); });
    on("Odebratobjekt1", [this] { RemoveObject(); });
    on("Prenesdopopredi1", [this] { BringObjectToFront(); });
    on("Prenesdopozadi1", [this] { SendObjectToBack(); });
    on("Rotate90degright1", [this] { RotateObject(90); });
    on("Rotate90DegreesLeft1", [this] { RotateObject(-90); });
    on("Seznam1", [this] { ShowPartsList(); });
    on("CopyObjectListingtoClipboard1", [this] { CopyObjectListing(); });
    // Commands whose windows are not part of the editor yet.
    for (const char* name : {"Language1"})
        findChild<QAction*>(name)->setEnabled(false);
    ScrollBox1->viewport()->installEventFilter(this);
    ConnectPointer();
}

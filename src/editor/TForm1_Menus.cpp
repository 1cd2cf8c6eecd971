#include "editor/TForm1.h"

#include "editor/MainWindowTexts.h"
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
};

constexpr ToolButtonEntry ToolButtons[] = {
    {"ToolButtonNew", "Nova1", "new"},
    {"ToolButtonOpen", "Otrevrit1", "open"},
    {"ToolButtonSave", "Uloizit1", "save"},
    {"ToolButtonUndo", "Undo1", "undo"},
    {"ToolButtonRedo", "Redo1", "redo"},
    {nullptr, nullptr, nullptr},
    {"ToolButtonNewObj", "Pridejobjekt1", "add-object"},
    {"ToolButtonRoom", "Zmenrozmery1", "room"},
    {nullptr, nullptr, nullptr},
    {"ToolButtonZoom100", "Zoom1001", "zoom-100"},
    {"ToolButtonZoomIn", "Priblizit1", "zoom-in"},
    {"ToolButtonZoomOut", "Oddlit1", "zoom-out"},
    {nullptr, nullptr, nullptr},
    {"ToolButtonGrid", "ShowGrid1", "grid"},
    {"ToolButtonCapt", "ShowCaptions1", "captions"},
    {"ToolButtonCoord", "ToolButtonCoordAction", "local-coordinates"},
    {nullptr, nullptr, nullptr},
    {"ToolButtonMeas", "ToolButtonMeasAction", "measure"},
    {"ToolButton3D", "Explorein3D1", "explore-3d"},
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

QAction* TForm1::AddAction(QMenu* menu, const char* name, const QKeySequence& shortcut)
{
    auto* action = new QAction(MainWindowDesign(name), this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

void TForm1::CreateMenus()
{
    menuBar()->setObjectName("MainMenu1");
    Mistnost1 = menuBar()->addMenu(MainWindowDesign("Mistnost1"));
    Mistnost1->setObjectName("Mistnost1");
    AddAction(Mistnost1, "Undo1", QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddAction(Mistnost1, "Redo1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    Mistnost1->addSeparator();
    AddAction(Mistnost1, "Zmenrozmery1");
    Mistnost1->addSeparator();
    AddAction(Mistnost1, "Nova1", QKeySequence(Qt::CTRL | Qt::Key_N));
    AddAction(Mistnost1, "Otrevrit1", QKeySequence(Qt::CTRL | Qt::Key_O));
    AddAction(Mistnost1, "Uloizit1", QKeySequence(Qt::CTRL | Qt::Key_S));
    AddAction(Mistnost1, "Ulozitjako1", QKeySequence(Qt::Key_F12));
    Export1 = Mistnost1->addMenu(MainWindowDesign("Export1"));
    Export1->setObjectName("Export1");
    AddAction(Export1, "Ulozjakoobrazek1");
    AddAction(Export1, "CopytoClipboard1", QKeySequence(Qt::CTRL | Qt::Key_C));
    AddAction(Export1, "CopyObjectListingtoClipboard1");
    AddAction(Mistnost1, "Print1", QKeySequence(Qt::CTRL | Qt::Key_P));
    Mistnost1->addSeparator();
    for (int i = 0; i < 4; ++i)
        Recent[static_cast<size_t>(i)] = AddAction(Mistnost1, ("Recent" + std::to_string(i + 1)).c_str());
    Mistnost1->addSeparator();
    AddAction(Mistnost1, "Konec1");

    Objekty1 = menuBar()->addMenu(MainWindowDesign("Objekty1"));
    Objekty1->setObjectName("Objekty1");
    AddAction(Objekty1, "Pridejobjekt1", QKeySequence(Qt::CTRL | Qt::Key_B));
    AddAction(Objekty1, "AddLabel1", QKeySequence(Qt::CTRL | Qt::Key_L));
    Objekty1->addSeparator();
    AddAction(Objekty1, "Smazvsechny1");
    AddAction(Objekty1, "Seznam1");
    Objekty1->addSeparator();
    AddAction(Objekty1, "Katalog1");

    View1 = menuBar()->addMenu(MainWindowDesign("View1"));
    View1->setObjectName("View1");
    AddAction(View1, "Zoom1001");
    AddAction(View1, "Priblizit1");
    AddAction(View1, "Oddlit1");
    AddAction(View1, "BestFit1");
    View1->addSeparator();
    AddAction(View1, "Explorein3D1");
    View1->addSeparator();
    AddAction(View1, "LocalCoordinates1");
    View1->addSeparator();
    AddAction(View1, "ShowGrid1")->setCheckable(true);
    AddAction(View1, "ShowCollisions1")->setCheckable(true);
    AddAction(View1, "ShowCaptions1")->setCheckable(true);

    Configure1 = menuBar()->addMenu(MainWindowDesign("Configure1"));
    Configure1->setObjectName("Configure1");
    AddAction(Configure1, "Language1");
    AddAction(Configure1, "Options1");

    Napoveda1 = menuBar()->addMenu(MainWindowDesign("Napoveda1"));
    Napoveda1->setObjectName("Napoveda1");
    AddAction(Napoveda1, "ViewHelpFile1", QKeySequence(Qt::Key_F1));
    Napoveda1->addSeparator();
    AddAction(Napoveda1, "Oprogramu1");

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
        button->setToolTip(MainWindowDesign(entry.name));
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
    areaPanel_ = new QLabel(this);
    areaPanel_->setObjectName("StatusPanelArea");
    areaPanel_->setAlignment(Qt::AlignCenter);
    areaPanel_->setContentsMargins(8, 0, 8, 0);  // apart from the room's size beside it
    statusBar()->insertWidget(2, areaPanel_);
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
    on("Language1", [this] { Language1Click(); });
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
    ScrollBox1->viewport()->installEventFilter(this);
    ConnectPointer();
    CreateDrawWallsCommand();
}

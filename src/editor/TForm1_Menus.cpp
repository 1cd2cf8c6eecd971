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

QMenu* NamedMenu(QMenu* menu, const char* name)
{
    menu->setTitle(MainWindowDesign(name));
    menu->setObjectName(name);
    return menu;
}

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

QAction* TForm1::NewAction(const char* name, const std::function<void()>& run, const QList<QKeySequence>& shortcuts)
{
    auto* action = new QAction(MainWindowDesign(name), this);
    action->setObjectName(name);
    action->setShortcuts(shortcuts);
    connect(action, &QAction::triggered, this, run);
    return action;
}

void TForm1::CreateActions()
{
    CreateHistoryActions();
    CreateRoomActions();
    CreateFileActions();
    CreateExportActions();
    CreatePrintActions();
    CreateDrawWallsActions();
    CreateObjectActions();
    CreateListingActions();
    CreateViewActions();
    CreateExplore3DActions();
    CreatePointerActions();
    CreateSettingsActions();
    CreateLanguageActions();
    CreateHelpActions();
}

void TForm1::AddItems(QMenu* menu, std::initializer_list<QAction*> items)
{
    for (QAction* item : items) {
        if (item)
            menu->addAction(item);
        else
            menu->addSeparator();
    }
}

void TForm1::CreateMenus()
{
    menuBar()->setObjectName("MainMenu1");
    Mistnost1 = NamedMenu(menuBar()->addMenu(QString()), "Mistnost1");
    AddItems(Mistnost1, {Undo1, Redo1, nullptr, Zmenrozmery1, DrawWalls1, nullptr, Nova1, Otrevrit1, Uloizit1, Ulozitjako1});
    Export1 = NamedMenu(Mistnost1->addMenu(QString()), "Export1");
    AddItems(Export1, {Ulozjakoobrazek1, CopytoClipboard1, CopyObjectListingtoClipboard1});
    AddItems(Mistnost1, {Print1, nullptr, Recent[0], Recent[1], Recent[2], Recent[3], nullptr, Konec1});

    Objekty1 = NamedMenu(menuBar()->addMenu(QString()), "Objekty1");
    AddItems(Objekty1, {Pridejobjekt1, AddLabel1, nullptr, Smazvsechny1, Seznam1, nullptr, Katalog1});

    View1 = NamedMenu(menuBar()->addMenu(QString()), "View1");
    AddItems(View1, {Zoom1001, Priblizit1, Oddlit1, BestFit1, nullptr, Explorein3D1, nullptr, LocalCoordinates1,
                     nullptr, ShowGrid1, ShowCollisions1, ShowCaptions1});

    Configure1 = NamedMenu(menuBar()->addMenu(QString()), "Configure1");
    AddItems(Configure1, {Language1, Options1});

    Napoveda1 = NamedMenu(menuBar()->addMenu(QString()), "Napoveda1");
    AddItems(Napoveda1, {ViewHelpFile1, nullptr, Oprogramu1});

    CreatePopupMenus();
}

void TForm1::CreateToolBar()
{
    struct Button {
        const char* name;  // nullptr for a separator
        QAction* action;
        const char* icon;
    };
    const Button buttons[] = {
        {"ToolButtonNew", Nova1, "new"},
        {"ToolButtonOpen", Otrevrit1, "open"},
        {"ToolButtonSave", Uloizit1, "save"},
        {"ToolButtonUndo", Undo1, "undo"},
        {"ToolButtonRedo", Redo1, "redo"},
        {nullptr, nullptr, nullptr},
        {"ToolButtonNewObj", Pridejobjekt1, "add-object"},
        {"ToolButtonRoom", Zmenrozmery1, "room"},
        {"ToolButtonDrawWalls", DrawWalls1, "draw-walls"},
        {nullptr, nullptr, nullptr},
        {"ToolButtonZoom100", Zoom1001, "zoom-100"},
        {"ToolButtonZoomIn", Priblizit1, "zoom-in"},
        {"ToolButtonZoomOut", Oddlit1, "zoom-out"},
        {nullptr, nullptr, nullptr},
        {"ToolButtonGrid", ShowGrid1, "grid"},
        {"ToolButtonCapt", ShowCaptions1, "captions"},
        {"ToolButtonCoord", ToolButtonCoordAction, "local-coordinates"},
        {nullptr, nullptr, nullptr},
        {"ToolButtonMeas", ToolButtonMeasAction, "measure"},
        {"ToolButton3D", Explorein3D1, "explore-3d"},
    };
    ToolBar1 = addToolBar(QStringLiteral("Tools"));
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    for (const Button& entry : buttons) {
        if (!entry.name) {
            ToolBar1->addSeparator();
            continue;
        }
        entry.action->setIcon(QIcon(QString(":/icons/%1.svg").arg(entry.icon)));
        ToolBar1->addAction(entry.action);
        QWidget* button = ToolBar1->widgetForAction(entry.action);
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

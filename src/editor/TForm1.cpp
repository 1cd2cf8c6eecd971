#include "editor/TForm1.h"

#include "dialogs/TForm3D.h"
#include "dialogs/TFormCoord.h"
#include "dialogs/TFormLang.h"
#include "dialogs/TFormLibrary.h"
#include "dialogs/TFormOptions.h"
#include "dialogs/TFormPrint.h"
#include "dialogs/TFormProp.h"
#include "dialogs/TFormRename.h"
#include "dialogs/TFormRoom.h"
#include "dialogs/TFormTextProps.h"
#include "dialogs/TFormWalls.h"
#include "editor/PlanWidget.h"
#include "localize/QtTranslations.h"
#include "platform/Canvas.h"
#include "platform/FileIo.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QScrollArea>
#include <QWindow>

TForm1::TForm1(Prompts& prompts, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), engines_(settings_), undo_(room_)
{
    setObjectName("TForm1");
    setWindowTitle("Planzeta");
    setWindowIcon(QIcon(":/icons/planzeta.svg"));
    resize(636, 479);
    move(220, 107);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    Obr = new PlanWidget(ScrollBox1);
    ScrollBox1->setWidget(Obr);
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    setCentralWidget(ScrollBox1);
    ScrollBox1->viewport()->installEventFilter(this);
    FormCoord = new TFormCoord(this);
    FormCoord->SetPlanPicker([this](QPoint globalPos) { return PlanPointUnder(globalPos); });
    FormWalls = new TFormWalls(prompts_, this);
    FormPrint = new TFormPrint(prompts_, engines_.options, this);
    FormRoom = new TFormRoom(prompts_, *FormWalls, this);
    FormRename = new TFormRename(this);
    FormProp = new TFormProp(prompts_, *FormRename, this);
    FormLibrary = new TFormLibrary(engines_.library, engines_.options, this);
    FormTextProps = new TFormTextProps(prompts_, engines_.options, this);
    FormOptions = new TFormOptions(prompts_, engines_.options, this);
    Form3D = new TForm3D(this);
    CreateLanguageChooser();
    for (ModalDialog* dialog : std::initializer_list<ModalDialog*>{FormCoord, FormWalls, FormPrint, FormRoom,
                                                                   FormProp, FormTextProps, Form3D, FormLang})
        dialog->SetHelpRequest([this](int context) { HelpHandler(HelpContext, context); });
    ConnectPointer();
    CreateKeyCommands();

    undo_.SetLimit(32);
    // A save cut short by SIGTERM, SIGINT or SIGHUP leaves no temporary file beside the room.
    RemoveTemporaryFilesOnSignals();
    ReadSettings();
    ShowGrid1->setChecked(showGrid_);
    ShowCaptions1->setChecked(showCaptions_);
    UpdateZoomPanel();
    // After the options: a new room takes its unit from them.
    room_.Reset();
    if (!arguments.isEmpty() && QFileInfo(arguments.first()).isFile())
        OpenRoomFile(QFileInfo(arguments.first()).absoluteFilePath());
    ToolButtonCoordAction->setChecked(room_.UserCoord);
    UpdateUndoButtons();
    UpdateScale();
    UpdateTitle();
    Redraw(true);
    setAcceptDrops(true);
    StartRecovery();
}

TForm1::~TForm1()
{
    // Like the engines, which give the messages back to English.
    UseQtTranslations(0);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        shownNormal_ = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
        // The window manager gives the window its frame and, when maximized, its size before
        // the window is first exposed; only then does the plan area have its own size.
        windowHandle()->installEventFilter(this);
        FirstShow();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!AskToSaveChanges()) {
        event->ignore();
        return;
    }
    setAcceptDrops(false);
    WriteSettings();
    DiscardRecoveryCopy();
    event->accept();
}

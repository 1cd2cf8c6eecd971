#pragma once
// The main window: the editor of one room. It owns the room, the undo history and the
// engines, hosts the menus, the tool bar, the plan and the status bar, and keeps its own
// settings between runs. Its commands live in one file per group, TForm1_<Group>.cpp; the
// members below are listed under the file that defines them.
//
// Each group makes its own commands in Create<Group>Actions(): every command is a typed
// QAction member named like its object (the name tests and language files know), made by
// NewAction, which captions it, gives it its shortcuts and connects it to its handler. The
// group's code then uses the member, never a lookup by name. A new group adds its file, its
// Create<Group>Actions() and its members here under the file's name, one call to
// CreateActions(), and places its commands in CreateMenus() or a popup menu.

#include "editor/AppEngines.h"
#include "editor/CUndoManager.h"
#include "editor/PlanComposer.h"
#include "editor/RecentFiles.h"
#include "editor/RecoveryFile.h"
#include "editor/Selection.h"
#include "editor/StatusTexts.h"
#include "editor/WallDrawing.h"
#include "editor/WindowPlacement.h"
#include "model/CRoom.h"
#include "platform/CSettings.h"

#include <QKeySequence>
#include <QLine>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>

class PlanWidget;
class Prompts;
class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QToolBar;
class TForm3D;
class TFormCoord;
class TFormLang;
class TFormLibrary;
class TFormPartsList;
class TFormOptions;
class TFormPrint;
class TFormProp;
class TFormRename;
class TFormRoom;
class TFormTextProps;
class TFormWalls;

struct ImageExportOptions;
struct LocalizedWindow;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The arguments are the program's own, without its name: a room file to open.
    TForm1(Prompts& prompts, const QStringList& arguments, QWidget* parent = nullptr);
    ~TForm1() override;

    CRoom& Room() { return room_; }
    AppEngines& Engines() { return engines_; }
    double Zoom() const { return zoom_; }
    const QString& FileName() const { return fileName_; }

    // Services of the window that commands call.
    void UpdateTitle();
    void UpdateUndoButtons();
    // Called before every change of the room; commit = false merges the next change into
    // this step (a drag is one step). True when the change begins a step of its own.
    bool NoteRoomChange(bool commit);
    void UpdateScale();
    void Redraw(bool repaint);
    // After a move of one object: repaints only what the move changed.
    void RedrawMoved(int index);
    void UpdateZoomPanel();
    void UpdateRoomPanel();
    void UpdateMeasurePanel();
    void UpdatePositionPanel(Point roomPoint);
    void UpdateAreaPanel();
    void FitWindowToPlan();
    bool OpenRoomFile(const QString& path);
    void HelpHandler(int command, int data);
    // Switches every window to the language with this identifier; nothing changes when no
    // language file carries it.
    void SetLanguage(int32_t id);

    // The view.
    void SetZoom(double zoom);
    void ZoomIn();
    void ZoomOut();
    void Zoom100();
    void BestFit();
    // The room point under a pixel of the plan image.
    Point PlanPointAt(QPoint imagePixel) const;

    // Help commands: show the help of a context (data 1 to 10), or close help.
    static constexpr int HelpContext = 1;
    static constexpr int HelpQuit = 2;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // TForm1_Menus.cpp
    // Every group's commands, made before the menus and the tool bar lay them out.
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    // A command named and captioned as designed that runs `run`; the first shortcut is the
    // one its menu item shows.
    QAction* NewAction(const char* name, const std::function<void()>& run, const QList<QKeySequence>& shortcuts = {});
    // The items in order; nullptr stands for a separator.
    static void AddItems(QMenu* menu, std::initializer_list<QAction*> items);

    // TForm1_Settings.cpp
    void CreateSettingsActions();
    QAction* Options1 = nullptr;
    void ReadSettings();
    void KeepWindowOnScreen();
    void KeepFrameOnScreen();
    void WriteSettings();
    void FirstShow();
    // The options dialog; after OK new objects take its colours and the window fits the plan
    // when asked to.
    void EditOptions();
    QPointer<TFormOptions> FormOptions;

    // TForm1_File.cpp
    void CreateFileActions();
    QAction* Nova1 = nullptr;
    QAction* Otrevrit1 = nullptr;
    QAction* Uloizit1 = nullptr;
    QAction* Ulozitjako1 = nullptr;
    std::array<QAction*, 4> Recent{};
    QAction* Konec1 = nullptr;
    // Asks whether to save unsaved changes; false when the user cancels.
    bool AskToSaveChanges();
    void New();
    // Each returns whether the room was written; a failure has been reported.
    bool Save();
    bool SaveAs();
    bool SaveTo(const QString& path);
    void SetSaveEnabled(bool enabled);
    // The open and save dialogs start next time in the folder of this file.
    void RememberFolderOf(const QString& path);
    void RefreshRecentMenu();
    void AddRecentFile(const QString& path);
    void OpenRecent(size_t index);
    // Reads the room from the file; nothing when it was read, else why it was not. The room is
    // left as it was when it was not.
    std::optional<std::string> LoadRoomFrom(const QString& path);
    // The room just read becomes the document: a fresh history, the view at 100 % or best fit.
    void StartEditingLoadedRoom();

    // TForm1_View.cpp
    void CreateViewActions();
    QAction* Zoom1001 = nullptr;
    QAction* Priblizit1 = nullptr;
    QAction* Oddlit1 = nullptr;
    QAction* BestFit1 = nullptr;
    QAction* LocalCoordinates1 = nullptr;
    QAction* ShowGrid1 = nullptr;
    QAction* ShowCollisions1 = nullptr;
    QAction* ShowCaptions1 = nullptr;
    // The tool bar's switch of the local coordinates, checked while they are on.
    QAction* ToolButtonCoordAction = nullptr;
    // Best fit and fitting the window wait for this, the window shown with its final size.
    void FitViewToShownWindow();
    ViewFrame CurrentFrame() const;
    Rect WorkArea() const;
    // The room point under a screen position over the plan area.
    std::optional<Point> PlanPointUnder(QPoint globalPos) const;
    void ToggleGrid(bool on);
    void ToggleCollisions(bool on);
    void ToggleCaptions(bool on);
    void ToggleLocalCoordinates();
    void ShowLocalCoordinatesDialog();
    // Shows the local coordinates dialog just above the plan; returns its result.
    int EditLocalCoordinates();
    void AfterZoomChange();
    // The plan as composed: in the screen's device pixels.
    PlanView CurrentView() const;
    // Device pixels per pixel of the plan at its zoom: the screen's ratio, or 1 where an image
    // that fine would exceed what a bitmap may hold.
    double PlanPixelRatio() const;

    // TForm1_Language.cpp
    void CreateLanguageActions();
    QAction* Language1 = nullptr;
    void CreateLanguageChooser();
    void LocalizeWindow(const LocalizedWindow& window);
    void LocalizeWindowNamed(const char* name);
    void Language1Click();
    // On the first run the chooser, else the stored language for every window.
    void ApplyStartLanguage();
    QPointer<TFormLang> FormLang;

    // TForm1_History.cpp
    void CreateHistoryActions();
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    void Undo();
    void Redo();
    void RestoreSnapshot(const CRoom& snapshot);

    // TForm1_Help.cpp
    void CreateHelpActions();
    QAction* ViewHelpFile1 = nullptr;
    QAction* Oprogramu1 = nullptr;
    void ShowAbout();

    // TForm1_Room.cpp
    void CreateRoomActions();
    QAction* Zmenrozmery1 = nullptr;
    // The room properties dialog; returns whether it closed with OK.
    bool EditRoomProperties();
    QPointer<TFormWalls> FormWalls;
    QPointer<TFormRoom> FormRoom;
    // The dialogs that choose and edit objects, created once like every dialog.
    QPointer<TFormRename> FormRename;
    QPointer<TFormProp> FormProp;
    QPointer<TFormLibrary> FormLibrary;
    QPointer<TFormTextProps> FormTextProps;

    // TForm1_Objects.cpp
    // The Objects menu's commands and those of the popup menus over an object and over the
    // free plan.
    void CreateObjectActions();
    QAction* Pridejobjekt1 = nullptr;
    QAction* AddLabel1 = nullptr;
    QAction* Smazvsechny1 = nullptr;
    QAction* Katalog1 = nullptr;
    QAction* Vlastnosti1 = nullptr;
    QAction* Duplicate1 = nullptr;
    QAction* Odebratobjekt1 = nullptr;
    QAction* Prenesdopopredi1 = nullptr;
    QAction* Prenesdopozadi1 = nullptr;
    QAction* Rotate90degright1 = nullptr;
    QAction* Rotate90DegreesLeft1 = nullptr;
    QAction* Pridatsemnovyobjekt1 = nullptr;
    QAction* AddLabelHere1 = nullptr;
    // Add Object and Add Label: at the last right-clicked point, or else following the
    // pointer until the next click drops the new object.
    void AddObject(bool atPoint);
    void AddLabel(bool atPoint);
    // A free slot for a new object, placed at the right-clicked point when asked.
    int NewSlot(bool atPoint);
    // The chooser and, for a basic object, its properties; false when the user cancelled.
    bool ChooseNewObject(int index);
    // Puts the filled slot in use as one undo step and starts placing it without a point.
    void FinishAddition(int index, bool atPoint);
    // The object's properties dialog; returns whether the dialog was applied.
    bool EditObject(int index);
    void DuplicateObject();
    void RemoveObject();
    void RemoveObjectAt(int index);
    void RemoveAllObjects();
    void BringObjectToFront();
    void SendObjectToBack();
    void RotateObject(int degrees);
    void BrowseUserLibrary();
    // The object under the last press, found again at the current zoom; -1 for none.
    int TargetPart() const;
    CPart& PartAtSlot(int index) { return room_.Parts[static_cast<size_t>(index)]; }

    // TForm1_Export.cpp
    void CreateExportActions();
    QAction* Ulozjakoobrazek1 = nullptr;
    QAction* CopytoClipboard1 = nullptr;
    // The picture to export or print: the plan rendered afresh at 100 % when the options ask
    // for it, else the plan at the screen's zoom, a copy of the screen's when that is as fine.
    // The scale draws it finer without changing its layout. Throws ImageExportError when the
    // room cannot be rendered.
    QImage RenderForExport(double scale = 1.0);
    // What the picture to export or print shows, and at which zoom and scale.
    ImageExportOptions ExportDrawing(double scale) const;
    // Captions the picture when the options ask for it; the screen keeps its plan.
    void AddInfoText(QImage& image) const;
    // The room file's name without its folder; empty for an untitled room.
    std::string FileTitle() const;
    void SaveAsImage();
    // Throw ImageExportError or FileWriteError.
    void SaveAsPicture(const QString& path, double scale);
    void SaveAsSvg(const QString& path);
    void CopyToClipboard();

    // TForm1_Listing.cpp
    void CreateListingActions();
    QAction* Seznam1 = nullptr;
    QAction* CopyObjectListingtoClipboard1 = nullptr;
    // The object listing window, created when first needed; the clipboard command fills it
    // without showing it.
    TFormPartsList& PartsList();
    void ShowPartsList();
    void CopyObjectListing();
    QPointer<TFormPartsList> FormPartsList;

    // TForm1_Explore3D.cpp
    void CreateExplore3DActions();
    QAction* Explorein3D1 = nullptr;
    void Explorein3D1Click();

    // TForm1_Print.cpp
    void CreatePrintActions();
    QAction* Print1 = nullptr;
    void Print1Click();
    // The PDF file to print into when no printer is installed; nothing when the user cancels.
    std::optional<QString> AskPdfName();
    QPointer<TFormPrint> FormPrint;
    // TForm1_Recovery.cpp
    // Offers the room that an editor which did not close left unsaved, then keeps a copy of
    // the room in a recovery file while it has unsaved changes.
    void StartRecovery();
    void OfferRecovery();
    void OfferRecoveryFrom(const std::string& path, RecoveryLock& claim);
    void KeepRecoveryCopy();
    // Removes the copy: the changes were saved or dropped.
    void DiscardRecoveryCopy();
    std::string recoveryPath_;
    std::optional<RecoveryLock> recoveryLock_;  // held from the first copy this editor writes
    std::string recoveryText_;  // the recovery file without its time; empty when there is none

    // TForm1_Selection.cpp
    // The keys that act on the selection.
    void CreateKeyCommands();
    void Select(int index);
    // Escape: no object selected, and no measurement left on the plan.
    void ClearMarks();
    // Draws the selected object's marks over the plan, unless the collision view is on.
    void UpdateSelectionMarks();
    void MoveSelection(Arrow arrow, bool gridStep);
    void RemoveSelection();
    // The change of an arrow move: one undo step for a run of them.
    void NoteArrowMove();
    // Ctrl + wheel: the next zoom step in or out, the room point under the pointer staying put.
    void ZoomAtPointer(bool in, QPoint viewportPos);
    CSelection selection_;

    // TForm1_Pointer.cpp
public:
    // Places the object in slot `index`, which the caller has added: it follows the pointer,
    // held `grabOffset` pixels from its position, and the next release drops it, as one undo
    // step with the change the caller noted. Escape takes it out again, and when that change
    // began its own step (`ownStep`), the history and the modified mark are as before it.
    void StartPlacing(int index, QPoint grabOffset, bool ownStep);

private:
    enum class PointerMode : uint8_t { Idle, Placing, MeasureWait, Measuring, DrawingWalls };

    void CreatePointerActions();
    // The measuring tool's switch on the tool bar, checked while measuring.
    QAction* ToolButtonMeasAction = nullptr;
    void CreatePopupMenus();
    void ConnectPointer();
    // The form's character keys; false when the key is none of them.
    bool FormKeyPress(QKeyEvent* event);
    // Positions are pixels of the plan image.
    void ObrMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel);
    void ObrMouseMove(Qt::KeyboardModifiers modifiers, QPoint pixel);
    void ObrMouseUp();
    void ObrDblClick(QPoint pixel);
    void PressOnPlan(Qt::MouseButton button, QPoint pixel);
    void FollowPointer(QPoint pixel);
    void EndDrag();
    void CancelPlacing();
    void ToggleMeasureTool();
    void SetMeasureMode(bool on);
    void UpdateMeasurement(bool shift, QPoint pixel);
    // The second press, or the release of a drag, ends the line there and reports it.
    void FinishMeasurement(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel);
    void ReportMeasurement();
    void UpdatePlanCursor(bool movableUnder);
    void UpdateHint(int partUnder);
    Point RoomPixel(QPoint pixel) const;
    int PartAtPixel(QPoint pixel) const;

    PointerMode pointerMode_ = PointerMode::Idle;
    int dragIndex_ = -1;  // the object dragged or placed; -1 for none
    Point grabOffset_;
    Point clickPoint_;    // the last press in room pixels: where the popup menus' commands act
    bool moved_ = false;  // the drag or placement has moved its object
    // A placement ends only with the release of a press on the plan: the release of the
    // double click that chose the object in the library arrives here too.
    bool placingPressed_ = false;
    bool placingOwnStep_ = false;  // the placement's addition began an undo step of its own
    PointF measureStart_;  // in room units, so that the line keeps its start through a zoom
    QPoint measurePressPixel_;  // where the press that started the line was
    QLine measureLine_;    // the line as drawn on the plan image
    qint64 measureImageKey_ = 0;  // the plan image that shows that line; 0 when none does
    QMenu* ObjectMenu1 = nullptr;
    QMenu* NewObjectMenu1 = nullptr;

    // TForm1_DrawWalls.cpp
    // Room > Draw Walls, its tool button and key; the mode in which clicks draw the outline,
    // and the corners of a drawn outline, dragged on the plan.
    void CreateDrawWallsActions();
    QAction* DrawWalls1 = nullptr;
    void ToggleWallDrawing();
    void StartWallDrawing();
    void EndWallDrawing();
    // The drawing's keys; false when no drawing is open or the key is none of them.
    bool WallDrawingKey(QKeyEvent* event);
    void FollowWallPointer(Qt::KeyboardModifiers modifiers, QPoint pixel);
    void WallDrawingStep(WallDrawing::Outcome outcome);
    void ShowWallDrawingStatus();
    SnapRules CurrentSnapRules() const;
    // The corner of a user-defined outline within reach of the pointer.
    std::optional<Point> CornerAtPixel(QPoint pixel) const;
    bool PressOnCorner(QPoint pixel);
    void DragCorner(QPoint pixel);
    // The walls dialog on the wall under the pointer; false when there is none.
    bool EditWallAtPixel(QPoint pixel);
    // The outline being drawn, or the handle of the corner under the pointer, over the plan.
    void UpdateWallSketch();
    QPoint ImagePixelOf(Point roomPoint) const;
    std::optional<WallDrawing> wallDrawing_;
    PointF wallPointer_;      // in room units: where the side being drawn ends
    bool wallShift_ = false;  // Shift was held at the pointer's last move
    std::optional<Point> cornerUnder_;    // the corner whose handle shows
    std::optional<Point> draggedCorner_;  // where the corner being dragged is now

    Prompts& prompts_;
    CSettings settings_;
    AppEngines engines_;
    CRoom room_;
    CUndoManager undo_;
    QString fileName_;
    RecentFiles recentFiles_;
    int32_t lastVersion_ = 110;
    bool firstRunLanguage_ = false;
    bool showGrid_ = true;
    bool showCollisions_ = false;
    bool showCaptions_ = true;
    double zoom_ = 1.0;
    double lastMeasurement_ = -1.0;
    QSize imageSize_{-1, -1};
    PlanComposer composer_;
    bool shownOnce_ = false;
    bool shownNormal_ = false;  // neither maximized nor full screen at some time since shown
    bool laidOut_ = false;      // shown and exposed, with the size the window manager gave it
    bool bestFitOwed_ = false;  // asked for before the window was laid out

    // Components, named as in the window's layout.
    QMenu* Mistnost1 = nullptr;
    QMenu* Export1 = nullptr;
    QMenu* Objekty1 = nullptr;
    QMenu* View1 = nullptr;
    QMenu* Configure1 = nullptr;
    QMenu* Napoveda1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    PlanWidget* Obr = nullptr;
    std::array<QLabel*, 5> panels_{};
    QLabel* areaPanel_ = nullptr;  // the floor area, with the perimeter as its tip
    QPointer<TFormCoord> FormCoord;
    QPointer<TForm3D> Form3D;
};

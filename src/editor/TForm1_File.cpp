#include "editor/TForm1.h"

#include "dialogs/ErrorReport.h"
#include "editor/MainWindowTexts.h"
#include "localize/LocaleIds.h"
#include "localize/Messages.h"
#include "model/ZoomLevels.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include <new>

namespace {

const std::string RoomFilter = "Rooms (*.mst *.MST)";

bool IsRoomFileName(const QString& path)
{
    return QFileInfo(path).suffix().toUpper() == "MST";
}

}  // namespace

// Beside the designed shortcuts, the ones users know from other programs: Ctrl+Shift+S and
// Ctrl+Q.
void TForm1::CreateFileActions()
{
    Nova1 = NewAction("Nova1", [this] { New(); }, {Qt::CTRL | Qt::Key_N});
    Otrevrit1 = NewAction("Otrevrit1", [this] { OpenRoomFile(QString()); }, {Qt::CTRL | Qt::Key_O});
    Uloizit1 = NewAction("Uloizit1", [this] { Save(); }, {Qt::CTRL | Qt::Key_S});
    Ulozitjako1 = NewAction("Ulozitjako1", [this] { SaveAs(); }, {Qt::Key_F12, Qt::CTRL | Qt::SHIFT | Qt::Key_S});
    for (size_t i = 0; i < Recent.size(); ++i)
        Recent[i] = NewAction(("Recent" + std::to_string(i + 1)).c_str(), [this, i] { OpenRecent(i); });
    Konec1 = NewAction("Konec1", [this] { close(); }, {Qt::CTRL | Qt::Key_Q});
}

bool TForm1::AskToSaveChanges()
{
    if (!room_.Modified)
        return true;
    switch (prompts_.Message(Msg(MsgClosingRoom), Msg(MsgSaveChanges), PromptIcon::Question,
                             ButtonYes | ButtonNo | ButtonCancel)) {
    case ButtonYes:
        // Should the user cancel naming the file, or the save fail, the changes would be lost
        // if the command went on: it stops instead.
        return Save();
    case ButtonNo:
        return true;
    default:
        return false;
    }
}

bool TForm1::OpenRoomFile(const QString& requested)
{
    if (!requested.isEmpty() && !IsRoomFileName(requested))
        return false;
    if (!AskToSaveChanges())
        return false;
    QString path = requested;
    if (path.isEmpty()) {
        const auto chosen = prompts_.OpenFileName(Msg(MsgOpenRoomTitle), engines_.options.LastOpenFolder, RoomFilter);
        if (!chosen)
            return false;
        path = QString::fromStdString(*chosen);
    }
    if (const std::optional<std::string> problem = LoadRoomFrom(path)) {
        prompts_.Message(Msg(MsgCannotOpenFile), *problem, PromptIcon::Error, ButtonOk);
        return false;
    }
    fileName_ = path;
    AddRecentFile(fileName_);
    RememberFolderOf(fileName_);
    StartEditingLoadedRoom();
    DiscardRecoveryCopy();
    return true;
}

std::optional<std::string> TForm1::LoadRoomFrom(const QString& path)
{
    ReadFailure failure = ReadFailure::Unreadable;
    const CodePageHint hint = CodePageHintFor(engines_.localizer.CurrentLanguageID());
    try {
        if (room_.Load(path.toStdString(), hint, &failure))
            return std::nullopt;
    } catch (const std::bad_alloc&) {
        return Msg(MsgOutOfMemory) + "\n" + path.toStdString();
    }
    return CannotReadText(failure, path.toStdString());
}

void TForm1::StartEditingLoadedRoom()
{
    selection_.Clear();
    SetSaveEnabled(room_.Modified);
    ToolButtonCoordAction->setChecked(room_.UserCoord);
    UpdateScale();
    room_.SnapAllToWalls();
    undo_.Reset();
    UpdateUndoButtons();
    // 100 %, unless the room is too large for a plan image at that scale.
    zoom_ = LargestZoomThatFits(room_, 1.0);
    if (engines_.options.OpenInBestFit) {
        BestFit();
    } else {
        AfterZoomChange();
    }
    UpdateTitle();
}

bool TForm1::SaveTo(const QString& path)
{
    try {
        room_.Encoding = room_.Save(path.toStdString());
    } catch (const FileWriteError& error) {
        ReportError(prompts_, error.what());
        return false;
    }
    fileName_ = path;
    room_.Modified = false;
    undo_.MarkAllModified();
    SetSaveEnabled(false);
    UpdateTitle();
    AddRecentFile(fileName_);
    DiscardRecoveryCopy();
    return true;
}

bool TForm1::Save()
{
    return fileName_.isEmpty() ? SaveAs() : SaveTo(fileName_);
}

bool TForm1::SaveAs()
{
    const auto chosen = prompts_.SaveFileName(Msg(MsgSaveRoomTitle), engines_.options.LastOpenFolder, RoomFilter, nullptr);
    if (!chosen)
        return false;
    QString path = QString::fromStdString(*chosen);
    if (QFileInfo(path).suffix().isEmpty())
        path += ".mst";
    if (!SaveTo(path))
        return false;
    RememberFolderOf(path);
    return true;
}

void TForm1::New()
{
    if (!AskToSaveChanges())
        return;
    room_.Reset();
    selection_.Clear();
    EditRoomProperties();
    undo_.Reset();
    zoom_ = 1.0;
    room_.Modified = false;
    SetSaveEnabled(true);
    ToolButtonCoordAction->setChecked(room_.UserCoord);
    UpdateUndoButtons();
    fileName_.clear();
    BestFit();
    UpdateTitle();
    DiscardRecoveryCopy();
}

void TForm1::RememberFolderOf(const QString& path)
{
    engines_.options.LastOpenFolder = QDir::toNativeSeparators(QFileInfo(path).absolutePath() + "/").toStdString();
}

void TForm1::SetSaveEnabled(bool enabled)
{
    Uloizit1->setEnabled(enabled);
}

void TForm1::AddRecentFile(const QString& path)
{
    recentFiles_.Add(path.toStdString());
    RefreshRecentMenu();
}

void TForm1::RefreshRecentMenu()
{
    for (size_t i = 0; i < Recent.size(); ++i) {
        const std::string text = recentFiles_.MenuText(i);
        QAction* item = Recent[i];
        item->setVisible(i == 0 || !text.empty());
        item->setEnabled(!text.empty());
        if (!text.empty())
            item->setText(QString::fromStdString(text));
        else if (i == 0)
            item->setText(LookedUpText(MainMenuSection, MainMenuTexts(), RecentFileKey));
    }
}

void TForm1::OpenRecent(size_t index)
{
    if (!recentFiles_.Path(index).empty())
        OpenRoomFile(QString::fromStdString(recentFiles_.Path(index)));
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        event->acceptProposedAction();
        OpenRoomFile(urls.first().toLocalFile());
    }
}

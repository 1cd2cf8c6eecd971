#include "FuzzInputs.h"

#include "dialogs/LibraryChooserRules.h"
#include "editor/WindowPlacement.h"
#include "library/CPartsCatalogue.h"
#include "localize/CALocalize.h"
#include "model/CRoom.h"
#include "model/LibraryCategories.h"
#include "model/ModelServices.h"
#include "model/PlanRendering.h"
#include "platform/COptions.h"
#include "platform/CSettings.h"
#include "support/RecordingCanvas.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Removes the scratch folder when the process ends normally.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(fs::temp_directory_path() / ("planzeta-fuzz-" + std::to_string(::getpid())))
    {
        fs::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

const fs::path& Scratch()
{
    static const ScratchFolder folder;
    return folder.path();
}

// Warnings such as "written by a newer version" would only flood the fuzzer's output.
void QuietModel()
{
    ResetServices();
    Services().warn = [](const std::string&, const std::string&) {};
}

}  // namespace

std::string WriteScratchFile(std::string_view name, std::string_view bytes)
{
    const fs::path path = Scratch() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

bool LoadRoomFromBytes(std::string_view bytes, CRoom& room)
{
    QuietModel();
    if (!room.Load(WriteScratchFile("room.mst", bytes)))
        return false;
    room.SnapAllToWalls();  // as the editor does on opening a room
    return true;
}

void DrawAtFuzzZooms(CRoom& room, Canvas& canvas)
{
    for (const double zoom : {1.0, 0.05, 4.0}) {
        for (const bool collisions : {false, true}) {
            PlanView view = WholeRoomView(room, zoom);
            view.showCollisions = collisions;
            PrepareForView(room, view);
            DrawRoom(room, canvas, view);
        }
    }
}

void FuzzRoomFile(std::string_view bytes)
{
    CRoom room;
    if (!LoadRoomFromBytes(bytes, room))
        return;
    RecordingCanvas canvas;
    DrawAtFuzzZooms(room, canvas);
}

void FuzzCatalogueFile(std::string_view bytes)
{
    QuietModel();
    CPartsCatalogue catalogue;
    catalogue.Load(WriteScratchFile("Catalog.msk", bytes), false);
    for (int i = 0; i < catalogue.Count(); ++i) {
        const CPart& entry = catalogue.Entry(i);
        for (int category = 0; category < LibCategoryCount; ++category)
            ListedInCategory(entry, category);
        LibraryItemText(entry, 0);
        RecordingCanvas canvas(96, 96);
        DrawLibraryIcon(canvas, entry, 0xFFFFFF);
    }
}

void FuzzLanguageFile(std::string_view bytes)
{
    WriteScratchFile("language.lng", bytes);
    CALocalize localizer;
    if (!localizer.ScanFiles(Scratch().string()) || !localizer.SelectLanguage(0))
        return;
    std::vector<LanguageListItem> list;
    localizer.FillLanguageList(list);
    localizer.CurrentHelpFile();
    for (int32_t number = 0; number < 70; ++number) {
        localizer.Message(number, "");
        localizer.LibraryText(number, "");
    }
}

void FuzzSettingsFile(std::string_view bytes)
{
    CSettings settings(WriteScratchFile("settings.ini", bytes));
    COptions options;
    options.Load(settings);
    ApplyToModel(options);
    options.Save(settings);
    KeepOnScreen({settings.ReadInteger("MainWndLeft", 0), settings.ReadInteger("MainWndTop", 0),
                  settings.ReadInteger("MainWndWidth", 800), settings.ReadInteger("MainWndHeight", 600)},
                 {0, 0, 1920, 1080});
    ResetServices();
}

#include "model/CRoom.h"

#include "localize/Messages.h"
#include "model/ModelServices.h"
#include "model/Units.h"
#include "platform/IniFile.h"
#include "platform/RoomFileText.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <future>

namespace {

constexpr int FileVersion = 300;
// A room of fewer objects is read sooner than a second thread starts; a larger one is read by
// two threads taking runs of sections in turn.
constexpr size_t ObjectsForTwoThreads = 2000;
constexpr size_t SectionsPerRun = 256;
constexpr std::string_view RoomSection = "Room";
constexpr std::string_view WallsSection = "RoomWalls";
constexpr std::string_view BackgroundSection = "Background";

Colour ReadColour(const CIniFile& ini, std::string_view key, Colour fallback)
{
    return static_cast<Colour>(ini.ReadInteger(RoomSection, key, static_cast<int32_t>(fallback)));
}

// A picture, an empty file or text of some other kind would read as an empty room and, saved
// again, replace what the file held.
std::string FolderOf(const std::string& fileName)
{
    std::error_code error;
    return std::filesystem::absolute(fileName, error).parent_path().string();
}

bool HoldsRoom(const CIniFile& ini)
{
    if (ini.HasSection(RoomSection) || ini.HasSection(WallsSection))
        return true;
    for (size_t i = 0; i < ini.SectionCount(); ++i)
        if (ini.SectionName(i).starts_with("Part"))
            return true;
    return false;
}

void WarnAboutNewerVersion()
{
    Services().warn(Msg(MsgWarning), Msg(MsgNewerVersion));
}

}  // namespace

TextEncoding CRoom::Save(const std::string& fileName) const
{
    // A fresh file: whatever sections the old one held are gone, as the format expects.
    CIniFile ini;
    Write(ini, FolderOf(fileName));
    ini.SetEncoding(Encoding);
    return ini.Save(fileName);
}

void CRoom::Write(CIniFile& ini, const std::string& folder) const
{
    ini.WriteInteger(RoomSection, "FileVersion", FileVersion);
    ini.WriteInteger(RoomSection, "Width", Width);
    ini.WriteInteger(RoomSection, "Height", Height);
    ini.WriteString(RoomSection, "Color", ColourText(Color));
    ini.WriteString(RoomSection, "GridColor", ColourText(GridColor));
    ini.WriteString(RoomSection, "WallsColor", ColourText(WallsColor));
    ini.WriteInteger(RoomSection, "GridSize", GridSize);
    ini.WriteInteger(RoomSection, "WallThickness", WallThickness);
    ini.WriteInteger(RoomSection, "WallZHeight", WallZHeight);
    ini.WriteInteger(RoomSection, "UserCoord", UserCoord ? 1 : 0);
    ini.WriteInteger(RoomSection, "UserCoordOriginX", UserCoordOriginX);
    ini.WriteInteger(RoomSection, "UserCoordOriginY", UserCoordOriginY);
    ini.WriteString(RoomSection, "Unit", UnitAt(Unit).abbreviation);
    ini.WriteString(RoomSection, "SpaceAround", JoinIntegers(SpaceAround.data(), SpaceAround.size()));
    ini.WriteString(RoomSection, "3DStart", JoinIntegers(Start3D.data(), Start3D.size()));
    if (!Walls.IsDefault())
        Walls.Save(ini, WallsSection);
    if (Background.Present())
        Background.Write(ini, BackgroundSection, folder);
    int number = 0;
    for (const CPart& part : Parts)
        if (part.InUse)
            part.Save(ini, "Part" + std::to_string(++number), false);
}

bool CRoom::Load(const std::string& fileName, CodePageHint hint, ReadFailure* failure)
{
    const std::optional<CIniFile> file = CIniFile::Read(fileName, hint, failure);
    if (!file)
        return false;
    if (!HoldsRoom(*file)) {
        if (failure)
            *failure = ReadFailure::WrongContent;
        return false;
    }
    CRoom loaded;
    loaded.Read(*file, FolderOf(fileName));
    loaded.Encoding = file->Encoding();
    *this = std::move(loaded);
    return true;
}

void CRoom::Read(const CIniFile& ini, const std::string& folder)
{
    Reset();
    if (ini.ReadInteger(RoomSection, "FileVersion", 1) > FileVersion)
        WarnAboutNewerVersion();

    Width = ini.ReadInteger(RoomSection, "Width", 500);
    Height = ini.ReadInteger(RoomSection, "Height", 300);
    Color = ReadColour(ini, "Color", 0xFFFFFF);
    GridColor = ReadColour(ini, "GridColor", 0xFFC0C0);
    WallsColor = ReadColour(ini, "WallsColor", 0x808080);
    GridSize = ini.ReadInteger(RoomSection, "GridSize", 50);
    WallThickness = ini.ReadInteger(RoomSection, "WallThickness", 0);
    WallZHeight = ini.ReadInteger(RoomSection, "WallZHeight", 265);
    UserCoord = ini.ReadBool(RoomSection, "UserCoord", false);
    UserCoordOriginX = ini.ReadInteger(RoomSection, "UserCoordOriginX", 0);
    UserCoordOriginY = ini.ReadInteger(RoomSection, "UserCoordOriginY", 0);
    UnitName = ini.ReadString(RoomSection, "Unit", Services().defaults.unit);
    if (const int unit = UnitFromAbbreviation(UnitName); unit >= 0)
        Unit = unit;

    // Fewer than four margins: all four take the first, or 25 when there is none at all.
    const std::vector<int32_t> space = ScanIntegers(ini.ReadString(RoomSection, "SpaceAround", "25"), 4);
    if (space.size() == 4)
        std::copy(space.begin(), space.end(), SpaceAround.begin());
    else
        SpaceAround.fill(space.empty() ? SpaceAround[0] : space[0]);

    const std::vector<int32_t> start = ScanIntegers(ini.ReadString(RoomSection, "3DStart", ""), 3);
    if (start.size() == 3)
        std::copy(start.begin(), start.end(), Start3D.begin());
    else
        Start3D = {Width / 2, Height / 2, 0};

    Walls.MakeRectangle(Width, Height, WallThickness);
    Walls.Load(ini, WallsSection);
    Background.Read(ini, BackgroundSection, folder);

    // The objects are read in runs of sections, which the threads of a large room take in
    // turn, so that a thread that starts late or is held up leaves more to the others.
    const auto isPart = [&ini](size_t section) { return ini.SectionName(section).starts_with("Part"); };
    std::vector<size_t> firstPartOfRun;
    size_t parts = 0;
    for (size_t i = 0; i < ini.SectionCount(); ++i) {
        if (i % SectionsPerRun == 0)
            firstPartOfRun.push_back(parts);
        parts += isPart(i) ? 1 : 0;
    }
    Parts.resize(parts);
    std::atomic<size_t> nextRun = 0;
    const auto readRuns = [&] {
        for (size_t run; (run = nextRun++) < firstPartOfRun.size();) {
            size_t part = firstPartOfRun[run];
            for (size_t i = run * SectionsPerRun; i < std::min(ini.SectionCount(), (run + 1) * SectionsPerRun); ++i)
                if (isPart(i))
                    Parts[part++].Load(ini, i, Unit);
        }
    };
    if (parts < ObjectsForTwoThreads) {
        readRuns();
        return;
    }
    // Where no thread can be started, the helper's share is left to this one.
    std::future<void> helper = std::async(std::launch::async | std::launch::deferred, readRuns);
    readRuns();
    helper.get();
}

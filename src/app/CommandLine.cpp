#include "app/CommandLine.h"

#include "app/PrintPdfTask.h"
#include "app/TaskSupport.h"
#include "dialogs/PartsListing.h"
#include "editor/AppEngines.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "model/RoomJson.h"
#include "output/ImageExport.h"
#include "output/SvgExport.h"
#include "output/VrmlExportFile.h"
#include "output/VrmlWriter.h"
#include "platform/CSettings.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/ProductInfo.h"

#include <array>
#include <charconv>
#include <functional>
#include <iostream>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The zoom range of the editor's view.
constexpr double MinZoom = 0.05;
constexpr double MaxZoom = 4.0;
// How much finer than its layout a picture may be drawn.
constexpr double MaxScaleFactor = 8.0;

constexpr std::string_view Usage =
    "Usage: planzeta [ROOM.mst]\n"
    "       planzeta --resave OUT.mst ROOM.mst\n"
    "       planzeta --dump-json ROOM.mst\n"
    "       planzeta --listing ROOM.mst\n"
    "       planzeta --export-image OUT ROOM.mst [--zoom Z] [--scale-factor F] [--no-grid]\n"
    "                [--no-captions] [--collisions]\n"
    "       planzeta --export-vrml OUT.wrl ROOM.mst [--3d-zoom N] [--walls solid|invisible]\n"
    "       planzeta --print-pdf OUT.pdf ROOM.mst [--scale X] [--title T] [--note1 T]\n"
    "                [--note2 T] [--no-scale-bar] [--color] [--copies N] [--landscape]\n"
    "       planzeta --quit-after-first-paint [ROOM.mst]\n"
    "\n"
    "Planzeta edits furnishing plans of one room. Without options it opens the editor,\n"
    "with the room file when one is named.\n"
    "\n"
    "  --resave OUT.mst ROOM.mst  read a room file and write it anew to OUT.mst\n"
    "  --dump-json ROOM.mst       print the room as the editor reads it, as JSON\n"
    "  --listing ROOM.mst         print the object listing as the editor copies it: one\n"
    "                             line per object but labels, name, tab and size\n"
    "  --export-image OUT ROOM.mst\n"
    "                             draw the room with its margins into a picture, PNG when\n"
    "                             OUT ends in .png, an SVG drawing when it ends in .svg,\n"
    "                             else BMP; with\n"
    "      --zoom Z               pixels per room unit, 0.05 to 4 (default 1)\n"
    "      --scale-factor F       draw the same picture F times as fine, 1 to 8 (default 1)\n"
    "      --no-grid              leave out the grid\n"
    "      --no-captions          leave out the captions of objects other than labels\n"
    "      --collisions           show the objects as silhouettes, overlaps in colour\n"
    "  --export-vrml OUT.wrl ROOM.mst\n"
    "                             write the room as a VRML 2.0 scene to walk through, as\n"
    "                             Explore in 3D shows it; with\n"
    "      --3d-zoom N            the scene's scale in percent, a whole number from 1\n"
    "                             (default: the editor's setting)\n"
    "      --walls solid|invisible\n"
    "                             whether the walls are shown (default: the editor's setting)\n"
    "  --print-pdf OUT.pdf ROOM.mst\n"
    "                             print the room on A4 pages into a PDF file, as the print\n"
    "                             dialog does; with\n"
    "      --scale X              the drawing at 1 : X (default: as large as the page allows)\n"
    "      --title T              the title above the drawing (default: the file's name)\n"
    "      --note1 T, --note2 T   the notes below it (default: the room's dimensions when\n"
    "                             the editor adds them to pictures, and none); an empty\n"
    "                             text leaves the line out\n"
    "      --no-scale-bar         leave out the scale bar (default: the editor's setting)\n"
    "      --color                print in colour rather than in shades of grey\n"
    "      --copies N             one page for each of N copies, 1 to 999 (default 1)\n"
    "      --landscape            turn the paper (default: the editor's setting)\n"
    "  --quit-after-first-paint [ROOM.mst]\n"
    "                             start the editor and end as soon as it has painted the\n"
    "                             plan; only for measuring how long the start takes\n"
    "  --help                     show this help and exit\n"
    "  --version                  show the version and exit\n";

constexpr std::string_view Version =
    "planzeta " PLANZETA_VERSION "\n"
    "Copyright (C) 2026 " PLANZETA_MAKER "\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// Flushes standard output and reports when it could not take everything (a full disk, a
// closed pipe).
int FlushOutput()
{
    if (std::cout.flush())
        return Success;
    std::cerr << "planzeta: unable to write to standard output\n";
    return WriteFailed;
}

int DumpJson(const std::string& path)
{
    CRoom room;
    if (!LoadRoom(room, path))
        return BadInput;
    std::cout << RoomToJson(room) << '\n';
    return FlushOutput();
}

int PrintListing(const std::string& path)
{
    CRoom room;
    if (!LoadRoom(room, path))
        return BadInput;
    room.SnapAllToWalls();
    std::cout << ListingText(ListingRows(room));
    return FlushOutput();
}

int Resave(const std::string& out, const std::string& in)
{
    CRoom room;
    if (!LoadRoom(room, in))
        return BadInput;
    try {
        room.Save(out);
    } catch (const FileWriteError& error) {
        std::cerr << "planzeta: " << error.what() << '\n';
        return WriteFailed;
    }
    return Success;
}

std::optional<double> ParseNumberIn(const std::string& text, double min, double max)
{
    double number = 0;
    const char* const end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || rest != end || !(number >= min && number <= max))
        return std::nullopt;
    return number;
}

int ExportImage(const std::string& out, const std::string& in, const ImageExportOptions& options)
{
    CRoom room;
    if (!LoadRoom(room, in))
        return BadInput;
    room.SnapAllToWalls();
    const auto app = OffscreenApplication();
    try {
        if (IsSvgName(out))
            SaveSvg(room, options, {}, out);
        else
            SaveImage(RenderRoomImage(room, options), out);
    } catch (const std::runtime_error& error) {  // ImageExportError or FileWriteError
        std::cerr << "planzeta: " << error.what() << '\n';
        return WriteFailed;
    }
    return Success;
}

int ExportImageTask(const std::vector<std::string>& args)
{
    ImageExportOptions options;
    const auto handleSwitch = [&](const std::string& name, const NextValue& value) -> Problem {
        if (name == "--zoom") {
            const std::optional<double> zoom = ParseNumberIn(value(), MinZoom, MaxZoom);
            if (!zoom)
                return "--zoom needs a number from 0.05 to 4";
            options.zoom = *zoom;
        } else if (name == "--scale-factor") {
            const std::optional<double> factor = ParseNumberIn(value(), 1.0, MaxScaleFactor);
            if (!factor)
                return "--scale-factor needs a number from 1 to 8";
            options.scale = *factor;
        } else if (name == "--no-grid") {
            options.showGrid = false;
        } else if (name == "--no-captions") {
            options.showCaptions = false;
        } else if (name == "--collisions") {
            options.showCollisions = true;
        } else {
            return "unknown option " + name + " for --export-image";
        }
        return std::nullopt;
    };
    const auto files = TaskFiles(args, handleSwitch);
    return files ? ExportImage((*files)[0], (*files)[1], options) : BadInput;
}

// A 3D zoom as the Explore-in-3D setup takes it: a whole percentage above 0.
std::optional<int32_t> ParseZoom3D(const std::string& text)
{
    int32_t zoom = 0;
    const char* const end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, zoom);
    if (error != std::errc() || rest != end || zoom < 1)
        return std::nullopt;
    return zoom;
}

int ExportVrml(const std::string& out, const std::string& in, const COptions& options)
{
    CRoom room;
    if (!LoadRoom(room, in))
        return BadInput;
    room.SnapAllToWalls();
    try {
        WriteFileAtomically(out, VrmlScene(room, options, InstalledLibraryPrefix()));
    } catch (const FileWriteError& error) {
        std::cerr << "planzeta: " << error.what() << '\n';
        return WriteFailed;
    }
    return Success;
}

// The switches override the editor's 3D options for this scene only.
int ExportVrmlTask(const std::vector<std::string>& args, COptions options)
{
    const auto handleSwitch = [&](const std::string& name, const NextValue& value) -> Problem {
        if (name == "--3d-zoom") {
            const std::optional<int32_t> zoom = ParseZoom3D(value());
            if (!zoom)
                return "--3d-zoom needs a whole number from 1 to " +
                       std::to_string(std::numeric_limits<int32_t>::max());
            options.Zoom3D = *zoom;
        } else if (name == "--walls") {
            const std::string walls = value();
            if (walls != "solid" && walls != "invisible")
                return "--walls needs solid or invisible";
            options.WallsTransp3D = walls == "solid" ? 0 : 1;
        } else {
            return "unknown option " + name + " for --export-vrml";
        }
        return std::nullopt;
    };
    const auto files = TaskFiles(args, handleSwitch);
    return files ? ExportVrml((*files)[0], (*files)[1], options) : BadInput;
}

std::optional<int> RunTask(const std::vector<std::string>& args)
{
    if (args.empty() || args[0].rfind("--", 0) != 0)
        return args.size() <= 1 ? std::nullopt : std::optional(UsageError("too many files named"));
    const std::string& option = args[0];
    const auto expect = [&](size_t operands) { return args.size() == operands + 1; };
    if (option == QuitAfterFirstPaintSwitch && args.size() <= 2)
        return std::nullopt;  // the editor, which main() tells to end after its first paint
    if (option == "--help" && expect(0)) {
        std::cout << Usage;
        return FlushOutput();
    }
    if (option == "--version" && expect(0)) {
        std::cout << Version;
        return FlushOutput();
    }
    // The tasks read rooms as the editor does: with the user's options, the library's default
    // heights and names, and messages in the user's language.
    const AppEngines engines{CSettings()};
    if (option == "--dump-json" && expect(1))
        return DumpJson(args[1]);
    if (option == "--listing" && expect(1))
        return PrintListing(args[1]);
    if (option == "--resave" && expect(2))
        return Resave(args[1], args[2]);
    if (option == "--export-image")
        return ExportImageTask(args);
    if (option == "--export-vrml")
        return ExportVrmlTask(args, engines.options);
    if (option == "--print-pdf")
        return PrintPdfTask(args, engines.options);
    if (option == "--help" || option == "--version" || option == "--dump-json" || option == "--listing" ||
        option == "--resave")
        return UsageError("wrong number of files for " + option);
    return UsageError("unknown option " + option);
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv)
{
    RemoveTemporaryFilesOnSignals();
    try {
        return RunTask(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::cerr << "planzeta: " << Msg(MsgOutOfMemory) << '\n';
    } catch (const std::exception& error) {
        std::cerr << "planzeta: " << error.what() << '\n';
    }
    return WriteFailed;
}

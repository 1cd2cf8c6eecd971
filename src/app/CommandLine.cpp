#include "app/CommandLine.h"

#include "editor/AppEngines.h"
#include "editor/ImageExport.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "model/RoomJson.h"
#include "platform/CSettings.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <QGuiApplication>

#include <charconv>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int Success = 0;
constexpr int WriteFailed = 1;
constexpr int BadInput = 2;

// The zoom range of the editor's view.
constexpr double MinZoom = 0.05;
constexpr double MaxZoom = 4.0;

constexpr std::string_view Usage =
    "Usage: planzeta [ROOM.mst]\n"
    "       planzeta --resave OUT.mst ROOM.mst\n"
    "       planzeta --dump-json ROOM.mst\n"
    "       planzeta --export-image OUT ROOM.mst [--zoom Z] [--no-grid] [--no-captions]\n"
    "                [--collisions]\n"
    "\n"
    "Planzeta edits furnishing plans of one room. Without options it opens the editor,\n"
    "with the room file when one is named.\n"
    "\n"
    "  --resave OUT.mst ROOM.mst  read a room file and write it anew to OUT.mst\n"
    "  --dump-json ROOM.mst       print the room as the editor reads it, as JSON\n"
    "  --export-image OUT ROOM.mst\n"
    "                             draw the room with its margins into a picture, PNG when\n"
    "                             OUT ends in .png, else BMP; with\n"
    "      --zoom Z               pixels per room unit, 0.05 to 4 (default 1)\n"
    "      --no-grid              leave out the grid\n"
    "      --no-captions          leave out the captions of objects other than labels\n"
    "      --collisions           show the objects as silhouettes, overlaps in colour\n"
    "  --help                     show this help and exit\n"
    "  --version                  show the version and exit\n";

int UsageError(const std::string& problem)
{
    std::cerr << "planzeta: " << problem << "\nTry 'planzeta --help' for more information.\n";
    return BadInput;
}

// Loads a room, reporting a file that cannot be read as the editor does.
bool LoadRoom(CRoom& room, const std::string& path)
{
    if (room.Load(path))
        return true;
    std::cerr << "planzeta: " << Msg(MsgCannotOpenFile) << ": " << Msg(MsgCannotReadFile)
              << '\n'
              << path << '\n';
    return false;
}

int DumpJson(const std::string& path)
{
    CRoom room;
    if (!LoadRoom(room, path))
        return BadInput;
    std::cout << RoomToJson(room) << '\n' << std::flush;
    return std::cout ? Success : WriteFailed;
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

std::optional<double> ParseZoom(const std::string& text)
{
    double zoom = 0;
    const char* const end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, zoom);
    if (error != std::errc() || rest != end || !(zoom >= MinZoom && zoom <= MaxZoom))
        return std::nullopt;
    return zoom;
}

int ExportImage(const std::string& out, const std::string& in, const ImageExportOptions& options)
{
    CRoom room;
    if (!LoadRoom(room, in))
        return BadInput;
    room.SnapAllToWalls();
    // Text needs Qt's fonts, which need an application; no window is ever shown, so the
    // offscreen platform serves with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", PrivateTempFolder().c_str());
    int argc = 1;
    char name[] = "planzeta";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    try {
        SaveImage(RenderRoomImage(room, options), out);
    } catch (const std::runtime_error& error) {  // ImageExportError or FileWriteError
        std::cerr << "planzeta: " << error.what() << '\n';
        return WriteFailed;
    }
    return Success;
}

// --export-image OUT ROOM.mst, with its switches anywhere after the task's name.
int ExportImageTask(const std::vector<std::string>& args)
{
    ImageExportOptions options;
    std::vector<std::string> files;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--zoom") {
            const std::optional<double> zoom = i + 1 < args.size() ? ParseZoom(args[++i]) : std::nullopt;
            if (!zoom)
                return UsageError("--zoom needs a number from 0.05 to 4");
            options.zoom = *zoom;
        } else if (arg == "--no-grid") {
            options.showGrid = false;
        } else if (arg == "--no-captions") {
            options.showCaptions = false;
        } else if (arg == "--collisions") {
            options.showCollisions = true;
        } else if (arg.rfind("--", 0) == 0) {
            return UsageError("unknown option " + arg + " for --export-image");
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2)
        return UsageError("wrong number of files for --export-image");
    return ExportImage(files[0], files[1], options);
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0].rfind("--", 0) != 0)
        return args.size() <= 1 ? std::nullopt : std::optional(UsageError("too many files named"));
    const std::string& option = args[0];
    const auto expect = [&](size_t operands) { return args.size() == operands + 1; };
    if (option == "--help" && expect(0)) {
        std::cout << Usage;
        return Success;
    }
    if (option == "--version" && expect(0)) {
        std::cout << "planzeta " << PLANZETA_VERSION << '\n';
        return Success;
    }
    // The tasks read rooms as the editor does: with the user's options, the library's default
    // heights and names, and messages in the user's language.
    const AppEngines engines{CSettings()};
    if (option == "--dump-json" && expect(1))
        return DumpJson(args[1]);
    if (option == "--resave" && expect(2))
        return Resave(args[1], args[2]);
    if (option == "--export-image")
        return ExportImageTask(args);
    if (option == "--help" || option == "--version" || option == "--dump-json" || option == "--resave")
        return UsageError("wrong number of files for " + option);
    return UsageError("unknown option " + option);
}

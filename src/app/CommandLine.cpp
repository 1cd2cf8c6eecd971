#include "app/CommandLine.h"

#include "model/CRoom.h"
#include "localize/Messages.h"
#include "model/RoomJson.h"
#include "platform/FileIo.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int Success = 0;
constexpr int WriteFailed = 1;
constexpr int BadInput = 2;

constexpr std::string_view Usage =
    "Usage: planzeta [ROOM.mst]\n"
    "       planzeta --resave OUT.mst ROOM.mst\n"
    "       planzeta --dump-json ROOM.mst\n"
    "\n"
    "Planzeta edits furnishing plans of one room. Without options it opens the editor,\n"
    "with the room file when one is named.\n"
    "\n"
    "  --resave OUT.mst ROOM.mst  read a room file and write it anew to OUT.mst\n"
    "  --dump-json ROOM.mst       print the room as the editor reads it, as JSON\n"
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
    if (option == "--dump-json" && expect(1))
        return DumpJson(args[1]);
    if (option == "--resave" && expect(2))
        return Resave(args[1], args[2]);
    if (option == "--help" || option == "--version" || option == "--dump-json" || option == "--resave")
        return UsageError("wrong number of files for " + option);
    return UsageError("unknown option " + option);
}

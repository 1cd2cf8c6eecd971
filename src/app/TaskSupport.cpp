#include "app/TaskSupport.h"

#include "localize/LocaleIds.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <iostream>

int UsageError(const std::string& problem)
{
    std::cerr << "planzeta: " << problem << "\nTry 'planzeta --help' for more information.\n";
    return BadInput;
}

bool LoadRoom(CRoom& room, const std::string& path)
{
    ReadFailure failure = ReadFailure::Unreadable;
    if (room.Load(path, CodePageHintFor(UserLocaleId()), &failure))
        return true;
    std::cerr << "planzeta: " << Msg(MsgCannotOpenFile) << ": " << CannotReadText(failure, path) << '\n';
    return false;
}

std::optional<std::array<std::string, 2>> TaskFiles(const std::vector<std::string>& args,
                                                    const SwitchHandler& handleSwitch)
{
    std::vector<std::string> files;
    size_t i = 1;
    const NextValue value = [&] { return i + 1 < args.size() ? args[++i] : std::string(); };
    for (; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) != 0) {
            files.push_back(args[i]);
        } else if (const Problem problem = handleSwitch(args[i], value)) {
            UsageError(*problem);
            return std::nullopt;
        }
    }
    if (files.size() != 2) {
        UsageError("wrong number of files for " + args[0]);
        return std::nullopt;
    }
    // A picture, scene or document written over the room would destroy it.
    if (IsSameFile(files[0], files[1])) {
        UsageError(files[0] + " is the room file itself; name another file to write");
        return std::nullopt;
    }
    return std::array{files[0], files[1]};
}

std::unique_ptr<QGuiApplication> OffscreenApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", PrivateTempFolder().c_str());
    // The application keeps the arguments for its lifetime.
    static int argc = 1;
    static char name[] = "planzeta";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

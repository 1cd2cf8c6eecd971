#include "editor/HelpLinks.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view DefaultHelpFile = "Plz.html";

constexpr std::array<std::string_view, 10> Anchors = {
    "license", "installation", "upgrade", "gettingstarted", "addingobjects",
    "catalogue", "saving", "labels", "localization", "explore3D",
};

// A name from a language file, which may come from Windows with backslashes, as a path that
// stays inside the folder it is relative to; empty when it would not.
fs::path NameInsideFolder(std::string name)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    const fs::path path(name);
    if (path.empty() || path.has_root_path())
        return {};
    for (const fs::path& part : path)
        if (part == "..")
            return {};
    return path;
}

bool Unreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Every byte but the unreserved characters and the separators escaped, as a URL path.
std::string PercentEncodedPath(std::string_view path)
{
    constexpr std::string_view hex = "0123456789ABCDEF";
    std::string encoded;
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (Unreserved(c) || c == '/') {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += hex[c >> 4];
            encoded += hex[c & 0xF];
        }
    }
    return encoded;
}

}  // namespace

std::string_view HelpAnchor(int context)
{
    if (context < HelpLicense || context > HelpExplore3D)
        return {};
    return Anchors[static_cast<size_t>(context - HelpLicense)];
}

std::string HelpFilePath(const std::string& dataFolder, const std::string& languageHelpFile)
{
    const fs::path name = NameInsideFolder(languageHelpFile);
    std::error_code ec;
    if (!name.empty() && fs::is_regular_file(fs::path(dataFolder) / name, ec))
        return (fs::path(dataFolder) / name).string();
    return (fs::path(dataFolder) / DefaultHelpFile).string();
}

std::string HelpUrl(const std::string& helpFilePath, int context)
{
    std::error_code ec;
    fs::path path = fs::absolute(helpFilePath, ec);
    if (ec)
        path = helpFilePath;
    std::string url = "file://" + PercentEncodedPath(path.lexically_normal().string());
    const std::string_view anchor = HelpAnchor(context);
    if (!anchor.empty())
        url += "#" + std::string(anchor);
    return url;
}

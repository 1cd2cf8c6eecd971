#include "model/CBackground.h"

#include "platform/IniFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <optional>

namespace {

std::optional<double> ParseDecimal(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The shortest text that reads back as the same number, always with ".".
std::string DecimalValue(double value)
{
    char digits[32];
    return {digits, std::to_chars(digits, digits + sizeof digits, value).ptr};
}

// Offsets and angles are bounded so that no arithmetic on them overflows a pixel coordinate.
constexpr double MaxOffset = 1e7;

struct Field {
    std::string_view key;
    void (*read)(CBackground& background, std::string_view text, const std::string& folder);
    std::string (*write)(const CBackground& background, const std::string& folder);
};

void ReadOffset(double& offset, std::string_view text)
{
    if (const std::optional<double> value = ParseDecimal(text); value && std::abs(*value) <= MaxOffset)
        offset = *value;
}

constexpr Field Fields[] = {
    {"File", [](CBackground& b, std::string_view text, const std::string& folder) {
         b.File = PathInFolder(std::string(text), folder);
     },
     [](const CBackground& b, const std::string& folder) { return PathFromFolder(b.File, folder); }},
    {"Scale", [](CBackground& b, std::string_view text, const std::string&) {
         if (const std::optional<double> value = ParseDecimal(text); value && *value > 0.0 && *value <= MaxOffset)
             b.Scale = *value;
     },
     [](const CBackground& b, const std::string&) { return DecimalValue(b.Scale); }},
    {"OffsetX", [](CBackground& b, std::string_view text, const std::string&) { ReadOffset(b.OffsetX, text); },
     [](const CBackground& b, const std::string&) { return DecimalValue(b.OffsetX); }},
    {"OffsetY", [](CBackground& b, std::string_view text, const std::string&) { ReadOffset(b.OffsetY, text); },
     [](const CBackground& b, const std::string&) { return DecimalValue(b.OffsetY); }},
    {"Rotation", [](CBackground& b, std::string_view text, const std::string&) {
         if (const std::optional<double> value = ParseDecimal(text))
             b.Rotation = std::fmod(*value, 360.0);
     },
     [](const CBackground& b, const std::string&) { return DecimalValue(b.Rotation); }},
    {"Opacity", [](CBackground& b, std::string_view text, const std::string&) {
         if (const std::optional<int32_t> value = ParseProfileInteger(text))
             b.Opacity = std::clamp(*value, 0, 100);
     },
     [](const CBackground& b, const std::string&) { return std::to_string(b.Opacity); }},
    {"Visible", [](CBackground& b, std::string_view text, const std::string&) {
         if (const std::optional<int32_t> value = ParseProfileInteger(text))
             b.Visible = *value != 0;
     },
     [](const CBackground& b, const std::string&) { return std::string(b.Visible ? "1" : "0"); }},
};

bool SameKey(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) ==
                                                  std::tolower(static_cast<unsigned char>(y)); });
}

const Field* FindField(std::string_view key)
{
    const auto found = std::find_if(std::begin(Fields), std::end(Fields),
                                     [key](const Field& field) { return SameKey(field.key, key); });
    return found == std::end(Fields) ? nullptr : found;
}

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace

PointF CBackground::ToPlan(PointF pixel) const
{
    const double c = std::cos(Radians(Rotation));
    const double s = std::sin(Radians(Rotation));
    return {OffsetX + (pixel.x * c - pixel.y * s) * Scale, OffsetY + (pixel.x * s + pixel.y * c) * Scale};
}

PointF CBackground::ToPicture(PointF plan) const
{
    const double c = std::cos(Radians(Rotation));
    const double s = std::sin(Radians(Rotation));
    const double x = (plan.x - OffsetX) / Scale;
    const double y = (plan.y - OffsetY) / Scale;
    return {x * c + y * s, -x * s + y * c};
}

bool CBackground::Calibrate(PointF a, PointF b, double distance)
{
    const PointF pixelA = ToPicture(a);
    const PointF pixelB = ToPicture(b);
    const double pixels = std::hypot(pixelB.x - pixelA.x, pixelB.y - pixelA.y);
    if (!(pixels > 0.0) || !(distance > 0.0) || distance / pixels > MaxOffset)
        return false;
    Scale = distance / pixels;
    const PointF moved = ToPlan(pixelA);
    OffsetX += a.x - moved.x;
    OffsetY += a.y - moved.y;
    return true;
}

void CBackground::RotateAbout(PointF pivot, double degrees)
{
    const PointF pixel = ToPicture(pivot);
    Rotation = std::fmod(degrees, 360.0);
    const PointF moved = ToPlan(pixel);
    OffsetX += pivot.x - moved.x;
    OffsetY += pivot.y - moved.y;
}

void CBackground::Read(const CIniFile& ini, std::string_view section, const std::string& folder)
{
    *this = {};
    if (!ini.HasSection(section))
        return;
    read_ = true;
    for (std::string& key : ini.KeyNames(section)) {
        std::string value = ini.ReadString(section, key, "");
        if (const Field* field = FindField(key))
            field->read(*this, value, folder);
        stored_.emplace_back(std::move(key), std::move(value));
    }
}

void CBackground::Write(CIniFile& ini, std::string_view section, const std::string& folder) const
{
    // A value as read stays as it was written while it still says what the field holds.
    const auto unchanged = [&](const Field& field, std::string_view text) {
        CBackground reread = *this;
        field.read(reread, text, folder);
        return field.write(reread, folder) == field.write(*this, folder);
    };
    for (const auto& [key, value] : stored_) {
        const Field* field = FindField(key);
        ini.WriteString(section, key, !field || unchanged(*field, value) ? value : field->write(*this, folder));
    }
    static const CBackground defaults;
    for (const Field& field : Fields) {
        const bool stored = std::any_of(stored_.begin(), stored_.end(),
                                        [&](const auto& entry) { return SameKey(entry.first, field.key); });
        if (!stored && (!read_ || field.write(*this, folder) != field.write(defaults, folder)))
            ini.WriteString(section, field.key, field.write(*this, folder));
    }
}

std::string PathFromFolder(const std::string& path, const std::string& folder)
{
    namespace fs = std::filesystem;
    if (folder.empty() || path.empty() || !fs::path(path).is_absolute())
        return path;
    const fs::path relative = fs::path(path).lexically_normal().lexically_relative(fs::path(folder).lexically_normal());
    if (relative.empty() || *relative.begin() == "..")
        return path;
    return relative.generic_string();
}

std::string PathInFolder(const std::string& path, const std::string& folder)
{
    namespace fs = std::filesystem;
    if (folder.empty() || path.empty() || fs::path(path).is_absolute())
        return path;
    return (fs::path(folder) / path).lexically_normal().string();
}

#include "platform/COptions.h"

#include "platform/CSettings.h"

namespace {

// Every option with its value name and kind, in the order they are saved. The colour names
// are spelt "Colot": stored settings depend on it.
template <typename Options, typename Visitor>
void VisitOptions(Options& o, Visitor&& visit)
{
    visit.Dword("DefFillColot", o.DefFillColor);
    visit.Dword("DefTextColot", o.DefTextColor);
    visit.Dword("DefLineColot", o.DefLineColor);
    visit.Switch("Autosize", o.Autosize);
    visit.Switch("OpenInBestFit", o.OpenInBestFit);
    visit.Switch("ExpIn100", o.ExpIn100);
    visit.Switch("ExpAddText", o.ExpAddText);
    visit.String("LastOpenFolder", o.LastOpenFolder);
    visit.Integer("LastLibraryPage", o.LastLibraryPage);
    visit.String("LabelFont", o.LabelFont);
    visit.String("DefaultUnit", o.DefaultUnit);
    visit.Integer("PaperOrientation", o.PaperOrientation);
    visit.Integer("PageBorder", o.PageBorder);
    visit.Switch("PrintScale", o.PrintScale);
    visit.Integer("3DWallsTransp", o.WallsTransp3D);
    visit.Integer("3DZoom", o.Zoom3D);
    visit.Flag("ExpBackground", o.ExpBackground);
    visit.Flag("PrintBackground", o.PrintBackground);
}

struct Reader {
    const CSettings& settings;
    void Dword(const char* name, uint32_t& field) { field = settings.ReadDword(name, field); }
    // A missing switch is on, whatever the field held before.
    void Switch(const char* name, bool& field) { field = settings.ReadBool(name, true); }
    // A switch added later keeps its default when missing.
    void Flag(const char* name, bool& field) { field = settings.ReadBool(name, field); }
    void Integer(const char* name, int32_t& field) { field = settings.ReadInteger(name, field); }
    void String(const char* name, std::string& field) { field = settings.ReadString(name, field); }
};

struct Writer {
    CSettings& settings;
    void Dword(const char* name, uint32_t field) { settings.WriteDword(name, field); }
    void Switch(const char* name, bool field) { settings.WriteBool(name, field); }
    void Flag(const char* name, bool field) { settings.WriteBool(name, field); }
    void Integer(const char* name, int32_t field) { settings.WriteInteger(name, field); }
    void String(const char* name, const std::string& field) { settings.WriteString(name, field); }
};

}  // namespace

void COptions::Load(const CSettings& settings)
{
    VisitOptions(*this, Reader{settings});
}

void COptions::Save(CSettings& settings) const
{
    VisitOptions(*this, Writer{settings});
}

#include "library/CPartsCatalogue.h"

#include "model/PartSlots.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <algorithm>
#include <filesystem>
#include <optional>

bool CPartsCatalogue::Load(const std::string& fileName, bool append, CodePageHint hint, ReadFailure* failure)
{
    ReadFailure why = ReadFailure::Unreadable;
    // A read-only file is read like any other: only saving into it is refused, so the user's
    // objects stay visible and are never replaced by an empty list.
    const std::optional<CIniFile> ini = CIniFile::Read(fileName, hint, &why);
    if (!append) {
        Clear();
        encoding_ = ini ? ini->Encoding() : TextEncoding::Utf8;
        refused_ = !ini && why != ReadFailure::Unreadable;
    }
    if (failure)
        *failure = why;
    if (!ini)
        return why == ReadFailure::Unreadable;
    Append(*ini);
    return true;
}

void CPartsCatalogue::Append(const CIniFile& ini, const std::function<void(int, const std::string&)>& readMore)
{
    // Any section named "Part..." is an entry, whatever follows, so that files written by
    // hand or by other tools load too.
    for (const std::string& section : ini.SectionNames()) {
        if (!section.starts_with("Part"))
            continue;
        int index = 0;
        CPart& entry = AddEntry(&index, true);
        entry.Load(ini, section);
        entry.PosX = 0;
        entry.PosY = 0;
        entry.Rotation = 0;
        if (readMore)
            readMore(index, section);
    }
}

void CPartsCatalogue::Save(const std::string& fileName)
{
    if (refused_)
        throw FileWriteError(fileName);
    // The user's catalogue folder does not exist before the first save. Should creating it
    // fail, the write below reports the error.
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    if (!folder.empty())
        EnsureFolder(folder.string());

    CIniFile ini;
    int number = 0;
    for (const CPart& entry : entries_)
        if (entry.InUse)
            entry.Save(ini, "Part" + std::to_string(++number), true);
    ini.SetEncoding(encoding_);
    encoding_ = ini.Save(fileName);
}

CPart& CPartsCatalogue::AddEntry(int* index, bool forceAppend)
{
    return TakeSlot(entries_, index, forceAppend);
}

void CPartsCatalogue::Remove(int index)
{
    FreeSlot(entries_, index);
}

int CPartsCatalogue::FindByCaption(std::string_view name) const
{
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].InUse && entries_[i].Caption == name)
            return static_cast<int>(i);
    return -1;
}

void CPartsCatalogue::Truncate(int n)
{
    if (n < Count())
        entries_.resize(static_cast<size_t>(std::max(n, 0)));
}

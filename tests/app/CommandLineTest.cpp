#include "support/RunProcess.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <cstdint>
#include <filesystem>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

// Every run sees a fresh user: no settings, no catalogue of its own.
class FreshUser : public ::testing::Environment {
public:
    void SetUp() override
    {
        home_ = std::make_unique<TempDir>();
        config_ = std::make_unique<ScopedEnv>("XDG_CONFIG_HOME", home_->file("config").c_str());
        data_ = std::make_unique<ScopedEnv>("XDG_DATA_HOME", home_->file("data").c_str());
    }
    void TearDown() override
    {
        data_.reset();
        config_.reset();
        home_.reset();
    }
    static std::string SettingsFile() { return std::getenv("XDG_CONFIG_HOME") + std::string("/Kelvora/Planzeta.ini"); }

private:
    std::unique_ptr<TempDir> home_;
    std::unique_ptr<ScopedEnv> config_;
    std::unique_ptr<ScopedEnv> data_;
};

const auto* const freshUser = ::testing::AddGlobalTestEnvironment(new FreshUser);

ProcessResult Planzeta(const std::vector<std::string>& args)
{
    return RunProcess(PLANZETA_EXE, args);
}

const char* const SampleRoom =
    "[Room]\r\nFileVersion=300\r\nWidth=420\r\nColor=0xEFFFFFFF\r\nUnit=m\r\n"
    "[RoomWalls]\r\nCount=1\r\nWall00=0|0|420|0|0|12\r\n"
    "[Part1]\r\nType=Label\r\nCaption=Kitchen\\n\"corner\"\r\nFont=Serif|12|0|0|3\r\n";

// A 201 x 100 room with the default margins of 25, a grid every 50 and an object with a caption.
const char* const PlanRoom =
    "[Room]\r\nWidth=201\r\nHeight=100\r\nColor=0x3060C0\r\nGridColor=0xFFC0C0\r\nGridSize=50\r\n"
    "[Part1]\r\nType=Rectangle\r\nPosX=100\r\nPosY=10\r\nWidth=80\r\nHeight=30\r\n"
    "Caption=Wardrobe\r\nFillColor=0xFFFFFF\r\nTextColor=0x000000\r\n";
constexpr uint32_t FloorRgb = 0xC06030;
constexpr uint32_t GridRgb = 0xC0C0FF;

uint32_t LittleEndian(const std::string& bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
    return value;
}

uint32_t BigEndian(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
    return value;
}

// An uncompressed, bottom-up bitmap file of 24 or 32 bits per pixel.
struct Bitmap {
    explicit Bitmap(std::string file) : bytes(std::move(file)) {}
    int Width() const { return static_cast<int>(LittleEndian(bytes, 18, 4)); }
    int Height() const { return static_cast<int>(LittleEndian(bytes, 22, 4)); }
    // As 0xRRGGBB.
    uint32_t Pixel(int x, int y) const
    {
        const size_t pixelBytes = LittleEndian(bytes, 28, 2) / 8;
        const size_t stride = (Width() * pixelBytes + 3) / 4 * 4;
        return LittleEndian(bytes, LittleEndian(bytes, 10, 4) + (Height() - 1 - y) * stride + x * pixelBytes, 3);
    }
    int Count(uint32_t rgb) const
    {
        int count = 0;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                count += Pixel(x, y) == rgb;
        return count;
    }
    std::string bytes;
};

size_t FilesIn(const std::string& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                             std::filesystem::directory_iterator()));
}

}  // namespace

TEST(CommandLine, DumpJsonPrintsTheRoomAsLoaded)
{
    TempDir dir;
    const std::string room = dir.file("room.mst");
    TempDir::WriteFile(room, SampleRoom);
    const ProcessResult r = Planzeta({"--dump-json", room});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind("{\"Width\":420,\"Height\":300,\"Color\":4026531839,\"GridColor\":16761024,"
              "\"WallsColor\":8421504,\"GridSize\":50,\"WallThickness\":0,\"WallZHeight\":265,"
              "\"SpaceAround\":[25,25,25,25],", 0),
              0u);
    EXPECT_NE(r.out.find("\"Unit\":5,\"UnitName\":\"m\""), std::string::npos);
    EXPECT_NE(r.out.find("\"3DStart\":[210,150,0],\"PartCount\":1"), std::string::npos);
    EXPECT_NE(r.out.find("\"Walls\":{\"Default\":false,\"List\":[{\"x1\":0,\"y1\":0,\"x2\":420,"
                         "\"y2\":0,\"alignment\":0,\"thickness\":12}]}"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"Caption\":\"Kitchen\\r\\n\\\"corner\\\"\""), std::string::npos);
    EXPECT_NE(r.out.find("\"Font\":{\"Face\":\"Serif\",\"Size\":12,\"CharSet\":0,\"Pitch\":0,"
                         "\"Style\":3}}]}\n"),
              std::string::npos);
}

// Which objects are listed, and how, is the listing's own rule; here, that the task prints it.
TEST(CommandLine, ListingPrintsTheObjectListing)
{
    TempDir dir;
    const std::string room = dir.file("room.mst");
    TempDir::WriteFile(room, "[Room]\nWidth=400\nHeight=300\nUnit=mm\n[Part1]\nType=Rectangle\nCaption=Ward\trobe\n"
                             "Width=120\nHeight=60\n[Part2]\nType=Label\nCaption=Kitchen\n");
    const ProcessResult r = Planzeta({"--listing", room});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "Ward robe\t120\u00D760\r\n");
    EXPECT_EQ(Planzeta({"--listing"}).status, 2);
    EXPECT_EQ(Planzeta({"--listing", room, room}).status, 2);
}

TEST(CommandLine, ResaveWritesTheRoomAnewAndANewerFileIsReportedButStillRead)
{
    TempDir dir;
    const std::string in = dir.file("in.mst");
    const std::string out = dir.file("out.mst");
    TempDir::WriteFile(in, SampleRoom);
    ProcessResult r = Planzeta({"--resave", out, in});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string written = TempDir::ReadFile(out);
    EXPECT_NE(written.find("Wall00=0|0|420|0|0|12\r\n"), std::string::npos);
    r = Planzeta({"--resave", dir.file("again.mst"), out});
    EXPECT_EQ(TempDir::ReadFile(dir.file("again.mst")), written);

    TempDir::WriteFile(in, "[Room]\nFileVersion=400\nWidth=5\n");
    r = Planzeta({"--dump-json", in});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("higher version of Planzeta"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.rfind("{\"Width\":5,", 0), 0u);
}

// Each task that writes a file, as "task OUT ROOM".
struct WritingTask {
    const char* option;
    const char* extension;
};

TEST(CommandLine, FilesThatCannotBeReadOrWrittenFailWithTheirStatusAndLeaveNothing)
{
    const WritingTask tasks[] = {{"--resave", ".mst"}, {"--export-image", ".png"}, {"--export-vrml", ".wrl"}};
    for (const WritingTask& task : tasks) {
        SCOPED_TRACE(task.option);
        TempDir dir;
        const std::string room = dir.file("in.mst");
        TempDir::WriteFile(room, PlanRoom);
        const std::string missing = dir.file("missing.mst");
        ProcessResult r = Planzeta({task.option, dir.file(std::string("out") + task.extension), missing});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Cannot open file: The file doesn't exist or you don't have the permission to read "
                             "it.\n" + missing + "\n"),
                  std::string::npos)
            << r.err;

        const std::string locked = dir.file(std::string("locked") + task.extension);
        TempDir::WriteFile(locked, "precious");
        std::filesystem::permissions(locked, std::filesystem::perms(0444));
        r = Planzeta({task.option, locked, room});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("planzeta: Unable to write to " + locked + "\n"), std::string::npos) << r.err;
        EXPECT_EQ(TempDir::ReadFile(locked), "precious");
        EXPECT_EQ(Planzeta({task.option, dir.file(std::string("no/folder/out") + task.extension), room}).status, 1);
        EXPECT_EQ(Planzeta({task.option, dir.file(std::string("out") + task.extension)}).status, 2);
        EXPECT_EQ(FilesIn(dir.path()), 2u) << "no partial or temporary file is left behind";
    }
}

TEST(CommandLine, PipesRoomlessFilesAndOutputOverTheRoomAreRefused)
{
    TempDir dir;
    const std::string in = dir.file("in.mst");
    TempDir::WriteFile(in, SampleRoom);
    ProcessResult r;
    // Neither a pipe is waited on nor a file without a room written over.
    const std::string fifo = dir.file("fifo.mst");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    r = Planzeta({"--dump-json", fifo});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("It is not a regular file"), std::string::npos) << r.err;
    const std::string picture = dir.file("picture.mst");
    TempDir::WriteFile(picture, "\x89PNG\r\n\x1a\n");
    r = Planzeta({"--resave", picture, picture});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("The file holds no room"), std::string::npos) << r.err;
    EXPECT_EQ(TempDir::ReadFile(picture), "\x89PNG\r\n\x1a\n");
    // No output over the room, even through a link.
    std::filesystem::create_symlink(in, dir.file("link.png"));
    for (const char* task : {"--export-image", "--export-vrml", "--print-pdf"}) {
        r = Planzeta({task, dir.file("link.png"), in});
        EXPECT_EQ(r.status, 2) << task;
        EXPECT_NE(r.err.find("is the room file itself"), std::string::npos) << r.err;
    }
    EXPECT_EQ(TempDir::ReadFile(in), SampleRoom);
    EXPECT_EQ(RunProcess("/bin/sh", {"-c", std::string(PLANZETA_EXE) + " --help >/dev/full"}).status, 1);
}

TEST(CommandLine, HelpVersionAndUsageErrors)
{
    ProcessResult r = Planzeta({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--dump-json ROOM.mst"), std::string::npos);
    EXPECT_NE(r.out.find("--export-image OUT ROOM.mst"), std::string::npos);
    r = Planzeta({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("planzeta ", 0), 0u);
    EXPECT_NE(r.out.find("\nLicense GPL-3.0-or-later"), std::string::npos) << r.out;
    r = Planzeta({"--frobnicate"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown option --frobnicate"), std::string::npos);
    EXPECT_EQ(Planzeta({"--resave", "only-one.mst"}).status, 2);
    EXPECT_EQ(Planzeta({"--dump-json"}).status, 2);
}

TEST(CommandLine, ExportImageWritesTheWholeDrawnAreaAsPngOrBmp)
{
    TempDir dir;
    const std::string room = dir.file("plan.mst");
    TempDir::WriteFile(room, PlanRoom);

    ProcessResult r = Planzeta({"--export-image", dir.file("plan.PNG"), room, "--zoom", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string png = TempDir::ReadFile(dir.file("plan.PNG"));
    ASSERT_EQ(png.rfind("\x89PNG\r\n", 0), 0u);
    EXPECT_EQ(BigEndian(png, 16), 402u + 50 + 50);
    EXPECT_EQ(BigEndian(png, 20), 200u + 50 + 50);

    r = Planzeta({"--export-image", dir.file("half.bmp"), room, "--zoom", "0.5"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Bitmap half(TempDir::ReadFile(dir.file("half.bmp")));
    ASSERT_EQ(half.bytes.rfind("BM", 0), 0u);
    EXPECT_EQ(half.Width(), 100 + 12 + 12);
    EXPECT_EQ(half.Height(), 50 + 12 + 12);

    r = Planzeta({"--export-image", dir.file("plan.bmp"), room});
    ASSERT_EQ(r.status, 0) << r.err;
    const Bitmap plan(TempDir::ReadFile(dir.file("plan.bmp")));
    ASSERT_EQ(plan.Width(), 251);
    ASSERT_EQ(plan.Height(), 150);
    EXPECT_EQ(plan.Pixel(35, 60), FloorRgb);
    EXPECT_EQ(plan.Pixel(5, 5), 0xFFFFFFu);
    EXPECT_EQ(plan.Pixel(245, 145), 0xFFFFFFu);
    EXPECT_GT(plan.Count(GridRgb), 0);
    EXPECT_GT(plan.Count(0x000000), 0);  // the outline and the caption

    // Twice as fine: lines stay one pixel, the caption's letters grow with the picture.
    r = Planzeta({"--export-image", dir.file("fine.bmp"), room, "--scale-factor", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Bitmap fine(TempDir::ReadFile(dir.file("fine.bmp")));
    EXPECT_EQ(fine.Width(), 2 * 251);
    EXPECT_EQ(fine.Pixel(70, 120), FloorRgb);
    EXPECT_GT(fine.Count(0x000000), 2 * plan.Count(0x000000) + 20);

    r = Planzeta({"--export-image", dir.file("plan.svg"), room});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string svg = TempDir::ReadFile(dir.file("plan.svg"));
    EXPECT_NE(svg.find("viewBox=\"0 0 251 150\""), std::string::npos);
    EXPECT_NE(svg.find(">Wardrobe</text>"), std::string::npos) << "the caption as text";

    r = Planzeta({"--export-image", dir.file("bare.bmp"), room, "--no-grid", "--no-captions"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Bitmap bare(TempDir::ReadFile(dir.file("bare.bmp")));
    EXPECT_EQ(bare.Count(GridRgb), 0);
    EXPECT_EQ(bare.Pixel(35, 60), FloorRgb);
    EXPECT_LT(bare.Count(0x000000), plan.Count(0x000000));  // the caption is gone

    r = Planzeta({"--export-image", dir.file("collisions.bmp"), "--collisions", room});
    ASSERT_EQ(r.status, 0) << r.err;
    const Bitmap collisions(TempDir::ReadFile(dir.file("collisions.bmp")));
    EXPECT_EQ(collisions.Pixel(35, 60), 0xFFFFFFu);
    EXPECT_EQ(collisions.Pixel(165, 50), 0x000000u);
}

TEST(CommandLine, ExportImageRefusesWhatItCannotDrawAndWrongArguments)
{
    TempDir dir;
    const std::string huge = dir.file("huge.mst");
    TempDir::WriteFile(huge, "[Room]\r\nWidth=2000000000\r\nHeight=300\r\n");
    ProcessResult r = Planzeta({"--export-image", dir.file("huge.png"), huge});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("planzeta: The picture would be 2000000050 × 350 pixels"), std::string::npos) << r.err;
    const std::string flat = dir.file("flat.mst");
    TempDir::WriteFile(flat, "[Room]\r\nWidth=300\r\nHeight=0\r\nSpaceAround=0\r\n");
    r = Planzeta({"--export-image", dir.file("flat.png"), flat});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("planzeta: The room has no area to draw."), std::string::npos) << r.err;

    const std::string room = dir.file("plan.mst");
    TempDir::WriteFile(room, PlanRoom);
    for (const char* zoom : {"0.04", "4.5", "nan", "1x", ""})
        EXPECT_EQ(Planzeta({"--export-image", dir.file("out.png"), room, "--zoom", zoom}).status, 2) << zoom;
    for (const char* factor : {"0.5", "9", "2x"})
        EXPECT_EQ(Planzeta({"--export-image", dir.file("out.png"), room, "--scale-factor", factor}).status, 2);
    EXPECT_EQ(Planzeta({"--export-image", dir.file("out.png"), room, "--zoom"}).status, 2);
    EXPECT_EQ(Planzeta({"--export-image", dir.file("out.png"), room, "--grid"}).status, 2);
    EXPECT_EQ(Planzeta({"--no-grid", "--export-image", dir.file("out.png"), room}).status, 2);
    EXPECT_EQ(FilesIn(dir.path()), 3u);
}

// One wall 300 long with a door that the editor snaps into it, and a chair where the walk starts.
const char* const WalkRoom =
    "[Room]\r\nWidth=300\r\nHeight=200\r\nWallThickness=10\r\n3DStart=120|130|90\r\n"
    "[RoomWalls]\r\nCount=1\r\nWall00=0|0|300|0|0|10\r\n"
    "[Part1]\r\nType=Door\r\nPosX=100\r\nPosY=-60\r\nWidth=80\r\nHeight=80\r\nZHeight=200\r\nSnapToWall=1\r\n"
    "[Part2]\r\nType=Rectangle\r\nPosX=100\r\nPosY=100\r\nWidth=45\r\nHeight=45\r\nZHeight=45\r\n"
    "FillColor=0x0080FF\r\n";

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(CommandLine, ExportVrmlWritesTheSceneOfTheRoomAsTheEditorOpensIt)
{
    TempDir dir;
    const std::string room = dir.file("walk.mst");
    TempDir::WriteFile(room, WalkRoom);
    std::filesystem::create_directories(dir.file("my data"));
    const ScopedEnv install("PLANZETA_DATA_DIR", dir.file("my data").c_str());
    const std::string out = dir.file("walk.wrl");
    const ProcessResult r = Planzeta({"--export-vrml", out, room});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    const std::string scene = TempDir::ReadFile(out);
    EXPECT_EQ(scene.rfind("#VRML V2.0 utf8\nWorldInfo {\n", 0), 0u);
    EXPECT_FALSE(Contains(scene, "\r"));
    EXPECT_TRUE(Contains(scene, "DEF v1 Viewpoint {description \"Start\" position 1.20 2.05 1.30 "
                                "orientation 0 1 0 -1.57}\n"));
    const std::string library = "file://" + dir.path() + "/my%20data/library.wrl#";
    EXPECT_TRUE(Contains(scene, "EXTERNPROTO Door [field SFColor color] \"" + library + "Door\"\n"));
    // The door was snapped into the wall, so it cuts the wall into three pieces.
    EXPECT_TRUE(Contains(scene, "EXTERNPROTO Wall [field SFColor color field SFFloat transparency] \"" + library +
                                    "Wall\"\n"));
    size_t pieces = 0;
    for (size_t at = scene.find("children Wall {"); at != std::string::npos; at = scene.find("children Wall {", at + 1))
        ++pieces;
    EXPECT_EQ(pieces, 3u) << scene;
}

TEST(CommandLine, ExportVrmlTakesZoomAndWallsFromTheOptionsUnlessGiven)
{
    TempDir dir;
    const std::string room = dir.file("walk.mst");
    TempDir::WriteFile(room, WalkRoom);
    std::filesystem::create_directories(std::filesystem::path(FreshUser::SettingsFile()).parent_path());
    TempDir::WriteFile(FreshUser::SettingsFile(), "[Planzeta]\n3DZoom=50\n3DWallsTransp=1\n");
    const ProcessResult stored = Planzeta({"--export-vrml", dir.file("stored.wrl"), room});
    const ProcessResult given =
        Planzeta({"--walls", "solid", "--export-vrml", dir.file("given.wrl"), "--3d-zoom", "200", room});
    const ProcessResult swapped = Planzeta(
        {"--export-vrml", "--walls", "invisible", dir.file("none.wrl"), room, "--3d-zoom", "2147483647"});
    std::filesystem::remove(FreshUser::SettingsFile());
    EXPECT_EQ(stored.status, 0) << stored.err;
    EXPECT_EQ(given.status, 2);  // switches belong after the task's name
    EXPECT_EQ(swapped.status, 0) << swapped.err;
    const std::string scene = TempDir::ReadFile(dir.file("stored.wrl"));
    EXPECT_TRUE(Contains(scene, "\nTransform {translation 0 -.09 0 scale 1.50 .1 1.00\n"));
    EXPECT_FALSE(Contains(scene, "Wall"));
    EXPECT_FALSE(Contains(TempDir::ReadFile(dir.file("none.wrl")), "Wall"));

    const ProcessResult r = Planzeta({"--export-vrml", dir.file("given.wrl"), "--3d-zoom", "200", room,
                                      "--walls", "solid"});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string solid = TempDir::ReadFile(dir.file("given.wrl"));
    EXPECT_TRUE(Contains(solid, "\nTransform {translation 0 -.09 0 scale 6.00 .1 4.00\n"));
    EXPECT_TRUE(Contains(solid, "     children Wall {color 1 1 1 transparency 0.00}}}\n"));
}

TEST(CommandLine, ExportVrmlRefusesWrongArguments)
{
    TempDir dir;
    const std::string room = dir.file("walk.mst");
    TempDir::WriteFile(room, WalkRoom);
    for (const char* zoom : {"0", "-100", "1.5", "abc", "2147483648", ""}) {
        const ProcessResult r = Planzeta({"--export-vrml", dir.file("out.wrl"), room, "--3d-zoom", zoom});
        EXPECT_EQ(r.status, 2) << zoom;
        EXPECT_TRUE(Contains(r.err, "--3d-zoom needs a whole number from 1 to 2147483647")) << r.err;
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--3d-zoom"}, {"--walls", "Solid"}, {"--walls"}, {"--transparent"}, {dir.file("third.wrl")}})
    {
        std::vector<std::string> all{"--export-vrml", dir.file("out.wrl"), room};
        all.insert(all.end(), args.begin(), args.end());
        EXPECT_EQ(Planzeta(all).status, 2) << args[0];
    }
    EXPECT_EQ(FilesIn(dir.path()), 1u);
    EXPECT_TRUE(Contains(Planzeta({"--help"}).out, "--export-vrml OUT.wrl ROOM.mst [--3d-zoom N]"));
}

TEST(CommandLine, TasksUseTheUsersOptionsLibraryAndLanguage)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("install/Language"));
    TempDir::WriteFile(dir.file("install/Library.msk"), "[Part1]\nType=LibraryObject\nCaption=Bed\nLibObjID=40\nZHeight=45\n");
    TempDir::WriteFile(dir.file("install/Language/de.lng"),
                       "[Main]\nLanguage=Deutsch\nLanguageID=1031\n[Messages]\nText28=Datei nicht lesbar\n");
    const ScopedEnv install("PLANZETA_DATA_DIR", dir.file("install").c_str());
    std::filesystem::create_directories(std::filesystem::path(FreshUser::SettingsFile()).parent_path());
    TempDir::WriteFile(FreshUser::SettingsFile(), "[Planzeta]\nDefaultUnit=dm\nDefFillColot=0x000000FF\nLanguage=1031\n");

    const std::string room = dir.file("room.mst");
    TempDir::WriteFile(room, "[Room]\nWidth=50\n[Part1]\nType=LibraryObject\nLibObjID=40\n");
    ProcessResult r = Planzeta({"--dump-json", room});
    std::filesystem::remove(FreshUser::SettingsFile());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"Unit\":3,\"UnitName\":\"dm\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"ZHeight\":5,"), std::string::npos);  // 45 cm in decimetres
    EXPECT_NE(r.out.find("\"FillColor\":255,"), std::string::npos);

    TempDir::WriteFile(FreshUser::SettingsFile(), "[Planzeta]\nLanguage=1031\n");
    r = Planzeta({"--dump-json", dir.file("missing.mst")});
    std::filesystem::remove(FreshUser::SettingsFile());
    EXPECT_EQ(r.err.rfind("planzeta: Datei nicht lesbar: ", 0), 0u) << r.err;
}

TEST(CommandLine, QuitAfterFirstPaintOpensTheRoomAndEndsOnceThePlanIsPainted)
{
    const TempDir dir;
    std::filesystem::create_directories(std::filesystem::path(FreshUser::SettingsFile()).parent_path());
    TempDir::WriteFile(FreshUser::SettingsFile(), "[Planzeta]\nLastVersion=300\nLanguage=0\n");
    TempDir::WriteFile(dir.file("plan.mst"), PlanRoom);
    const ProcessResult r = Planzeta({"--quit-after-first-paint", dir.file("plan.mst")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Planzeta({"--quit-after-first-paint", "a.mst", "b.mst"}).status, 2) << "too many files";
    std::filesystem::remove(FreshUser::SettingsFile());
}

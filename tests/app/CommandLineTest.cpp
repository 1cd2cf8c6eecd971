// planzeta run as a user runs it: each task once from end to end, and every way a task refuses
// its arguments or files, with its exit status and message. What the tasks write is tested with
// the code that writes it.

#include "support/PdfFacts.h"
#include "support/RunProcess.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <QImage>

#include <filesystem>
#include <sstream>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

// Every run sees a fresh user: no settings, no catalogue of its own.
const TempDir freshUser;
const ScopedEnv freshConfig("XDG_CONFIG_HOME", freshUser.file("config").c_str());
const ScopedEnv freshData("XDG_DATA_HOME", freshUser.file("data").c_str());
const std::string SettingsFile = freshUser.file("config/Kelvora/Planzeta.ini");

ProcessResult Planzeta(const std::vector<std::string>& args)
{
    return RunProcess(PLANZETA_EXE, args);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
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
const QRgb Floor = qRgb(0xC0, 0x60, 0x30);
const QRgb Grid = qRgb(0xC0, 0xC0, 0xFF);
const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(0xFF, 0xFF, 0xFF);

// One wall 300 long with a door that the editor snaps into it, and a chair where the walk starts.
const char* const WalkRoom =
    "[Room]\r\nWidth=300\r\nHeight=200\r\nWallThickness=10\r\n3DStart=120|130|90\r\n"
    "[RoomWalls]\r\nCount=1\r\nWall00=0|0|300|0|0|10\r\n"
    "[Part1]\r\nType=Door\r\nPosX=100\r\nPosY=-60\r\nWidth=80\r\nHeight=80\r\nZHeight=200\r\nSnapToWall=1\r\n"
    "[Part2]\r\nType=Rectangle\r\nPosX=100\r\nPosY=100\r\nWidth=45\r\nHeight=45\r\nZHeight=45\r\n"
    "FillColor=0x0080FF\r\n";

// 590 × 490 cm with its margins: 11.8 cm wide at 1 : 50, and at most 1 : 32.8 on A4.
const char* const Bedroom =
    "[Room]\r\nFileVersion=300\r\nWidth=520\r\nHeight=420\r\nUnit=cm\r\nSpaceAround=35\r\n"
    "[Part1]\r\nType=Rectangle\r\nPosX=100\r\nPosY=100\r\nWidth=80\r\nHeight=60\r\nCaption=Bed\r\n";

int Count(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) | 0xFF000000u) == colour;
    return count;
}

size_t FilesIn(const std::string& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                             std::filesystem::directory_iterator()));
}

class CommandLine : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove(SettingsFile); }

    std::string Room(const std::string& text, const std::string& name = "room.mst")
    {
        TempDir::WriteFile(dir.file(name), text);
        return dir.file(name);
    }

    // The user's settings, for this test only.
    static void Settings(const std::string& lines)
    {
        std::filesystem::create_directories(freshUser.file("config/Kelvora"));
        TempDir::WriteFile(SettingsFile, "[Planzeta]\n" + lines);
    }

    // The picture --export-image writes of the plan room with the switches.
    QImage Picture(const std::string& name, std::vector<std::string> switches = {})
    {
        switches.insert(switches.begin(), {"--export-image", dir.file(name), Room(PlanRoom, "plan.mst")});
        const ProcessResult r = Planzeta(switches);
        EXPECT_EQ(r.status, 0) << r.err;
        return QImage(QString::fromStdString(dir.file(name)));
    }

    TempDir dir;
};

}  // namespace

TEST_F(CommandLine, DumpJsonPrintsTheRoomAsLoaded)
{
    const ProcessResult r = Planzeta({"--dump-json", Room(SampleRoom)});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "{\"Width\":420,\"Height\":300,\"Color\":4026531839,\"GridColor\":16761024,\"WallsColor\":8421504,"
              "\"GridSize\":50,\"WallThickness\":0,\"WallZHeight\":265,\"SpaceAround\":[25,25,25,25],\"Unit\":5,"
              "\"UnitName\":\"m\",\"UserCoordOriginX\":0,\"UserCoordOriginY\":0,\"UserCoord\":false,"
              "\"3DStart\":[210,150,0],\"PartCount\":1,\"area\":null,\"perimeter\":null,\"Walls\":{\"Default\":false,"
              "\"List\":[{\"x1\":0,\"y1\":0,\"x2\":420,\"y2\":0,\"alignment\":0,\"thickness\":12}]},\"Background\":null,"
              "\"Parts\":[{\"InUse\":true,\"Type\":7,\"PosX\":100,\"PosY\":100,\"PosZ\":0,\"Width\":100,\"Height\":100,"
              "\"ZHeight\":100,\"Rotation\":0,\"Caption\":\"Kitchen\\r\\n\\\"corner\\\"\",\"LineColor\":0,"
              "\"FillColor\":14286847,\"TextColor\":0,\"LineStyle\":0,\"SnapToWall\":false,\"LibObjID\":0,"
              "\"WallLink\":-1,\"CategoryMask\":1,\"Font\":{\"Face\":\"Serif\",\"Size\":12,\"CharSet\":0,"
              "\"Pitch\":0,\"Style\":3}}]}\n");
}

// Which objects are listed, and how, is the listing's own rule; here, that the task prints it.
TEST_F(CommandLine, ListingPrintsTheObjectListing)
{
    const ProcessResult r = Planzeta({"--listing", Room("[Room]\nWidth=400\nHeight=300\nUnit=mm\n[Part1]\nType=Rectangle\n"
                                                        "Caption=Ward\trobe\nWidth=120\nHeight=60\n[Part2]\nType=Label\n")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "Ward robe\t120\u00D760\r\n");
}

TEST_F(CommandLine, ResaveWritesTheRoomAnewAndANewerFileIsReportedButStillRead)
{
    const std::string out = dir.file("out.mst");
    ProcessResult r = Planzeta({"--resave", out, Room(SampleRoom)});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string written = TempDir::ReadFile(out);
    EXPECT_TRUE(Contains(written, "Wall00=0|0|420|0|0|12\r\n"));
    r = Planzeta({"--resave", dir.file("again.mst"), out});
    EXPECT_EQ(TempDir::ReadFile(dir.file("again.mst")), written);

    r = Planzeta({"--dump-json", Room("[Room]\nFileVersion=400\nWidth=5\n")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(Contains(r.err, "higher version of Planzeta")) << r.err;
    EXPECT_EQ(r.out.rfind("{\"Width\":5,", 0), 0u);
}

TEST_F(CommandLine, FilesThatCannotBeReadOrWrittenFailWithTheirStatusAndLeaveNothing)
{
    // Each task that writes a file, as "task OUT ROOM", with its output's extension.
    const std::pair<const char*, const char*> tasks[] = {
        {"--resave", ".mst"}, {"--export-image", ".png"}, {"--export-vrml", ".wrl"}, {"--print-pdf", ".pdf"}};
    for (const auto& [task, extension] : tasks) {
        SCOPED_TRACE(task);
        const TempDir folder;
        const std::string room = folder.file("in.mst");
        TempDir::WriteFile(room, PlanRoom);
        const std::string missing = folder.file("missing.mst");
        ProcessResult r = Planzeta({task, folder.file(std::string("out") + extension), missing});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(Contains(r.err, "Cannot open file: The file doesn't exist or you don't have the permission to "
                                    "read it.\n" + missing + "\n"))
            << r.err;

        const std::string locked = folder.file(std::string("locked") + extension);
        TempDir::WriteFile(locked, "precious");
        std::filesystem::permissions(locked, std::filesystem::perms(0444));
        r = Planzeta({task, locked, room});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(Contains(r.err, "planzeta: Unable to write to " + locked + "\n")) << r.err;
        EXPECT_EQ(TempDir::ReadFile(locked), "precious");
        EXPECT_EQ(Planzeta({task, folder.file(std::string("no/folder/out") + extension), room}).status, 1);
        EXPECT_EQ(FilesIn(folder.path()), 2u) << "no partial or temporary file is left behind";
    }
}

TEST_F(CommandLine, PipesRoomlessFilesAndOutputOverTheRoomAreRefused)
{
    const std::string in = Room(SampleRoom);
    // Neither a pipe is waited on nor a file without a room written over.
    const std::string fifo = dir.file("fifo.mst");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ProcessResult r = Planzeta({"--dump-json", fifo});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, "It is not a regular file")) << r.err;
    const std::string picture = Room("\x89PNG\r\n\x1a\n", "picture.mst");
    r = Planzeta({"--resave", picture, picture});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, "The file holds no room")) << r.err;
    EXPECT_EQ(TempDir::ReadFile(picture), "\x89PNG\r\n\x1a\n");
    // No output over the room, even through a link.
    std::filesystem::create_symlink(in, dir.file("link.png"));
    for (const char* task : {"--export-image", "--export-vrml", "--print-pdf"}) {
        r = Planzeta({task, dir.file("link.png"), in});
        EXPECT_EQ(r.status, 2) << task;
        EXPECT_TRUE(Contains(r.err, "is the room file itself")) << r.err;
    }
    EXPECT_EQ(TempDir::ReadFile(in), SampleRoom);
    EXPECT_EQ(RunProcess("/bin/sh", {"-c", std::string(PLANZETA_EXE) + " --help >/dev/full"}).status, 1);
}

TEST_F(CommandLine, HelpAndVersion)
{
    ProcessResult r = Planzeta({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* usage : {"--dump-json ROOM.mst", "--export-image OUT ROOM.mst",
                              "--export-vrml OUT.wrl ROOM.mst [--3d-zoom N]", "--print-pdf OUT.pdf ROOM.mst"})
        EXPECT_TRUE(Contains(r.out, usage)) << usage;
    r = Planzeta({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("planzeta ", 0), 0u);
    EXPECT_TRUE(Contains(r.out, "\nLicense GPL-3.0-or-later")) << r.out;
}

// Each row is a command line, "@name" standing for a file of the test's folder, '' for an empty
// argument.
TEST_F(CommandLine, ArgumentsATaskCannotTakeAreUsageErrorsThatWriteNothing)
{
    const std::string image = "--export-image @out.png @room ";
    const std::string vrml = "--export-vrml @out.wrl @room ";
    const std::string pdf = "--print-pdf @out.pdf @room ";
    const std::string refused[] = {
        "--frobnicate", "--dump-json", "--listing", "--listing @room @room", "--resave @only.mst",
        "--quit-after-first-paint @a.mst @b.mst", "--export-image @out.png", "--no-grid " + image, image + "--grid",
        image + "--zoom", image + "--zoom 0.04", image + "--zoom 4.5", image + "--zoom nan", image + "--zoom 1x",
        image + "--zoom ''", image + "--scale-factor 0.5", image + "--scale-factor 9", image + "--scale-factor 2x",
        vrml + "--3d-zoom", vrml + "--3d-zoom 0", vrml + "--3d-zoom -100", vrml + "--3d-zoom 1.5",
        vrml + "--3d-zoom 2147483648", vrml + "--walls Solid", vrml + "--walls", vrml + "--transparent",
        vrml + "@third.wrl", "--print-pdf @out.pdf", pdf + "--scale fifty", pdf + "--scale 0", pdf + "--copies 0",
        pdf + "--copies 1000", pdf + "--zoom 2",
    };
    Room(PlanRoom, "room");
    for (const std::string& row : refused) {
        std::vector<std::string> args;
        std::istringstream words(row);
        for (std::string word; words >> word;)
            args.push_back(word == "''" ? "" : word.starts_with('@') ? dir.file(word.substr(1)) : word);
        const ProcessResult r = Planzeta(args);
        EXPECT_EQ(r.status, 2) << row;
        EXPECT_TRUE(r.err.starts_with("planzeta: ") && r.err.ends_with("\nTry 'planzeta --help' for more information.\n"))
            << row << ": " << r.err;
    }
    EXPECT_EQ(FilesIn(dir.path()), 1u);
    EXPECT_TRUE(Contains(Planzeta({"--export-vrml", dir.file("out.wrl"), dir.file("room"), "--3d-zoom", "abc"}).err,
                         "--3d-zoom needs a whole number from 1 to 2147483647"));
}

TEST_F(CommandLine, ExportImageDrawsWhatItsSwitchesAskForAndRefusesARoomItCannotDraw)
{
    // Margins of 25 at half size are 12 pixels, as the editor draws them.
    EXPECT_EQ(Picture("plan.PNG", {"--zoom", "0.5"}).size(), QSize(12 + 100 + 12, 12 + 50 + 12));
    EXPECT_EQ(TempDir::ReadFile(dir.file("plan.PNG")).rfind("\x89PNG\r\n", 0), 0u);
    const QImage plan = Picture("plan.bmp");
    EXPECT_EQ(TempDir::ReadFile(dir.file("plan.bmp")).rfind("BM", 0), 0u);
    ASSERT_EQ(plan.size(), QSize(251, 150));
    EXPECT_EQ(plan.pixel(35, 60), Floor);
    EXPECT_GT(Count(plan, Grid), 0);
    EXPECT_GT(Count(plan, Black), 0);  // the outline and the caption
    // Twice as fine: lines stay one pixel, the caption's letters grow with the picture.
    const QImage fine = Picture("fine.bmp", {"--scale-factor", "2"});
    EXPECT_EQ(fine.size(), 2 * plan.size());
    EXPECT_GT(Count(fine, Black), 2 * Count(plan, Black) + 20);

    EXPECT_EQ(Planzeta({"--export-image", dir.file("plan.svg"), dir.file("plan.mst")}).status, 0);
    const std::string svg = TempDir::ReadFile(dir.file("plan.svg"));
    EXPECT_TRUE(Contains(svg, "viewBox=\"0 0 251 150\""));
    EXPECT_TRUE(Contains(svg, ">Wardrobe</text>")) << "the caption as text";

    const QImage bare = Picture("bare.bmp", {"--no-grid", "--no-captions"});
    EXPECT_EQ(Count(bare, Grid), 0);
    EXPECT_LT(Count(bare, Black), Count(plan, Black));  // the caption is gone

    const QImage collisions = Picture("collisions.bmp", {"--collisions"});
    EXPECT_EQ(collisions.pixel(35, 60), White);
    EXPECT_EQ(collisions.pixel(165, 50), Black);

    // A room it cannot draw is refused, and nothing is written.
    ProcessResult r = Planzeta({"--export-image", dir.file("huge.png"), Room("[Room]\r\nWidth=2000000000\r\nHeight=300\r\n")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.err, "planzeta: The picture would be 2000000050 × 350 pixels")) << r.err;
    r = Planzeta({"--export-image", dir.file("flat.png"), Room("[Room]\r\nWidth=300\r\nHeight=0\r\nSpaceAround=0\r\n")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.err, "planzeta: The room has no area to draw.")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("huge.png")) || std::filesystem::exists(dir.file("flat.png")));
}

TEST_F(CommandLine, ExportImageDrawsTheBackgroundOnlyWhenAskedAndWarnsOfOneItCannotShow)
{
    // A black picture over the whole room.
    QImage black(2, 2, QImage::Format_RGB32);
    black.fill(Qt::black);
    ASSERT_TRUE(black.save(QString::fromStdString(dir.file("black.bmp"))));
    const struct {
        const char* file;
        bool asked;
        QRgb drawn;
    } rows[] = {{"black.bmp", true, Black}, {"black.bmp", false, Floor}, {"gone.png", true, Floor}};
    for (const auto& row : rows) {
        const std::string file = dir.file(row.file);
        const std::string room = Room(PlanRoom + ("\n[Background]\nFile=" + file + "\nScale=1000\nOpacity=100\n"));
        std::vector<std::string> args{"--export-image", dir.file("traced.bmp"), room};
        if (row.asked)
            args.push_back("--background");
        const ProcessResult r = Planzeta(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(QImage(QString::fromStdString(dir.file("traced.bmp"))).pixel(35, 60), row.drawn) << row.file;
        EXPECT_EQ(r.err.starts_with("planzeta: warning: The background picture cannot be shown:\n" + file),
                  row.drawn == Floor && row.asked);
        EXPECT_TRUE(Contains(Planzeta({"--dump-json", room}).out,
                             "\"Background\":{\"File\":\"" + file + "\",\"Scale\":1000,\"OffsetX\":0,\"OffsetY\":0,"
                             "\"Rotation\":0,\"Opacity\":100,\"Visible\":true}"));
    }
}


TEST_F(CommandLine, ExportVrmlWritesTheSceneAsTheEditorOpensItWithTheOptionsUnlessItsSwitchesSayOtherwise)
{
    const std::string room = Room(WalkRoom);
    std::filesystem::create_directories(dir.file("my data"));
    const ScopedEnv install("PLANZETA_DATA_DIR", dir.file("my data").c_str());
    ProcessResult r = Planzeta({"--export-vrml", dir.file("walk.wrl"), room});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    const std::string scene = TempDir::ReadFile(dir.file("walk.wrl"));
    EXPECT_EQ(scene.rfind("#VRML V2.0 utf8\n", 0), 0u);
    EXPECT_TRUE(Contains(scene, "EXTERNPROTO Door [field SFColor color] \"file://" + dir.path() +
                                    "/my%20data/library.wrl#Door\"\n"));
    // The door was snapped into the wall, so it cuts the wall into three pieces.
    size_t pieces = 0;
    for (size_t at = scene.find("children Wall {"); at != std::string::npos; at = scene.find("children Wall {", at + 1))
        ++pieces;
    EXPECT_EQ(pieces, 3u) << scene;

    Settings("3DZoom=50\n3DWallsTransp=1\n");
    r = Planzeta({"--export-vrml", dir.file("stored.wrl"), room});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string stored = TempDir::ReadFile(dir.file("stored.wrl"));
    EXPECT_TRUE(Contains(stored, "\nTransform {translation 0 -.09 0 scale 1.50 .1 1.00\n"));
    EXPECT_FALSE(Contains(stored, "Wall"));
    // Switches stand anywhere after the task's name.
    r = Planzeta({"--export-vrml", dir.file("given.wrl"), "--3d-zoom", "200", room, "--walls", "solid"});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string solid = TempDir::ReadFile(dir.file("given.wrl"));
    EXPECT_TRUE(Contains(solid, "\nTransform {translation 0 -.09 0 scale 6.00 .1 4.00\n"));
    EXPECT_TRUE(Contains(solid, "     children Wall {color 1 1 1 transparency 0.00}}}\n"));
    r = Planzeta({"--export-vrml", "--walls", "invisible", dir.file("none.wrl"), room, "--3d-zoom", "2147483647"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(Contains(TempDir::ReadFile(dir.file("none.wrl")), "Wall"));
}

TEST_F(CommandLine, TasksUseTheUsersOptionsLibraryAndLanguage)
{
    std::filesystem::create_directories(dir.file("install/Language"));
    TempDir::WriteFile(dir.file("install/Library.msk"), "[Part1]\nType=LibraryObject\nCaption=Bed\nLibObjID=40\nZHeight=45\n");
    TempDir::WriteFile(dir.file("install/Language/de.lng"),
                       "[Main]\nLanguage=Deutsch\nLanguageID=1031\n[Messages]\nText28=Datei nicht lesbar\n");
    const ScopedEnv install("PLANZETA_DATA_DIR", dir.file("install").c_str());
    Settings("DefaultUnit=dm\nDefFillColot=0x000000FF\nLanguage=1031\n");

    ProcessResult r = Planzeta({"--dump-json", Room("[Room]\nWidth=50\n[Part1]\nType=LibraryObject\nLibObjID=40\n")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "\"Unit\":3,\"UnitName\":\"dm\"")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\"ZHeight\":5,"));  // 45 cm in decimetres
    EXPECT_TRUE(Contains(r.out, "\"FillColor\":255,"));

    r = Planzeta({"--dump-json", dir.file("missing.mst")});
    EXPECT_EQ(r.err.rfind("planzeta: Datei nicht lesbar: ", 0), 0u) << r.err;
}

TEST_F(CommandLine, QuitAfterFirstPaintOpensTheRoomAndEndsOnceThePlanIsPainted)
{
    Settings("LastVersion=300\nLanguage=0\n");
    const ProcessResult r = Planzeta({"--quit-after-first-paint", Room(PlanRoom)});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_F(CommandLine, PrintPdfPrintsTheRoomOnOnePagePerCopyAndNothingAtAScaleThatDoesNotFit)
{
    const std::string room = Room(Bedroom, "Bedroom.mst");
    ProcessResult r = Planzeta({"--print-pdf", dir.file("plan.pdf"), room, "--scale", "50", "--note2", "Second floor"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string pdf = TempDir::ReadFile(dir.file("plan.pdf"));
    EXPECT_TRUE(IsPdf(pdf));
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_FALSE(HasJpegImage(pdf));
    // The object's caption is text, as the title is; the document is titled as the page.
    const ProcessResult text = RunProcess("/usr/bin/pdftotext", {dir.file("plan.pdf"), "-"});
    EXPECT_NE(text.out.find("Bedroom\n\nBed\n"), std::string::npos) << text.out << text.err;
    const ProcessResult info = RunProcess("/usr/bin/pdfinfo", {dir.file("plan.pdf")});
    EXPECT_NE(info.out.find("Title:           Bedroom\n"), std::string::npos);
    EXPECT_EQ(info.err, "") << "the cross-reference table holds after the fonts' names were tagged";
    const std::string fonts = RunProcess("/usr/bin/pdffonts", {dir.file("plan.pdf")}).out;
    EXPECT_TRUE(fonts.find(" yes yes yes ") != std::string::npos && fonts.find(" yes no ") == std::string::npos)
        << "embedded as subsets:\n" << fonts;

    r = Planzeta({"--print-pdf", dir.file("copies.pdf"), room, "--copies", "3", "--landscape", "--color",
                  "--no-scale-bar", "--title", "", "--note1", ""});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(PdfPageCount(TempDir::ReadFile(dir.file("copies.pdf"))), 3);

    // A scale that does not fit writes nothing and leaves an existing file as it was; just below
    // the largest scale it fits.
    r = Planzeta({"--print-pdf", dir.file("large.pdf"), room, "--scale", "30"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "planzeta: Required scale is too high. The image would exceed the page.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("large.pdf")));
    EXPECT_EQ(Planzeta({"--print-pdf", dir.file("plan.pdf"), room, "--scale", "32.5"}).status, 1);
    EXPECT_EQ(TempDir::ReadFile(dir.file("plan.pdf")), pdf);
    EXPECT_EQ(Planzeta({"--print-pdf", dir.file("fits.pdf"), room, "--scale", "33"}).status, 0);
    r = Planzeta({"--print-pdf", dir.file("plan.pdf"), Room("[Room]\nWidth=30000\nHeight=100\n"), "--scale", "1000"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("whatever --scale says. Print it from the editor at a smaller zoom."), std::string::npos) << r.err;
}

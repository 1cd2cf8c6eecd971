#include "support/RunProcess.h"
#include "support/TempDir.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

ProcessResult Planzeta(const std::vector<std::string>& args)
{
    return RunProcess(PLANZETA_EXE, args);
}

const char* const SampleRoom =
    "[Room]\r\nFileVersion=300\r\nWidth=420\r\nColor=0xEFFFFFFF\r\nUnit=m\r\n"
    "[RoomWalls]\r\nCount=1\r\nWall00=0|0|420|0|0|12\r\n"
    "[Part1]\r\nType=Label\r\nCaption=Kitchen\\n\"corner\"\r\nFont=Serif|12|0|0|3\r\n";

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

TEST(CommandLine, ResaveWritesTheRoomAnew)
{
    TempDir dir;
    const std::string in = dir.file("in.mst");
    const std::string out = dir.file("out.mst");
    TempDir::WriteFile(in, SampleRoom);
    ProcessResult r = Planzeta({"--resave", out, in});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string written = TempDir::ReadFile(out);
    EXPECT_NE(written.find("Width=420\r\n"), std::string::npos);
    EXPECT_NE(written.find("Wall00=0|0|420|0|0|12\r\n"), std::string::npos);
    r = Planzeta({"--resave", dir.file("again.mst"), out});
    EXPECT_EQ(TempDir::ReadFile(dir.file("again.mst")), written);
}

TEST(CommandLine, ANewerFileIsReportedOnStandardErrorAndStillRead)
{
    TempDir dir;
    const std::string room = dir.file("new.mst");
    TempDir::WriteFile(room, "[Room]\nFileVersion=400\nWidth=5\n");
    const ProcessResult r = Planzeta({"--dump-json", room});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("higher version of Planzeta"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.rfind("{\"Width\":5,", 0), 0u);
}

TEST(CommandLine, FilesThatCannotBeReadOrWrittenFailWithTheirStatus)
{
    TempDir dir;
    const std::string missing = dir.file("missing.mst");
    ProcessResult r = Planzeta({"--dump-json", missing});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "planzeta: Cannot open file: The file doesn't exist or you don't have the "
                     "permission to read it.\n" + missing + "\n");
    EXPECT_EQ(Planzeta({"--resave", dir.file("out.mst"), missing}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.mst")));

    const std::string in = dir.file("in.mst");
    TempDir::WriteFile(in, SampleRoom);
    const std::string locked = dir.file("locked.mst");
    TempDir::WriteFile(locked, "precious");
    std::filesystem::permissions(locked, std::filesystem::perms(0444));
    r = Planzeta({"--resave", locked, in});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "planzeta: Unable to write to " + locked + "\n");
    EXPECT_EQ(TempDir::ReadFile(locked), "precious");
    r = Planzeta({"--resave", dir.file("no/folder/out.mst"), in});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              2);  // no partial or temporary file was left behind
}

TEST(CommandLine, HelpVersionAndUsageErrors)
{
    ProcessResult r = Planzeta({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--dump-json ROOM.mst"), std::string::npos);
    r = Planzeta({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("planzeta ", 0), 0u);
    r = Planzeta({"--frobnicate"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown option --frobnicate"), std::string::npos);
    EXPECT_EQ(Planzeta({"--resave", "only-one.mst"}).status, 2);
    EXPECT_EQ(Planzeta({"--dump-json"}).status, 2);
}

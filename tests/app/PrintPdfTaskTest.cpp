// planzeta --print-pdf run as a user runs it. Like every test of this program, it runs as a
// fresh user without settings; its arguments and files are refused as every task's are (see
// CommandLineTest.cpp).

#include "support/PdfFacts.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

ProcessResult Planzeta(const std::vector<std::string>& args)
{
    return RunProcess(PLANZETA_EXE, args);
}

// 590 × 490 cm with its margins: 11.8 cm wide at 1 : 50, and at most 1 : 32.8 on A4.
const char* const Room =
    "[Room]\r\nFileVersion=300\r\nWidth=520\r\nHeight=420\r\nUnit=cm\r\nSpaceAround=35\r\n"
    "[Part1]\r\nType=Rectangle\r\nPosX=100\r\nPosY=100\r\nWidth=80\r\nHeight=60\r\nCaption=Bed\r\n";

const char* const TooHigh = "Required scale is too high. The image would exceed the page.";

}  // namespace

TEST(PrintPdfTask, PrintsTheRoomOnOnePagePerCopy)
{
    TempDir dir;
    const std::string room = dir.file("Bedroom.mst");
    TempDir::WriteFile(room, Room);
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
}

TEST(PrintPdfTask, AScaleThatDoesNotFitWritesNothing)
{
    TempDir dir;
    const std::string room = dir.file("Bedroom.mst");
    TempDir::WriteFile(room, Room);
    ProcessResult r = Planzeta({"--print-pdf", dir.file("plan.pdf"), room, "--scale", "30"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, std::string("planzeta: ") + TooHigh + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("plan.pdf")));

    // Just below the largest scale it fits; an existing file stays as it was when it does not.
    EXPECT_EQ(Planzeta({"--print-pdf", dir.file("fits.pdf"), room, "--scale", "33"}).status, 0);
    TempDir::WriteFile(dir.file("plan.pdf"), "earlier");
    EXPECT_EQ(Planzeta({"--print-pdf", dir.file("plan.pdf"), room, "--scale", "32.5"}).status, 1);
    EXPECT_EQ(TempDir::ReadFile(dir.file("plan.pdf")), "earlier");

    TempDir::WriteFile(room, "[Room]\nWidth=30000\nHeight=100\n");
    r = Planzeta({"--print-pdf", dir.file("plan.pdf"), room, "--scale", "1000"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("whatever --scale says. Print it from the editor at a smaller zoom."), std::string::npos) << r.err;
}

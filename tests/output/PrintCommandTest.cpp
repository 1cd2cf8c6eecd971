// The main window's Print command on a machine without a printer: the dialog, then the PDF
// file chosen through the scripted prompts, one page per copy.

#include "editor/TForm1.h"

#include "dialogs/TFormPrint.h"
#include "support/EditorHome.h"
#include "support/PdfFacts.h"
#include "support/ScriptedPrompts.h"
#include "support/Widgets.h"

#include <filesystem>

namespace {

class PrintCommandTest : public ::testing::Test {
protected:
    PrintCommandTest()
    {
        editorHome.WriteSettings(std::string(EditorHome::Steady) + "LastOpenFolder=" + home.path() + "\n");
        TempDir::WriteFile(room, "[Room]\r\nFileVersion=300\r\nWidth=500\r\nHeight=300\r\nUnit=cm\r\n"
                                 "[Part1]\r\nType=Rectangle\r\nPosX=100\r\nPosY=100\r\nWidth=80\r\nHeight=60\r\n"
                                 "FillColor=0x2040E0\r\n");
        window = std::make_unique<TForm1>(prompts, QStringList{QString::fromStdString(room)});
        form = window->findChild<TFormPrint*>("TFormPrint");
    }

    void SetUp() override
    {
        ASSERT_TRUE(form);
        if (!form->PrintsToPdf())
            GTEST_SKIP() << "a printer is installed";
    }

    // Prints with the dialog's OK, or cancels it.
    void Print(bool ok = true)
    {
        QTimer::singleShot(0, form, [this, ok] { Click(*form, ok ? "BtnOK" : "BtnCancel"); });
        window->findChild<QAction*>("Print1")->trigger();
    }

    EditorHome editorHome;
    const TempDir& home = editorHome.dir;
    const std::string room = home.file("Kitchen.mst");
    ScriptedPrompts prompts;
    std::unique_ptr<TForm1> window;
    TFormPrint* form = nullptr;
};

}  // namespace

TEST_F(PrintCommandTest, PrintsIntoTheChosenPdfFileOnePagePerCopyAndReportsAFileItCannotWrite)
{
    // Cancelled, in the dialog or in the file chooser, which is asked for only after OK.
    Print(false);
    prompts.fileNames = {std::nullopt};
    Print();
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"Save Print " + home.file("Kitchen.pdf")}));
    EXPECT_FALSE(std::filesystem::exists(home.file("Kitchen.pdf")));

    prompts.fileNames = {home.file("plan")};
    Print();
    const std::string pdf = TempDir::ReadFile(home.file("plan.pdf"));
    EXPECT_EQ(PdfPageCount(pdf), 1);
    // The dialog's title is the document's, which a PDF keeps as UTF-16 in big-endian order.
    EXPECT_NE(pdf.find(std::string("\0K\0i\0t\0c\0h\0e\0n", 14)), std::string::npos) << "the printed title";
    form->Printer().setCopyCount(3);
    prompts.fileNames = {home.file("copies.pdf")};
    Print();
    EXPECT_EQ(PdfPageCount(TempDir::ReadFile(home.file("copies.pdf"))), 3);

    prompts.asked.clear();
    prompts.fileNames = {home.file("missing/plan.pdf")};
    prompts.buttons = {ButtonOk};
    Print();
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].rfind("Message Error: ", 0), 0u) << prompts.asked[1];
}

// The library chooser driven as a user drives it, over a small library of its own and the
// user catalogue in a private data folder.

#include "dialogs/TFormLibrary.h"

#include "library/CLibrary.h"
#include "model/CRoom.h"
#include "platform/COptions.h"
#include "support/MakePart.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "support/Widgets.h"

#include <QMouseEvent>

#include <array>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string Section(int number, const std::string& keys)
{
    return "[Part" + std::to_string(number) + "]\n" + keys + "\n";
}

// Cabinets and Kitchen share a cabinet; Other holds a block filled in red.
const std::string LibraryFile =
    Section(1, "Type=LibraryObject\nCaption=Cabinet 60\nWidth=60\nHeight=60\nZHeight=85\nPosZ=10\n"
               "FillColor=0xA0C8E1\nLibObjID=20\nLibrary=Cabinets|Kitchen") +
    Section(2, "Type=LibraryObject\nCaption=Bath\nWidth=170\nHeight=70\nLibObjID=53\nLibrary=Bathroom") +
    Section(3, "Type=LibraryObject\nWidth=200\nHeight=50\nLineColor=0x000000\nFillColor=0x0000FF\n"
               "LibObjID=99\nLibrary=Other");

const std::string UserCatalogue = Section(1, "Type=Rectangle\nCaption=My desk\nWidth=60\nHeight=60");

CLibrary LoadLibrary(const TempDir& folder, const std::string& text)
{
    TempDir::WriteFile(folder.file("Library.msk"), text);
    CLibrary library;
    library.Load(folder.file("Library.msk"));
    return library;
}

class TFormLibraryTest : public ::testing::Test {
protected:
    QComboBox* Categories() { return Control<QComboBox>(dialog, "CbLibraries"); }
    QListWidget* View() { return Control<QListWidget>(dialog, "ObjectsView"); }

    void Show()
    {
        dialog.SetRoom(room);
        dialog.hide();
        dialog.setResult(0);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    void WriteCatalogue(const std::string& text)
    {
        fs::create_directories(home.file("planzeta"));
        TempDir::WriteFile(home.file("planzeta/Catalog.msk"), text);
    }

    std::vector<std::string> Items()
    {
        std::vector<std::string> items;
        for (int i = 0; i < View()->count(); ++i)
            items.push_back(View()->item(i)->text().toStdString());
        return items;
    }

    QListWidgetItem* Item(const QString& text)
    {
        const QList<QListWidgetItem*> found = View()->findItems(text, Qt::MatchStartsWith);
        if (found.size() != 1) {
            ADD_FAILURE() << "no single item " << text.toStdString();
            return nullptr;
        }
        return found.front();
    }

    TempDir home;
    ScopedEnv dataHome{"XDG_DATA_HOME", home.path().c_str()};
    ScopedEnv configHome{"XDG_CONFIG_HOME", home.path().c_str()};
    CLibrary library = LoadLibrary(home, LibraryFile);
    COptions options;
    CRoom room;
    TFormLibrary dialog{library, options};
};

}  // namespace

TEST_F(TFormLibraryTest, OpensOnTheLastPageShownAndListsItsObjectsInTheRoomsUnit)
{
    options.LastLibraryPage = 4;
    Show();
    ASSERT_EQ(Categories()->count(), 11);
    EXPECT_EQ(Categories()->currentIndex(), 4);
    EXPECT_EQ(Items(), std::vector<std::string>{"Bath, 170×70cm"});
    Categories()->setCurrentIndex(6);
    EXPECT_EQ(options.LastLibraryPage, 6);
    EXPECT_EQ(Items(), std::vector<std::string>{"Cabinet 60, 60×60cm"});

    // An unknown page opens the user library.
    dialog.reject();
    options.LastLibraryPage = 42;
    WriteCatalogue(UserCatalogue);
    room.Unit = 0;
    Show();
    EXPECT_EQ(Categories()->currentIndex(), 0);
    EXPECT_EQ(Items(), std::vector<std::string>{"My desk, 600×600mm"});

    // The user catalogue is read again at every showing, replacing what was read before.
    dialog.reject();
    WriteCatalogue(UserCatalogue + Section(2, "Type=Circle\nCaption=Round table\nWidth=90\nHeight=90"));
    Show();
    EXPECT_EQ(Items(), (std::vector<std::string>{"My desk, 600×600mm", "Round table, 900×900mm"}));
    EXPECT_EQ(library.Catalogue().Count(), 3 + 2);
}

TEST_F(TFormLibraryTest, DoubleClickChoosesTheObjectAndEnterOnlyASelectedOne)
{
    options.LastLibraryPage = 1;
    room.Unit = 0;
    Show();
    // A double click starts with the first click of it.
    const QPoint at = View()->visualItemRect(Item("Cabinet 60")).center();
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(dialog.isVisible());
    QMouseEvent secondPress(QEvent::MouseButtonDblClick, QPointF(at), View()->viewport()->mapToGlobal(QPointF(at)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(View()->viewport(), &secondPress);
    EXPECT_TRUE(dialog.isVisible()) << "closed before the release, which then goes to the window below";
    QTest::mouseRelease(View()->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(dialog.result(), TFormLibrary::ResultOk);
    EXPECT_FALSE(dialog.isVisible());

    CPart placed = MakePart(Rectangle, 123, 45, 1, 1);
    placed.Caption = "old";
    dialog.GetSelectedPart(placed);
    EXPECT_EQ((std::array{placed.PosX, placed.PosY, placed.LibObjID, placed.Width, placed.ZHeight, placed.PosZ}),
              (std::array{123, 45, 20, 600, 850, 10}));
    EXPECT_EQ(placed.Caption, "");
    EXPECT_EQ(placed.FillColor, 0xA0C8E1u);

    // Enter chooses only a selected object (the editor's tests choose one so).
    Show();
    View()->clearSelection();
    QTest::keyClick(View(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "nothing was selected";
    QTest::keyClick(View(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), ModalDialog::ResultCancel);
}

// How an icon is scaled and placed is the core's rule; here, that the list shows it.
TEST_F(TFormLibraryTest, IconsShowTheSymbol)
{
    options.LastLibraryPage = 9;
    Show();
    ASSERT_EQ(View()->count(), 1);
    const QImage icon = View()->item(0)->icon().pixmap(TFormLibrary::IconSize).toImage();
    EXPECT_EQ(icon.pixel(TFormLibrary::IconSize / 2, TFormLibrary::IconSize / 2), 0xFFFF0000) << "the red fill";
}

// The object listing window driven through its list, its popup's commands and the clipboard.

#include "dialogs/TFormPartsList.h"

#include "model/CRoom.h"
#include "support/MakePart.h"
#include "support/Widgets.h"

#include <QClipboard>

namespace {

class TFormPartsListTest : public ::testing::Test {
protected:
    TFormPartsListTest()
    {
        room.ClearParts();
        room.UnitName = "mm";
        Add(MakePart(Rectangle, 10, 20, 120, 80), "Table");
        Add(MakePart(Label, 0, 0, 50, 10), "Kitchen");
        Add(MakePart(Circle, 5, 6, 40, 40), "Stool");
        Add(MakePart(Rectangle, 0, 0, 200, 90), "Bed");
        list.SetRoom(&room);
    }

    void Add(CPart part, const std::string& caption)
    {
        part.Caption = caption;
        part.InUse = true;
        room.Parts.push_back(part);
    }

    QTreeWidget* View() { return list.findChild<QTreeWidget*>("PartView"); }

    QStringList Column(int column)
    {
        QStringList texts;
        for (int i = 0; i < View()->topLevelItemCount(); ++i)
            texts << View()->topLevelItem(i)->text(column);
        return texts;
    }

    CRoom room;
    int changesNoted = 0;
    int redraws = 0;
    std::vector<int> edited;
    TFormPartsList list{{[this] { ++changesNoted; },
                         [this](int index) {
                             edited.push_back(index);
                             room.Parts[index].Caption = "Desk";
                             return true;
                         },
                         [this] { ++redraws; }}};
};

}  // namespace

TEST_F(TFormPartsListTest, ListsTheObjectsAndCopiesEveryRowToTheClipboard)
{
    list.show();
    EXPECT_EQ(View()->headerItem()->text(2), "Position [mm]");
    EXPECT_EQ(Column(0), (QStringList{"Bed", "Stool", "Table"}));
    EXPECT_EQ(Column(2), (QStringList{"0, 0", "5, 6", "10, 20"}));
    View()->topLevelItem(1)->setSelected(true);
    Trigger(list, "CopyObjectListing1");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Bed\t200×90\r\nStool\t40×40\r\nTable\t120×80\r\n");
}

// Properties edit a single selected object only; removing notes one change per object and
// redraws once, or nothing at all without a selection.
TEST_F(TFormPartsListTest, PropertiesAndRemoveActOnTheSelectedRowsAndRefillTheList)
{
    list.show();
    View()->topLevelItem(0)->setSelected(true);
    View()->topLevelItem(1)->setSelected(true);
    Trigger(list, "Properties1");
    EXPECT_TRUE(edited.empty());
    View()->clearSelection();
    View()->topLevelItem(2)->setSelected(true);
    Trigger(list, "Properties1");
    EXPECT_EQ(edited, std::vector<int>{0});
    EXPECT_EQ(Column(0), (QStringList{"Bed", "Desk", "Stool"}));

    list.Changed = false;
    Trigger(list, "RemoveObjects1");
    EXPECT_FALSE(list.Changed);
    EXPECT_EQ(redraws, 0);
    View()->topLevelItem(0)->setSelected(true);
    View()->topLevelItem(1)->setSelected(true);
    Trigger(list, "RemoveObjects1");
    EXPECT_EQ(changesNoted, 2);
    EXPECT_EQ(redraws, 1);
    EXPECT_TRUE(list.Changed);
    EXPECT_FALSE(room.Parts[3].InUse);
    EXPECT_FALSE(room.Parts[0].InUse);
    EXPECT_TRUE(room.Parts[2].InUse);
    EXPECT_EQ(Column(0), (QStringList{"Stool"}));

    // Without a room nothing happens.
    View()->topLevelItem(0)->setSelected(true);
    list.SetRoom(nullptr);
    QGuiApplication::clipboard()->setText("kept");
    list.FillList();
    list.CopyListing();
    list.RemoveSelected();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "kept");
    EXPECT_EQ(changesNoted + redraws, 3);
}

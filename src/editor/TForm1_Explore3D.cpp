#include "editor/TForm1.h"

#include "dialogs/ErrorReport.h"
#include "dialogs/TForm3D.h"
#include "output/ViewerLauncher.h"
#include "output/VrmlExportFile.h"
#include "output/VrmlWriter.h"
#include "platform/FileIo.h"

#include <QAction>

void TForm1::CreateExplore3DActions()
{
    Explorein3D1 = NewAction("Explorein3D1", [this] { Explorein3D1Click(); });
}

// Asks where the walk starts, writes the room as a scene into the private temporary folder
// and opens it in a VRML viewer. A new start is part of the room, so it is one undo step.
void TForm1::Explorein3D1Click()
{
    if (Form3D->Edit(room_, engines_.options) != TForm3D::ResultOk)
        return;
    if (const TForm3D::Start start = Form3D->ChosenStart(); start != room_.Start3D) {
        NoteRoomChange(true);
        room_.Start3D = start;
    }
    std::string scenePath;
    try {
        scenePath = WriteExplore3DFile(VrmlScene(room_, engines_.options, InstalledLibraryPrefix()));
    } catch (const FileWriteError& error) {
        ReportError(prompts_, error.what());
        return;
    }
    OpenInVrmlViewer(scenePath, prompts_);
}

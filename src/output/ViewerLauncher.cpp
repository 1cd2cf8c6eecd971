#include "output/ViewerLauncher.h"

#include "localize/Messages.h"
#include "platform/Prompts.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr char ViewerVariable[] = "PLANZETA_VRML_VIEWER";
constexpr char VrmlMimeType[] = "model/vrml";
constexpr char FallbackViewer[] = "view3dscene";
constexpr int QueryTimeoutMs = 5000;

// Whether the desktop names an application for VRML scenes. Without one, opening the file
// would show it as text at best, so the desktop is asked first.
bool DesktopHasVrmlViewer()
{
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    if (xdgMime.isEmpty())
        return false;
    QProcess query;
    query.start(xdgMime, {"query", "default", VrmlMimeType});
    if (!query.waitForFinished(QueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
}

bool StartViewer(const QString& program, const QString& scene)
{
    return QProcess::startDetached(program, {scene});
}

void ReportNoViewer(Prompts& prompts, const std::string& reason, const QString& scene)
{
    prompts.Message(Msg(MsgWarning), reason + "\n\nThe scene was written to:\n" + scene.toStdString(),
                    PromptIcon::Warning, ButtonOk);
}

}  // namespace

bool OpenInVrmlViewer(const std::string& scenePath, Prompts& prompts)
{
    const QString scene = QString::fromStdString(scenePath);
    const QString chosen = qEnvironmentVariable(ViewerVariable);
    if (!chosen.isEmpty()) {
        if (StartViewer(chosen, scene))
            return true;
        ReportNoViewer(prompts, "The VRML viewer \"" + chosen.toStdString() + "\" could not be started.", scene);
        return false;
    }
    if (DesktopHasVrmlViewer() && QDesktopServices::openUrl(QUrl::fromLocalFile(scene)))
        return true;
    const QString fallback = QStandardPaths::findExecutable(FallbackViewer);
    if (!fallback.isEmpty() && StartViewer(fallback, scene))
        return true;
    ReportNoViewer(prompts,
                   "Exploring the room in 3D needs a VRML viewer, and none was found. Install one, such as "
                   "view3dscene, or choose an application for VRML files (model/vrml) on your desktop.",
                   scene);
    return false;
}

#include "editor/TForm1.h"

#include "editor/RecoveryFile.h"
#include "localize/MessageFormat.h"
#include "localize/Messages.h"
#include "platform/FileIo.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int RecoveryIntervalMs = 60'000;

// Tests of a stopped editor set a shorter interval in PLANZETA_RECOVERY_INTERVAL_MS rather
// than wait a minute; nothing longer than the minute is taken.
int RecoveryInterval()
{
    const char* value = std::getenv("PLANZETA_RECOVERY_INTERVAL_MS");
    const int ms = value ? std::atoi(value) : 0;
    return ms > 0 && ms < RecoveryIntervalMs ? ms : RecoveryIntervalMs;
}

std::string LocalTimeText(int64_t secondsSinceEpoch)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch), QLocale::ShortFormat).toStdString();
}

}  // namespace

void TForm1::StartRecovery()
{
    recoveryPath_ = RecoveryFilePath(RecoveryFolder(), QCoreApplication::applicationPid());
    OfferRecovery();
    auto* timer = new QTimer(this);
    timer->setObjectName("RecoveryTimer");
    connect(timer, &QTimer::timeout, this, &TForm1::KeepRecoveryCopy);
    timer->start(RecoveryInterval());
}

void TForm1::OfferRecovery()
{
    const std::vector<std::string> orphans = OrphanedRecoveryFiles(RecoveryFolder());
    if (orphans.empty())
        return;
    // One room at a time: any older copies are offered at the next start.
    const std::string& path = orphans.front();
    std::optional<RecoveredRoom> recovered = ReadRecoveryFile(path);
    if (!recovered) {
        prompts_.Message(Msg(MsgRecoverTitle), Msg(MsgRecoverFailed) + "\n" + path, PromptIcon::Error, ButtonOk);
        std::remove(path.c_str());
        return;
    }
    const std::string room = recovered->fileName.empty() ? Msg(MsgUntitled) : recovered->fileName;
    const std::string question =
        FillPlaceholders(Msg(MsgRecoverQuestion), {room, LocalTimeText(recovered->savedAt)});
    if (prompts_.Message(Msg(MsgRecoverTitle), question, PromptIcon::Question, ButtonYes | ButtonNo) == ButtonYes) {
        room_ = std::move(recovered->room);
        fileName_ = QString::fromStdString(recovered->fileName);
        StartEditingLoadedRoom();
        // The changes are this editor's to keep now; the old copy goes only once they are.
        KeepRecoveryCopy();
        if (recoveryText_.empty())
            return;
    }
    std::remove(path.c_str());
}

void TForm1::KeepRecoveryCopy()
{
    if (!room_.Modified) {
        DiscardRecoveryCopy();
        return;
    }
    // A drag or a placement changes the room with every move; the copy waits for the drop.
    if (dragIndex_ >= 0)
        return;
    const std::string fileName = fileName_.toStdString();
    std::string timeless = RecoveryFileText(room_, fileName, 0);
    if (timeless == recoveryText_)
        return;
    try {
        WriteRecoveryFile(recoveryPath_, RecoveryFileText(room_, fileName, QDateTime::currentSecsSinceEpoch()));
        recoveryText_ = std::move(timeless);
    } catch (const FileWriteError&) {
        // The copy is a safety net: the next tick tries again, and saving reports its own errors.
    }
}

void TForm1::DiscardRecoveryCopy()
{
    if (!recoveryPath_.empty())
        std::remove(recoveryPath_.c_str());
    recoveryText_.clear();
}

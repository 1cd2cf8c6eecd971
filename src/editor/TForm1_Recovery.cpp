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

#include <cstdlib>
#include <filesystem>

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
    for (const std::string& path : OrphanedRecoveryFiles(RecoveryFolder())) {
        // Another editor may have claimed the copy first, or dealt with it already.
        std::optional<RecoveryLock> claim = RecoveryLock::Claim(path);
        if (!claim || !std::filesystem::exists(path))
            continue;
        // One room at a time: any older copies are offered at the next start.
        OfferRecoveryFrom(path, *claim);
        return;
    }
}

void TForm1::OfferRecoveryFrom(const std::string& path, RecoveryLock& claim)
{
    std::optional<RecoveredRoom> recovered = ReadRecoveryFile(path);
    if (!recovered) {
        prompts_.Message(Msg(MsgRecoverTitle), Msg(MsgRecoverFailed) + "\n" + path, PromptIcon::Error, ButtonOk);
        claim.RemoveFile();
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
    claim.RemoveFile();
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
    if (!recoveryLock_)
        recoveryLock_ = RecoveryLock::Claim(recoveryPath_);
    if (!recoveryLock_)
        return;  // another editor is restoring a copy of the same name; the next tick tries again
    try {
        WriteRecoveryFile(recoveryPath_, RecoveryFileText(room_, fileName, QDateTime::currentSecsSinceEpoch()));
        recoveryText_ = std::move(timeless);
    } catch (const FileWriteError&) {
        // The copy is a safety net: the next tick tries again, and saving reports its own errors.
    }
}

void TForm1::DiscardRecoveryCopy()
{
    if (recoveryLock_)
        recoveryLock_->RemoveFile();
    recoveryLock_.reset();
    recoveryText_.clear();
}

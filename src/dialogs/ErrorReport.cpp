#include "dialogs/ErrorReport.h"

#include "localize/Messages.h"
#include "platform/Prompts.h"

void ReportError(Prompts& prompts, const std::string& text)
{
    prompts.Message(Msg(MsgError), text, PromptIcon::Error, ButtonOk);
}

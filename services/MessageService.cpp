#include "MessageService.h"

#include "QtMessageService.h"

namespace {
IMessageService* g_pInstalled = nullptr;
} // namespace

IMessageService& Messages()
{
    static CQtMessageService qtService;
    return g_pInstalled ? *g_pInstalled : qtService;
}

IMessageService::Answer IMessageService::EscapeAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::YesNoCancel:
    case Buttons::OkCancel:
    case Buttons::YesNoEscapeCancels: break;
    }
    return Answer::Cancel;
}

void SetMessageService(IMessageService* service)
{
    g_pInstalled = service;
}

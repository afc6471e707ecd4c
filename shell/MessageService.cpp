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

void SetMessageService(IMessageService* service)
{
    g_pInstalled = service;
}

#include "app/HelpCalls.h"

#include <utility>

namespace {
THelpHandler& Handler() {
    static THelpHandler handler;
    return handler;
}
THelpRequest g_last;
int g_count = 0;
}  // namespace

void ShowHelp(QWidget* source, THelpCall call, int context) {
    g_last = THelpRequest{call, context};
    ++g_count;
    if (Handler()) Handler()(source, call, context);
}

void SetHelpHandler(THelpHandler handler) { Handler() = std::move(handler); }

THelpRequest LastHelpRequest() { return g_last; }

int HelpRequestCount() { return g_count; }

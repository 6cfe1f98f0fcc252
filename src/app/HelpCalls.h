#pragma once
// Requests for help by context number. Wizards, F1 and "What's This?" ask
// here; the help window installs itself as the handler. Until a handler is
// installed a request is only remembered (tests read it back).

#include <functional>

class QWidget;

enum class THelpCall {
    Contents,      // the contents page
    Context,       // a whole topic in the help window
    ContextPopup,  // a topic's first paragraph in a small pop-up near the mouse
};

struct THelpRequest {
    THelpCall call = THelpCall::Contents;
    int context = 0;
};

using THelpHandler = std::function<void(QWidget* source, THelpCall call, int context)>;

// Asks for help; `source` is the control or window asking (may be null).
void ShowHelp(QWidget* source, THelpCall call, int context = 0);
// Installs the handler that shows help (an empty one: only remember requests).
void SetHelpHandler(THelpHandler handler);
// The latest request and how many were made (for tests).
THelpRequest LastHelpRequest();
int HelpRequestCount();

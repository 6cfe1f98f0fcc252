#pragma once
// "What's This?": the pop-up help topic of a control, by its context number.
// Until the help window exists this only remembers the request, so callers
// and tests agree on which topic was asked for.

class QWidget;

// Shows the pop-up topic `context` for the control `widget`.
void ShowWhatsThis(QWidget* widget, int context);
// The context of the last request (0 before the first).
int LastWhatsThisContext();

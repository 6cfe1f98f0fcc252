#pragma once
// The "What's This?" entry point: a right-button release on a control asks
// for the help topic of that control. The pop-up menu and the help topics
// are shown by the help window; until it is wired in, the request is only
// remembered (the main window's WhatsThisContext and LastWhatsThisContext).

class QWidget;

// Asks for the "What's This?" topic `context` of `source`.
void ShowWhatsThis(QWidget* source, int context);
// The context of the latest request; 0 before the first (for tests).
int LastWhatsThisContext();
// The help context of a toolbox block from its home top (its Tag): the
// contexts of the six property panels, 0 for any other value.
int BrickWhatsThisContext(int homeTop);

#pragma once
// The "What's This?" entry point: a right-button release on a control asks
// for the help topic of that control. The main window's help system pops up
// its "What's This?" menu at the mouse; choosing the item shows the topic.

class QWidget;
class TPicture;

// Asks the help desk around `source` for the "What's This?" topic
// `context` of `source`: the desk remembers the context and pops up the
// menu at the mouse.
void ShowWhatsThis(QWidget* source, int context);
// The same for a toolbox block, whose context follows from its kind.
void ShowBrickWhatsThis(TPicture* brick);
// The help context of a toolbox block from its home top (its Tag): the
// contexts of the six property panels, 0 for any other value.
int BrickWhatsThisContext(int homeTop);

#pragma once
// Keys and names of the program as a whole: the "&Stage" menu whose items
// switch to the five stages on Ctrl+1 to Ctrl+5 through the stage switch,
// the toolbar's stage arrows described for assistive technology, and an
// accessible name for every control that has none of its own (taken from
// the label beside it, its hint or its text).

class QWidget;
class TfrmMain;

void AttachProgramKeys(TfrmMain& window);
// Names the controls under `root` that have no accessible name yet.
void NameControls(QWidget* root);

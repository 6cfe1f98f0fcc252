#pragma once
// Boxes that change their value under the mouse wheel (drop-down lists,
// number boxes) ignore the wheel unless they have the keyboard focus, so
// that scrolling past them changes nothing; the wheel then goes on to what
// holds them.

class QWidget;

// Guards every such box inside `root` (and `root` itself).
void GuardWheels(QWidget* root);

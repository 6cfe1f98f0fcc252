#pragma once
// The keyboard on the build canvas, beside the mouse. Two focus stops stand
// on the canvas, one over the toolbox column and one over the page column,
// between whatever comes before the canvas and the property panel in the Tab
// order. In the toolbox, Up/Down choose a block kind and Enter or Insert puts
// a block of it below the selected page block. In the page column, Up/Down,
// Home and End select, Alt or Ctrl with Up/Down move the selected block one
// place, Delete shreds it and Enter goes into its property panel; Escape in
// the panel comes back. A frame shows the block the keys act on.
//
// The keys change the page only through the canvas's own page changes, so
// the history, the changed flag and the view follow as they do for the mouse;
// while the mouse carries a block they do nothing.

#include <QObject>
#include <QString>

class QFrame;
class QWidget;
class TBuildCanvas;
struct TWebChunk;

// "Heading block", "E-mail Link block", ...
QString BlockKindName(int kind);
// What a block says, in one line: the paragraph's or heading's text, the
// link's text, the picture's file, the address, the line's width.
QString BlockSummary(const TWebChunk& chunk);

class TCanvasKeys : public QObject {
    Q_OBJECT
public:
    // Makes the focus stops and the frame on the canvas (call before the
    // property panels exist, so that the stops come first in the Tab order).
    explicit TCanvasKeys(TBuildCanvas& canvas);
    // Lets Escape in the property panels' fields come back to the page column.
    void WirePanels();

    int ToolKind() const { return toolKind_; }
    // Moves the frame to the block the focused stop acts on, hides it when
    // neither stop has the focus, and renames the stops for assistive
    // technology.
    void UpdateFocusFrame();

    QWidget* fcsToolBox = nullptr;
    QWidget* fcsPageColumn = nullptr;
    QFrame* shpFocusFrame = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ToolboxKey(int key, Qt::KeyboardModifiers modifiers);
    bool PageKey(int key, Qt::KeyboardModifiers modifiers);
    // The property panel field a block's panel starts with.
    QWidget* FirstField() const;
    // Gives the focus back to `stop` after a page change moved it into the panel.
    void KeepFocus(QWidget* stop);

    TBuildCanvas& canvas_;
    int toolKind_ = 0;
};

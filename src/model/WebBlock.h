#pragma once
// A block's picture on the build canvas: one row of the page column.

#include <QLabel>

class TPage;

class TWebBlock : public QLabel {
    Q_OBJECT
public:
    static constexpr int BlockWidth = 95;
    static constexpr int BlockHeight = 22;

    explicit TWebBlock(const TPage* page, QWidget* parent = nullptr);

    int ChunkIndex = 0;  // index in the page's WebChunks of the block shown
    int SlotIndex = 0;   // the canvas row (0-based) the control stands on

    // Shows the normal (not highlighted) picture of the block's kind again.
    void ClearHighlight();

signals:
    void pressed(TWebBlock* block, QMouseEvent* event);
    void moved(TWebBlock* block, QMouseEvent* event);
    void released(TWebBlock* block, QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TPage* page_;
};

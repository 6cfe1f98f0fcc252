#pragma once
// The left and right margins of a cell as they vary down the page: floating
// images and list levels push the margins in over a range of Y.
// An L record's X is relative to LfEdge, an R record's X to RtEdge, so
// moving the edges (for drawing) moves every record with the cell.

#include <vector>

class TImageObj;

struct IndentRec {
    int X = 0;    // px, relative to the edge (R records: 0 or below)
    int YT = 0;   // px, document Y of the top, inclusive
    int YB = 0;   // px, document Y of the bottom, inclusive
    int Lev = 0;  // list level of a level record; 0 for images
};

class IndentManager {
public:
    int Width = 0;      // px, the cell's width
    int ClipWidth = 0;  // px
    int LfEdge = 0;     // px
    int RtEdge = 0;     // px
    int CurrentLevel = 0;
    std::vector<IndentRec> L, R;

    void Clear();
    void Reset(int lfEdge, int rtEdge);
    // Registers a floating image at Y and sets its Indent.
    void Update(int Y, TImageObj& image);
    int LeftIndent(int Y) const;
    int RightSide(int Y) const;
    int ImageBottom() const;
    // First Y below the left images (clear 1), the right images (2) or both
    // (3); 0 when there are none.
    int GetClearY(int clear) const;
    void SetLevel(int Y, int level);
    int GetLevelClear() const;
    // Forgets records that end above Y. Layout moves down the cell, so no
    // later question can reach them; this keeps long documents linear.
    void Prune(int Y);
};

#include "viewer/IndentManager.h"

#include "viewer/HtmlImages.h"

#include <algorithm>

void IndentManager::Clear() {
    L.clear();
    R.clear();
    CurrentLevel = 0;
}

void IndentManager::Reset(int lfEdge, int rtEdge) {
    LfEdge = lfEdge;
    RtEdge = rtEdge;
    CurrentLevel = 0;
}

int IndentManager::LeftIndent(int Y) const {
    int x = 0;
    for (const IndentRec& r : L)
        if (r.YT <= Y && Y <= r.YB && r.X > x)
            x = r.X;
    return LfEdge + x;
}

int IndentManager::RightSide(int Y) const {
    int x = 0;
    for (const IndentRec& r : R)
        if (r.YT <= Y && Y <= r.YB && r.X < x)
            x = r.X;
    return RtEdge + x;
}

void IndentManager::Update(int Y, TImageObj& image) {
    IndentRec rec;
    rec.YT = Y;
    rec.YB = Y + image.ImageHeight;
    if (image.ObjAlign == TImageObj::ALeft) {
        image.Indent = LeftIndent(Y) - LfEdge;
        rec.X = image.Indent + image.ImageWidth + 5;
        L.push_back(rec);
    } else {
        image.Indent = RightSide(Y) - (RtEdge + image.ImageWidth + 5);
        rec.X = image.Indent;
        R.push_back(rec);
    }
}

int IndentManager::ImageBottom() const {
    int b = 0;
    for (const IndentRec& r : L)
        if (r.Lev == 0)
            b = std::max(b, r.YB);
    for (const IndentRec& r : R)
        b = std::max(b, r.YB);
    return b;
}

int IndentManager::GetClearY(int clear) const {
    int y = 0;
    if (clear == 1 || clear == 3)
        for (const IndentRec& r : L)
            if (r.Lev == 0)
                y = std::max(y, r.YB + 1);
    if (clear == 2 || clear == 3)
        for (const IndentRec& r : R)
            y = std::max(y, r.YB + 1);
    return y;
}

void IndentManager::SetLevel(int Y, int level) {
    if (level > CurrentLevel) {
        for (int lev = CurrentLevel + 1; lev <= level; ++lev) {
            IndentRec rec;
            rec.Lev = lev;
            rec.YT = Y;
            rec.YB = 9999999;
            rec.X = LeftIndent(Y) - LfEdge + 35;
            L.push_back(rec);
        }
    } else if (level < CurrentLevel) {
        for (IndentRec& r : L)
            if (r.Lev > level) {
                r.Lev = 0;
                r.YB = Y - 1;
            }
    }
    CurrentLevel = level;
}

int IndentManager::GetLevelClear() const {
    const IndentRec* cur = nullptr;
    for (const IndentRec& r : L)
        if (r.Lev == CurrentLevel && CurrentLevel > 0)
            cur = &r;
    if (!cur)
        return 0;
    int y = 0;
    for (const IndentRec& r : L)
        if (r.Lev == 0 && r.X > cur->X)
            y = std::max(y, r.YB + 1);
    return y;
}

void IndentManager::Prune(int Y) {
    auto dead = [Y](const IndentRec& r) { return r.YB < Y; };
    L.erase(std::remove_if(L.begin(), L.end(), dead), L.end());
    R.erase(std::remove_if(R.begin(), R.end(), dead), R.end());
}

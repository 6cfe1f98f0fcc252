// Line breaking and hit testing of text sections. A line is a range over
// the section's text, rebuilt by every layout.
#include "viewer/HtmlForm.h"
#include "viewer/HtmlSections.h"
#include "viewer/IndentManager.h"
#include "viewer/SectionList.h"

#include <algorithm>

namespace {
inline bool isPlaceholder(QChar c) { return c == QChar(ImageCode) || c == QChar(FormCode); }
inline bool isSpace(QChar c) { return c == QLatin1Char(' '); }

// The first control at or after text position `pos`.
auto firstControlFrom(const TPackedArray<TFormControlObj*>& controls, int pos) {
    return std::lower_bound(controls.begin(), controls.end(), pos,
                            [](const TFormControlObj* c, int p) { return c->Pos < p; });
}

int clearSpace(const IndentManager& IMgr, TClear clearAttr, int Y) {
    if (clearAttr == clNone)
        return 0;
    return std::max(0, IMgr.GetClearY(clearAttr) - Y);
}
}  // namespace

// The end of the text piece starting at i: the next font change or
// placeholder, or `limit`.
static int pieceEnd(const TSection& s, int i, int limit) {
    const int fi = s.fontIndexAt(i);
    int end = limit;
    if (size_t(fi + 1) < s.Fonts.size())
        end = std::min(end, s.Fonts[size_t(fi + 1)].Pos);
    if (s.Images.isEmpty() && s.FormControls.empty())
        return std::max(end, i + 1);
    const TSectionText& b = s.Buff;
    for (int k = i; k < end; ++k)
        if (isPlaceholder(b[k]))
            return k == i ? i + 1 : k;
    return std::max(end, i + 1);
}

int TSection::textWidth(TMeasurer& m, int from, int to) const {
    int w = 0;
    int i = from;
    if (Fonts.size() <= 1 && Images.isEmpty() && FormControls.empty()) {
        // One font and no pictures or controls: the loop below would skip
        // the placeholder codes at the start (they stand for nothing here)
        // and measure the rest as one piece. So it is done here, without
        // looking up the piece's end and font for it.
        while (i < to && isPlaceholder(Buff[i]))
            ++i;
        if (i >= to)
            return 0;
        const TRunFont& f = runFont(Fonts[0]);
        return Buff.width(m, f.FontId, i, to - i) - f.Overhang;
    }
    while (i < to) {
        const QChar c = Buff[i];
        if (c == QChar(ImageCode)) {
            const TImageObj* img = imageAt(i);
            if (img && !img->floating())
                w += img->ImageWidth;
            ++i;
            continue;
        }
        if (c == QChar(FormCode)) {
            if (const TFormControlObj* ctl = controlAt(i))
                w += ctl->Width;
            ++i;
            continue;
        }
        const int e = pieceEnd(*this, i, to);
        const TRunFont& f = fontAt(i);
        w += Buff.width(m, f.FontId, i, e - i) - f.Overhang;
        i = e;
    }
    return w;
}

int TSection::fitRun(TMeasurer& m, const TRunFont& f, int from, int to, int room, int* allWidth) const {
    const int total = to - from;
    // Characters are seldom narrower than a pixel: decode only as many as
    // could fit, and all of them when even those fit.
    const int n = std::min<qint64>(total, qint64(std::max(room, 0)) + f.Overhang + 1);
    TSectionText::Buffer buf;
    int width = 0;
    int k = m.fit(f.FontId, Buff.chars(from, n, buf), n, room, f.Overhang, &width);
    if (k == n && n < total)
        k = m.fit(f.FontId, Buff.chars(from, total, buf), total, room, f.Overhang, &width);
    if (k == total && allWidth)
        *allWidth = width - f.Overhang;
    return k;
}

void TSection::measureImages(TMeasurer& m) {
    for (const auto& img : Images) {
        const TRunFont& f = fontAt(img->Pos);
        int altW = 0;
        if (!img->Alt.isEmpty())
            altW = m.width(f.FontId, img->Alt.constData(), int(img->Alt.size()));
        img->DrawLogic(*ParentSectionList, !urlAt(img->Pos).isEmpty(), altW, f.FontHeight);
    }
}

int TSection::DrawLogic(TMeasurer& m, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr) {
    StartCurs = Curs;
    SectionHeight = 0;
    Lines.clear();
    // The lines are gathered in the document's scratch array, then kept at
    // exactly their number.
    TPackedArray<LineRec>& lines = ParentSectionList->LineScratch;
    lines.clear();
    YValue = Y;
    IMgr.SetLevel(Y, ListLevel);
    resolveFonts(m);
    const int Y0 = Y;
    if (Len == 0) {
        SectionHeight = DrawHeight = clearSpace(IMgr, ClearAttr, Y);
        MaxWidth = 0;
        return SectionHeight;
    }
    LeftIndentAtTop = IMgr.LeftIndent(Y) - IMgr.LfEdge;
    MaxWidth = IMgr.Width;
    if (!Images.isEmpty())
        measureImages(m);
    if (ParentSectionList->FitImagesToWidth)
        for (const auto& img : Images)
            img->FitWithin(IMgr.Width - indent());
    for (const auto& img : Images)
        MaxWidth = std::max(MaxWidth, img->ImageWidth + indent());
    for (const TFormControlObj* c : FormControls)
        MaxWidth = std::max(MaxWidth, c->Width + indent());

    const TSectionText& b = Buff;
    std::vector<TImageObj*> pending;
    int pos = 0;
    int imgIdx = 0;  // first image not before the current line
    bool first = true;
    while (pos < Len) {
        LineRec line;
        line.Start = pos;
        line.Top = Y;
        const int clear = first ? clearSpace(IMgr, ClearAttr, Y) : 0;
        const int yT = Y + clear;
        int lf = IMgr.LeftIndent(yT), rt = IMgr.RightSide(yT);
        int avail = Preformatted ? 32000 : rt - lf;
        int floatHt = 0;
        pending.clear();

        // 1. How much fits. A text measured whole that fits takes the
        // line as it is (the same sum fitRun would make).
        int x = 0, i = pos;
        bool empty = true, full = false;
        if (pos == 0 && NaturalGen == ParentSectionList->FontsGeneration() && NaturalWidth <= avail &&
            !Preformatted) {
            x = NaturalWidth;
            i = Len;
            empty = false;
        }
        while (i < Len && !full) {
            const QChar c = b[i];
            if (c == QChar(ImageCode)) {
                TImageObj* img = imageAt(i);
                if (img && img->floating()) {
                    if (empty) {
                        IMgr.Update(yT, *img);
                        img->LayoutY = yT;
                        floatHt = std::max(floatHt, img->ImageHeight);
                        lf = IMgr.LeftIndent(yT);
                        rt = IMgr.RightSide(yT);
                        if (!Preformatted)
                            avail = rt - lf;
                    } else {
                        pending.push_back(img);
                    }
                    ++i;
                    continue;
                }
                const int w = img ? img->ImageWidth : 0;
                if (!empty && x + w > avail) {
                    full = true;
                    break;
                }
                x += w;
                ++i;
                empty = false;
                continue;
            }
            if (c == QChar(FormCode)) {
                const TFormControlObj* ctl = controlAt(i);
                const int w = ctl ? ctl->Width : 0;
                if (!empty && x + w > avail) {
                    full = true;
                    break;
                }
                x += w;
                ++i;
                empty = false;
                continue;
            }
            const int e = pieceEnd(*this, i, Len);
            const TRunFont& f = fontAt(i);
            int runWidth = 0;
            int n = fitRun(m, f, i, e, avail - x, &runWidth);
            if (n == e - i) {
                x += runWidth;
                i = e;
                empty = false;
                continue;
            }
            if (n == 0 && empty)
                n = 1;  // at least one character per line
            i += n;
            full = true;
        }

        // 2. Where the line breaks.
        int end = i;
        if (end < Len) {
            if (isSpace(b[end - 1]) || isSpace(b[end])) {
                // The spaces after the last fitting word stay on this line.
                while (end < Len && isSpace(b[end]))
                    ++end;
            } else if (!isPlaceholder(b[end])) {
                int k = end;
                while (k > pos && !isSpace(b[k - 1]) && !isPlaceholder(b[k - 1]))
                    --k;
                if (k > pos) {
                    end = k;
                } else {
                    // A word longer than the line overflows it.
                    while (end < Len && !isSpace(b[end]) && !isPlaceholder(b[end]))
                        ++end;
                    while (end < Len && isSpace(b[end]))
                        ++end;
                }
            }
        }
        line.Ln = end - pos;

        // 3. Height: the tallest font of the line, then taller images.
        int fi = fontIndexAt(pos);
        do {
            const TRunFont& f = runFont(Fonts[size_t(fi)]);
            if (f.FontHeight > line.LineHt) {
                line.LineHt = f.FontHeight;
                line.Descent = f.Descent;
            }
            ++fi;
        } while (size_t(fi) < Fonts.size() && Fonts[size_t(fi)].Pos < end);
        int before = 0;
        while (imgIdx < Images.count() && Images.at(imgIdx)->Pos < pos)
            ++imgIdx;
        for (int k = imgIdx; k < Images.count() && Images.at(k)->Pos < end; ++k) {
            const TImageObj* img = Images.at(k);
            if (img->floating())
                continue;
            const int h = img->ImageHeight;
            if (img->ObjAlign == TImageObj::ATop) {
                line.SpaceAfter = std::max(line.SpaceAfter, h - line.LineHt);
            } else if (img->ObjAlign == TImageObj::AMiddle) {
                const int ex = h - line.LineHt;
                if (ex > 0) {
                    line.SpaceAfter = std::max(line.SpaceAfter, ex / 2);
                    before = std::max(before, ex - ex / 2);
                }
            } else {
                before = std::max(before, h + line.Descent - line.LineHt);
            }
        }
        // A control stands with its bottom on the line's bottom, or on the
        // baseline.
        for (auto it = firstControlFrom(FormControls, pos); it != FormControls.end() && (*it)->Pos < end; ++it)
            if (const TFormControlObj* c = *it)
                before = std::max(before, c->Height - line.LineHt + (c->OnBaseline ? line.Descent : 0));
        line.SpaceBefore = clear + before;

        // 4. Where the line starts.
        int textEnd = end;
        while (textEnd > pos && isSpace(b[textEnd - 1]))
            --textEnd;
        // A line that took the rest of the text without trailing spaces was
        // measured piece by piece as it was fitted, just as textWidth would.
        line.TextWidth = !full && textEnd == Len ? x : textWidth(m, pos, textEnd);
        if (Justify == jsCenter && !Preformatted)
            line.LineIndent = std::max(lf, (lf + rt - line.TextWidth) / 2);
        else if (Justify == jsRight && !Preformatted)
            line.LineIndent = std::max(lf, rt - line.TextWidth);
        else
            line.LineIndent = lf;
        line.LineIndent -= IMgr.LfEdge;
        MaxWidth = std::max(MaxWidth, line.LineIndent + line.TextWidth);

        // Inline images: where they sit, for hit tests.
        const int baseline = Y + line.SpaceBefore + line.LineHt - line.Descent;
        for (int k = imgIdx; k < Images.count() && Images.at(k)->Pos < end; ++k) {
            TImageObj* img = Images.at(k);
            if (img->floating())
                continue;
            img->LayoutX = line.LineIndent + textWidth(m, pos, img->Pos);
            if (img->ObjAlign == TImageObj::AMiddle) {
                const TRunFont& f = fontAt(img->Pos);
                img->LayoutY = baseline + f.Descent - f.FontHeight / 2 - img->ImageHeight / 2;
            } else if (img->ObjAlign == TImageObj::ABottom) {
                img->LayoutY = baseline - img->ImageHeight + 1;
            } else {
                img->LayoutY = Y + line.SpaceBefore;
            }
        }

        // 5. Advance; floats met later in the line go below it.
        const int flow = line.LineHt + line.SpaceBefore + line.SpaceAfter;
        line.DrawHeight = std::max(flow, clear + floatHt);
        SectionHeight += flow;
        Y += flow;
        for (TImageObj* img : pending)
            if (img->Pos < end) {
                IMgr.Update(Y, *img);
                img->LayoutY = Y;
            }
        lines.push_back(line);
        pos = end;
        first = false;
    }
    for (const auto& img : Images)
        if (img->floating())
            img->LayoutX = img->ObjAlign == TImageObj::ALeft
                               ? img->Indent
                               : IMgr.RtEdge - IMgr.LfEdge + img->Indent + 5;

    Curs = StartCurs + Len;
    if (ListLevel > 0)
        SectionHeight = std::max(SectionHeight, IMgr.GetLevelClear() - Y0);
    DrawHeight = std::max(SectionHeight, IMgr.ImageBottom() - Y0);
    Lines.assign(lines, ParentSectionList->Arena);  // kept until the next layout
    return SectionHeight;
}

int TPreFormated::DrawLogic(TMeasurer& m, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr) {
    const int oldWidth = IMgr.Width;
    IMgr.Width = 32000;
    TSection::DrawLogic(m, Y, Curs, MaxWidth, IMgr);
    IMgr.Width = oldWidth;
    MaxWidth = textWidth(m, 0, Len) + indent();
    return SectionHeight;
}

// ---- hit tests --------------------------------------------------------------

int TSection::xOfChar(TMeasurer& m, const LineRec& line, int index) const {
    return line.LineIndent + textWidth(m, line.Start, std::clamp(index, line.Start, line.Start + line.Ln));
}

// Characters of the line left of X; a character whose left half lies left
// of X counts.
int TSection::charIndexAtX(TMeasurer& m, const LineRec& line, int X) const {
    int x = line.LineIndent;
    const int end = line.Start + line.Ln;
    for (int i = line.Start; i < end; ++i) {
        const int w = textWidth(m, i, i + 1);
        if (x + w / 2 > X)
            return i - line.Start;
        x += w;
    }
    return line.Ln;
}

static const LineRec* lineAtY(const TPackedArray<LineRec>& lines, int Y) {
    for (const LineRec& l : lines)
        if (Y < l.Top + l.SpaceBefore + l.LineHt + l.SpaceAfter)
            return &l;
    return nullptr;
}

int TSection::FindCursor(TMeasurer& m, int X, int Y, int& LineY, int& LineHt) const {
    const LineRec* line = lineAtY(Lines, Y);
    if (!line)
        return -1;
    LineY = line->Top;
    LineHt = line->SpaceBefore + line->LineHt + line->SpaceAfter;
    return StartCurs + line->Start + charIndexAtX(m, *line, X);
}

bool TSection::GetURL(TMeasurer& m, int X, int Y, QString& URL) const {
    for (const auto& img : Images) {
        const int bd = img->HasBorder ? 1 : 0;
        const QRect box(img->LayoutX + bd, img->LayoutY + bd, img->ImageWidth - 2 * bd,
                        img->ImageHeight - 2 * bd);
        if (!box.contains(X, Y))
            continue;
        const QString url = urlAt(img->Pos);
        const int ix = X - box.left(), iy = Y - box.top();
        if (img->UseMap) {
            if (const TMapItem* map = ParentSectionList->FindMap(img->MapName))
                return map->GetURL(ix, iy, URL);
        }
        if (url.isEmpty())
            continue;
        URL = img->IsMap ? url + QLatin1Char('?') + QString::number(ix) + QLatin1Char(',') +
                               QString::number(iy)
                         : url;
        return true;
    }
    const LineRec* line = lineAtY(Lines, Y);
    if (!line || X < line->LineIndent)
        return false;
    // The character under X.
    int x = line->LineIndent;
    const int end = line->Start + line->Ln;
    for (int i = line->Start; i < end; ++i) {
        x += textWidth(m, i, i + 1);
        if (X < x) {
            URL = urlAt(i);
            return !URL.isEmpty();
        }
    }
    return false;
}

bool TSection::CursorToXY(TMeasurer& m, int Index, int& X, int& Y) const {
    const int i = Index - StartCurs;
    if (i < 0 || i > Len || Lines.empty())
        return false;
    for (const LineRec& l : Lines)
        if (i < l.Start + l.Ln || &l == &Lines.back()) {
            X = xOfChar(m, l, i);
            Y = l.Top;
            return true;
        }
    return false;
}

// Section construction, text and font runs, spacing sections, copying and
// searching. Line layout and hit tests are in SectionLayout.cpp, drawing in
// SectionDraw.cpp.
#include "viewer/HtmlSections.h"

#include "viewer/HtmlForm.h"
#include "viewer/HtmlTokens.h"
#include "viewer/IndentManager.h"
#include "viewer/SectionList.h"

#include <algorithm>
#include <cassert>

namespace {
// Heights of spacing sections scale with the document font size.
int scaled(const TSectionList* list, int px) { return list ? px * list->FontSize / 12 : px; }
}  // namespace

// ---- TSectionBase ---------------------------------------------------------

void TSectionBase::operator delete(TSectionBase* s, std::destroying_delete_t) {
    if (s->PieceUnits == 0) {
        s->~TSectionBase();
        ::operator delete(s);
        return;
    }
    TArena& arena = s->ParentSectionList->Arena;
    const size_t bytes = size_t(s->PieceUnits) * 8;
    assert(bytes >= sizeof(TSectionBase) && "a section larger than its arena piece");
    s->~TSectionBase();
    arena.recycle(s, bytes);
}

void TSectionBase::CopyToClipboard(QString&, int, int) const {}

int TSectionBase::DrawLogic(TMeasurer&, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr) {
    StartCurs = Curs;
    YValue = Y;
    DrawHeight = SectionHeight;
    MaxWidth = IMgr.Width;
    return SectionHeight;
}

int TSectionBase::Draw(TDrawContext&, int, int Y) { return Y + SectionHeight; }
bool TSectionBase::GetURL(TMeasurer&, int, int, QString&) const { return false; }
int TSectionBase::FindCursor(TMeasurer&, int, int, int&, int&) const { return -1; }
int TSectionBase::FindString(int, const QString&, bool) const { return -1; }
bool TSectionBase::CursorToXY(TMeasurer&, int, int&, int&) const { return false; }
void TSectionBase::UpdateFonts() { UpdateSpacing(); }

void TSectionBase::MinMaxWidth(TMeasurer&, int& Min, int& Max) {
    Min = 0;
    Max = 0;
}

void TSectionBase::MoveBy(int dy, int dcurs) {
    YValue += dy;
    StartCurs += dcurs;
}

// ---- spacing sections -----------------------------------------------------

namespace {
// A zero-length section is copied as one empty line when the selection
// runs across it.
void copyEmptyLine(const TSectionBase& s, QString& out, int selB, int selE) {
    if (selB < s.StartCurs && s.StartCurs < selE)
        out += QStringLiteral("\r\n");
}
}  // namespace

void TParagraphSpace::UpdateSpacing() { SectionHeight = scaled(ParentSectionList, 14); }
void TParagraphSpace::CopyToClipboard(QString& out, int selB, int selE) const {
    copyEmptyLine(*this, out, selB, selE);
}

void THeadingSpace::UpdateSpacing() {
    static const int kHeights[6] = {16, 12, 10, 8, 6, 4};
    const int h = (Level >= 1 && Level <= 6) ? kHeights[Level - 1] : 8;
    SectionHeight = scaled(ParentSectionList, h);
}
void THeadingSpace::CopyToClipboard(QString& out, int selB, int selE) const {
    copyEmptyLine(*this, out, selB, selE);
}

void THorzLine::UpdateSpacing() { SectionHeight = scaled(ParentSectionList, 20) + Size - 2; }
void THorzLine::CopyToClipboard(QString& out, int selB, int selE) const {
    copyEmptyLine(*this, out, selB, selE);
}

int THorzLine::DrawLogic(TMeasurer& m, int Y, int& Curs, int& MaxWidth, IndentManager& IMgr) {
    Left = IMgr.LeftIndent(Y) - IMgr.LfEdge;
    Right = IMgr.RightSide(Y) - IMgr.LfEdge;
    return TSectionBase::DrawLogic(m, Y, Curs, MaxWidth, IMgr);
}

// ---- TSection ---------------------------------------------------------------

TSection::TSection(TSectionList* list, int level, TJustify justify, const TMyFont& font, TScript sscript,
                   const QString& url)
    : TSectionBase(list), Justify(justify == jsNone ? jsLeft : justify), ListLevel(level) {
    TFontObj f;
    f.Pos = 0;
    f.Style = list->InternStyle(font, sscript, url);
    Fonts.push_back(f, list->Arena);
    SectionFont = list->RunStyles[size_t(f.Style)].Font;
}

TSection::~TSection() { Fonts.release(ParentSectionList->Arena); }

void TSection::AddText(const QString& S) {
    if (S.isEmpty() || Len > MaxSectionText)
        return;
    qsizetype start = 0;
    if (S[0] == QLatin1Char(' ')) {
        bool drop = Len == 0 || Buff[Len - 1] == QLatin1Char(' ');
        if (!drop && Len <= Images.count()) {
            // Only floating images so far: text starts beside them.
            drop = true;
            for (int i = 0; i < Len && drop; ++i) {
                const TImageObj* img = Buff[i] == QChar(ImageCode) ? imageAt(i) : nullptr;
                drop = img && img->floating();
            }
        }
        if (drop)
            start = 1;
    }
    if (start >= S.size())
        return;
    Buff.append(S.constData() + start, S.size() - start);
    Len = int(Buff.size());
}

void TPreFormated::AddText(const QString& S) {
    if (S.isEmpty() || Len > MaxSectionText)
        return;
    Buff += S;
    Len = int(Buff.size());
}

void TSection::ChangeFont(const TMyFont& font, TScript sscript, const QString& url) {
    TFontObj* last = &Fonts.back();
    if (last->Pos != Len) {
        Fonts.push_back(TFontObj(), ParentSectionList->Arena);
        last = &Fonts.back();
        last->Pos = Len;
    }
    last->Style = ParentSectionList->InternStyle(font, sscript, url);
}

void TSection::AddImage(const TAttributeList& attrs) {
    if (Len > MaxSectionText)
        return;
    Images.add(std::make_unique<TImageObj>(Len, attrs));
    Buff += QChar(ImageCode);
    Len = int(Buff.size());
}

int TSection::fontIndexAt(int index) const {
    // Most sections keep one font throughout (a table cell's word, a plain
    // paragraph): no search then.
    if (Fonts.size() <= 1)
        return 0;
    // The run with the greatest Pos not beyond index.
    auto it = std::upper_bound(Fonts.begin(), Fonts.end(), index,
                               [](int i, const TFontObj& f) { return i < f.Pos; });
    return it == Fonts.begin() ? 0 : int(it - Fonts.begin()) - 1;
}

const TRunFont& TSection::runFont(const TFontObj& run) const {
    const TSectionList* list = ParentSectionList;
    return list->RunFonts[size_t(list->RunStyles[size_t(run.Style)].Font)];
}

const TRunFont& TSection::fontAt(int index) const { return runFont(Fonts[size_t(fontIndexAt(index))]); }

const TRunFont& TSection::sectionFont() const { return ParentSectionList->RunFonts[size_t(SectionFont)]; }

QString TSection::urlAt(int index) const {
    const int u = ParentSectionList->RunStyles[size_t(Fonts[size_t(fontIndexAt(index))].Style)].Url;
    return u < 0 ? QString() : ParentSectionList->Urls[u];
}

TImageObj* TSection::imageAt(int pos) const {
    int lo = 0, hi = Images.count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (Images.at(mid)->Pos < pos)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < Images.count() && Images.at(lo)->Pos == pos ? Images.at(lo) : nullptr;
}

void TSection::resolveFonts(TMeasurer& m) { ParentSectionList->ResolveFonts(m); }

void TSection::MoveBy(int dy, int dcurs) {
    TSectionBase::MoveBy(dy, dcurs);
    for (LineRec& l : Lines)
        l.Top += dy;
    for (const auto& img : Images)
        img->LayoutY += dy;
}

void TSection::ResetImages() {
    for (const auto& img : Images) {
        img->Measured = false;
        img->Obtained = false;
        img->Image = QImage();
    }
}

void TSection::CopyToClipboard(QString& out, int selB, int selE) const {
    for (const LineRec& line : Lines) {
        const int ls = StartCurs + line.Start;
        const int le = ls + line.Ln;
        if (le <= selB || ls >= selE)
            continue;
        const int a = std::max(selB, ls);
        const int b = std::min(selE, le);
        if (a == ls) {
            // Three spaces per 35 px of indent, at most as many as the
            // deepest list gives, so floats far to the left cannot make the
            // copy grow beyond the text itself.
            const int spaces = std::min(3 * (std::max(0, line.LineIndent) / 35), MaxCopyIndent);
            out += QString(spaces, QLatin1Char(' '));
        }
        // The characters in stretches between image and control marks.
        TSectionText::Buffer buf;
        const QChar* s = Buff.chars(a - StartCurs, b - a, buf);
        int from = 0;
        for (int i = 0; i <= b - a; ++i) {
            if (i == b - a || s[i] == QChar(ImageCode) || s[i] == QChar(FormCode)) {
                out.append(s + from, i - from);
                from = i + 1;
            }
        }
        out += QLatin1String("\r\n");
    }
}

int TSection::FindString(int From, const QString& S, bool MatchCase) const {
    if (S.isEmpty())
        return -1;
    const int start = std::max(0, From - StartCurs);
    if (start >= Len)
        return -1;
    const qsizetype i = Buff.indexOf(S, start, MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return i < 0 ? -1 : StartCurs + int(i);
}

void TSection::MinMaxWidth(TMeasurer& m, int& Min, int& Max) {
    resolveFonts(m);
    if (!Images.isEmpty())
        measureImages(m);
    int floats = 0, widestImage = 0;
    for (const auto& img : Images) {
        if (img->floating())
            floats += img->ImageWidth;
        else
            widestImage = std::max(widestImage, img->ImageWidth);
    }
    for (const TFormControlObj* c : FormControls)
        widestImage = std::max(widestImage, c->Width);
    int widestWord = 0;
    int i = 0;
    bool oneWord = false;  // the text is a single word, measured below
    while (i < Len) {
        while (i < Len && (Buff[i] == QLatin1Char(' ') || Buff[i] == QChar(ImageCode) ||
                           Buff[i] == QChar(FormCode)))
            ++i;
        const int start = i;
        while (i < Len && Buff[i] != QLatin1Char(' ') && Buff[i] != QChar(ImageCode) &&
               Buff[i] != QChar(FormCode))
            ++i;
        if (i > start) {
            widestWord = std::max(widestWord, textWidth(m, start, i));
            oneWord = start == 0 && i == Len;
        }
    }
    const int whole = oneWord ? widestWord : textWidth(m, 0, Len);
    Max = floats + whole + indent();
    Min = std::max(widestImage, widestWord + floats) + indent();
    if (Fonts.size() <= 1 && Images.isEmpty() && FormControls.empty()) {
        NaturalWidth = whole;
        NaturalGen = ParentSectionList->FontsGeneration();
    }
}

void TPreFormated::MinMaxWidth(TMeasurer& m, int& Min, int& Max) {
    resolveFonts(m);
    Max = textWidth(m, 0, Len) + indent();
    Min = std::min(500, Max);
}

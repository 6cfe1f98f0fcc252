#include "viewer/SectionList.h"

#include "viewer/SectionDraw.h"

#include <QSet>
#include <algorithm>

void ForEachSection(const TCell& cell, const std::function<void(TSectionBase&)>& f) {
    for (const auto& s : cell) {
        f(*s);
        s->ForEachCell([&f](TCell& inner) { ForEachSection(inner, f); });
    }
}

// ---- TCell ------------------------------------------------------------------

void TCell::Add(std::unique_ptr<TSectionBase> section) {
    if (!section)
        return;
    if (TSection* text = section->asText()) {
        // An empty preformatted section keeps its line.
        if (text->Preformatted && text->Len == 0)
            text->AddText(QStringLiteral(" "));
        // An empty text section takes no room and shows nothing, unless it
        // clears floats or an anchor names it.
        if (text->Len == 0 && text->ClearAttr == clNone && !text->Anchored)
            return;
        // The section is complete: its text and runs move into the arena,
        // at exactly their size.
        text->Buff.moveTo(MasterList->Arena);
        text->Fonts.moveTo(MasterList->Arena);
    }
    section->ParentSectionList = MasterList;
    section->UpdateSpacing();
    add(std::move(section), MasterList->Arena);
}

void TCell::FinishParse(TArena& arena) {
    moveListTo(arena);
    for (const auto& s : *this)
        s->FinishParse(arena);
}

void TCell::CopyToClipboard(QString& out, int selB, int selE) const {
    for (const auto& s : *this)
        s->CopyToClipboard(out, selB, selE);
}

void TCell::UpdateFonts() {
    for (const auto& s : *this)
        s->UpdateFonts();
}

int TCell::DoLogic(TMeasurer& m, int Y, int Width_, int& Curs, int& MaxWidth) {
    MasterList->ResolveFonts(m);
    Width = Width_;
    LastY = Y;
    StartCurs = Curs;
    // The margins matter only while laying out, so the indent manager lives
    // for this pass alone (cells do not carry one each).
    IndentManager IMgr;
    IMgr.Reset(0, Width_);
    IMgr.Width = Width_;
    int height = 0;
    for (int i = 0; i < count();) {
        TSectionBase* s = at(i);
        int sw = 0;
        try {
            IMgr.Prune(Y + height);
            // Saturate far below int overflow: absurd inputs (thousands of
            // 10000 px images) stack up at the limit instead.
            const qint64 h = s->DrawLogic(m, Y + height, Curs, sw, IMgr);
            height = int(std::min<qint64>(height + h, MaxDocumentHeight));
        } catch (const std::exception& e) {
            MasterList->host().SectionDropped(QString::fromUtf8(e.what()));
            MasterList->ForgetSection(s);
            removeAt(i);
            continue;
        }
        MaxWidth = std::max(MaxWidth, sw);
        ++i;
    }
    Len = Curs - StartCurs;
    return std::max(height, IMgr.ImageBottom() - Y);
}

void TCell::MinMaxWidth(TMeasurer& m, int& Min, int& Max) {
    Min = Max = 0;
    for (const auto& s : *this) {
        int mn = 0, mx = 0;
        s->MinMaxWidth(m, mn, mx);
        Min = std::max(Min, mn);
        Max = std::max(Max, mx);
    }
}

int TCell::Draw(TDrawContext& dc, int X, int Y) {
    for (const auto& s : *this) {
        const int top = s->YValue + dc.yShift;
        if (top > dc.clip.bottom())
            break;  // sections come in document order
        if (dc.meets(s->YValue, std::max(s->DrawHeight, s->SectionHeight)))
            s->Draw(dc, X, s->YValue);
    }
    return Y + (isEmpty() ? 0 : last()->YValue + last()->SectionHeight - Y);
}

TSectionBase* TCell::FindSectionAtPosition(int Y, int& Top, int& Index) const {
    // The last section starting at or above Y.
    int lo = 0, hi = count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (at(mid)->YValue <= Y)
            lo = mid + 1;
        else
            hi = mid;
    }
    for (int i = lo - 1; i >= 0; --i) {
        TSectionBase* s = at(i);
        if (Y < s->YValue + s->SectionHeight) {
            Top = s->YValue;
            Index = i;
            return s;
        }
        if (s->SectionHeight > 0)
            break;
    }
    return nullptr;
}

void TCell::MoveBy(int dy, int dcurs) {
    // A table laid out again where it was moves every cell by nothing:
    // its sections are then not visited at all.
    if (dy == 0 && dcurs == 0)
        return;
    LastY += dy;
    StartCurs += dcurs;
    for (const auto& s : *this)
        s->MoveBy(dy, dcurs);
}

void TCell::ResetImages() {
    for (const auto& s : *this)
        s->ResetImages();
}

bool TCell::GetURL(TMeasurer& m, int X, int Y, QString& URL) const {
    for (const auto& s : *this) {
        if (s->YValue > Y)
            break;
        if (Y < s->YValue + std::max(s->DrawHeight, s->SectionHeight) && s->GetURL(m, X, Y, URL))
            return true;
    }
    return false;
}

int TCell::FindCursor(TMeasurer& m, int X, int Y, int& LineY, int& LineHt) const {
    int top = 0, index = 0;
    const TSectionBase* s = FindSectionAtPosition(Y, top, index);
    return s ? s->FindCursor(m, X, Y, LineY, LineHt) : -1;
}

int TCell::FindString(int From, const QString& S, bool MatchCase) const {
    for (const auto& s : *this) {
        if (s->StartCurs + s->Len <= From)
            continue;
        const int r = s->FindString(From, S, MatchCase);
        if (r >= 0)
            return r;
    }
    return -1;
}

bool TCell::CursorToXY(TMeasurer& m, int Index, int& X, int& Y) const {
    // An index at a section's end is the next section's start, unless no
    // section follows.
    for (const bool atEnd : {false, true})
        for (const auto& s : *this)
            if (s->Len > 0 && Index >= s->StartCurs && Index <= s->StartCurs + s->Len - (atEnd ? 0 : 1) &&
                s->CursorToXY(m, Index, X, Y))
                return true;
    return false;
}

// ---- TSectionList -----------------------------------------------------------

void TSectionList::SetBackground(const QColor& c) {
    Background = c;
    BackgroundChosen = true;
    host_->BackgroundChanged(c);
}

int TSectionList::Draw(QPainter& p, TMeasurer& m, const QRect& clip, int X, int Y) {
    TDrawContext dc{p, m, clip, Y - YOff, *this, {}};
    p.save();
    p.setClipRect(clip);
    const int next = TCell::Draw(dc, X, Y);
    p.restore();
    FormList.HideUndrawn();
    return next;
}

QString TSectionList::CopyToClipboard() const {
    QString out;
    if (SelB < SelE) {
        // The characters, and room for line ends and indents.
        out.reserve(qsizetype(SelE - SelB) + (SelE - SelB) / 8);
        TCell::CopyToClipboard(out, SelB, SelE);
    }
    return out;
}

const TMapItem* TSectionList::FindMap(const QString& name) const {
    for (const auto& map : MapList)
        if (map->MapName == name)
            return map.get();
    return nullptr;
}

void TSectionList::ForgetSection(const TSectionBase* s) {
    if (NameList.isEmpty())
        return;
    // Only sections holding anchors matter; most dropped sections have
    // none, and then the anchor list is not walked at all.
    QSet<const TSectionBase*> gone;
    if (s->Anchored)
        gone.insert(s);
    s->ForEachCell([&gone](TCell& cell) {
        ForEachSection(cell, [&gone](TSectionBase& inner) {
            if (inner.Anchored)
                gone.insert(&inner);
        });
    });
    if (gone.isEmpty())
        return;
    for (auto it = NameList.begin(); it != NameList.end();)
        it = gone.contains(it.value()) ? NameList.erase(it) : std::next(it);
}

uint TSectionList::fontFlags(const TMyFont& f, TScript sscript, bool hot) {
    return uint(f.fixedPitch) | uint(f.bold) << 1 | uint(f.italic) << 2 | uint(f.underline) << 3 |
           uint(hot) << 4 | uint(sscript) << 5;
}

TSectionList::FontKey TSectionList::fontKey(const TMyFont& f, TScript sscript, bool hot) {
    return FontKey{f.name, f.nominal, fontFlags(f, sscript, hot), f.color.rgba()};
}

int TSectionList::InternFont(const TMyFont& font, TScript sscript, bool hot) {
    const FontKey key = fontKey(font, sscript, hot);
    auto it = fontIndex_.constFind(key);
    if (it != fontIndex_.constEnd())
        return it.value();
    TRunFont f;
    f.TheFont = font;
    f.SScript = sscript;
    f.Hot = hot;
    RunFonts.push_back(f);
    const int i = int(RunFonts.size()) - 1;
    fontIndex_.insert(key, i);
    return i;
}

int TSectionList::InternStyle(const TMyFont& font, TScript sscript, const QString& url) {
    // Text mostly goes on in the style it had: the last one answers without
    // hashing the font's name, nor copying it into a key (a table of many
    // cells asks once for each).
    const uint flags = fontFlags(font, sscript, !url.isEmpty());
    if (lastStyle_ >= 0 && flags == lastStyleKey_.flags && font.nominal == lastStyleKey_.nominal &&
        font.color.rgba() == lastStyleKey_.color && font.name == lastStyleKey_.name && url == lastStyleUrl_)
        return lastStyle_;
    lastStyle_ = findStyle(font, sscript, url);
    lastStyleKey_ = fontKey(font, sscript, !url.isEmpty());
    lastStyleUrl_ = url;
    return lastStyle_;
}

int TSectionList::findStyle(const TMyFont& font, TScript sscript, const QString& url) {
    const TRunStyle style{InternFont(font, sscript, !url.isEmpty()), InternUrl(url)};
    const quint64 key = quint64(uint(style.Font)) << 32 | uint(style.Url + 1);
    auto it = styleIndex_.constFind(key);
    if (it != styleIndex_.constEnd())
        return it.value();
    RunStyles.push_back(style);
    const int i = int(RunStyles.size()) - 1;
    styleIndex_.insert(key, i);
    return i;
}

int TSectionList::InternUrl(const QString& url) {
    if (url.isEmpty())
        return -1;
    auto it = urlIndex_.constFind(url);
    if (it != urlIndex_.constEnd())
        return it.value();
    Urls.append(url);
    urlIndex_.insert(url, int(Urls.size()) - 1);
    return int(Urls.size()) - 1;
}

void TSectionList::resolveNewFonts(TMeasurer& m) {
    ++fontsGeneration_;
    for (TRunFont& f : RunFonts) {
        if (f.FontId >= 0 && f.IdOwner == &m)
            continue;
        TFontDesc spec;
        spec.family = f.TheFont.name;
        const int points = f.TheFont.nominal * FontSize / 12;
        spec.pixelSize = qBound(1, (points * 96 + 36) / 72, 2000);  // pt at 96 dpi
        spec.bold = f.TheFont.bold;
        spec.italic = f.TheFont.italic;
        spec.underline = f.TheFont.underline;
        f.FontId = m.fontId(spec);
        f.IdOwner = &m;
        const TFontMetricsRec& r = m.metrics(f.FontId);
        f.tmHeight = r.height;
        f.FontHeight = r.height + r.externalLeading;
        f.Ascent = r.ascent;
        f.Descent = r.descent;
        f.Overhang = r.overhang;
    }
    resolvedFor_ = &m;
    resolvedCount_ = RunFonts.size();
}

void TSectionList::UpdateFonts() {
    fontIndex_.clear();
    lastStyle_ = -1;
    resolvedFor_ = nullptr;
    for (size_t i = 0; i < RunFonts.size(); ++i) {
        TRunFont& f = RunFonts[i];
        f.TheFont.name = f.TheFont.fixedPitch ? PreFontName : FontName;
        f.TheFont.color = f.Hot ? HotSpotColor : FontColor;
        f.FontId = -1;
        fontIndex_.insert(fontKey(f.TheFont, f.SScript, f.Hot), int(i));
    }
    TCell::UpdateFonts();
}

void TSectionList::FinishParse() {
    // Finding a URL's or a style's index matters while runs are made; later
    // runs (none are made after parsing) would only repeat one.
    urlIndex_ = {};
    styleIndex_ = {};
    lastStyle_ = -1;
    lastStyleKey_ = {};
    lastStyleUrl_ = QString();
    Urls.squeeze();
    RunStyles.shrink_to_fit();
    TCell::FinishParse(Arena);
}

void TSectionList::Clear() {
    clear();
    Arena.clear();
    RunFonts.clear();
    resolvedFor_ = nullptr;
    Urls.clear();
    fontIndex_.clear();
    urlIndex_.clear();
    RunStyles.clear();
    styleIndex_.clear();
    lastStyle_ = -1;
    NameList.clear();
    MapList.clear();
    FormList.Clear();
    BackgroundImageName.clear();
    SelB = SelE = 0;
    YOff = 0;
}

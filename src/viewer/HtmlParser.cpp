#include "viewer/HtmlParser.h"

#include "viewer/SectionList.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {
constexpr int kSizes[7] = {8, 10, 12, 14, 18, 24, 36};     // FONT SIZE=1..7, pt
constexpr int kPreSizes[7] = {7, 8, 10, 12, 15, 20, 30};   // the same inside PRE
constexpr int kHeadingSizes[6] = {24, 18, 15, 12, 10, 8};  // H1..H6, pt
constexpr int kMaxListNumber = 1000000000;
}  // namespace

THtmlParser::THtmlParser(TSectionList& list) : List(list) {}
THtmlParser::~THtmlParser() = default;

const TAttribute* THtmlParser::attr(Attr a) const { return T->Attributes.find(a); }

QString THtmlParser::Parse(const QString& text) {
    THtmlTokenizer tokenizer(text);
    T = &tokenizer;
    Title.clear();
    Base.clear();
    TMyFont base;
    base.name = List.FontName;
    base.nominal = 12;
    base.color = List.FontColor;
    FontStack.assign(1, base);
    UnsavedFonts = nullptr;
    Cell = &List;
    Justify = jsLeft;
    WidgetsMade = 0;
    SectionAnchors.clear();
    newSection(0, jsLeft);
    QString error;
    try {
        T->GetCh();
        Next();
        DoBody(TermSet());
    } catch (const THtmlParseError& e) {
        error = QString::fromUtf8(e.what());
    }
    if (error.isEmpty())
        error = T->Error;
    appendSection();
    FontStack.clear();
    UnsavedFonts = nullptr;
    T = nullptr;
    return error;
}

// ---- building ---------------------------------------------------------------

TMyFont THtmlParser::runFont() const {
    TMyFont f = FontStack.back();
    f.bold = f.bold || Bold;
    f.italic = f.italic || Italic;
    f.underline = f.underline || Underline;
    if (SScript != TScript::Normal)
        f.nominal = f.nominal * 3 / 4;
    return f;
}

void THtmlParser::newSection(int level, TJustify justify) {
    // Mostly the font on top of the stack is the run font as it is (every
    // cell of a table starts a section): it is then not copied.
    const TMyFont& top = FontStack.back();
    if ((top.bold || !Bold) && (top.italic || !Italic) && (top.underline || !Underline) &&
        SScript == TScript::Normal)
        Section = List.MakeSection<TSection>(&List, level, justify, top, SScript, CurrentURL);
    else
        Section = List.MakeSection<TSection>(&List, level, justify, runFont(), SScript, CurrentURL);
}

void THtmlParser::appendSection() {
    if (Section)
        Cell->Add(std::move(Section));
    Section.reset();
    SectionAnchors.clear();
}

void THtmlParser::continueIfFull() {
    if (!Section || Section->Len <= MaxSectionText)
        return;
    const bool pre = Section->Preformatted;
    const int level = Section->ListLevel;
    const TJustify justify = Section->Justify;
    appendSection();
    if (pre)
        Section = List.MakeSection<TPreFormated>(&List, level, runFont(), SScript, CurrentURL);
    else
        newSection(level, justify);  // a list item goes on without a second marker
}

void THtmlParser::changeFont() {
    if (Section)
        Section->ChangeFont(runFont(), SScript, CurrentURL);
}

void THtmlParser::pushFont(const TMyFont& f) {
    if (int(FontStack.size()) < MaxFonts) {
        saveFontsForCell();
        FontStack.push_back(f);
    }
}

void THtmlParser::popFont() {
    if (FontStack.size() > 1) {
        saveFontsForCell();
        FontStack.pop_back();
    }
}

// The parser's columns of the tag table, by symbol.
const THtmlParser::Rule& THtmlParser::rule(int s) {
    static const std::array<Rule, SymCount> rules = [] {
        struct Row {
            Handler open, close;
            PreRule inPre;
        };
        const Row rows[] = {
#define TARVO_TAG_RULE(name, end, attrs, open, close, pre) {&THtmlParser::open, &THtmlParser::close, pre},
            TARVO_HTML_TAGS(TARVO_TAG_RULE)
#undef TARVO_TAG_RULE
        };
        // These read past their tag (and what belongs to it) themselves.
        const Handler readOn[] = {&THtmlParser::DoP, &THtmlParser::DoBR, &THtmlParser::DoPre,
                                  &THtmlParser::DoTable, &THtmlParser::DoMap};
        const auto ruleOf = [&](Handler h, PreRule pre) {
            Rule r;
            r.inPre = pre;
            r.listStart = r.listEnd = h == &THtmlParser::Lists;
            if (h != &THtmlParser::Frame && h != &THtmlParser::Lists) {
                r.handler = h;
                r.readsOn = std::find(std::begin(readOn), std::end(readOn), h) != std::end(readOn);
            }
            return r;
        };
        std::array<Rule, SymCount> t{};
        for (int i = 0; i < int(Tag::Count); ++i) {
            Rule open = ruleOf(rows[i].open, rows[i].inPre);
            open.listEnd = false;
            t[size_t(S(Tag(i)))] = open;
            Rule close = ruleOf(rows[i].close, rows[i].inPre);
            close.listStart = false;
            t[size_t(E(Tag(i)))] = close;
        }
        return t;
    }();
    static const Rule none;
    return s >= 0 && s < SymCount ? rules[size_t(s)] : none;
}

// ---- style tags ---------------------------------------------------------------

void THtmlParser::BoldOn(int) { Bold = true; changeFont(); }
void THtmlParser::BoldOff(int) { Bold = false; changeFont(); }
void THtmlParser::ItalicOn(int) { Italic = true; changeFont(); }
void THtmlParser::ItalicOff(int) { Italic = false; changeFont(); }
void THtmlParser::UnderlineOn(int) { Underline = true; changeFont(); }
void THtmlParser::UnderlineOff(int) { Underline = false; changeFont(); }
void THtmlParser::SubOn(int) { SScript = TScript::Sub; changeFont(); }
void THtmlParser::SupOn(int) { SScript = TScript::Super; changeFont(); }
void THtmlParser::ScriptEnd(int) { SScript = TScript::Normal; changeFont(); }

void THtmlParser::FixedOn(int) {
    TMyFont f = FontStack.back();
    f.name = List.PreFontName;
    f.nominal = 10;
    f.fixedPitch = true;
    pushFont(f);
    changeFont();
}

void THtmlParser::FontEnd(int) {
    popFont();
    changeFont();
}

void THtmlParser::DoFont(int) { fontTag(false); }
void THtmlParser::DoBaseFont(int) { fontTag(true); }
void THtmlParser::DoBig(int) { bigSmall(true); }
void THtmlParser::DoSmall(int) { bigSmall(false); }

// ---- loops ------------------------------------------------------------------

void THtmlParser::DoBody(const TermSet& term) {
    while (sy() != EofSy && sy() != E(Tag::BODY)) {
        const int s = sy();
        if (s == S(Tag::TITLE)) {
            Next();
            while (sy() == TextSy) {
                Title += T->Token;
                Next();
            }
        } else if (s == S(Tag::BODY)) {
            DoBodyTag();
        } else if (s == S(Tag::BASE)) {
            if (const TAttribute* a = attr(Attr::HREF))
                Base = a->Name;
            Next();
        } else if (s == S(Tag::HR)) {
            DoHR();
        } else if (isListStart(s)) {
            if (s == S(Tag::BLOCKQUOTE))
                appendSection();
            DoLists(1, s, term);
        } else if (isCommon(s)) {
            DoCommon(0);
        } else if (term.test(size_t(s))) {
            return;
        } else {
            Next();
        }
    }
    Next();
}

void THtmlParser::DoBodyTag() {
    if (Cell->isEmpty()) {
        // What was read before BODY is dropped, with the anchors made in
        // it (only those: no walk over every anchor of the page).
        for (const QString& key : SectionAnchors)
            if (List.NameList.value(key) == Section.get())
                List.NameList.remove(key);
        SectionAnchors.clear();
        Section.reset();
        if (const TAttribute* a = attr(Attr::TEXT))
            if (auto c = ParseColor(a->Name)) {
                saveFontsForCell();
                FontStack.front().color = *c;
                List.FontColor = *c;
            }
        if (const TAttribute* a = attr(Attr::LINK))
            if (auto c = ParseColor(a->Name))
                List.HotSpotColor = *c;
        if (const TAttribute* a = attr(Attr::BGCOLOR))
            if (auto c = ParseColor(a->Name))
                List.SetBackground(*c);
        if (const TAttribute* a = attr(Attr::BACKGROUND))
            List.BackgroundImageName = a->Name;
        Section = List.MakeSection<TSection>(&List, 0, Justify, FontStack.front(), TScript::Normal, QString());
    }
    Next();
}

void THtmlParser::DoCommon(int level) {
    const int s = sy();
    if (s == TextSy) {
        if (!Section)
            newSection(level, Justify);
        continueIfFull();
        Section->AddText(T->Token);
        Next();
        return;
    }
    const Rule& r = rule(s);
    if (r.handler)
        (this->*r.handler)(level);
    if (!r.readsOn)
        Next();
}

void THtmlParser::HeadingOpen(int level) {
    if (int(FontStack.size()) >= MaxFonts)
        return;
    appendSection();
    TMyFont f = FontStack.back();
    f.nominal = kHeadingSizes[T->Value - 1];
    f.bold = true;
    pushFont(f);
    Cell->Add(List.MakeSection<THeadingSpace>(&List, T->Value));
    const TAttribute* a = attr(Attr::ALIGN);
    newSection(level, a ? ParseAlign(a->Name, Justify) : Justify);
}

void THtmlParser::HeadingEnd(int) {
    if (FontStack.size() <= 1)
        return;
    appendSection();
    Cell->Add(List.MakeSection<THeadingSpace>(&List, T->Value));
    popFont();
}

void THtmlParser::AddressOpen(int level) {
    appendSection();
    TMyFont f = FontStack.back();
    f.italic = true;
    pushFont(f);
    newSection(level, Justify);
}

void THtmlParser::AddressEnd(int) {
    appendSection();
    popFont();
}

void THtmlParser::CenterOpen(int level) {
    appendSection();
    Justify = jsCenter;
    newSection(level, Justify);
}

void THtmlParser::CenterEnd(int level) {
    appendSection();
    Justify = jsLeft;
    newSection(level, Justify);
}

void THtmlParser::ImageTag(int level) {
    if (!Section)
        newSection(level, Justify);
    continueIfFull();
    Section->AddImage(T->Attributes);
}

void THtmlParser::LinkEnd(int) {
    if (!CurrentURL.isEmpty()) {
        CurrentURL.clear();
        popFont();
        changeFont();
    }
}

void THtmlParser::DoP(int level) {
    auto alignOf = [this] {
        const TAttribute* a = attr(Attr::ALIGN);
        return a ? ParseAlign(a->Name, Justify) : Justify;
    };
    TJustify j = sy() == S(Tag::P) ? alignOf() : Justify;
    appendSection();
    Cell->Add(List.MakeSection<TParagraphSpace>(&List));
    for (;;) {
        T->SkipWhiteSpace();
        Next();
        if (sy() == S(Tag::P))
            j = alignOf();
        else if (sy() == E(Tag::P))
            j = Justify;
        else
            break;
    }
    newSection(level, j);
}

void THtmlParser::DoBR(int level) {
    const TJustify j = Section ? Section->Justify : Justify;
    appendSection();
    newSection(level, j);
    if (const TAttribute* a = attr(Attr::CLEAR)) {
        const QString v = a->Name.toLower();
        Section->ClearAttr = v == QLatin1String("left") ? clLeft : v == QLatin1String("right") ? clRight : clBoth;
    }
    Next();
}

void THtmlParser::DoA(int level) {
    for (const TAttribute& a : T->Attributes.items()) {
        if (a.Which == Attr::HREF && !a.Name.isEmpty()) {
            CurrentURL = a.Name;
            TMyFont f = FontStack.back();
            f.underline = true;
            f.color = List.HotSpotColor;
            pushFont(f);
            changeFont();
        } else if (a.Which == Attr::NAME && !a.Name.isEmpty()) {
            if (!Section)
                newSection(level, Justify);
            const QString key = a.Name.toUpper();
            if (!List.NameList.contains(key)) {
                List.NameList.insert(key, Section.get());
                SectionAnchors.push_back(key);
                Section->Anchored = true;
            }
        }
    }
}

void THtmlParser::fontTag(bool isBase) {
    TMyFont f = FontStack.back();
    bool applied = false;
    if (const TAttribute* a = attr(Attr::SIZE)) {
        const bool relative = a->Name.startsWith(QLatin1Char('+')) || a->Name.startsWith(QLatin1Char('-'));
        const qint64 n = relative ? qint64(BaseFontSize) + a->Value : a->Value;
        if (n >= 1 && n <= 7) {
            f.nominal = (InPre ? kPreSizes : kSizes)[n - 1];
            applied = true;
            if (isBase)
                BaseFontSize = int(n);
        }
    }
    if (!isBase) {
        if (const TAttribute* a = attr(Attr::COLOR))
            if (auto c = ParseColor(a->Name)) {
                f.color = *c;
                applied = true;
            }
        if (const TAttribute* a = attr(Attr::FACE); a && !a->Name.isEmpty()) {
            f.name = a->Name.left(50);
            applied = true;
        }
    }
    // FONT always pushes, so that its end tag pops its own font even when
    // nothing applied.
    if (applied || !isBase) {
        pushFont(f);
        changeFont();
    }
}

void THtmlParser::bigSmall(bool big) {
    const int* table = InPre ? kPreSizes : kSizes;
    TMyFont f = FontStack.back();
    int entry = 0;  // 1..7, 0 when the size is not in the table
    for (int i = 0; i < 7; ++i)
        if (table[i] == f.nominal)
            entry = i + 1;
    if (big && entry >= 1 && entry <= 6)
        f.nominal = table[entry];
    else if (!big && entry >= 2 && entry <= 7)
        f.nominal = table[entry - 2];
    // Pushed in every case so that /BIG and /SMALL pop their own font.
    pushFont(f);
    changeFont();
}

void THtmlParser::DoHR() {
    appendSection();
    int size = 2;
    if (const TAttribute* a = attr(Attr::SIZE); a && a->Value >= 1 && a->Value <= 20)
        size = a->Value;
    int width = -1;
    bool percent = false;
    if (const TAttribute* a = attr(Attr::WIDTH)) {
        width = a->Value;
        percent = a->Name.contains(QLatin1Char('%'));
    }
    Cell->Add(List.MakeSection<THorzLine>(&List, size, width, percent));
    Next();
}

void THtmlParser::DoLists(int level, int kind, const TermSet& term) {
    if (ListDepth >= MaxListDepth) {
        Next();  // too deep: the tag is ignored
        return;
    }
    ++ListDepth;
    int number = 1;
    bool plain = false;
    if (kind == S(Tag::OL))
        if (const TAttribute* a = attr(Attr::START); a && a->Value >= 0)
            number = std::min(a->Value, kMaxListNumber);
    if (kind == S(Tag::UL))
        plain = attr(Attr::PLAIN) != nullptr;
    Next();
    if (isListEnd(sy())) {
        --ListDepth;
        Next();
        return;
    }
    int content = level;
    while (!isListEnd(sy()) && sy() != EofSy) {
        const int s = sy();
        if (s == S(Tag::LI)) {
            appendSection();
            if (kind == S(Tag::OL))
                Section = List.MakeSection<TOListItem>(&List, level, number < kMaxListNumber ? number++ : number,
                                                       runFont(), SScript, CurrentURL);
            else
                Section = List.MakeSection<TUListItem>(&List, level, plain, runFont(), SScript, CurrentURL);
            content = level;
            Next();
        } else if (s == S(Tag::DT) || s == S(Tag::DD)) {
            appendSection();
            content = s == S(Tag::DT) ? level - 1 : level;
            Section = List.MakeSection<TDListItem>(&List, content, runFont(), SScript, CurrentURL);
            Next();
        } else if (isListStart(s)) {
            if (s == S(Tag::BLOCKQUOTE))
                appendSection();
            DoLists(level + 1, s, term);
        } else if (s == S(Tag::HR)) {
            DoHR();
        } else if (isCommon(s)) {
            // A table right after LI keeps the item (and its marker).
            if (s == S(Tag::TABLE) && Section && Section->Len == 0)
                Section->AddSpace();
            DoCommon(content);
        } else if (term.test(size_t(s))) {
            --ListDepth;  // the caller's token: left for the caller
            return;
        } else {
            Next();
        }
    }
    appendSection();
    --ListDepth;
    if (sy() != EofSy)
        Next();  // the list's end tag
}

void THtmlParser::DoPre(int level) {
    appendSection();
    TMyFont f = FontStack.back();
    f.name = List.PreFontName;
    f.nominal = 10;
    f.fixedPitch = true;
    pushFont(f);
    auto newPre = [&] {
        Section = List.MakeSection<TPreFormated>(&List, level, runFont(), SScript, CurrentURL);
    };
    newPre();
    InPre = T->InPre = true;
    QString text;
    auto flush = [&] {
        if (!text.isEmpty()) {
            continueIfFull();
            Section->AddText(text);
            text.resize(0);
        }
    };
    auto endLine = [&] {
        flush();
        appendSection();
        newPre();
    };
    for (;;) {
        const char16_t ch = T->Ch;
        if (ch == THtmlTokenizer::CR) {
            endLine();
            T->GetCh();
        } else if (ch == THtmlTokenizer::EofCh) {
            break;
        } else if (ch == '&') {
            T->DoAmpersand();
            text += T->Token;
        } else if (ch == '<') {
            T->DoTag();
            const int s = sy();
            if (s == E(Tag::PRE))
                break;
            const Rule& r = rule(s);
            if (r.inPre == Breaks) {
                endLine();
                if (T->Ch == THtmlTokenizer::CR)
                    T->GetCh();
            } else {
                flush();
                if (r.inPre == Runs && r.handler)
                    (this->*r.handler)(level);
            }
        } else {
            // Control characters are dropped: codes 2 and 4 mark controls
            // and images in a section's text.
            if (ch >= 32)
                text += QChar(T->LCh);
            if (text.size() > 200)
                flush();
            T->GetCh();
        }
    }
    flush();
    appendSection();
    InPre = T->InPre = false;
    popFont();
    Next();
}

// Reads the areas up to /MAP; inside PRE the reader stays on /MAP.
void THtmlParser::DoMap(int) {
    QString name;
    if (const TAttribute* a = attr(Attr::NAME))
        name = a->Name.toUpper();
    auto map = std::make_unique<TMapItem>(name);
    Next();
    while (sy() != E(Tag::MAP) && sy() != EofSy) {
        if (sy() == S(Tag::AREA))
            map->AddArea(T->Attributes);
        Next();
    }
    if (sy() == E(Tag::MAP))
        List.MapList.add(std::move(map));
    if (!InPre)
        Next();
}

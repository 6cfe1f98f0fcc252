#include "viewer/HtmlParser.h"

#include "viewer/SectionList.h"

namespace {
constexpr int kSizes[7] = {8, 10, 12, 14, 18, 24, 36};     // FONT SIZE=1..7, pt
constexpr int kPreSizes[7] = {7, 8, 10, 12, 15, 20, 30};   // the same inside PRE
constexpr int kHeadingSizes[6] = {24, 18, 15, 12, 10, 8};  // H1..H6, pt
constexpr int kMaxListNumber = 1000000000;
}  // namespace

THtmlParser::THtmlParser(TSectionList& list) : List(list) {}
THtmlParser::~THtmlParser() = default;

int THtmlParser::sy() const { return T->Sy; }
void THtmlParser::Next() { T->Next(); }
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
    Cell = &List;
    Justify = 1;
    WidgetsMade = 0;
    SectionAnchors.clear();
    newSection(0, 1);
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
    T = nullptr;
    return error;
}

// ---- building ---------------------------------------------------------------

TMyFont THtmlParser::runFont() const {
    TMyFont f = FontStack.back();
    f.bold = f.bold || Bold;
    f.italic = f.italic || Italic;
    f.underline = f.underline || Underline;
    if (SScript != 0)
        f.nominal = f.nominal * 3 / 4;
    return f;
}

void THtmlParser::newSection(int level, int justify) {
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
    const int level = Section->ListLevel, justify = Section->Justify;
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
    if (int(FontStack.size()) < MaxFonts)
        FontStack.push_back(f);
}

void THtmlParser::popFont() {
    if (FontStack.size() > 1)
        FontStack.pop_back();
}

bool THtmlParser::isListStart(int s) {
    return s == S(Tag::OL) || s == S(Tag::UL) || s == S(Tag::DIR) || s == S(Tag::MENU) ||
           s == S(Tag::DL);
}

bool THtmlParser::isListEnd(int s) {
    return s == E(Tag::OL) || s == E(Tag::UL) || s == E(Tag::DIR) || s == E(Tag::MENU) ||
           s == E(Tag::DL) || s == E(Tag::BLOCKQUOTE);
}

bool THtmlParser::isCommon(int s) {
    static const TermSet set = [] {
        TermSet t;
        const Tag both[] = {Tag::P, Tag::H, Tag::B, Tag::STRONG, Tag::I, Tag::EM, Tag::CITE,
                            Tag::VAR, Tag::U, Tag::SUB, Tag::SUP, Tag::TT, Tag::CODE, Tag::KBD,
                            Tag::SAMP, Tag::FONT, Tag::BIG, Tag::SMALL, Tag::ADDRESS, Tag::CENTER,
                            Tag::A, Tag::FORM, Tag::TEXTAREA};
        for (Tag tag : both) {
            t.set(size_t(S(tag)));
            t.set(size_t(E(tag)));
        }
        const Tag start[] = {Tag::BR, Tag::BASEFONT, Tag::PRE, Tag::IMG, Tag::TABLE, Tag::INPUT,
                             Tag::SELECT, Tag::MAP, Tag::BUTTON, Tag::SELECTED};
        for (Tag tag : start)
            t.set(size_t(S(tag)));
        t.set(TextSy);
        return t;
    }();
    return s >= 0 && s < SymCount && set.test(size_t(s));
}

bool THtmlParser::applyStyle(int s) {
    switch (s) {
    case S(Tag::B): case S(Tag::STRONG): Bold = true; break;
    case E(Tag::B): case E(Tag::STRONG): Bold = false; break;
    case S(Tag::I): case S(Tag::EM): case S(Tag::CITE): case S(Tag::VAR): Italic = true; break;
    case E(Tag::I): case E(Tag::EM): case E(Tag::CITE): case E(Tag::VAR): Italic = false; break;
    case S(Tag::U): Underline = true; break;
    case E(Tag::U): Underline = false; break;
    case S(Tag::SUB): SScript = 1; break;
    case S(Tag::SUP): SScript = 2; break;
    case E(Tag::SUB): case E(Tag::SUP): SScript = 0; break;
    case S(Tag::TT): case S(Tag::CODE): case S(Tag::KBD): case S(Tag::SAMP): {
        TMyFont f = FontStack.back();
        f.name = List.PreFontName;
        f.nominal = 10;
        f.fixedPitch = true;
        pushFont(f);
        break;
    }
    case E(Tag::TT): case E(Tag::CODE): case E(Tag::KBD): case E(Tag::SAMP):
    case E(Tag::FONT): case E(Tag::BIG): case E(Tag::SMALL):
        popFont();
        break;
    case S(Tag::FONT): DoFont(false); return true;
    case S(Tag::BASEFONT): DoFont(true); return true;
    case S(Tag::BIG): DoBigSmall(true); return true;
    case S(Tag::SMALL): DoBigSmall(false); return true;
    default:
        return false;
    }
    changeFont();
    return true;
}

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
        } else if (isListStart(s) || s == S(Tag::BLOCKQUOTE)) {
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
        Section = List.MakeSection<TSection>(&List, 0, Justify, FontStack.front(), 0, QString());
    }
    Next();
}

void THtmlParser::DoCommon(int level) {
    const int s = sy();
    if (applyStyle(s)) {
        Next();
        return;
    }
    switch (s) {
    case S(Tag::P):
    case E(Tag::P):
        DoP(level);
        return;
    case S(Tag::BR):
        DoBR(level);
        return;
    case S(Tag::H):
        if (int(FontStack.size()) < MaxFonts) {
            appendSection();
            TMyFont f = FontStack.back();
            f.nominal = kHeadingSizes[T->Value - 1];
            f.bold = true;
            pushFont(f);
            Cell->Add(List.MakeSection<THeadingSpace>(&List, T->Value));
            const TAttribute* a = attr(Attr::ALIGN);
            newSection(level, a ? ParseAlign(a->Name, Justify) : Justify);
        }
        break;
    case E(Tag::H):
        if (FontStack.size() > 1) {
            appendSection();
            Cell->Add(List.MakeSection<THeadingSpace>(&List, T->Value));
            popFont();
        }
        break;
    case S(Tag::ADDRESS): {
        appendSection();
        TMyFont f = FontStack.back();
        f.italic = true;
        pushFont(f);
        newSection(level, Justify);
        break;
    }
    case E(Tag::ADDRESS):
        appendSection();
        popFont();
        break;
    case S(Tag::CENTER):
    case E(Tag::CENTER):
        appendSection();
        Justify = s == S(Tag::CENTER) ? 2 : 1;
        newSection(level, Justify);
        break;
    case S(Tag::PRE):
        DoPre(level);
        return;
    case S(Tag::IMG):
        if (!Section)
            newSection(level, Justify);
        continueIfFull();
        Section->AddImage(T->Attributes);
        break;
    case S(Tag::A):
        DoA(level);
        break;
    case E(Tag::A):
        if (!CurrentURL.isEmpty()) {
            CurrentURL.clear();
            popFont();
            changeFont();
        }
        break;
    case TextSy:
        if (!Section)
            newSection(level, Justify);
        continueIfFull();
        Section->AddText(T->Token);
        break;
    case S(Tag::MAP):
        DoMap(false);
        return;
    case S(Tag::TABLE):
        DoTable(level);
        return;
    case S(Tag::FORM):
    case E(Tag::FORM):
        DoForm(s == S(Tag::FORM));
        break;
    case S(Tag::INPUT):
        DoInput(level);
        break;
    case S(Tag::SELECT):
        DoSelect(level);
        break;
    case S(Tag::TEXTAREA):
        DoTextArea(level);
        break;
    default:
        // /TEXTAREA alone, BUTTON and SELECTED do nothing.
        break;
    }
    Next();
}

void THtmlParser::DoP(int level) {
    auto alignOf = [this] {
        const TAttribute* a = attr(Attr::ALIGN);
        return a ? ParseAlign(a->Name, Justify) : Justify;
    };
    int j = sy() == S(Tag::P) ? alignOf() : Justify;
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
    const int j = Section ? Section->Justify : Justify;
    appendSection();
    newSection(level, j);
    if (const TAttribute* a = attr(Attr::CLEAR)) {
        const QString v = a->Name.toLower();
        Section->ClearAttr = v == QLatin1String("left") ? 1 : v == QLatin1String("right") ? 2 : 3;
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

void THtmlParser::DoFont(bool isBase) {
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

void THtmlParser::DoBigSmall(bool big) {
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
        } else if (isListStart(s) || s == S(Tag::BLOCKQUOTE)) {
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
            if (s == S(Tag::P) || s == E(Tag::P) || s == S(Tag::BR)) {
                endLine();
                if (T->Ch == THtmlTokenizer::CR)
                    T->GetCh();
            } else if (s == S(Tag::IMG)) {
                flush();
                continueIfFull();
                Section->AddImage(T->Attributes);
            } else if (s == S(Tag::A) || s == E(Tag::A)) {
                flush();
                if (s == S(Tag::A)) {
                    DoA(level);
                } else if (!CurrentURL.isEmpty()) {
                    CurrentURL.clear();
                    popFont();
                    changeFont();
                }
            } else if (s == S(Tag::MAP)) {
                DoMap(true);
            } else if (s == S(Tag::FORM) || s == E(Tag::FORM)) {
                DoForm(s == S(Tag::FORM));
            } else if (s == S(Tag::INPUT) || s == S(Tag::SELECT) || s == S(Tag::TEXTAREA)) {
                flush();
                if (s == S(Tag::INPUT))
                    DoInput(level);
                else if (s == S(Tag::SELECT))
                    DoSelect(level);
                else
                    DoTextArea(level);
            } else {
                flush();
                applyStyle(s);  // font and style tags; others are ignored
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

void THtmlParser::DoMap(bool inPre) {
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
    if (!inPre)
        Next();
}

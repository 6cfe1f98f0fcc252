#pragma once
// Every tag the viewer knows, one row a tag; the tokenizer and the parser
// both read their facts from here.
//
//   X(NAME, END, ATTRS, OPEN, CLOSE, IN_PRE)
//
//   NAME    the tag's name, upper case; also its `Tag` enumerator
//   END     End: "</NAME>" is the tag's end; NoEnd: it is an unknown tag
//   ATTRS   Attrs: the tokenizer keeps its attributes; NoAttrs: skips them
//   OPEN    what the start tag does in running text (THtmlParser::DoCommon):
//           a handler of THtmlParser, or Ignore (read past, nothing more),
//           Frame (the tag is read by the loop that owns it: BODY, TITLE,
//           list items, table rows and cells, options, areas), or Lists
//           (starts or ends a list: DoLists)
//   CLOSE   the same for the end tag
//   IN_PRE  inside PRE: Breaks (ends the line), Runs (the handlers run
//           after the text before them), Skips (nothing happens)
//
// A tag the viewer reads past in every context is one row:
//   X(NOBR, End, NoAttrs, Ignore, Ignore, Skips)

#define TARVO_HTML_TAGS(X)                                                   \
    X(HTML,       End,   NoAttrs, Frame,        Frame,      Skips)           \
    X(TITLE,      End,   NoAttrs, Frame,        Frame,      Skips)           \
    X(BODY,       End,   Attrs,   Frame,        Frame,      Skips)           \
    X(HEAD,       End,   NoAttrs, Frame,        Frame,      Skips)           \
    X(B,          End,   NoAttrs, BoldOn,       BoldOff,    Runs)            \
    X(I,          End,   NoAttrs, ItalicOn,     ItalicOff,  Runs)            \
    X(H,          End,   Attrs,   HeadingOpen,  HeadingEnd, Skips)           \
    X(EM,         End,   NoAttrs, ItalicOn,     ItalicOff,  Runs)            \
    X(STRONG,     End,   NoAttrs, BoldOn,       BoldOff,    Runs)            \
    X(U,          End,   NoAttrs, UnderlineOn,  UnderlineOff, Runs)          \
    X(CITE,       End,   NoAttrs, ItalicOn,     ItalicOff,  Runs)            \
    X(VAR,        End,   NoAttrs, ItalicOn,     ItalicOff,  Runs)            \
    X(TT,         End,   NoAttrs, FixedOn,      FontEnd,    Runs)            \
    X(CODE,       End,   NoAttrs, FixedOn,      FontEnd,    Runs)            \
    X(KBD,        End,   NoAttrs, FixedOn,      FontEnd,    Runs)            \
    X(SAMP,       End,   NoAttrs, FixedOn,      FontEnd,    Runs)            \
    X(OL,         End,   Attrs,   Lists,        Lists,      Skips)           \
    X(UL,         End,   Attrs,   Lists,        Lists,      Skips)           \
    X(DIR,        End,   NoAttrs, Lists,        Lists,      Skips)           \
    X(MENU,       End,   NoAttrs, Lists,        Lists,      Skips)           \
    X(DL,         End,   NoAttrs, Lists,        Lists,      Skips)           \
    X(A,          End,   Attrs,   DoA,          LinkEnd,    Runs)            \
    X(ADDRESS,    End,   NoAttrs, AddressOpen,  AddressEnd, Skips)           \
    X(BLOCKQUOTE, End,   NoAttrs, Lists,        Lists,      Skips)           \
    X(PRE,        End,   NoAttrs, DoPre,        Frame,      Skips)           \
    X(CENTER,     End,   NoAttrs, CenterOpen,   CenterEnd,  Skips)           \
    X(TABLE,      End,   Attrs,   DoTable,      Frame,      Skips)           \
    X(TD,         End,   Attrs,   Frame,        Frame,      Skips)           \
    X(TH,         End,   Attrs,   Frame,        Frame,      Skips)           \
    X(CAPTION,    End,   Attrs,   Frame,        Frame,      Skips)           \
    X(FORM,       End,   Attrs,   FormOpen,     FormEnd,    Runs)            \
    X(TEXTAREA,   End,   Attrs,   DoTextArea,   Ignore,     Runs)            \
    X(SELECT,     End,   Attrs,   DoSelect,     Frame,      Runs)            \
    X(OPTION,     End,   Attrs,   Frame,        Frame,      Skips)           \
    X(FONT,       End,   Attrs,   DoFont,       FontEnd,    Runs)            \
    X(SUB,        End,   NoAttrs, SubOn,        ScriptEnd,  Runs)            \
    X(SUP,        End,   NoAttrs, SupOn,        ScriptEnd,  Runs)            \
    X(BIG,        End,   NoAttrs, DoBig,        FontEnd,    Runs)            \
    X(SMALL,      End,   NoAttrs, DoSmall,      FontEnd,    Runs)            \
    X(P,          End,   Attrs,   DoP,          DoP,        Breaks)          \
    X(MAP,        End,   Attrs,   DoMap,        Frame,      Runs)            \
    X(LI,         NoEnd, NoAttrs, Frame,        Frame,      Skips)           \
    X(BR,         NoEnd, Attrs,   DoBR,         Frame,      Breaks)          \
    X(HR,         NoEnd, Attrs,   Frame,        Frame,      Skips)           \
    X(DD,         NoEnd, NoAttrs, Frame,        Frame,      Skips)           \
    X(DT,         NoEnd, NoAttrs, Frame,        Frame,      Skips)           \
    X(IMG,        NoEnd, Attrs,   ImageTag,     Frame,      Runs)            \
    X(BASE,       NoEnd, Attrs,   Frame,        Frame,      Skips)           \
    X(TR,         NoEnd, Attrs,   Frame,        Frame,      Skips)           \
    X(BUTTON,     NoEnd, NoAttrs, Ignore,       Frame,      Skips)           \
    X(INPUT,      NoEnd, Attrs,   DoInput,      Frame,      Runs)            \
    X(SELECTED,   NoEnd, NoAttrs, Ignore,       Frame,      Skips)           \
    X(BASEFONT,   NoEnd, Attrs,   DoBaseFont,   Frame,      Runs)            \
    X(AREA,       NoEnd, Attrs,   Frame,        Frame,      Skips)

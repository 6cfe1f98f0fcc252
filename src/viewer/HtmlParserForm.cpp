// The parser's form tags: FORM opens a form, INPUT, SELECT and TEXTAREA
// add controls to the current form and their placeholders to the section.
#include "viewer/HtmlParser.h"

#include "viewer/HtmlForm.h"
#include "viewer/SectionList.h"

namespace {
constexpr int kMaxOptionText = 80;  // characters
const QLatin1String kTextAreaEnd("</textarea");
}  // namespace

void THtmlParser::FormOpen(int) { Form = List.FormList.NewForm(&List, &T->Attributes); }

void THtmlParser::FormEnd(int) { Form = nullptr; }

// A control outside any FORM opens a form without attributes, which then
// stays the current one.
ThtmlForm* THtmlParser::currentForm() {
    if (!Form)
        Form = List.FormList.NewForm(&List, nullptr);
    return Form;
}

void THtmlParser::addControl(int level, std::unique_ptr<TFormControlObj> c) {
    TFormControlObj* ctl = currentForm()->Add(std::move(c));
    if (ctl->Hidden())
        return;
    ctl->Order = List.FormList.NextOrder();
    if (!Section)
        newSection(level, Justify);
    continueIfFull();
    Section->AddControl(ctl);
    // The first controls of a page get their widgets now, in page order
    // (the order Tab follows); the rest get theirs when first drawn, so a
    // page of thousands of controls costs widgets only for those shown.
    if (List.FormList.Panel && WidgetsMade < kWidgetsAtOnce) {
        ++WidgetsMade;
        ctl->CreateWidget(List.FormList.Panel);
    }
}

void THtmlParser::DoInput(int level) {
    const TAttributeList& attrs = T->Attributes;
    const TAttribute* typeAttr = attrs.find(Attr::TYPE);
    const QString type = typeAttr ? typeAttr->Name.left(20).toLower() : QString();
    ThtmlForm* form = currentForm();
    std::unique_ptr<TFormControlObj> c;
    if (type == QLatin1String("hidden"))
        c = std::make_unique<THiddenFormControlObj>(form, attrs);
    else if (type == QLatin1String("submit") || type == QLatin1String("reset"))
        c = std::make_unique<TButtonFormControlObj>(form, attrs, type == QLatin1String("reset"));
    else if (type == QLatin1String("checkbox"))
        c = std::make_unique<TCheckBoxFormControlObj>(form, attrs);
    else if (type == QLatin1String("radio"))
        c = std::make_unique<TRadioButtonFormControlObj>(form, attrs);
    else
        c = std::make_unique<TEditFormControlObj>(form, attrs, type == QLatin1String("password"));
    addControl(level, std::move(c));
}

void THtmlParser::DoSelect(int level) {
    const TAttributeList& attrs = T->Attributes;
    const TAttribute* size = attrs.find(Attr::SIZE);
    std::unique_ptr<TListBoxFormControlObj> c;
    if (attrs.has(Attr::MULTIPLE) || (size && size->Value > 1))
        c = std::make_unique<TListBoxFormControlObj>(currentForm(), attrs);
    else
        c = std::make_unique<TComboFormControlObj>(currentForm(), attrs);

    // Each OPTION starts an option; its text runs to the next OPTION,
    // /OPTION or /SELECT. Options without text are dropped.
    bool open = false;
    TOptionObj option;
    QString text;
    auto finish = [&] {
        if (open) {
            text.replace(QChar(THtmlTokenizer::CR), QLatin1Char(' '));
            option.Text = text.trimmed().left(kMaxOptionText);
            if (!option.Text.isEmpty())
                c->AddOption(option);
        }
        open = false;
        text.clear();
    };
    Next();
    while (sy() != E(Tag::SELECT) && sy() != EofSy) {
        if (sy() == S(Tag::OPTION)) {
            finish();
            open = true;
            option = TOptionObj();
            option.Selected = T->Attributes.has(Attr::SELECTED);
            if (const TAttribute* v = T->Attributes.find(Attr::VALUE))
                option.Value = v->Name.left(kMaxOptionText);
        } else if (sy() == E(Tag::OPTION)) {
            finish();
        } else if (sy() == TextSy && open && text.size() < 4 * kMaxOptionText) {
            text += T->Token;
        }
        Next();
    }
    finish();
    c->ResetToValue();
    addControl(level, std::move(c));
}

void THtmlParser::DoTextArea(int level) {
    auto c = std::make_unique<TTextAreaFormControlObj>(currentForm(), T->Attributes);
    // The content as typed, tags and entities included, up to the first
    // "</textarea" followed by white space or ">".
    QString content;
    bool ended = false;
    while (T->Ch != THtmlTokenizer::EofCh) {
        content += QChar(T->LCh);
        T->GetCh();
        if (content.endsWith(kTextAreaEnd, Qt::CaseInsensitive) &&
            (T->Ch == ' ' || T->Ch == THtmlTokenizer::CR || T->Ch == '>' ||
             T->Ch == THtmlTokenizer::EofCh)) {
            content.chop(kTextAreaEnd.size());
            ended = true;
            break;
        }
    }
    if (ended) {
        while (T->Ch != '>' && T->Ch != THtmlTokenizer::EofCh)
            T->GetCh();
        if (T->Ch == '>')
            T->GetCh();
    }
    c->InitLines = MemoLines(content, QChar(THtmlTokenizer::CR));
    c->ResetToValue();
    addControl(level, std::move(c));
}

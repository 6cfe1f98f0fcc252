#include "viewer/HtmlForm.h"

#include "viewer/HtmlTokens.h"
#include "viewer/SectionDraw.h"
#include "viewer/SectionList.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

namespace {
constexpr int kControlPixels = 13;  // 10 pt at 96 dpi
// Sizes given in characters or rows, kept within what a widget can be.
constexpr int kMaxChars = 1000;
constexpr int kMaxRows = 500;

QString text(const TAttributeList& attrs, Attr a) {
    const TAttribute* t = attrs.find(a);
    return t ? t->Name : QString();
}

// A count attribute in 1..max, or `def` when absent or not positive.
int count(const TAttributeList& attrs, Attr a, int def, int max) {
    const TAttribute* t = attrs.find(a);
    return t && t->Value > 0 ? std::min(t->Value, max) : def;
}

struct LetterA {
    int width, height;  // px
};
LetterA measureA(TMeasurer& m, const TFontDesc& desc) {
    const int id = m.fontId(desc);
    const QChar a(QLatin1Char('A'));
    return {m.width(id, &a, 1), m.metrics(id).height};
}

}  // namespace

QStringList MemoLines(const QString& s, QChar lineEnd) {
    QStringList lines = s.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// ---- TFormControlObj --------------------------------------------------------

TFormControlObj::TFormControlObj(ThtmlForm* form, const TAttributeList& attrs)
    : MasterList(form->MasterList), MyForm(form), Value(text(attrs, Attr::VALUE)),
      Name(text(attrs, Attr::NAME)) {}

TFormControlObj::~TFormControlObj() { delete TheControl.data(); }

TFontDesc TFormControlObj::FontDesc() const {
    TFontDesc d;
    d.family = UsesFixedFont() ? MasterList->PreFontName : QGuiApplication::font().family();
    d.pixelSize = kControlPixels;
    return d;
}

void TFormControlObj::CreateWidget(QWidget* panel) {
    QWidget* w = MakeWidget(panel, true);
    if (!w)
        return;
    TheControl = w;
    MasterList->FormList.PlaceInTabOrder(*this);
    w->setFont(TMeasurer::makeQFont(FontDesc()));
    w->move(0, -400);  // out of sight until its line is drawn
    w->show();
}

void TFormControlObj::Draw(QPainter& p, int x, int y) {
    ShowIt = true;
    if (!TheControl && MasterList->FormList.Panel)
        CreateWidget(MasterList->FormList.Panel);
    if (TheControl) {
        if (TheControl->size() != QSize(Width, Height))
            TheControl->resize(Width, Height);
        if (TheControl->pos() != QPoint(x, y))
            TheControl->move(x, y);
        if (!TheControl->isVisible())
            TheControl->show();
        return;
    }
    if (Width <= 0 || Height <= 0)
        return;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // No widgets in this process: a framed box where the control stands.
        p.save();
        p.setPen(kShadow);
        p.setBrush(Qt::white);
        p.drawRect(x, y, Width - 1, Height - 1);
        p.restore();
        return;
    }
    // Only the part inside the clip: a control can be far larger than the
    // picture.
    QRect part(x, y, Width, Height);
    if (p.hasClipping())
        part &= p.clipBoundingRect().toAlignedRect();
    if (part.isEmpty())
        return;
    std::unique_ptr<QWidget> w(MakeWidget(nullptr, false));
    if (!w)
        return;
    w->setAttribute(Qt::WA_DontShowOnScreen);
    w->setFont(TMeasurer::makeQFont(FontDesc()));
    w->resize(Width, Height);
    w->ensurePolished();
    w->render(&p, part.topLeft(), QRegion(part.translated(-x, -y)), QWidget::DrawChildren);
}

// ---- hidden -----------------------------------------------------------------

bool THiddenFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index != 0)
        return false;
    S = Name + QLatin1Char('=') + Value;
    return true;
}

// ---- edit -------------------------------------------------------------------

TEditFormControlObj::TEditFormControlObj(ThtmlForm* form, const TAttributeList& attrs, bool password)
    : TFormControlObj(form, attrs), Size(count(attrs, Attr::SIZE, 20, kMaxChars)),
      MaxLength(count(attrs, Attr::MAXLENGTH, 0, 32767)), Password(password), Text(Value) {}

void TEditFormControlObj::ResetToValue() {
    Text = Value;
    SyncWidget();
}

bool TEditFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index != 0)
        return false;
    S = Name + QLatin1Char('=') + Text;
    return true;
}

void TEditFormControlObj::SetHeightWidth(TMeasurer& m) {
    Width = Size * measureA(m, FontDesc()).width + 5;
    Height = 20;
}

QWidget* TEditFormControlObj::MakeWidget(QWidget* parent, bool live) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(Name);
    if (MaxLength > 0)
        e->setMaxLength(MaxLength);
    if (Password) {
        e->setEchoMode(QLineEdit::Password);
        e->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
    }
    UpdateWidget(e);
    if (live) {
        QObject::connect(e, &QLineEdit::textChanged, e, [this](const QString& t) { Text = t; });
        QObject::connect(e, &QLineEdit::returnPressed, e, [this] { MyForm->EnterPressed(); });
    }
    return e;
}

void TEditFormControlObj::UpdateWidget(QWidget* w) {
    auto* e = static_cast<QLineEdit*>(w);
    e->setText(Text);
    e->setCursorPosition(0);
}

// ---- buttons ----------------------------------------------------------------

TButtonFormControlObj::TButtonFormControlObj(ThtmlForm* form, const TAttributeList& attrs, bool reset)
    : TFormControlObj(form, attrs), Reset(reset) {
    if (!reset && Value.isEmpty())
        Value = QStringLiteral("Submit");
}

void TButtonFormControlObj::SetHeightWidth(TMeasurer& m) {
    const int id = m.fontId(FontDesc());
    Width = m.width(id, Value.constData(), int(std::min<qsizetype>(Value.size(), kMaxChars))) + 20;
    Height = measureA(m, FontDesc()).height + 8;
}

void TButtonFormControlObj::Click() {
    if (Reset)
        MyForm->ResetControls();
    else
        MyForm->Submit(this);
}

QWidget* TButtonFormControlObj::MakeWidget(QWidget* parent, bool live) {
    auto* b = new QPushButton(Value, parent);
    b->setObjectName(Name);
    b->setAutoDefault(false);
    if (live)
        QObject::connect(b, &QPushButton::clicked, b, [this] { Click(); });
    return b;
}

// ---- check boxes and radio buttons -------------------------------------------

TCheckBoxFormControlObj::TCheckBoxFormControlObj(ThtmlForm* form, const TAttributeList& attrs)
    : TFormControlObj(form, attrs), InitChecked(attrs.has(Attr::CHECKED)), Checked(InitChecked) {
    OnBaseline = true;
    if (!attrs.has(Attr::VALUE))
        Value = QStringLiteral("On");
}

void TCheckBoxFormControlObj::ResetToValue() { SetChecked(InitChecked); }

void TCheckBoxFormControlObj::SetChecked(bool on) {
    Checked = on;
    SyncWidget();
}

bool TCheckBoxFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index != 0 || !Checked)
        return false;
    S = Name + QLatin1Char('=') + Value;
    return true;
}

void TCheckBoxFormControlObj::SetHeightWidth(TMeasurer&) { Width = Height = 13; }

QWidget* TCheckBoxFormControlObj::MakeWidget(QWidget* parent, bool live) {
    auto* c = new QCheckBox(parent);
    c->setObjectName(Name);
    UpdateWidget(c);
    if (live)
        QObject::connect(c, &QCheckBox::toggled, c, [this](bool on) { Checked = on; });
    return c;
}

void TCheckBoxFormControlObj::UpdateWidget(QWidget* w) { static_cast<QCheckBox*>(w)->setChecked(Checked); }

void TRadioButtonFormControlObj::SetHeightWidth(TMeasurer&) {
    Width = 13;
    Height = 14;
}

void TRadioButtonFormControlObj::Click() {
    SetChecked(true);
    MyForm->UncheckOtherRadios(this);
}

QWidget* TRadioButtonFormControlObj::MakeWidget(QWidget* parent, bool live) {
    auto* r = new QRadioButton(parent);
    r->setObjectName(Name);
    // Groups are the form's business: same form, same NAME.
    r->setAutoExclusive(false);
    UpdateWidget(r);
    if (live)
        QObject::connect(r, &QRadioButton::clicked, r, [this] { Click(); });
    return r;
}

void TRadioButtonFormControlObj::UpdateWidget(QWidget* w) {
    static_cast<QRadioButton*>(w)->setChecked(Checked);
}

// ---- list boxes and drop-down lists --------------------------------------------

TListBoxFormControlObj::TListBoxFormControlObj(ThtmlForm* form, const TAttributeList& attrs)
    : TFormControlObj(form, attrs), Multiple(attrs.has(Attr::MULTIPLE)),
      Rows(count(attrs, Attr::SIZE, -1, kMaxRows)) {}

void TListBoxFormControlObj::AddOption(const TOptionObj& o) {
    Options.push_back(o);
    Sel.push_back(false);
    LongestOption = std::max(LongestOption, int(o.Text.size()));
}

void TListBoxFormControlObj::Select(int i, bool alone) {
    if (alone || !Multiple)
        std::fill(Sel.begin(), Sel.end(), false);
    if (i >= 0 && size_t(i) < Sel.size())
        Sel[size_t(i)] = true;
}

void TListBoxFormControlObj::ResetToValue() {
    std::fill(Sel.begin(), Sel.end(), false);
    bool any = false;
    for (size_t i = 0; i < Options.size(); ++i)
        if (Options[i].Selected) {
            Select(int(i), false);  // a single list keeps the last one
            any = true;
        }
    if (!any)
        Select(0);
    SyncWidget();
    if (auto* l = qobject_cast<QListWidget*>(TheControl.data()))
        l->scrollToTop();
}

bool TListBoxFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index < 0 || size_t(Index) >= Options.size())
        return false;
    S.clear();
    if (Sel[size_t(Index)]) {
        const TOptionObj& o = Options[size_t(Index)];
        S = Name + QLatin1Char('=') + (o.Value.isEmpty() ? o.Text : o.Value);
    }
    return true;
}

void TListBoxFormControlObj::SetHeightWidth(TMeasurer& m) {
    const LetterA a = measureA(m, FontDesc());
    const int rows = Rows > 0 ? Rows : std::clamp(int(Options.size()), 1, 8);
    Width = std::min(LongestOption, kMaxChars) * a.width + 15;
    Height = rows * a.height;
    if (auto* l = qobject_cast<QListWidget*>(TheControl.data()))
        FitRows(l);
}

void TListBoxFormControlObj::FitRows(QListWidget* l) const {
    if (Height <= 0)
        return;
    // Rows as tall as the letter the height was measured with, so the list
    // shows the rows it was sized for.
    const int rows = Rows > 0 ? Rows : std::clamp(int(Options.size()), 1, 8);
    const int rowHeight = std::max(1, (Height - 2 * l->frameWidth()) / rows);
    for (int i = 0; i < l->count(); ++i)
        l->item(i)->setSizeHint(QSize(0, rowHeight));
}

QWidget* TListBoxFormControlObj::MakeWidget(QWidget* parent, bool live) {
    auto* l = new QListWidget(parent);
    l->setObjectName(Name);
    l->setSelectionMode(Multiple ? QAbstractItemView::ExtendedSelection
                                 : QAbstractItemView::SingleSelection);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const TOptionObj& o : Options)
        l->addItem(o.Text);
    FitRows(l);
    UpdateWidget(l);
    if (live)
        QObject::connect(l, &QListWidget::itemSelectionChanged, l, [this, l] {
            for (int i = 0; i < l->count() && size_t(i) < Sel.size(); ++i)
                Sel[size_t(i)] = l->item(i)->isSelected();
        });
    return l;
}

void TListBoxFormControlObj::UpdateWidget(QWidget* w) {
    auto* l = static_cast<QListWidget*>(w);
    const QSignalBlocker block(l);
    for (int i = 0; i < l->count() && size_t(i) < Sel.size(); ++i)
        l->item(i)->setSelected(Sel[size_t(i)]);
    const auto first = std::find(Sel.begin(), Sel.end(), true);
    if (first != Sel.end())
        l->setCurrentRow(int(first - Sel.begin()), QItemSelectionModel::NoUpdate);
}

int TComboFormControlObj::Current() const {
    const auto it = std::find(Sel.begin(), Sel.end(), true);
    return it == Sel.end() ? -1 : int(it - Sel.begin());
}

void TComboFormControlObj::ResetToValue() {
    int last = -1;
    for (size_t i = 0; i < Options.size(); ++i)
        if (Options[i].Selected)
            last = int(i);
    Select(std::max(last, 0));
    SyncWidget();
}

void TComboFormControlObj::SetHeightWidth(TMeasurer& m) {
    // The width follows the interface font, as the drop-down's own text does not.
    TFontDesc screen = FontDesc();
    screen.family = QGuiApplication::font().family();
    Width = std::min(LongestOption, kMaxChars) * measureA(m, screen).width + 30;
    Height = measureA(m, FontDesc()).height + 8;
}

QWidget* TComboFormControlObj::MakeWidget(QWidget* parent, bool live) {
    auto* c = new QComboBox(parent);
    c->setObjectName(Name);
    for (const TOptionObj& o : Options)
        c->addItem(o.Text);
    UpdateWidget(c);
    if (live)
        QObject::connect(c, &QComboBox::currentIndexChanged, c, [this](int i) {
            if (i >= 0)
                Select(i);
        });
    return c;
}

void TComboFormControlObj::UpdateWidget(QWidget* w) {
    auto* c = static_cast<QComboBox*>(w);
    const QSignalBlocker block(c);
    c->setCurrentIndex(Current());
}

// ---- text areas ---------------------------------------------------------------

TTextAreaFormControlObj::TTextAreaFormControlObj(ThtmlForm* form, const TAttributeList& attrs)
    : TFormControlObj(form, attrs), Rows(count(attrs, Attr::ROWS, 5, kMaxRows)),
      Cols(count(attrs, Attr::COLS, 30, kMaxChars)) {}

void TTextAreaFormControlObj::ResetToValue() {
    Lines = InitLines;
    SyncWidget();
}

bool TTextAreaFormControlObj::GetSubmission(int Index, QString& S) {
    if (Index < 0 || Index >= Lines.size())
        return false;
    S = Name + QLatin1Char('=') + Lines[Index];
    return true;
}

void TTextAreaFormControlObj::SetHeightWidth(TMeasurer& m) {
    const LetterA a = measureA(m, FontDesc());
    Width = Cols * a.width + 5;
    Height = Rows * a.height + 5;
}

QWidget* TTextAreaFormControlObj::MakeWidget(QWidget* parent, bool live) {
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(Name);
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setTabChangesFocus(true);
    UpdateWidget(t);
    if (live)
        QObject::connect(t, &QPlainTextEdit::textChanged, t,
                         [this, t] { Lines = MemoLines(t->toPlainText(), QLatin1Char('\n')); });
    return t;
}

void TTextAreaFormControlObj::UpdateWidget(QWidget* w) {
    auto* t = static_cast<QPlainTextEdit*>(w);
    const QSignalBlocker block(t);
    t->setPlainText(Lines.join(QLatin1Char('\n')));
    t->moveCursor(QTextCursor::Start);
}

// ---- ThtmlForm ----------------------------------------------------------------

ThtmlForm::ThtmlForm(TSectionList* list, const TAttributeList* attrs) : MasterList(list) {
    if (!attrs)
        return;
    if (const QString m = text(*attrs, Attr::METHOD); !m.isEmpty())
        Method = m.left(4);
    Action = text(*attrs, Attr::ACTION);
}

TFormControlObj* ThtmlForm::Add(std::unique_ptr<TFormControlObj> c) {
    if (!c->Hidden())
        ++NonHiddenCount;
    Controls.push_back(std::move(c));
    return Controls.back().get();
}

QStringList ThtmlForm::GetResults(const TButtonFormControlObj* submit) const {
    QStringList results;
    QString s;
    for (const auto& c : Controls)
        for (int i = 0; (s.clear(), c->GetSubmission(i, s)); ++i)
            if (!s.isEmpty())
                results << s;
    if (submit && !submit->Name.isEmpty())
        results << submit->Name + QLatin1Char('=') + submit->Value;
    return results;
}

void ThtmlForm::Submit(const TButtonFormControlObj* submit) {
    MasterList->host().FormSubmitted(Action, Method, GetResults(submit));
}

void ThtmlForm::ResetControls() {
    for (const auto& c : Controls)
        c->ResetToValue();
}

void ThtmlForm::UncheckOtherRadios(const TRadioButtonFormControlObj* checked) {
    for (const auto& c : Controls)
        if (auto* r = dynamic_cast<TRadioButtonFormControlObj*>(c.get());
            r && r != checked && r->Name.compare(checked->Name, Qt::CaseInsensitive) == 0)
            r->SetChecked(false);
}

void ThtmlForm::EnterPressed() {
    if (NonHiddenCount == 1)
        Submit(nullptr);
}

// ---- TFormList ----------------------------------------------------------------

ThtmlForm* TFormList::NewForm(TSectionList* list, const TAttributeList* attrs) {
    Forms.push_back(std::make_unique<ThtmlForm>(list, attrs));
    return Forms.back().get();
}

void TFormList::PlaceInTabOrder(const TFormControlObj& c) {
    QWidget* const w = c.TheControl;
    const auto it = withWidgets_.insert_or_assign(c.Order, w).first;
    // A new widget joins the end of the window's focus chain; one made when
    // its line is first drawn (after a scroll, say) belongs elsewhere.
    for (auto prev = it; prev != withWidgets_.begin();) {
        --prev;
        if (prev->second) {
            QWidget::setTabOrder(prev->second, w);
            return;
        }
    }
    for (auto next = std::next(it); next != withWidgets_.end(); ++next)
        if (next->second) {
            if (QWidget* before = next->second->previousInFocusChain(); before && before != w)
                QWidget::setTabOrder(before, w);
            return;
        }
}

void TFormList::SetHeightWidth(TMeasurer& m) {
    for (const auto& f : Forms)
        for (const auto& c : f->Controls) {
            c->SetHeightWidth(m);
            // The preformatted font may have changed since the widget was made.
            if (c->TheControl)
                c->TheControl->setFont(TMeasurer::makeQFont(c->FontDesc()));
        }
    // Lines move with a new layout: controls whose line is not drawn again
    // must not stay where they were.
    ScrollStarted();
}

void TFormList::ScrollStarted() {
    for (const auto& f : Forms)
        for (const auto& c : f->Controls)
            c->ShowIt = false;
    checkShown_ = true;
}

void TFormList::HideUndrawn() {
    if (!checkShown_)
        return;
    checkShown_ = false;
    for (const auto& f : Forms)
        for (const auto& c : f->Controls)
            if (c->TheControl && !c->ShowIt && c->TheControl->isVisible())
                c->TheControl->hide();
}

// ---- the sections' side ----------------------------------------------------------

void TSection::AddControl(TFormControlObj* c) {
    c->Pos = Len;
    Buff += QChar(FormCode);
    Len = int(Buff.size());
    FormControls.push_back(c);
}

TFormControlObj* TSection::controlAt(int pos) const {
    const auto it = std::lower_bound(FormControls.begin(), FormControls.end(), pos,
                                     [](const TFormControlObj* c, int p) { return c->Pos < p; });
    return it != FormControls.end() && (*it)->Pos == pos ? *it : nullptr;
}

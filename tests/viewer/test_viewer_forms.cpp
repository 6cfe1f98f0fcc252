// Forms: what the parser builds, control sizes and line heights with a
// fixed measurer (every character 10 px, lines 20 px, descent 4), and the
// viewer's real widgets driven with clicks and keys: submission strings,
// radio groups, reset, placement, hiding after a scroll and Tab order.
#include "TestPictures.h"
#include "ViewerTestUtil.h"
#include "RecordingHosts.h"
#include "viewer/HtmlForm.h"
#include "viewer/HtmlViewer.h"
#include "viewer/ViewerCommand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
template <class T>
T* control(const THtmlDocument& d, int form, int index) {
    const auto& forms = d.list().FormList.Forms;
    if (size_t(form) >= forms.size() || size_t(index) >= forms[size_t(form)]->Controls.size())
        return nullptr;
    return dynamic_cast<T*>(forms[size_t(form)]->Controls[size_t(index)].get());
}

// What the viewer's host heard: the submissions, the last one at hand.
struct Submitted {
    TRecordingViewerHost host;
    int count() const { return int(host.submitted.size()); }
    TSubmission last() const { return host.submitted.isEmpty() ? TSubmission() : host.submitted.last(); }
};

// A shown viewer with `html`, recording submissions.
std::unique_ptr<THTMLViewer> viewerWith(const QString& html, Submitted& got, int w = 500, int h = 300) {
    auto v = std::make_unique<THTMLViewer>(got.host, nullptr);
    v->resize(w, h);
    v->LoadStrings(html.split('\n'));
    v->show();
    if (!QTest::qWaitForWindowExposed(v.get()))
        return nullptr;
    QCoreApplication::processEvents();
    return v;
}

template <class W>
QList<W*> widgets(THTMLViewer& v) {
    return v.paintPanel()->findChildren<W*>(Qt::FindDirectChildrenOnly);
}

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2)); }
}  // namespace

class TestViewerForms : public QObject {
    Q_OBJECT
private slots:
    void parserBuildsFormsAndControls() {
        auto d = fixedDoc("<form method=postit action=go.htm><input name=a type=TEXT>"
                          "<input type=hidden name=h value=1><input type=Password name=p>"
                          "<input type=submit><input type=reset value=''><input type=checkbox name=c>"
                          "<input type=radio name=r value=x checked><input type=weird name=w>"
                          "</form>after<input name=o><p><input name=o2>");
        const auto& forms = d->list().FormList.Forms;
        QCOMPARE(forms.size(), size_t(2));
        QCOMPARE(forms[0]->Method, QString("post"));
        QCOMPARE(forms[0]->Action, QString("go.htm"));
        QCOMPARE(forms[0]->Controls.size(), size_t(8));
        QCOMPARE(forms[0]->NonHiddenCount, 7);
        QVERIFY(control<TEditFormControlObj>(*d, 0, 0));
        QVERIFY(control<THiddenFormControlObj>(*d, 0, 1));
        QVERIFY(control<TEditFormControlObj>(*d, 0, 2)->Password);
        QCOMPARE(control<TButtonFormControlObj>(*d, 0, 3)->Value, QString("Submit"));
        QCOMPARE(control<TButtonFormControlObj>(*d, 0, 4)->Value, QString());
        QCOMPARE(control<TCheckBoxFormControlObj>(*d, 0, 5)->Value, QString("On"));
        QVERIFY(control<TRadioButtonFormControlObj>(*d, 0, 6)->Checked);
        QVERIFY(control<TEditFormControlObj>(*d, 0, 7));  // unknown TYPE: an edit
        // Controls outside FORM share one implicit form without ACTION.
        QCOMPARE(forms[1]->Method, QString("Get"));
        QCOMPARE(forms[1]->Action, QString());
        QCOMPARE(forms[1]->Controls.size(), size_t(2));
        // Placeholders in the text, hidden ones excepted.
        const TSection* s = sectionWith(*d, "after");
        QVERIFY(s);
        QCOMPARE(s->text(), QString(7, QChar(FormCode)) + "after" + QChar(FormCode));
        QCOMPARE(s->FormControls.size(), size_t(8));
        QCOMPARE(s->controlAt(12)->Name, QString("o"));
    }

    void selectOptionsAndTextAreaContent() {
        const QString long90(90, 'x');
        auto d = fixedDoc("<select name=s><option value=1>  one  <option>   </option><b>bold</b>"
                          "<option selected>two<option selected>" + long90 + "</select>"
                          "<select name=m multiple><option selected>a<option selected>b</select>"
                          "<textarea name=t rows=2>a <b>&amp;</b>\n\nlast\n</textarea>"
                          "<textarea name=u>x</textareax y</textarea >z");
        auto* combo = control<TComboFormControlObj>(*d, 0, 0);
        QVERIFY(combo);
        QCOMPARE(combo->Options.size(), size_t(3));  // the empty one dropped
        QCOMPARE(combo->Options[0].Text, QString("one"));
        QCOMPARE(combo->Options[0].Value, QString("1"));
        QCOMPARE(combo->Options[2].Text, QString(80, 'x'));
        QCOMPARE(combo->Current(), 2);  // the last SELECTED of a single list
        auto* list = control<TListBoxFormControlObj>(*d, 0, 1);
        QVERIFY(list && !dynamic_cast<TComboFormControlObj*>(list));
        QCOMPARE(list->Sel, (std::vector<bool>{true, true}));
        auto* t = control<TTextAreaFormControlObj>(*d, 0, 2);
        QVERIFY(t);
        QCOMPARE(t->Lines, QStringList({"a <b>&amp;</b>", "", "last"}));
        QCOMPARE(t->Rows, 2);
        QCOMPARE(t->Cols, 30);
        QCOMPARE(control<TTextAreaFormControlObj>(*d, 0, 3)->Lines, QStringList({"x</textareax y"}));
        QVERIFY(sectionWith(*d, "z"));

        // An unterminated TEXTAREA takes the rest of the document.
        auto u = fixedDoc("before<textarea name=t>a\n<p>b");
        QCOMPARE(control<TTextAreaFormControlObj>(*u, 0, 0)->Lines, QStringList({"a", "<p>b"}));
        QVERIFY(sectionWith(*u, "before"));
        // Inside PRE too.
        auto pre = fixedDoc("<pre>x<input name=e value=v>y\n<textarea>q</textarea>z</pre>");
        QCOMPARE(pre->list().FormList.Forms.size(), size_t(1));
        QVERIFY(control<TEditFormControlObj>(*pre, 0, 0));
        QCOMPARE(control<TTextAreaFormControlObj>(*pre, 0, 1)->Lines, QStringList({"q"}));
        QVERIFY(sectionWith(*pre, "z"));
    }

    void sizesAndLineHeights() {
        auto d = fixedDoc("ab<input size=5 name=e>cd<br><input type=submit value=Go><br>"
                          "<input type=checkbox><br><select name=l size=2><option>abcde<option>b</select>"
                          "<select name=c><option>ab</select><br><textarea cols=4 rows=2></textarea>",
                          1000);
        auto* e = control<TEditFormControlObj>(*d, 0, 0);
        QCOMPARE(QSize(e->Width, e->Height), QSize(55, 20));
        auto* b = control<TButtonFormControlObj>(*d, 0, 1);
        QCOMPARE(QSize(b->Width, b->Height), QSize(40, 28));
        auto* c = control<TCheckBoxFormControlObj>(*d, 0, 2);
        QCOMPARE(QSize(c->Width, c->Height), QSize(13, 13));
        auto* l = control<TListBoxFormControlObj>(*d, 0, 3);
        QCOMPARE(QSize(l->Width, l->Height), QSize(65, 40));
        auto* combo = control<TComboFormControlObj>(*d, 0, 4);
        QCOMPARE(combo->Width, 3 * 10 + 30);  // at least three letters
        auto* t = control<TTextAreaFormControlObj>(*d, 0, 5);
        QCOMPARE(QSize(t->Width, t->Height), QSize(45, 45));

        // The edit counts in the line's width; the button raises its line by
        // 8 px, the check box on the baseline needs no more room, the list 20.
        const TSection* first = sectionWith(*d, "ab");
        QCOMPARE(first->Lines[0].TextWidth, 20 + 55 + 20);
        QCOMPARE(first->SectionHeight, 20);
        std::vector<int> heights;
        for (const auto& s : d->list())
            if (auto* t2 = dynamic_cast<const TSection*>(s.get()))
                heights.push_back(t2->SectionHeight);
        QCOMPARE(heights, (std::vector<int>{20, 28, 20, 40, 45}));

        // A row of controls wraps like words.
        auto narrow = fixedDoc("<input size=5><input size=5><input size=5>", 120);
        const TSection* row = dynamic_cast<const TSection*>(narrow->list().at(0));
        QCOMPARE(row->Lines.size(), size_t(2));
        QCOMPARE(row->Lines[0].Ln, 2);
    }

    void submissionStrings() {
        // Straight from the controls' state, in the order of the form.
        auto d = fixedDoc("<form><input type=hidden name=h value='a b'><input name=e value=x>"
                          "<input type=checkbox name=c1><input type=checkbox name=c2 checked>"
                          "<input type=checkbox name=c3 value=yes checked>"
                          "<input type=radio name=r value=1><input type=radio name=r value=2 checked>"
                          "<select name=s><option>first<option>second</select>"
                          "<select name=m multiple><option value=v1>o1<option selected>o2<option selected value=v3>o3</select>"
                          "<textarea name=T>a\nb</textarea><input type=submit name=go value=Send>"
                          "<input type=submit></form>");
        const ThtmlForm& f = *d->list().FormList.Forms[0];
        const QStringList all = {"h=a b", "e=x", "c2=On", "c3=yes", "r=2", "s=first", "m=o2", "m=v3",
                                 "T=a", "T=b"};
        QCOMPARE(f.GetResults(nullptr), all);
        QCOMPARE(f.GetResults(control<TButtonFormControlObj>(*d, 0, 10)), all + QStringList{"go=Send"});
        QCOMPARE(f.GetResults(control<TButtonFormControlObj>(*d, 0, 11)), all);
    }

    void enterSubmitsALoneTextField() {
        Submitted got;
        auto v = viewerWith("<form action=find.htm method=post><input name=q></form>"
                            "<form action=two.htm><input name=a><input name=b></form>", got);
        QVERIFY(v);
        const auto edits = widgets<QLineEdit>(*v);
        QCOMPARE(edits.size(), 3);
        QTest::keyClicks(edits[0], "hi there");
        QTest::keyClick(edits[0], Qt::Key_Return);
        QTRY_COMPARE(got.count(), 1);
        QCOMPARE(got.last().action, QString("find.htm"));
        QCOMPARE(got.last().method, QString("post"));
        QCOMPARE(got.last().results, QStringList({"q=hi there"}));

        QTest::keyClicks(edits[1], "x");
        QTest::keyClick(edits[1], Qt::Key_Return);
        QCoreApplication::processEvents();  // where a submission would be told
        QCOMPARE(got.count(), 1);  // two fields: Enter does not submit
    }

    void clicksAndKeysMakeTheSubmission() {
        Submitted got;
        auto v = viewerWith("<form action=a.htm><input type=checkbox name=c><input type=checkbox name=d>"
                            "<select name=s><option>one<option>two<option>three</select>"
                            "<textarea name=T></textarea><input type=submit></form>", got);
        QVERIFY(v);
        auto* submit = widgets<QPushButton>(*v).value(0);
        QVERIFY(submit);
        QCOMPARE(submit->text(), QString("Submit"));
        click(submit);
        // An unchecked box gives nothing; a SELECT without a selected option its first.
        QTRY_COMPARE(got.count(), 1);
        QCOMPARE(got.last().results, QStringList({"s=one"}));

        click(widgets<QCheckBox>(*v).value(1));
        auto* combo = widgets<QComboBox>(*v).value(0);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        auto* memo = widgets<QPlainTextEdit>(*v).value(0);
        memo->setFocus();
        QTest::keyClicks(memo, "a");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "b");
        click(submit);  // a submit button without NAME adds nothing for itself
        QTRY_COMPARE(got.count(), 2);
        QCOMPARE(got.last().results, QStringList({"d=On", "s=two", "T=a", "T=b"}));
    }

    void radioGroupsStayInTheirForm() {
        Submitted got;
        auto v = viewerWith("<form><input type=radio name=r value=1 checked><input type=radio name=R value=2>"
                            "<input type=radio name=other value=3 checked></form>"
                            "<form><input type=radio name=r value=4 checked><input type=submit name=go value=Go></form>",
                            got);
        QVERIFY(v);
        const auto radios = widgets<QRadioButton>(*v);
        QCOMPARE(radios.size(), 4);
        click(radios[1]);
        QVERIFY(!radios[0]->isChecked());  // same NAME in another case
        QVERIFY(radios[1]->isChecked());
        QVERIFY(radios[2]->isChecked());   // another NAME
        QVERIFY(radios[3]->isChecked());   // another form
        click(radios[1]);                  // clicking a checked one keeps it
        QVERIFY(radios[1]->isChecked());
        click(widgets<QPushButton>(*v).value(0));
        QTRY_COMPARE(got.count(), 1);
        QCOMPARE(got.last().results, QStringList({"r=4", "go=Go"}));
        const ThtmlForm& first = *v->document().list().FormList.Forms[0];
        QCOMPARE(first.GetResults(nullptr), QStringList({"R=2", "other=3"}));
    }

    void resetRestoresThePage() {
        Submitted got;
        auto v = viewerWith("<form><input name=e value=start><input type=checkbox name=c checked>"
                            "<select name=l size=3><option>a<option selected>b<option>c</select>"
                            "<textarea name=t>x</textarea><input type=reset value=Again></form>", got);
        QVERIFY(v);
        auto* edit = widgets<QLineEdit>(*v).value(0);
        edit->selectAll();
        QTest::keyClicks(edit, "changed");
        click(widgets<QCheckBox>(*v).value(0));
        auto* list = widgets<QListWidget>(*v).value(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        auto* memo = widgets<QPlainTextEdit>(*v).value(0);
        memo->setFocus();
        QTest::keyClicks(memo, "y");
        const ThtmlForm& f = *v->document().list().FormList.Forms[0];
        QCOMPARE(f.GetResults(nullptr), QStringList({"e=changed", "l=c", "t=yx"}));
        click(widgets<QPushButton>(*v).value(0));
        QCOMPARE(f.GetResults(nullptr), QStringList({"e=start", "c=On", "l=b", "t=x"}));
        QCOMPARE(edit->text(), QString("start"));
        QVERIFY(widgets<QCheckBox>(*v).value(0)->isChecked());
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(memo->toPlainText(), QString("x"));
        QCOMPARE(got.count(), 0);  // a reset submits nothing
    }

    void widgetsStandWhereTheirLineIsDrawn() {
        Submitted got;
        QString html = "<form>text <input name=e size=4> more <input type=checkbox name=c></form>";
        for (int i = 0; i < 40; ++i)
            html += QString("<p>line %1").arg(i);
        html += "<p><input name=low>";
        auto v = viewerWith(html, got, 400, 200);
        QVERIFY(v);
        auto* edit = v->paintPanel()->findChild<QLineEdit*>("e");
        auto* box = v->paintPanel()->findChild<QCheckBox*>("c");
        auto* low = v->paintPanel()->findChild<QLineEdit*>("low");
        QTRY_VERIFY(edit->isVisible());
        // At the drawing X (10 px margin) after "text ", bottom on the line.
        const TSection* s = sectionWith(v->document(), "text");
        const LineRec& line = s->Lines[0];
        const int lineBottom = line.Top + line.SpaceBefore + line.LineHt;
        QCOMPARE(edit->x(), 10 + s->xOfChar(v->document().measurer(), line, 5));
        QCOMPARE(edit->y() + edit->height(), lineBottom);
        QCOMPARE(edit->size(), QSize(v->document().list().FormList.Forms[0]->Controls[0]->Width, 20));
        // The check box stands on the baseline.
        QCOMPARE(box->y() + box->height(), lineBottom - line.Descent);
        // Never drawn yet: out of sight.
        QVERIFY(low->y() < 0);

        v->ScrollTo(v->MaxVert());
        QTRY_VERIFY(!edit->isVisible());
        QVERIFY(!box->isVisible());
        QTRY_VERIFY(low->isVisible() && low->y() > 0);
        v->ScrollTo(0);
        QTRY_VERIFY(edit->isVisible());
        QVERIFY(!low->isVisible());
    }

    void manyControlsGetWidgetsWhenDrawn() {
        // A page of 300 controls: widgets for the first ones at once, for
        // the rest as they are scrolled into view.
        Submitted got;
        QString html = "<form>";
        for (int i = 0; i < 300; ++i)
            html += QString("<p><input name=n%1>").arg(i);
        auto v = viewerWith(html, got, 400, 200);
        QVERIFY(v);
        QVERIFY(widgets<QLineEdit>(*v).size() < 300);
        QVERIFY(!v->paintPanel()->findChild<QLineEdit*>("n299"));
        v->ScrollTo(v->MaxVert());
        QTRY_VERIFY(v->paintPanel()->findChild<QLineEdit*>("n299"));
        QTRY_VERIFY(v->paintPanel()->findChild<QLineEdit*>("n299")->isVisible());
        QVERIFY(widgets<QLineEdit>(*v).size() < 300);
        QCOMPARE(v->document().list().FormList.Forms[0]->GetResults(nullptr).size(), 300);
    }

    void tabMovesThroughControlsInDocumentOrder() {
        Submitted got;
        auto v = viewerWith("<input name=first><table><tr><td><input type=checkbox name=second>"
                            "<td><select name=third><option>x</select></table>"
                            "<textarea name=fourth></textarea><input type=submit name=fifth>", got);
        QVERIFY(v);
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        v->setFocus();
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"first", "second", "third", "fourth", "fifth"}));
    }

    void tabKeepsDocumentOrderForWidgetsMadeWhenDrawn() {
        // Widgets beyond the first ones are made as their lines are drawn:
        // here the last ones first, then some in the middle, the rest when
        // the whole page is shown. Tab still walks the page from top to
        // bottom.
        Submitted got;
        const int n = 160;
        QString html = "<form>";
        for (int i = 0; i < n; ++i)
            html += QString("<p><input name=n%1 size=3>").arg(i);
        auto v = viewerWith(html, got, 400, 200);
        QVERIFY(v);
        for (const int y : {v->MaxVert(), v->MaxVert() * 3 / 4, 0}) {
            v->ScrollTo(y);
            QCoreApplication::processEvents();
            v->paintPanel()->repaint();
        }
        QVERIFY(widgets<QLineEdit>(*v).size() < n);
        v->resize(400, v->MaxVert() + 100);
        QTRY_COMPARE(widgets<QLineEdit>(*v).size(), n);
        QTRY_VERIFY(v->paintPanel()->findChild<QLineEdit*>(QString("n%1").arg(n - 1))->isVisible());
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        v->paintPanel()->findChild<QLineEdit*>("n0")->setFocus();
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("n0"));
        for (int i = 1; i < n; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("n%1").arg(i));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("n%1").arg(n - 2));
    }

    void pictureLooksLikeTheScreen() {
        // The same page in the viewer (real widgets) and drawn off-screen
        // (widgets rendered into the picture). A shown text area's scroll
        // bar may differ by a few pixels; a missing or misplaced control
        // differs by hundreds.
        const QString html = "<body bgcolor=white>Pick <input type=checkbox checked> and "
                             "<input type=radio checked><select name=s><option>one<option selected>two</select>"
                             "<p><select size=2 multiple><option>a<option selected>b</select>"
                             "<textarea rows=2 cols=8>x\ny</textarea><input type=submit value=Go>";
        Submitted got;
        auto v = viewerWith(html, got, 402, 200);
        QVERIFY(v);
        v->setScrollBars(ssNone);
        v->setFocus();
        QCoreApplication::processEvents();
        const QImage screen = v->paintPanel()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        THtmlDocument doc;
        doc.parse(html);
        const QImage picture = RenderHtmlDocument(doc, 402, screen.height())
                                   .convertToFormat(QImage::Format_RGB32)
                                   .copy(0, 0, screen.width(), screen.height());
        QCOMPARE(picture.size(), screen.size());
        int differing = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                differing += screen.pixel(x, y) != picture.pixel(x, y);
        if (differing > 60)
            QFAIL(qPrintable("the picture differs from the screen; see forms-screen-drawn.png and "
                             "forms-screen-difference.png in " + SaveFailedPictures("forms-screen", picture, screen)));
    }

    void reloadingFreesTheWidgets() {
        Submitted got;
        auto v = viewerWith("<input name=a><textarea></textarea>", got);
        QVERIFY(v);
        QCOMPARE(widgets<QLineEdit>(*v).size(), 1);
        // Edits follow the preformatted font.
        v->setDefPreFontName("Some Mono");
        QCOMPARE(widgets<QLineEdit>(*v).value(0)->font().family(), QString("Some Mono"));
        v->LoadStrings({"<select><option>x</select>"});
        QCOMPARE(widgets<QLineEdit>(*v).size(), 0);
        QCOMPARE(widgets<QPlainTextEdit>(*v).size(), 0);
        QCOMPARE(widgets<QComboBox>(*v).size(), 1);
        v->Clear();
        QCOMPARE(widgets<QComboBox>(*v).size(), 0);
        // With the quiet host, a submission goes nowhere.
        v = std::make_unique<THTMLViewer>();
        v->resize(500, 300);
        v->show();
        v->LoadStrings({"<input name=q>"});
        QTest::keyClick(widgets<QLineEdit>(*v).value(0), Qt::Key_Return);
        QCoreApplication::processEvents();  // the submission is told from the event loop
        QCOMPARE(got.count(), 0);
    }
};

QTEST_MAIN(TestViewerForms)
#include "test_viewer_forms.moc"

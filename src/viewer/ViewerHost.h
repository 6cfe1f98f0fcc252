#pragma once
// What the viewer asks of the program that embeds it, in two layers.
//
// THtmlDocumentHost is what a parsed document asks of whoever lays it out
// (the viewer control, the command line, the template maker): its pictures,
// a word for a section dropped from layout, a changed background, a
// submitted form. THtmlViewerHost is what the viewer control asks of the
// window it sits in. Every function is pure: a new question added here is
// a compile error in every host until the host answers it. A viewer or a
// document made without a host uses the quiet host, which asks nothing
// and shows nothing; the viewer itself never opens a window.
//
//   class TMyHost final : public THtmlViewerHost { ...one line a question... };
//   auto* viewer = new THTMLViewer(host, parent);

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <Qt>

class THtmlDocumentHost {
public:
    // The picture named by an IMG's SRC (or the BODY's BACKGROUND), and
    // whether the IMG asks for a see-through colour; a null image when
    // there is none.
    virtual QImage PictureFor(const QString& source, bool transparent) = 0;
    // A section dropped from layout (a table with too many columns), one
    // call a dropped section.
    virtual void SectionDropped(const QString& message) = 0;
    // The BODY set the background colour.
    virtual void BackgroundChanged(const QColor& colour) = 0;
    // A form was submitted: its ACTION, METHOD and the name=value results.
    virtual void FormSubmitted(const QString& action, const QString& method, const QStringList& results) = 0;

    // The host that has no pictures and ignores the rest.
    static THtmlDocumentHost& Quiet();

protected:
    ~THtmlDocumentHost() = default;
};

class THtmlViewerHost {
public:
    // The mouse came over a link (its URL) or left one ("").
    virtual void HotSpotCovered(const QString& url) = 0;
    // A link was clicked; true when the host followed it itself, false to
    // let the viewer follow a link to a local HTML file.
    virtual bool HotSpotClicked(const QString& url) = 0;
    // May put any picture (and its see-through colour) in place of the file
    // `source` names and answer true (a null picture: none at all); false
    // leaves the viewer to read the file.
    virtual bool PictureWanted(const QString& source, QImage& picture, QColor& transparent) = 0;
    // A form was submitted; told from the event loop, after the control
    // that submitted it is done.
    virtual void FormSubmitted(const QString& action, const QString& method, const QStringList& results) = 0;
    // The viewer's history of visited files changed.
    virtual void HistoryChanged() = 0;
    // A layout pass starts (true) or ends (false).
    virtual void ProcessingChanged(bool on) = 0;
    // A mouse button was released over the viewer's own window (its
    // border), outside the drawing panel of the page; viewer coordinates.
    virtual void MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) = 0;
    // A section was dropped from layout: the first message, once a loaded
    // page however often it is laid out again. The host decides whether
    // and how the user hears of it.
    virtual void LayoutFailed(const QString& message) = 0;

    // The host that asks nothing and shows nothing.
    static THtmlViewerHost& Quiet();

protected:
    ~THtmlViewerHost() = default;
};

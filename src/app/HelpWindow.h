#pragma once
// The program's own help: HTML topics in the Help folder beside the program,
// shown in the program's viewer. Help/index.html is the contents and
// Help/N.html the topic of help context N.
//
//   THelpWindow  a normal window "Tarvo Help" that shows a topic, follows
//                links between topics and goes back and forward;
//   THelpPopup   a small frameless window near the mouse with the first
//                paragraph of a topic, gone on a click, a key or when the
//                program looks elsewhere.

#include <QFrame>
#include <QList>
#include <QString>
#include <QWidget>

#include "viewer/ViewerHost.h"

class QPushButton;
class THTMLViewer;
class THelpWindow;

// The topic file of a help context; the contents page when the context has
// no topic of its own.
QString HelpTopicFile(int context);
// True when the context has a topic of its own.
bool HasHelpTopic(int context);
// The first paragraph of an HTML text: from its first <P> to the end of that
// paragraph (the closing tag, the next block or the end of the body), tags
// kept. Empty when the text has no paragraph.
QString FirstParagraph(const QString& html);

// What the help's viewers ask: pictures come from their files and nothing
// is told; a link is followed by the help window and leads nowhere in a
// pop-up. The help keeps its own history.
class THelpViewerHost final : public THtmlViewerHost {
public:
    explicit THelpViewerHost(THelpWindow* window) : window_(window) {}  // null: a pop-up

    void HotSpotCovered(const QString& url) override;
    bool HotSpotClicked(const QString& url) override;
    bool PictureWanted(const QString& source, QImage& picture, QColor& transparent) override;
    void FormSubmitted(const QString& action, const QString& method, const QStringList& results) override;
    void HistoryChanged() override;
    void ProcessingChanged(bool on) override;
    void MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;
    void LayoutFailed(const QString& message) override;

private:
    THelpWindow* window_;
};

class THelpWindow : public QWidget {
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Each shows the window, brings it to the front and records the page
    // left in the history.
    void ShowContents();
    void ShowTopic(int context);
    // A file of the help, with an optional "#name" of a place in it.
    void ShowFile(const QString& target);

    void GoBack();
    void GoForward();
    bool CanGoBack() const { return !back_.isEmpty(); }
    bool CanGoForward() const { return !forward_.isEmpty(); }
    QString CurrentFile() const;  // absolute path of the page shown

    THTMLViewer* ctlHelp = nullptr;
    QPushButton* btnContents = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnForward = nullptr;

private:
    friend class THelpViewerHost;
    THelpViewerHost host_{this};
    struct TPlace {
        QString file;
        int position = 0;  // px, vertical scroll position
    };
    QList<TPlace> back_, forward_;
    bool placed_ = false;

    // A clicked link: another help page, or a place in this one.
    void FollowLink(const QString& url);
    // Shows `target` without touching the history; false when it is missing.
    bool Load(const QString& target);
    void Present();
    TPlace Here() const;
    // Back or forward: to the latest place of `from`, this one onto `to`.
    void Step(QList<TPlace>& from, QList<TPlace>& to);
    void UpdateButtons();
};

class THelpPopup : public QFrame {
public:
    explicit THelpPopup(QWidget* parent = nullptr);

    // Shows the first paragraph of the topic file near `globalPos`.
    void ShowTopic(const QString& topicFile, const QPoint& globalPos);
    // The HTML the pop-up shows (for tests).
    const QString& Shown() const { return shown_; }

    THTMLViewer* ctlPopup = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    THelpViewerHost host_{nullptr};
    QString shown_;
};

#pragma once
// Requests for help by context number. Wizards, F1 and "What's This?" ask
// the help desk of the window they belong to; the main window's help system
// is such a desk and shows what is asked. A control with no desk around it
// asks in vain, and ShowHelp says so.

#include <QObject>

class QWidget;

enum class THelpCall {
    Contents,      // the contents page
    Context,       // a whole topic in the help window
    ContextPopup,  // a topic's first paragraph in a small pop-up near the mouse
};

struct THelpRequest {
    THelpCall call = THelpCall::Contents;
    int context = 0;
};

// Takes the help requests of a window and of every control and window below
// it, remembers the latest (tests read it back) and shows it. This desk
// shows nothing itself; the help system shows the topics.
class THelpDesk : public QObject {
    Q_OBJECT
public:
    explicit THelpDesk(QWidget* owner);

    // Asks for help; `source` is the control or window asking (may be null).
    void Request(QWidget* source, THelpCall call, int context = 0);
    // "What's This?" on `source` (null: only remember the context): the
    // context becomes the one the "What's This?" menu item shows.
    void AskWhatsThis(QWidget* source, int context);

    THelpRequest LastRequest() const { return last_; }
    int RequestCount() const { return count_; }
    // The "What's This?" context asked for last (0 before the first).
    int WhatsThisContext() const { return whatsThisContext_; }

protected:
    virtual void Show(QWidget* source, THelpCall call, int context);
    // Offers the topic of WhatsThisContext() for `source` (not null).
    virtual void OfferWhatsThis(QWidget* source);

private:
    THelpRequest last_;
    int count_ = 0;
    int whatsThisContext_ = 0;
};

// The desk of `source` or of the nearest widget around it that has one;
// null when none has.
THelpDesk* HelpDeskOf(QWidget* source);
// Asks the desk of `source` for help; false when there is none (nothing is
// shown then).
bool ShowHelp(QWidget* source, THelpCall call, int context = 0);

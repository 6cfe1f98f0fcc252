#include "app/HelpCalls.h"

#include <QWidget>

THelpDesk::THelpDesk(QWidget* owner) : QObject(owner) {}

void THelpDesk::Request(QWidget* source, THelpCall call, int context) {
    last_ = THelpRequest{call, context};
    ++count_;
    Show(source, call, context);
}

void THelpDesk::AskWhatsThis(QWidget* source, int context) {
    whatsThisContext_ = context;
    if (source) OfferWhatsThis(source);
}

void THelpDesk::Show(QWidget*, THelpCall, int) {}

void THelpDesk::OfferWhatsThis(QWidget*) {}

THelpDesk* HelpDeskOf(QWidget* source) {
    for (QWidget* w = source; w; w = w->parentWidget())
        if (auto* desk = w->findChild<THelpDesk*>(QString(), Qt::FindDirectChildrenOnly)) return desk;
    return nullptr;
}

bool ShowHelp(QWidget* source, THelpCall call, int context) {
    THelpDesk* desk = HelpDeskOf(source);
    if (desk) desk->Request(source, call, context);
    return desk;
}

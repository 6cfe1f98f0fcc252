#include "app/WhatsThis.h"

#include "app/HelpCalls.h"
#include "app/PictureControl.h"


void ShowWhatsThis(QWidget* source, int context) {
    if (THelpDesk* desk = HelpDeskOf(source)) desk->AskWhatsThis(source, context);
}

void ShowBrickWhatsThis(TPicture* brick) { ShowWhatsThis(brick, BrickWhatsThisContext(brick->Tag)); }

int BrickWhatsThisContext(int homeTop) {
    switch (homeTop) {
        case 1: return 12;
        case 23: return 13;
        case 45: return 14;
        case 67: return 15;
        case 89: return 16;
        case 111: return 17;
        default: return 0;
    }
}

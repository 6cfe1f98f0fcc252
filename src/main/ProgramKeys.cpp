#include "main/ProgramKeys.h"

#include "main/MainWindow.h"
#include "app/PictureControl.h"
#include "preview/ViewStage.h"
#include "viewer/HtmlViewer.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeView>
#include <cstdlib>
#include <limits>
#include <memory>
#include <utility>

namespace {

struct TStageItem {
    const char* name;
    const char* text;
    const char* spoken;
};
// The words of the toolbar's arrows; the fifth segment shows the logo.
const TStageItem kStageItems[5] = {
    {"menStageChoose", QT_TRANSLATE_NOOP("ProgramKeys", "&Choose a Page"), QT_TRANSLATE_NOOP("ProgramKeys", "Choose a page")},
    {"menStageBuild", QT_TRANSLATE_NOOP("ProgramKeys", "&Build your Page"), QT_TRANSLATE_NOOP("ProgramKeys", "Build your page")},
    {"menStageView", QT_TRANSLATE_NOOP("ProgramKeys", "&View your Page"), QT_TRANSLATE_NOOP("ProgramKeys", "View your page")},
    {"menStageSend", QT_TRANSLATE_NOOP("ProgramKeys", "&Send it to the Web"), QT_TRANSLATE_NOOP("ProgramKeys", "Send it to the Web")},
    {"menStageSent", QT_TRANSLATE_NOOP("ProgramKeys", "S&ent"), QT_TRANSLATE_NOOP("ProgramKeys", "Sent")},
};

bool IsField(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QListView*>(w) ||
           qobject_cast<const QTreeView*>(w);
}

// The label that names a field: the nearest one on its left on the same
// line, or just above it, among its siblings.
QLabel* LabelOf(QWidget* field) {
    QWidget* parent = field->parentWidget();
    if (!parent) return nullptr;
    const QRect f = field->geometry();
    QLabel* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    for (auto* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->text().trimmed().isEmpty() || qobject_cast<TPicture*>(label)) continue;
        const QRect l = label->geometry();
        int distance = std::numeric_limits<int>::max();
        if (l.right() <= f.left() && std::abs(l.center().y() - f.center().y()) <= f.height() / 2 + 2)
            distance = f.left() - l.right();
        else if (l.bottom() <= f.top() + 2 && f.top() - l.bottom() <= 24 && l.left() <= f.right() &&
                 l.right() >= f.left())
            distance = f.top() - l.bottom();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = label;
        }
    }
    return best;
}

QString Spoken(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':'))) text = text.chopped(1).trimmed();
    return text;
}

}  // namespace

void NameControls(QWidget* root) {
    for (auto* w : root->findChildren<QWidget*>()) {
        // A text editor's viewport hands its focus on to the editor, and so
        // reports itself focused too: a screen reader then speaks the
        // nameless viewport instead of the named field. Without the hand-on
        // a click still focuses the editor, the viewport's nearest parent
        // that takes the focus.
        if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)) {
            QWidget* viewport = static_cast<QAbstractScrollArea*>(w)->viewport();
            if (viewport->focusProxy() == w) viewport->setFocusProxy(nullptr);
        }
        if (!w->accessibleName().isEmpty()) continue;
        QString name;
        if (IsField(w)) {
            if (QLabel* label = LabelOf(w)) name = Spoken(label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            name = Spoken(button->text());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            QStringList pages;
            for (int i = 0; i < tabs->count(); ++i) pages << Spoken(tabs->tabText(i));
            name = pages.join(QStringLiteral(", "));
        } else if (!qobject_cast<TPicture*>(w)) {
            continue;
        }
        if (name.isEmpty()) name = Spoken(w->toolTip());
        if (!name.isEmpty()) w->setAccessibleName(name);
    }
}

void AttachProgramKeys(TfrmMain& w) {
    // The stage menu, between "&Edit" and "&Help".
    auto* menu = new QMenu(QCoreApplication::translate("ProgramKeys", "&Stage"), &w);
    menu->setObjectName(QStringLiteral("mnuStage"));
    w.menuBar()->insertMenu(w.HelpMenu()->menuAction(), menu);
    QAction* items[5] = {};
    for (int stage = 0; stage < 5; ++stage) {
        QAction* item = menu->addAction(QCoreApplication::translate("ProgramKeys", kStageItems[stage].text));
        item->setObjectName(QLatin1String(kStageItems[stage].name));
        item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + stage)));
        items[stage] = item;
        QObject::connect(item, &QAction::triggered, &w, [&w, stage] {
            // As a toolbar click: not while the mascot walks, nor while a
            // mouse button is held (a block being dragged).
            if (w.SwitchingStage() || QApplication::mouseButtons() != Qt::NoButton || stage == w.CurrentStage()) return;
            w.ShowRedPill(stage);
        });
    }
    // The Sent stage follows a finished upload only: it is there to be
    // reached again from the Send stage after one, never before.
    auto sent = std::make_shared<bool>(false);
    QObject::connect(&w, &TStageHost::uploadSucceeded, &w, [sent] { *sent = true; });
    auto update = [&w, items, sent](int stage) {
        if (stage < TfrmMain::stSend) *sent = false;
        items[TfrmMain::stSent]->setEnabled(*sent && stage >= TfrmMain::stSend);
        w.Pictures().redPill->setAccessibleName(QCoreApplication::translate("ProgramKeys", "Current stage: ") + QCoreApplication::translate("ProgramKeys", kStageItems[stage].spoken));
        NameControls(&w);
    };
    QObject::connect(&w, &TfrmMain::stageChanged, &w, update);
    update(w.CurrentStage());

    // The toolbar is one picture; a stand-in over each arrow tells its stage.
    TPicture* toolbar = w.Pictures().toolbar;
    toolbar->setAccessibleName(QCoreApplication::translate("ProgramKeys", "Stages"));
    for (int stage = 0; stage < 5; ++stage) {
        auto* arrow = new QWidget(toolbar);
        arrow->setObjectName(QStringLiteral("accStage%1").arg(stage + 1));
        arrow->setGeometry(kStages[stage].left, 0, kStages[stage].width, 96);
        arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAccessibleName(QCoreApplication::translate("ProgramKeys", "Stage %1: %2").arg(stage + 1).arg(QCoreApplication::translate("ProgramKeys", kStageItems[stage].spoken)));
        arrow->setAccessibleDescription(QStringLiteral("Ctrl+%1").arg(stage + 1));
    }
    w.Pictures().exit->setAccessibleName(QCoreApplication::translate("ProgramKeys", "Exit"));
    w.FullSizeButton()->setAccessibleName(QCoreApplication::translate("ProgramKeys", "Preview size"));
    w.Pictures().logo->setAccessibleName(QStringLiteral("Tarvo"));
    // Controls that neither a label nor a text of their own names.
    if (TViewStage* view = w.View()) {
        view->ctlHTML->setAccessibleName(QCoreApplication::translate("ProgramKeys", "Page preview"));
        view->memHTML->setAccessibleName(QCoreApplication::translate("ProgramKeys", "HTML of the page"));
    }
    NameControls(&w);
}

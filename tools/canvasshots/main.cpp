// Saves pictures of the main window while a page is built, for a person to
// look at:
//
//   build/tests/tarvo_canvasshots FOLDER
//
// It works on a fresh copy of the built program folder with empty settings
// and makes the gestures of the build-stage suites (real presses, moves and
// releases). TARVO_ART_RCC names a compiled picture resource to lend when
// the program has none built in.
#include "BuildStageHelpers.h"
#include "TarvoResources.h"
#include "app/Application.h"

#include <QDir>
#include <QResource>
#include <cstdio>

namespace {

bool BuildAPage(TBuildStage& s, const QString& dir) {
    TBuildCanvas* c = s.canvas;
    auto shot = [&](const QString& name) { return s.w->grab().save(QDir(dir).filePath(name + ".png")); };
    auto settled = [c] { return QTest::qWaitFor([c] { return !c->DraggingBrick; }); };
    if (!shot("00-empty")) return false;
    TPicture* bricks[] = {c->imgBrHeading, c->imgBrPara, c->imgBrImage, c->imgBrLink, c->imgBrEmail, c->imgBrLine};
    for (TPicture* brick : bricks) {
        DropBrickAt(brick, 199, 260);
        if (!settled()) return false;
    }
    shot("01-six-kinds");
    StartDrag(c->imgBrLink);
    DragTo(c->imgBrLink, 160, 100);
    shot("02-toolbox-drag");
    DragTo(c->imgBrLink, 199, 100);
    Release(c->imgBrLink);
    QTest::qWait(40);  // a frame of the block sliding home
    shot("03-sliding-home");
    if (!settled()) return false;
    TWebBlock* row = c->CanvasRows[1];
    StartDrag(row);
    DragTo(row, 199, 4 * 31 + 3);
    shot("04-block-drag");
    DragTo(row, 150, 255);
    DragTo(row, 40, 255);
    shot("05-over-shredder");
    Release(row);
    QTest::qWait(300);  // a frame of the shredder
    shot("06-shredding");
    if (!QTest::qWaitFor([c] { return c->imgShredder->isHidden(); })) return false;
    for (int i = 0; i < c->RowCount(); ++i) {
        c->HighLightBlock(i);
        shot(QString("1%1-panel-%2").arg(i).arg(s.page().Chunk(c->CanvasRows[size_t(i)]->ChunkIndex)->Kind));
    }
    for (int i = 0; i < 10; ++i) s.load(bkPara);
    c->ScrollBar1->setValue(3);
    shot("20-scrolled");
    c->ClearPage();
    return shot("21-cleared");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("TARVO_BIN_DIR")) qputenv("TARVO_BIN_DIR", TARVO_SHOTS_PROGRAM_DIR);
    qputenv("TARVO_MUTE", "1");
    TTarvoApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarvo_canvasshots FOLDER\n");
        return 1;
    }
    InitTarvoResources();
    const QString art = qEnvironmentVariable("TARVO_ART_RCC");
    if (!art.isEmpty() && !QResource::registerResource(art)) {
        std::fprintf(stderr, "tarvo_canvasshots: cannot read %s\n", qPrintable(art));
        return 1;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    TBuildStage s;
    const bool ok = s.open() && BuildAPage(s, dir);
    s.close();
    if (!ok) std::fprintf(stderr, "tarvo_canvasshots: the pictures could not all be made\n");
    return ok ? 0 : 2;
}

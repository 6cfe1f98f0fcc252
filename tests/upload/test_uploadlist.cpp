// The upload list and plan: which files a page sends and under what names.
#include "app/Utils.h"
#include "upload/UploadList.h"
#include "upload/UploadPlan.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestUploadList : public QObject {
    Q_OBJECT
    static QStringList Remotes(const UploadList& l) {
        QStringList r;
        for (const auto& e : l) r << e.Remote;
        return r;
    }
private slots:
    void referencesAreListedOnceInScanOrder() {
        const QString page = QStringLiteral("/site/HTMLFiles/page.html");
        const QString html = QStringLiteral(
            "<BODY BACKGROUND=\"backgrnd/paper.jpg\">\r\n"
            "<IMG SRC=\"graphics/Logo.GIF\"><img src=graphics/b.png alt=x>\r\n"
            "<IMG SRC=\"http://example.com/x.gif\"><IMG SRC=\"https://example.com/y.gif\">\r\n"
            "<IMG SRC=\"\"><IMG SRC=\"graphics/Logo.GIF\">\r\n"
            "<!-- <IMG SRC=\"graphics/hidden.gif\"> -->\r\n"
            "<!-- a plain remark --><IMG SRC=\"graphics/after.gif\">\r\n"
            // Words whose lower case is longer than they are do not shift
            // the names read after them.
            "<IMG ALT=\"\u0130stanbul \u0130zmir\" SRC=\"graphics/turkey.gif\">\r\n");
        const UploadList l = BuildUploadList(html, page);
        QCOMPARE(Remotes(l), (QStringList{"graphics/Logo.GIF", "graphics/b.png", "graphics/after.gif",
                                          "graphics/turkey.gif", "backgrnd/paper.jpg"}));
        QCOMPARE(l[0].Local, QStringLiteral("/site/HTMLFiles/graphics/Logo.GIF"));
        QCOMPARE(l[0].FileKind, QStringLiteral("gif/jpg"));
    }

    void referencesOutsideTheFolderAreKeptAsRefused() {
        const QString page = QStringLiteral("/h/HTMLFiles/page.html");
        const UploadList l = BuildUploadList(
            QStringLiteral("<IMG SRC=\"file:///C|/pics/Me.gif\"><IMG SRC=\"C:\\x.gif\"><IMG SRC=\"//cdn.example/a.gif\">"
                           "<IMG SRC=\"a/../../b.gif\"><IMG SRC=\"../b.gif\"><IMG SRC=\"a/../b.gif\"><IMG SRC=\"../b.gif\">"),
            page);
        // A web address without a scheme is not a file; each refusal once.
        QCOMPARE(Remotes(l), (QStringList{"file:///C|/pics/Me.gif", "C:\\x.gif", "a/../../b.gif", "../b.gif", "b.gif"}));
        for (size_t i = 0; i < 4; ++i) {
            QCOMPARE(l[i].State, TUploadState::Refused);
            QCOMPARE(l[i].Reason, QStringLiteral("outside the page's folder"));
            QVERIFY(l[i].Local.isEmpty());
        }
        QCOMPARE(l[4].State, TUploadState::ToSend);
        QCOMPARE(l[4].Local, QStringLiteral("/h/HTMLFiles/b.gif"));
        // The plan keeps them, as files not to send.
        const auto plan = MakeUploadPlan(page, l);
        QCOMPARE(plan.size(), size_t(6));
        QCOMPARE(plan[0].Refused, QStringLiteral("outside the page's folder"));
        QVERIFY(plan[0].Local.isEmpty());
        // A file the folder lacks is left out too, before anything is made for it.
        QVERIFY(plan[4].Missing);
        QCOMPARE(plan[4].Refused, QStringLiteral("the file does not exist"));
        QVERIFY(plan[5].Refused.isEmpty());
    }

    void planNamesAndModes() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("graphics"));
        QFile(dir.filePath(QStringLiteral("graphics/logo.gif"))).open(QIODevice::WriteOnly);
        QFile(dir.filePath(QStringLiteral("graphics/Only.PNG"))).open(QIODevice::WriteOnly);
        QFile(dir.filePath(QStringLiteral("notes.TXT"))).open(QIODevice::WriteOnly);
        const QString page = dir.filePath(QStringLiteral("my page.html"));
        const UploadList l = BuildUploadList(
            QStringLiteral("<IMG SRC=\"graphics/Logo.GIF\"><IMG SRC=\"graphics/Only.PNG\"><A HREF=x><IMG SRC=notes.TXT>"),
            page);
        const auto plan = MakeUploadPlan(page, l);
        QCOMPARE(plan.size(), size_t(4));
        // The page goes after everything it shows.
        QCOMPARE(plan[3].Remote, QStringLiteral("mypage.html"));
        QCOMPARE(plan[3].Local, page);
        QCOMPARE(plan[3].Role, TFileRole::VisitorPage);
        QVERIFY(!plan[3].Binary);
        // Every file under the name the page writes; a copy in lower case
        // stands in for a written name that has no file.
        QCOMPARE(plan[0].Remote, QStringLiteral("graphics/Logo.GIF"));
        QCOMPARE(plan[0].Local, dir.filePath(QStringLiteral("graphics/logo.gif")));
        QVERIFY(plan[0].Binary);
        QCOMPARE(plan[1].Remote, QStringLiteral("graphics/Only.PNG"));
        QCOMPARE(plan[1].Local, dir.filePath(QStringLiteral("graphics/Only.PNG")));
        QCOMPARE(plan[2].Remote, QStringLiteral("notes.TXT"));
        QVERIFY(!plan[2].Binary);
        QCOMPARE(PageFileName(QStringLiteral("/x/save/my page.tve")), QStringLiteral("my page.html"));
    }
};

QTEST_GUILESS_MAIN(TestUploadList)
#include "test_uploadlist.moc"

#include "docs/HtmlCommand.h"

#include "app/Utils.h"
#include "docs/PageFile.h"
#include "html/BodyStyle.h"
#include "html/PageEncoding.h"
#include "html/PageGenerator.h"
#include "model/WebBlocks.h"
#include "styles/StyleList.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include "app/SafeWrite.h"
#include <QTextStream>

namespace {

const char* const kUsage = "usage: tarvo --html DOCUMENT [--no-logo] [-o FILE]";

struct TOptions {
    QString document;
    QString outFile;
    bool logo = true;
};

// Parses the arguments after "--html"; false on any misuse.
bool ParseArgs(const QStringList& args, TOptions& o) {
    if (args.isEmpty() || args.first() != QLatin1String("--html")) return false;
    bool haveDocument = false, haveOut = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--no-logo")) {
            o.logo = false;
        } else if (a == QLatin1String("-o")) {
            if (haveOut || i + 1 >= args.size() || args[i + 1].isEmpty()) return false;
            o.outFile = args[++i];
            haveOut = true;
        } else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            return false;
        } else {
            if (haveDocument || a.isEmpty()) return false;
            o.document = a;
            haveDocument = true;
        }
    }
    return haveDocument;
}

bool WriteOutput(const TOptions& o, const QByteArray& bytes, QIODevice& out, QString& error) {
    if (o.outFile.isEmpty()) {
        if (out.write(bytes) != bytes.size()) {
            error = QStringLiteral("cannot write the page to standard output");
            return false;
        }
        return true;
    }
    const TWriteOutcome written = WriteFileChecked(o.outFile, bytes);
    if (!written.ok) {
        error = QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(o.outFile), written.reason);
        return false;
    }
    return true;
}

}  // namespace

QString PageHtmlOfDocument(const QString& document, bool logo, TPageReadOutcome& read) {
    TPage page;
    read = ReadPageFile(document, page);
    if (read.Result == TPageReadResult::Unreadable || read.Result == TPageReadResult::NotAPage) return QString();
    // As in the window: a page without a title or a heading is titled by
    // its document's name.
    page.DocFileName = QFileInfo(document).absoluteFilePath();
    // The style list box holds "[None]" and the styles; "[None]" is selected,
    // then the stored style when the list has it.
    TStyleList styles;
    LoadStyleList(StylesDataPath(), styles);
    int selected = 0;
    if (read.HasStyleName) {
        const int index = StyleListBoxIndex(styles, read.StyleName);
        if (index >= 0) selected = index;
    }
    const TStyleChunk* style = StyleForListBoxIndex(styles, selected);
    return AddBodyDef(BuildPageHTML(page, logo), style);
}

int RunHtmlCommand(const QStringList& args, QIODevice& out, QTextStream& err) {
    TOptions o;
    if (!ParseArgs(args, o)) {
        err << kUsage << Qt::endl;
        return hcUsage;
    }

    TPageReadOutcome read;
    const QString html = PageHtmlOfDocument(o.document, o.logo, read);
    if (read.Result == TPageReadResult::Unreadable || read.Result == TPageReadResult::NotAPage) {
        err << "tarvo: " << read.Message << Qt::endl;
        return read.Result == TPageReadResult::Unreadable ? hcUnreadable : hcNotAPage;
    }
    QString error;
    if (!WriteOutput(o, EncodePageHTML(html).Bytes, out, error)) {
        err << "tarvo: " << error << Qt::endl;
        return hcUnreadable;
    }
    if (read.Result == TPageReadResult::Damaged) {
        err << "tarvo: warning: " << read.Message << Qt::endl;
        return hcDamaged;
    }
    return hcOk;
}

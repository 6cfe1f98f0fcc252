#include "PageSource.h"

#include "app/Utils.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

// Blocks of non-empty lines, comments dropped; each line keeps its number.
struct TLine {
    int number;
    QString text;
};
using TBlock = QList<TLine>;

bool ReadBlocks(const QString& path, QList<TBlock>& blocks, QString& error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = path + QStringLiteral(": cannot be read");
        return false;
    }
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    TBlock current;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('#'))) continue;
        if (line.isEmpty()) {
            if (!current.isEmpty()) blocks.append(current);
            current.clear();
            continue;
        }
        current.append({i + 1, line});
    }
    if (!current.isEmpty()) blocks.append(current);
    return true;
}

// "key: value" split at the first colon; false when the line has none.
bool SplitField(const QString& line, QString& key, QString& value) {
    const int colon = line.indexOf(QLatin1Char(':'));
    if (colon <= 0) return false;
    key = line.left(colon).trimmed().toLower();
    value = line.mid(colon + 1).trimmed();
    return true;
}

quint8 AlignFrom(const QString& word) {
    if (word == QLatin1String("left")) return alLeft;
    if (word == QLatin1String("center")) return alCenter;
    if (word == QLatin1String("right")) return alRight;
    return alNone;
}

struct TParser {
    QString path;
    QString error;

    bool fail(int line, const QString& what) {
        error = path + QLatin1Char(':') + QString::number(line) + QStringLiteral(": ") + what;
        return false;
    }

    // Fields of a block (all lines after the first) into a map.
    bool fields(const TBlock& b, QHash<QString, QString>& out, const QStringList& allowed) {
        for (int i = 1; i < b.size(); ++i) {
            QString key, value;
            if (!SplitField(b[i].text, key, value) || !allowed.contains(key))
                return fail(b[i].number, QStringLiteral("expected one of ") + allowed.join(QStringLiteral(", ")));
            out.insert(key, value);
        }
        return true;
    }

    bool block(const TBlock& b, TPage& page) {
        const QStringList head = b[0].text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString kind = head[0].toLower();
        const QString option = head.size() > 1 ? head.last().toLower() : QString();
        QStringList body;
        for (int i = 1; i < b.size(); ++i) body << b[i].text;

        std::unique_ptr<TWebChunk> chunk;
        if (kind == QLatin1String("heading")) {
            const int level = head.size() > 1 ? head[1].toInt() : 1;
            if (level < 1 || level > 6 || body.isEmpty()) return fail(b[0].number, QStringLiteral("heading LEVEL [ALIGN] and its text"));
            chunk = NewChunkForKind(bkHeading);
            chunk->Heading->HeadSize = QLatin1String(kHeadSizes[level - 1]);
            chunk->Heading->HeadText = body.join(QLatin1Char(' '));
            chunk->Heading->Align = head.size() > 2 ? AlignFrom(option) : quint8(alNone);
        } else if (kind == QLatin1String("para")) {
            if (body.isEmpty()) return fail(b[0].number, QStringLiteral("a paragraph needs text"));
            chunk = NewChunkForKind(bkPara);
            chunk->Para->Paragraph = body.join(CRLF);
            // Without an alignment paragraphs would run into each other.
            chunk->Para->Align = head.size() > 1 ? AlignFrom(option) : quint8(alLeft);
        } else if (kind == QLatin1String("image")) {
            QHash<QString, QString> f;
            if (!fields(b, f, {"file", "size", "alt", "link"})) return false;
            chunk = NewChunkForKind(bkImage);
            chunk->Image->FileName = f.value(QStringLiteral("file"));
            const QStringList size = f.value(QStringLiteral("size")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (chunk->Image->FileName.isEmpty() || size.size() != 2)
                return fail(b[0].number, QStringLiteral("an image needs file: and size: WIDTH HEIGHT"));
            chunk->Image->ImgWidth = size[0];
            chunk->Image->ImgHeight = size[1];
            chunk->Image->AltText = f.value(QStringLiteral("alt"));
            if (f.contains(QStringLiteral("link"))) chunk->Image->ImgLink = f.value(QStringLiteral("link"));
            chunk->Image->Align = head.size() > 1 ? AlignFrom(option) : quint8(alNone);
        } else if (kind == QLatin1String("link")) {
            QHash<QString, QString> f;
            if (!fields(b, f, {"pre", "url", "text", "post"})) return false;
            chunk = NewChunkForKind(bkLink);
            chunk->Link->PreText = f.value(QStringLiteral("pre"));
            chunk->Link->URL = f.value(QStringLiteral("url"), QStringLiteral("http://"));
            chunk->Link->LinkText = f.value(QStringLiteral("text"));
            chunk->Link->PostText = f.value(QStringLiteral("post"));
            chunk->Link->Align = head.size() > 1 ? AlignFrom(option) : quint8(alNone);
        } else if (kind == QLatin1String("email")) {
            QHash<QString, QString> f;
            if (!fields(b, f, {"pre", "address", "text", "post"})) return false;
            chunk = NewChunkForKind(bkEmail);
            chunk->Email->PreText = f.value(QStringLiteral("pre"));
            chunk->Email->Address = f.value(QStringLiteral("address"));
            chunk->Email->LinkText = f.value(QStringLiteral("text"), chunk->Email->Address);
            chunk->Email->PostText = f.value(QStringLiteral("post"));
            chunk->Email->Align = head.size() > 1 ? AlignFrom(option) : quint8(alNone);
        } else if (kind == QLatin1String("line")) {
            const int thickness = head.size() > 2 ? head[2].toInt() : 2;
            if (thickness < 1 || thickness > 6) return fail(b[0].number, QStringLiteral("line WIDTH THICKNESS(1-6)"));
            chunk = NewChunkForKind(bkLine);
            chunk->Line->LineWidth = head.size() > 1 ? head[1] : QString();
            chunk->Line->Thickness = QLatin1String(kLineThicknesses[6 - thickness]);
        } else {
            return fail(b[0].number, QStringLiteral("unknown block kind ") + kind);
        }
        page.InsertChunk(page.Count(), std::move(chunk));
        return true;
    }
};

bool ColorField(const QString& text, quint32& color) {
    static const QRegularExpression rx(QStringLiteral("^#([0-9A-Fa-f]{6})$"));
    const auto m = rx.match(text);
    if (!m.hasMatch()) return false;
    const quint32 rgb = m.captured(1).toUInt(nullptr, 16);
    // Held as 0x00BBGGRR.
    color = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
    return true;
}

}  // namespace

bool ReadPageSource(const QString& path, TPage& page, QString& style, QString& error) {
    QList<TBlock> blocks;
    if (!ReadBlocks(path, blocks, error)) return false;
    TParser p{path, {}};
    if (blocks.isEmpty()) {
        error = path + QStringLiteral(": empty");
        return false;
    }
    // The first block holds the title and the style.
    QHash<QString, QString> head;
    TBlock first = blocks.takeFirst();
    first.prepend({0, QString()});
    if (!p.fields(first, head, {"title", "style"})) {
        error = p.error;
        return false;
    }
    page.PageTitle = head.value(QStringLiteral("title"));
    style = head.value(QStringLiteral("style"), kNoStyleName);
    for (const TBlock& b : blocks)
        if (!p.block(b, page)) {
            error = p.error;
            return false;
        }
    return true;
}

bool ReadStyleSource(const QString& path, TStyleList& styles, QString& error) {
    QList<TBlock> blocks;
    if (!ReadBlocks(path, blocks, error)) return false;
    TParser p{path, {}};
    for (TBlock b : blocks) {
        b.prepend({0, QString()});
        QHash<QString, QString> f;
        if (!p.fields(b, f, {"name", "background", "back", "text", "link", "alink", "vlink"})) {
            error = p.error;
            return false;
        }
        auto s = std::make_unique<TStyleChunk>();
        s->StyleName = f.value(QStringLiteral("name"));
        s->BackImage = f.value(QStringLiteral("background"));
        if (s->StyleName.isEmpty() || !ColorField(f.value(QStringLiteral("back")), s->BackColor) ||
            !ColorField(f.value(QStringLiteral("text")), s->TextColor) ||
            !ColorField(f.value(QStringLiteral("link")), s->LinkColor) ||
            !ColorField(f.value(QStringLiteral("alink")), s->ALinkColor) ||
            !ColorField(f.value(QStringLiteral("vlink")), s->VLinkColor)) {
            error = path + QStringLiteral(":") + QString::number(b[1].number) +
                    QStringLiteral(": a style needs name: and the five colours as #RRGGBB");
            return false;
        }
        styles.push_back(std::move(s));
    }
    return true;
}

#include "docs/PageFile.h"
#include "app/SafeWrite.h"

#include "app/BinaryIO.h"
#include "model/WebBlocks.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

QString SnapshotPath(const QString& documentPath) {
    return documentPath + QStringLiteral(".bmp");
}

// ---- Writing ----------------------------------------------------------------

namespace {
template <typename T>
const T& RecordOrDefault(const std::unique_ptr<T>& record) {
    static const T defaults;
    return record ? *record : defaults;
}
}  // namespace

bool WriteChunk(QIODevice& dev, const TWebChunk& chunk, TStrCoding coding) {
    bool fits = true;
    // Every string in the one coding, noting whether each fitted.
    const auto Str = [&](QIODevice& d, const QString& text) { fits = WriteStr(d, text, coding) && fits; };
    WriteInt32(dev, chunk.Kind);
    switch (chunk.Kind) {
        case bkPara: {
            const auto& b = RecordOrDefault(chunk.Para);
            Str(dev, b.Paragraph);
            WriteInt32(dev, b.Align);
            WriteByte(dev, b.NewLine);
            break;
        }
        case bkLink: {
            const auto& b = RecordOrDefault(chunk.Link);
            Str(dev, b.PreText);
            Str(dev, b.URL);
            Str(dev, b.LinkText);
            Str(dev, b.PostText);
            WriteInt32(dev, b.Align);
            WriteByte(dev, b.NewLine);
            break;
        }
        case bkImage: {
            const auto& b = RecordOrDefault(chunk.Image);
            Str(dev, b.FileName);
            Str(dev, b.ImgHeight);
            Str(dev, b.ImgWidth);
            Str(dev, b.AltText);
            Str(dev, b.ImgLink);
            WriteInt32(dev, b.Align);
            WriteByte(dev, b.NewLine);
            break;
        }
        case bkHeading: {
            // The heading's new-line flag is not stored.
            const auto& b = RecordOrDefault(chunk.Heading);
            Str(dev, b.HeadSize);
            Str(dev, b.HeadText);
            WriteInt32(dev, b.Align);
            break;
        }
        case bkEmail: {
            // The address comes first here, unlike the record's own order.
            const auto& b = RecordOrDefault(chunk.Email);
            Str(dev, b.Address);
            Str(dev, b.PreText);
            Str(dev, b.LinkText);
            Str(dev, b.PostText);
            WriteInt32(dev, b.Align);
            WriteByte(dev, b.NewLine);
            break;
        }
        case bkLine: {
            const auto& b = RecordOrDefault(chunk.Line);
            Str(dev, b.LineWidth);
            Str(dev, b.Thickness);
            break;
        }
        default: break;
    }
    return fits;
}

namespace {

// The document in one coding; false when a string did not fit it.
bool PageFileBytesIn(const TPage& page, const QString& styleName, TStrCoding coding, QByteArray& bytes) {
    bytes.clear();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteFixed(buffer, kPageFileHeader);
    WriteFixed(buffer, coding == TStrCoding::Utf8 ? kPageFileVersionUtf8 : kPageFileVersion);
    bool fits = WriteStr(buffer, styleName, coding);
    fits = WriteStr(buffer, page.PageTitle, coding) && fits;
    qint32 count = 0;
    for (const auto& chunk : page.WebChunks)
        if (chunk && chunk->Kind >= 0 && chunk->Kind < kBlockKindCount) ++count;
    WriteInt32(buffer, count);
    for (const auto& chunk : page.WebChunks)
        if (chunk && chunk->Kind >= 0 && chunk->Kind < kBlockKindCount) fits = WriteChunk(buffer, *chunk, coding) && fits;
    WriteInt32(buffer, 4);
    WriteInt32(buffer, kEndMarkerKind);
    WriteFixed(buffer, kPageFileTrailer);
    const quint8 flags = (page.FitPhone ? kOptionFitPhone : 0) | (page.ReadableLayout ? kOptionReadable : 0) |
                        (page.ShowSiteMenu ? kOptionSiteMenu : 0);
    // The decoration pictures by their place among the blocks written.
    std::vector<qint32> decoration;
    qint32 place = 0;
    for (const auto& chunk : page.WebChunks) {
        if (!chunk || chunk->Kind < 0 || chunk->Kind >= kBlockKindCount) continue;
        if (chunk->Kind == bkImage && chunk->Image && chunk->Image->Decoration) decoration.push_back(place);
        ++place;
    }
    const bool more = !page.IconFile.isEmpty() || !decoration.empty();
    if (flags != 0 || page.Standards() || more) {
        QByteArray options;
        QBuffer out(&options);
        out.open(QIODevice::WriteOnly);
        WriteByte(out, flags);
        if (page.Standards() || more) {
            WriteStr(out, page.Language, TStrCoding::Utf8);
            WriteStr(out, page.Description, TStrCoding::Utf8);
        }
        if (more) {
            WriteStr(out, page.IconFile, TStrCoding::Utf8);
            WriteInt32(out, qint32(decoration.size()));
            for (const qint32 index : decoration) WriteInt32(out, index);
        }
        WriteFixed(buffer, kPageOptionsTag);
        WriteInt32(buffer, qint32(options.size()));
        WriteFixed(buffer, options);
    }
    return fits;
}

}  // namespace

QByteArray PageFileBytes(const TPage& page, const QString& styleName) {
    QByteArray bytes;
    if (!PageFileBytesIn(page, styleName, TStrCoding::Ansi, bytes))
        PageFileBytesIn(page, styleName, TStrCoding::Utf8, bytes);
    return bytes;
}

bool WritePageFile(const QString& path, const TPage& page, const QString& styleName, const QImage& snapshot,
                   QString* error) {
    const QImage picture = snapshot.isNull() ? CapturePageSnapshot(page) : snapshot;
    const QString picturePath = SnapshotPath(path);
    QByteArray pictureBytes;
    {
        QBuffer buffer(&pictureBytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "BMP");
    }
    // The snapshot goes first: if it cannot be written the old document
    // and picture both stay. Each file is complete before it replaces the
    // old one.
    QString target = picturePath;
    TWriteOutcome written = WriteFileChecked(picturePath, pictureBytes);
    if (written.ok) {
        target = path;
        written = WriteFileChecked(path, PageFileBytes(page, styleName));
    }
    if (!written.ok && error)
        *error = written.diskFull ? QCoreApplication::translate("PageFile", "The disk is full: your page was not saved; the last saved version is kept.")
                                  : written.Message(target);
    return written.ok;
}

// ---- Reading ----------------------------------------------------------------

namespace {

quint8 LowByte(qint32 value) {
    return quint8(value & 0xFF);
}

bool ReadAlign(TBinReader& in, quint8& align) {
    qint32 v = 0;
    if (!in.ReadInt32(v)) return false;
    align = LowByte(v);  // only the lowest byte counts
    return true;
}

bool ReadRecord(TBinReader& in, TWebChunk& c) {
    switch (c.Kind) {
        case bkPara: {
            auto& b = *c.Para;
            return in.ReadStr(b.Paragraph) && ReadAlign(in, b.Align) && in.ReadByte(b.NewLine);
        }
        case bkLink: {
            auto& b = *c.Link;
            return in.ReadStr(b.PreText) && in.ReadStr(b.URL) && in.ReadStr(b.LinkText) && in.ReadStr(b.PostText) &&
                   ReadAlign(in, b.Align) && in.ReadByte(b.NewLine);
        }
        case bkImage: {
            auto& b = *c.Image;
            return in.ReadStr(b.FileName) && in.ReadStr(b.ImgHeight) && in.ReadStr(b.ImgWidth) &&
                   in.ReadStr(b.AltText) && in.ReadStr(b.ImgLink) && ReadAlign(in, b.Align) && in.ReadByte(b.NewLine);
        }
        case bkHeading: {
            auto& b = *c.Heading;
            return in.ReadStr(b.HeadSize) && in.ReadStr(b.HeadText) && ReadAlign(in, b.Align);
        }
        case bkEmail: {
            auto& b = *c.Email;
            return in.ReadStr(b.Address) && in.ReadStr(b.PreText) && in.ReadStr(b.LinkText) &&
                   in.ReadStr(b.PostText) && ReadAlign(in, b.Align) && in.ReadByte(b.NewLine);
        }
        case bkLine: {
            auto& b = *c.Line;
            return in.ReadStr(b.LineWidth) && in.ReadStr(b.Thickness);
        }
        default: return false;
    }
}

TPageReadFault FaultOf(const TBinReader& in) {
    switch (in.Fault()) {
        case TBinReader::TFault::StringPastEnd: return TPageReadFault::StringPastEnd;
        case TBinReader::TFault::StringTooLong: return TPageReadFault::StringTooLong;
        default: return TPageReadFault::Truncated;
    }
}

int Digit(char c) {
    return (c >= '0' && c <= '9') ? c - '0' : -1;
}

// What the header and version say about a file.
struct THeaderCheck {
    TPageReadResult result = TPageReadResult::Ok;
    TPageReadFault fault = TPageReadFault::None;
    QByteArray versionText;
    int major = -1;
    int minor = -1;
};

THeaderCheck CheckHeader(TBinReader& in) {
    THeaderCheck h;
    QByteArray header;
    // A file shorter than the header (an empty file too) is simply not a page.
    if (!in.ReadFixed(qMin<qint64>(kPageFileHeader.size(), in.Remaining()), header) || header != kPageFileHeader) {
        h.result = TPageReadResult::NotAPage;
        h.fault = TPageReadFault::BadHeader;
        return h;
    }
    if (!in.ReadFixed(kPageFileVersion.size(), h.versionText)) {
        h.result = TPageReadResult::Damaged;
        h.fault = TPageReadFault::Truncated;
        return h;
    }
    // First character the major version, last two the minor version.
    const QByteArray& v = h.versionText;
    const int major = Digit(v[0]), minorHigh = Digit(v[2]), minorLow = Digit(v[3]);
    if (major < 0 || minorHigh < 0 || minorLow < 0) {
        h.result = TPageReadResult::NotAPage;
        h.fault = TPageReadFault::BadVersionText;
        return h;
    }
    h.major = major;
    h.minor = minorHigh * 10 + minorLow;
    if (major != 1) {
        h.result = TPageReadResult::NotAPage;
        h.fault = TPageReadFault::WrongMajorVersion;
    }
    return h;
}

// The options section where `in` stands (right after the trailer) into
// `page`; every option off when there is none or it is cut off. A language
// or description cut off or unreadable leaves both empty. The blocks of
// this file start at `firstBlock` of the page.
void ReadOptions(TBinReader& in, TPage& page, int firstBlock) {
    QByteArray tag;
    qint32 count = 0;
    QByteArray options;
    if (in.Remaining() < kPageOptionsTag.size() + 4 + 1 || !in.ReadFixed(kPageOptionsTag.size(), tag) ||
        tag != kPageOptionsTag || !in.ReadInt32(count) || count < 1 || count > in.Remaining() ||
        !in.ReadFixed(count, options))
        return;
    QBuffer buffer(&options);
    buffer.open(QIODevice::ReadOnly);
    TBinReader section(buffer, TStrCoding::Utf8);
    quint8 flags = 0;
    section.ReadByte(flags);
    page.FitPhone = (flags & kOptionFitPhone) != 0;
    page.ReadableLayout = (flags & kOptionReadable) != 0;
    page.ShowSiteMenu = (flags & kOptionSiteMenu) != 0;
    QString language, description;
    // The language goes into the page's HTML tag as it stands: a text that
    // is no language tag (letters, digits and hyphens) is not taken.
    static const QRegularExpression tagPattern(QStringLiteral("^[A-Za-z]{2,8}(-[A-Za-z0-9]{1,8})*$"));
    if (section.Remaining() == 0 || !section.ReadStr(language) || !section.ReadStr(description)) return;
    if (tagPattern.match(language).hasMatch()) {
        page.Language = language;
        page.Description = description;
    }
    // The icon and the decoration pictures; each mark must name a picture
    // block, or it is passed over.
    QString icon;
    qint32 marks = 0;
    if (section.Remaining() == 0 || !section.ReadStr(icon) || !section.ReadInt32(marks)) return;
    page.IconFile = icon;
    for (qint32 i = 0; i < marks && section.Remaining() >= 4; ++i) {
        qint32 index = -1;
        section.ReadInt32(index);
        TWebChunk* chunk = index >= 0 ? page.Chunk(firstBlock + index) : nullptr;
        if (chunk && chunk->Kind == bkImage && chunk->Image) chunk->Image->Decoration = true;
    }
}

QString Printable(const QByteArray& bytes) {
    QString s = QString::fromLatin1(bytes);
    for (QChar& c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char('?');
    return s;
}

QString DescribeOutcome(const QString& path, const TPageReadOutcome& o, const QByteArray& versionText, qint32 kind) {
    const QString name = QDir::toNativeSeparators(path);
    switch (o.Fault) {
        case TPageReadFault::None: return QString();
        case TPageReadFault::CannotOpen: return QCoreApplication::translate("PageFile", "Cannot open file %1.").arg(name);
        case TPageReadFault::BadHeader: return QCoreApplication::translate("PageFile", "%1 is not a Tarvo page.").arg(name);
        case TPageReadFault::BadVersionText:
            return QCoreApplication::translate("PageFile", "%1 is not a Tarvo page: its version \"%2\" is not a version number.")
                .arg(name, Printable(versionText));
        case TPageReadFault::WrongMajorVersion:
            return QCoreApplication::translate("PageFile", "%1 is a Tarvo page of version %2, which this Tarvo cannot read.")
                .arg(name, Printable(versionText));
        default: break;
    }
    QString what;
    switch (o.Fault) {
        case TPageReadFault::EndMarkerEarly: what = QCoreApplication::translate("PageFile", "the blocks end early"); break;
        case TPageReadFault::UnknownBlock: what = QCoreApplication::translate("PageFile", "a block of unknown kind %1").arg(kind); break;
        case TPageReadFault::StringPastEnd: what = QCoreApplication::translate("PageFile", "a text runs past the end of the file"); break;
        case TPageReadFault::StringTooLong: what = QCoreApplication::translate("PageFile", "a text is impossibly long"); break;
        default: what = QCoreApplication::translate("PageFile", "the file ends early"); break;
    }
    return QCoreApplication::translate("PageFile", "%1 is damaged (%2); %3 of %4 blocks were read.")
        .arg(name, what)
        .arg(o.BlocksRead)
        .arg(qMax(o.BlockCount, o.BlocksRead));
}

}  // namespace

std::unique_ptr<TWebChunk> ReadChunk(TBinReader& in, TLoadStatus& status, qint32* kind) {
    qint32 k = 0;
    if (!in.ReadInt32(k)) {
        status = lsTruncated;
        return nullptr;
    }
    if (kind) *kind = k;
    if (k == kEndMarkerKind) {
        status = lsEndMarker;
        return nullptr;
    }
    if (k < 0 || k >= kBlockKindCount) {
        status = lsUnknownBlock;
        return nullptr;
    }
    // Not NewChunkForKind: the picture holder is the window's business
    // (LoadChunk), and the reader must also work without a GUI.
    auto chunk = std::make_unique<TWebChunk>();
    chunk->Kind = k;
    chunk->AllocateRecord();
    if (!ReadRecord(in, *chunk)) {
        status = lsTruncated;
        return nullptr;
    }
    return chunk;
}

TPageReadOutcome ReadPageFile(const QString& path, TPage& page, const std::function<void(int index)>& chunkLoaded) {
    TPageReadOutcome o;
    QByteArray versionText;
    qint32 lastKind = 0;
    const auto finish = [&](TPageReadResult result, TPageReadFault fault) {
        o.Result = result;
        o.Fault = fault;
        o.Message = DescribeOutcome(path, o, versionText, lastKind);
        return o;
    };

    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return finish(TPageReadResult::Unreadable, TPageReadFault::CannotOpen);
    TBinReader in(file);

    const THeaderCheck h = CheckHeader(in);
    versionText = h.versionText;
    o.MajorVersion = h.major;
    o.MinorVersion = h.minor;
    if (h.result != TPageReadResult::Ok) return finish(h.result, h.fault);
    page.FitPhone = false;
    page.ReadableLayout = false;
    page.ShowSiteMenu = false;
    page.Language.clear();
    page.Description.clear();
    page.IconFile.clear();

    // Version 1.04 and later hold UTF-8; older ones Windows-1252.
    if (o.MinorVersion >= kUtf8MinorVersion) in.SetCoding(TStrCoding::Utf8);
    if (o.MinorVersion > 0) {
        if (!in.ReadStr(o.StyleName)) return finish(TPageReadResult::Damaged, FaultOf(in));
        o.HasStyleName = true;
    }
    if (o.MinorVersion > 2) {
        QString title;
        if (!in.ReadStr(title)) return finish(TPageReadResult::Damaged, FaultOf(in));
        page.PageTitle = title;
        o.HasTitle = true;
    }
    qint32 count = 0;
    if (!in.ReadInt32(count)) return finish(TPageReadResult::Damaged, FaultOf(in));
    const int first = page.Count();
    o.BlockCount = qMax(0, count);

    // Each block takes at least four bytes, so a hostile count ends at the
    // end of the file.
    for (qint32 i = 0; i < count; ++i) {
        auto chunk = ReadChunk(in, o.LoadStatus, &lastKind);
        if (!chunk) {
            if (o.LoadStatus == lsEndMarker) return finish(TPageReadResult::Damaged, TPageReadFault::EndMarkerEarly);
            if (o.LoadStatus == lsUnknownBlock) return finish(TPageReadResult::Damaged, TPageReadFault::UnknownBlock);
            return finish(TPageReadResult::Damaged, FaultOf(in));
        }
        page.WebChunks.push_back(std::move(chunk));
        ++o.BlocksRead;
        if (chunkLoaded) chunkLoaded(page.Count() - 1);
    }
    // A file cut off inside its end marker or trailer is truncated too; what
    // stands there otherwise is not checked.
    QByteArray closing;
    if (!in.ReadFixed(8 + kPageFileTrailer.size(), closing)) {
        o.LoadStatus = lsTruncated;
        return finish(TPageReadResult::Damaged, TPageReadFault::Truncated);
    }
    ReadOptions(in, page, first);
    return finish(TPageReadResult::Ok, TPageReadFault::None);
}

QImage ReadThumbnail(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) return QImage();
    TBinReader in(file);
    if (CheckHeader(in).result != TPageReadResult::Ok) return QImage();
    const QString picture = SnapshotPath(path);
    if (!QFileInfo::exists(picture)) return QImage();
    return QImage(picture, "BMP");
}

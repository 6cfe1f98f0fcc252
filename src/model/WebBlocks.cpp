#include "model/WebBlocks.h"

#include <QFileInfo>

#include "app/Resources.h"

#include <algorithm>

const QString TPage::DefaultTitle = QStringLiteral("Tarvo Version 1.0 Document");

const char* const kHeadSizes[6] = {QT_TRANSLATE_NOOP("WebBlocks", "1 (Largest)"), QT_TRANSLATE_NOOP("WebBlocks", "2 (Larger)"),
                                   QT_TRANSLATE_NOOP("WebBlocks", "3 (Large)"),   QT_TRANSLATE_NOOP("WebBlocks", "4 (Small)"),
                                   QT_TRANSLATE_NOOP("WebBlocks", "5 (Smaller)"), QT_TRANSLATE_NOOP("WebBlocks", "6 (Smallest)")};
const char* const kLineThicknesses[6] = {QT_TRANSLATE_NOOP("WebBlocks", "6 (Thickest)"), QT_TRANSLATE_NOOP("WebBlocks", "5 (Thicker)"),
                                         QT_TRANSLATE_NOOP("WebBlocks", "4 (Thick)"),    QT_TRANSLATE_NOOP("WebBlocks", "3 (Thin)"),
                                         QT_TRANSLATE_NOOP("WebBlocks", "2 (Thinner)"),  QT_TRANSLATE_NOOP("WebBlocks", "1 (Thinnest)")};

namespace {
const char* const kBrickNames[kBlockKindCount] = {"imgBrPara",    "imgBrLink",  "imgBrImage",
                                                  "imgBrHeading", "imgBrEmail", "imgBrLine"};
const char* const kPictureNames[kBlockKindCount] = {"Para", "Link", "Image", "Heading", "Email", "Line"};
}  // namespace

void TWebChunk::AllocateRecord() {
    Para.reset();
    Link.reset();
    Image.reset();
    Heading.reset();
    Email.reset();
    Line.reset();
    switch (Kind) {
        case bkPara: Para = std::make_unique<TBlockPara>(); break;
        case bkLink: Link = std::make_unique<TBlockLink>(); break;
        case bkImage: Image = std::make_unique<TBlockImage>(); break;
        case bkHeading: Heading = std::make_unique<TBlockHeading>(); break;
        case bkEmail: Email = std::make_unique<TBlockEmail>(); break;
        case bkLine: Line = std::make_unique<TBlockLine>(); break;
        default: break;
    }
}

QString BrickName(int kind) {
    if (kind < 0 || kind >= kBlockKindCount) return QString();
    return QLatin1String(kBrickNames[kind]);
}

int KindFromBrickName(const QString& name) {
    for (int k = 0; k < kBlockKindCount; ++k)
        if (name == QLatin1String(kBrickNames[k])) return k;
    return -1;
}

QString KindPictureName(int kind) {
    if (kind < 0 || kind >= kBlockKindCount) return QString();
    return QLatin1String(kPictureNames[kind]);
}

std::unique_ptr<TWebChunk> NewChunkForKind(int kind) {
    if (kind < 0 || kind >= kBlockKindCount) return nullptr;
    auto chunk = std::make_unique<TWebChunk>();
    chunk->Kind = kind;
    chunk->AllocateRecord();
    chunk->Picture = ResourceBitmap(KindPictureName(kind));
    return chunk;
}

std::unique_ptr<TWebChunk> NewChunkForBrick(const QString& brickName) {
    return NewChunkForKind(KindFromBrickName(brickName));
}

TWebChunk* TPage::Chunk(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return WebChunks[size_t(index)].get();
}

int TPage::InsertChunk(int index, std::unique_ptr<TWebChunk> chunk) {
    if (index < 0 || index > Count()) index = Count();
    WebChunks.insert(WebChunks.begin() + index, std::move(chunk));
    return index;
}

void TPage::MoveChunk(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
    auto first = WebChunks.begin();
    if (from < to) std::rotate(first + from, first + from + 1, first + to + 1);
    else std::rotate(first + to, first + from, first + from + 1);
}

void TPage::DeleteChunk(int index) {
    if (index < 0 || index >= Count()) return;
    WebChunks.erase(WebChunks.begin() + index);
}

void TPage::ClearChunks() {
    // Disposed first to last, each with its record.
    for (auto& c : WebChunks) c.reset();
    WebChunks.clear();
    CurrentIndex = -1;
    PageTitle = DefaultTitle;
    TemplateTitle.clear();
}

bool TPage::HasOwnTitle() const { return PageTitle != DefaultTitle && !PageTitle.trimmed().isEmpty(); }

QString TPage::PublishedTitle() const {
    if (HasOwnTitle()) return PageTitle;
    for (const auto& c : WebChunks)
        if (c && c->Heading && !c->Heading->HeadText.trimmed().isEmpty()) return c->Heading->HeadText.simplified();
    return DocFileName.isEmpty() ? QString() : QFileInfo(DocFileName).completeBaseName();
}

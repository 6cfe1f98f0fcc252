#include "styles/StyleList.h"

#include "app/SafeWrite.h"

#include "app/AppPaths.h"
#include "app/Utils.h"
#include "app/BinaryIO.h"

#include <QCoreApplication>
#include <QFile>
#include <QBuffer>

namespace {

struct TNamedColor {
    const char* name;
    quint32 value;
};

// The plain colours, the system colours (0x80000000 plus the system colour
// index) and "none".
constexpr TNamedColor kNamedColors[] = {
    {"clBlack", 0x000000},     {"clMaroon", 0x000080},  {"clGreen", 0x008000},
    {"clOlive", 0x008080},     {"clNavy", 0x800000},    {"clPurple", 0x800080},
    {"clTeal", 0x808000},      {"clGray", 0x808080},    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},       {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},      {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", 0x80000000},        {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},             {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},      {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},       {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},     {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},     {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},        {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},          {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},     {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},          {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
    {"clNone", 0x1FFFFFFF},
};

bool ReadColor(TBinReader& in, quint32& color) {
    QString text;
    if (!in.ReadStr(text)) return false;
    const auto value = ColorFromText(text);
    if (!value) return false;
    color = *value;
    return true;
}

}  // namespace

QString ColorToText(quint32 color) {
    for (const auto& c : kNamedColors)
        if (c.value == color) return QLatin1String(c.name);
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<quint32> ColorFromText(const QString& text) {
    for (const auto& c : kNamedColors)
        if (text.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) return c.value;
    bool ok = false;
    if (text.startsWith(QLatin1Char('$'))) {
        const QString digits = text.mid(1);
        // At most eight digits: the value is 32 bits.
        if (digits.isEmpty() || digits.size() > 8) return std::nullopt;
        const quint32 v = digits.toUInt(&ok, 16);
        if (!ok) return std::nullopt;
        return v;
    }
    // Decimal: signed 32-bit as the colour type holds it, or its unsigned twin.
    const qint64 v = text.toLongLong(&ok, 10);
    if (!ok || v < qint64(INT32_MIN) || v > qint64(UINT32_MAX)) return std::nullopt;
    return quint32(v);
}

QString StylesDataPath() {
    return JoinPath(AppDir(), QStringLiteral("Styles.data"));
}

bool LoadStyleList(const QString& path, TStyleList& list) {
    list.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    TBinReader in(file, TStrCoding::Marked);
    qint32 count = 0;
    if (!in.ReadInt32(count)) return false;
    // Records are added only when complete; the loop ends at the first fault,
    // so a hostile count costs nothing.
    for (qint32 i = 0; i < count; ++i) {
        auto style = std::make_unique<TStyleChunk>();
        if (!in.ReadStr(style->StyleName) || !in.ReadStr(style->BackImage) ||
            !ReadColor(in, style->BackColor) || !ReadColor(in, style->TextColor) ||
            !ReadColor(in, style->LinkColor) || !ReadColor(in, style->ALinkColor) ||
            !ReadColor(in, style->VLinkColor))
            return false;
        list.push_back(std::move(style));
    }
    return true;
}

bool WriteStylesToFile(const QString& path, const TStyleList& list, QString* error) {
    QByteArray bytes;
    QBuffer file(&bytes);
    file.open(QIODevice::WriteOnly);
    WriteInt32(file, qint32(list.size()));
    for (const auto& style : list) {
        WriteStr(file, style->StyleName, TStrCoding::Marked);
        WriteStr(file, style->BackImage, TStrCoding::Marked);
        WriteStr(file, ColorToText(style->BackColor));
        WriteStr(file, ColorToText(style->TextColor));
        WriteStr(file, ColorToText(style->LinkColor));
        WriteStr(file, ColorToText(style->ALinkColor));
        WriteStr(file, ColorToText(style->VLinkColor));
    }
    const TWriteOutcome written = WriteFileChecked(path, bytes);
    if (!written.ok) {
        if (error) *error = written.Message(path);
        return false;
    }
    return true;
}

TStyleList CopyStyleList(const TStyleList& list) {
    TStyleList copy;
    copy.reserve(list.size());
    for (const auto& style : list) copy.push_back(std::make_unique<TStyleChunk>(*style));
    return copy;
}

int StyleListBoxIndex(const TStyleList& list, const QString& text) {
    if (text.compare(kNoStyleName, Qt::CaseInsensitive) == 0) return 0;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i]->StyleName.compare(text, Qt::CaseInsensitive) == 0) return int(i) + 1;
    return -1;
}

const TStyleChunk* StyleForListBoxIndex(const TStyleList& list, int index) {
    if (index < 1 || index > int(list.size())) return nullptr;
    return list[size_t(index - 1)].get();
}

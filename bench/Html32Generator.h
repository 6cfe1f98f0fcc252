#pragma once
// Makes a synthetic HTML 3.2 page of about `bytes` bytes: headings,
// paragraphs with bold, italic, links and font changes, lists, preformatted
// blocks, tables and rules. The same seed always gives the same page.

#include <QString>
#include <cstdint>

inline QString GenerateHtml32(qsizetype bytes, uint32_t seed = 12345) {
    static const char* const words[] = {
        "page",  "builder", "picture", "text",    "colour", "heading", "link",   "table",
        "style", "upload",  "server",  "welcome", "friend", "garden",  "recipe", "holiday",
        "the",   "a",       "of",      "and",     "with",   "for",     "under",  "between",
        "quick", "bright",  "simple",  "careful", "small",  "large",   "green",  "window"};
    uint32_t state = seed;
    const auto next = [&state](uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    };
    const auto sentence = [&](int n) {
        QString s;
        for (int i = 0; i < n; ++i) {
            if (i)
                s += QLatin1Char(' ');
            const QString w = QString::fromLatin1(words[next(32)]);
            switch (next(12)) {
            case 0: s += QStringLiteral("<B>") + w + QStringLiteral("</B>"); break;
            case 1: s += QStringLiteral("<I>") + w + QStringLiteral("</I>"); break;
            case 2: s += QStringLiteral("<A HREF=\"p%1.htm\">").arg(next(100)) + w + QStringLiteral("</A>"); break;
            case 3: s += QStringLiteral("<FONT SIZE=%1>").arg(2 + next(4)) + w + QStringLiteral("</FONT>"); break;
            default: s += w;
            }
        }
        return s + QLatin1Char('.');
    };
    QString html = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\n<HTML><HEAD><TITLE>Synthetic "
        "page</TITLE></HEAD>\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\">\n");
    int section = 0;
    while (html.size() < bytes) {
        html += QStringLiteral("<H2><A NAME=\"s%1\">Section %1</A></H2>\n").arg(++section);
        for (int p = 0, n = 2 + int(next(4)); p < n; ++p)
            html += QStringLiteral("<P>") + sentence(30 + int(next(60))) + QLatin1Char('\n');
        switch (next(5)) {
        case 0:
            html += QStringLiteral("<UL>\n");
            for (int i = 0, n = 3 + int(next(5)); i < n; ++i)
                html += QStringLiteral("<LI>") + sentence(6 + int(next(12))) + QLatin1Char('\n');
            html += QStringLiteral("</UL>\n");
            break;
        case 1:
            html += QStringLiteral("<OL>\n");
            for (int i = 0, n = 3 + int(next(5)); i < n; ++i)
                html += QStringLiteral("<LI>") + sentence(6 + int(next(12))) + QLatin1Char('\n');
            html += QStringLiteral("</OL>\n");
            break;
        case 2:
            html += QStringLiteral("<PRE>\n");
            for (int i = 0, n = 3 + int(next(6)); i < n; ++i)
                html += QStringLiteral("  line %1: value = %2;\n").arg(i).arg(next(10000));
            html += QStringLiteral("</PRE>\n");
            break;
        case 3: {
            html += next(2) ? QStringLiteral("<TABLE BORDER=1 WIDTH=90%>\n") : QStringLiteral("<TABLE>\n");
            const int cols = 2 + int(next(3));
            for (int r = 0, n = 3 + int(next(6)); r < n; ++r) {
                html += QStringLiteral("<TR>");
                for (int c = 0; c < cols; ++c)
                    html += (r == 0 ? QStringLiteral("<TH>") : QStringLiteral("<TD>")) + sentence(2 + int(next(10)));
                html += QLatin1Char('\n');
            }
            html += QStringLiteral("</TABLE>\n");
            break;
        }
        default:
            html += QStringLiteral("<HR>\n<CENTER>") + sentence(8) + QStringLiteral("</CENTER>\n");
        }
    }
    return html + QStringLiteral("</BODY></HTML>\n");
}

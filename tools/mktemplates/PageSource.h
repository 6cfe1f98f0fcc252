#pragma once
// The readable source of the shipped templates and styles.
//
// A page source is a title and a style line, then blocks separated by blank
// lines. A block starts with its kind and options on one line; the lines
// after it are its fields ("key: value") or, for headings and paragraphs,
// its text (paragraph lines are kept as lines of the paragraph):
//
//   title: Welcome to My Home Page
//   style: Sky
//
//   heading 1 center
//   Hello, and welcome!
//
//   para left
//   First line of the paragraph.
//   Second line.
//
//   image center
//   file: graphics\me.png
//   size: 140 140            (width height)
//   alt: A picture of me
//
//   link center              (and "email center": address instead of url)
//   pre: My favourite site is
//   url: http://www.example.com/
//   text: The Example Site
//   post: - take a look!
//
//   line 60 4                (width in percent, thickness 1 to 6)
//
// Lines starting with "#" are comments. A styles source is blocks of
// "name:", "background:" (relative to the HTML folder, with "\") and the
// colours "back:", "text:", "link:", "alink:", "vlink:" as #RRGGBB.

#include "model/WebBlocks.h"
#include "styles/StyleList.h"

#include <QString>

// Reads a page source into `page` and its style name into `style`. Returns
// false with a message naming the file and line on a mistake.
bool ReadPageSource(const QString& path, TPage& page, QString& style, QString& error);
// Reads a styles source.
bool ReadStyleSource(const QString& path, TStyleList& styles, QString& error);

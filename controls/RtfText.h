// A small reader and writer of rich text (RTF) for the rich-text label: the
// subset its documents use, read into and written from a QTextDocument.
//
// Read: groups; \par, \line, \tab; character formatting \b, \i, \ul
// (\ulnone), \fs (half points), \f with \fonttbl, \cf with \colortbl,
// \plain; paragraph formatting \pard, \ql, \qc, \qr, \qj, \sb, \sa (twips)
// and \sl (twips; negative: exactly that height); \'hh bytes and 8-bit text
// through the platform text codec (GBK); \uN with \ucN fallback characters.
// Destinations such as \stylesheet, \info and every \* group are skipped;
// unknown control words are ignored, never fatal. Lengths are laid out at 96
// pixels per inch (15 twips to the pixel); a font name is replaced by an
// installed stand-in, with a Chinese face as fallback.
//
// Write: the same subset, non-ASCII characters as GBK \'hh bytes, \uN where
// GBK has none; reading the result gives the same text and formatting.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace rtf {

// Replaces the document's content.
void Read(const QByteArray& rtf, QTextDocument* document);
QByteArray Write(const QTextDocument* document);

// The default character size, in half points (12 pt).
constexpr int kDefaultHalfPoints = 24;

}  // namespace rtf

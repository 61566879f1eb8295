// DrawMiniHtml: lays out and draws a short text with a small HTML-like markup
// on a TGPGraphics, inside a rectangle with word wrap. One routine measures
// (OutWidth, OutHeight), hit-tests the mouse against links (LinkUnderMouse,
// HotLinkNumber, HotLinkRect, the result) and gives the text without markup
// (PlainText). The splash screen draws its list lines and panels with it.
//
// Markup: FONT (FACE, COLOR, BGCOLOR, SIZE: 1-5 are 8-16 pt, others the point
// size), B, I, U, S, SUB, SUP, SHADOW, A (links), BR, HR, P (ALIGN, INDENT),
// UL with L bullets (TYPE SQUARE, CIRCLE, IMAGE), IMG (SRC "IDX:n" from the
// image list, "SSYS:"/"LSYS:" file icons, or a picture container name; ALT,
// WIDTH, HEIGHT, ALIGN, WRAP), HI, E (red zigzag), Z (hidden), IND, OFS, BODY
// and the entities &amp; &quot; &lt; &gt; &nbsp; &sect; &permil; &reg; &copy;
// &para; &trade; &euro;. Tags are matched by their first letters without
// regard to case; attribute values are the first double-quoted string after
// the attribute's name.
//
// Each line is measured first, then drawn (or, with HitTestOnly, walked again
// for the link test) in a box placed by its alignment. Segment widths come
// from TGPGraphics::DrawText with DT_CALCRECT; line heights from the height of
// "gh" and of each segment. LineGap pixels go below every line but the last.
//
// Malformed markup never fails: an unknown tag is skipped, a tag without ">"
// ends the text, an unknown colour is black, numbers saturate at the integer
// range, a "#" colour reads only the digits present, a missing picture takes
// no space.
#pragma once

#include <QString>

#include "platform/Canvas.h"
#include "platform/Graphics.h"

class TGPGraphics;
class TCustomImageList;
class TGDIPPictureContainer;

bool DrawMiniHtml(TGPGraphics* Graphics, const platform::TFont& Font, const QString& Text, const platform::TRect& Rect,
                  TCustomImageList* Images, int MouseX, int MouseY, int FocusedLink, int HotLink, int ShadowOffset,
                  bool HitTestOnly, bool MeasureOnly, bool Printing, bool KeepColours, bool BlinkPhase,
                  bool HotLinkOnly, bool WrapWords, double IconScale, platform::TColor URLColor,
                  platform::TColor HotBackColor, platform::TColor HotTextColor, platform::TColor ShadowColor,
                  QString& LinkUnderMouse, QString& PlainText, QString& FocusedUrl, int& OutWidth, int& OutHeight,
                  int& LinkCount, int& HotLinkNumber, platform::TRect& HotLinkRect,
                  TGDIPPictureContainer* PictureContainer, int LineGap);

// A colour name ("clRed", "clBtnFace" ...) without regard to case; 0 when unknown.
platform::TColor HtmlColorByName(const QString& name);
// "#RRGGBB" in either case as a TColor (red in the low byte); missing digits read as absent.
platform::TColor HtmlHexColor(const QString& text);
// An integer after optional blanks and a sign, decimal or ("$", "x", "0x")
// hexadecimal, up to the first other character; saturates at the int range.
int HtmlNumber(const QString& text);

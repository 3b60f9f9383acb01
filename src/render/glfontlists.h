// Text drawn as bitmap characters at the current raster position.  Each
// character of a font is compiled once into its own display list; a text
// becomes a string of 16-bit list names of the same length, which the
// caller draws with one glCallLists.  Three fonts keep their own caches:
// the label font, the text font and the view window's font.  Characters 32
// to 127 of the label and text fonts have the two fixed blocks of the view
// (model/glresources.h); other characters get a list on first use.
//
// The list-name strings are QStrings only as containers of 16-bit units:
// they are never converted to or from any encoding.
#pragma once
#include <QFont>
#include <QSize>
#include <QString>

// The list names of the text in the label font (the label face and cell
// height of the preferences, bold), the text font (likewise) and the window
// font.  Nothing is drawn.  A character that needs a new list when none is
// left shows the "too many characters" message and ends the result there.
QString DrawGlText(const QString& text);
QString DrawGlTextDC(const QString& text);
QString DrawGlTextWnd(const QString& text);

// Calls the lists named by the characters of `lists` at the raster position.
void CallTextLists(const QString& lists);

// Compiles the label font's fixed block (bold; letters bold italic, digits
// at three quarters of the height) and again every cached label character,
// for the preferences' label face and height.
void BuildFontLists();
// The same for the text font (bold), then measures g_nTextCharWidth and
// g_nTextLineHeight with it.
void BuildTextFontLists();
// Deletes every cached list of the three fonts (the fixed blocks are the
// view's) and empties the caches; the context must be current.
void ReleaseFontLists();

// The font of the view window, which DrawGlTextWnd draws in; the
// application's font until the view sets one.
void SetWindowTextFont(const QFont& font);

// The extent of a text in the window font in pixels: the advance of the
// whole line and the font's height.  Tests put a function of their own in
// its place (null puts the font's back); the previous one is returned.
QSize WindowTextExtent(const QString& text);
using TextExtentFunction = QSize (*)(const QString& text);
TextExtentFunction SetWindowTextExtent(TextExtentFunction extent);

// Text-font metrics in pixels: the average character width and the height
// of a text line.  Captions size their rows and pick boxes with them.
extern int g_nTextCharWidth;
extern int g_nTextLineHeight;

// The pieces of VOD mark-up shared by the reader and the node writers: the
// tag table and the ways text is written so that the reader gets it back.
//
// The mark-up has no escapes for text.  A run's text ends at the next "</",
// and an element's own text (a structure's sign) is read from the plain text
// right before its closing mark; the writers below keep every text inside
// what the reader can take, so a written formula always reads back.
#pragma once
#include <QString>
#include <QStringView>
#include <vector>

// Kind number of a tag (exact, case-sensitive), or -1 for a tag the reader
// does not know.  "o" is written by bare containers but never read.
int VodKindOfTag(QStringView tag);

// A text run element "<e" attrs text "</e>".  attributes is the output of
// CNode::WriteAttributes (">" when the run sets nothing).  Text containing
// "</" is written as several runs split between "<" and "/"; leading "<"
// characters of a run with attributes go into a run without attributes
// (only there can the reader take a text starting with "<").
QString TextRunMarkup(const QString& attributes, const QString& text);

// The run elements TextRunMarkup writes for a run's text, each of which
// reads back as a run of its own: where it starts, how long it is, and
// whether it goes without the run's attributes.  `plain` tells that the
// run has none.
struct TextRunPiece {
  qsizetype start, length;
  bool plain;
};
std::vector<TextRunPiece> TextRunPieces(bool plain, QStringView text);

// An element's own text written before its closing mark.  The reader takes
// such text only when it does not start with "<" and holds no "</", so those
// characters are left out.
QString TailTextMarkup(const QString& text);

// A bracket pair before the closing mark of "b".  A pair holding "<" or ">"
// travels as a mark of its own with "&" and "%" in their place, which the
// reader turns back into the pair.
QString BracketPairMarkup(const QString& pair);

// A new node of the class the kind stands for; null for the header and the
// bare container, which the reader never builds.
class CNode;
CNode* CreateVodNode(int kind);

// Inverse of the bracket substitution, applied by the reader to every mark
// whose tag it does not know.
QString UnescapeUnknownTag(QStringView tag);

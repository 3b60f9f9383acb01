// A readable listing of a rich-text document for the RTF tests: one line per
// paragraph, "P" with its non-zero twips, then "[attributes]text" per run;
// a group kept whole shows as "<its destination word>".
#pragma once
#include <QByteArray>
#include <QString>

#include "formula/formulatestutil.h"  // Q

class QTextDocument;

// The face the test texts give font 0; runs in it list no face.
inline constexpr const char* kTestFace = "Arial";

QString DescribeRtfDocument(const QTextDocument& doc);

// Wraps a body in the header the test texts share: font 0 Arial (charset 0),
// font 1 宋体 in GBK (charset 134), colour 1 red.
QByteArray TestRtf(const QByteArray& body);

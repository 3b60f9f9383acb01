// A document holding a cell of every class a document can store, for the
// tests that save, damage and reopen documents and for the fuzzing seeds.
//
// Page "points" (id 1): the free points A(0,0,0), B(4,0,0), C(0,4,0) and
// D(0,0,4) as cells 1 to 4, then lines, faces, circles and every point
// bound to them, constrained by them or constructed from them.  Page
// "values": measured values, vectors, parameters, calculations, captions,
// formula and rich texts, pictures, ink, colour modifiers, the axis scale
// and buttons of every kind.  Page "paths": loci, curves, the points on
// them and their intersections, compound paths, a track, a surface and an
// iteration.  Page "solids": round solids, a hull with its net, section
// and cut, overlap points, a body, a 3DS model and positioning diagrams.
// Every construction stands on points in general position, so every cell
// is defined and computes something real; whatever a tool can record stands
// on free points and parameters.  The document's user tool is
// recorded from a few cells of the first page.
#pragma once
#include <QString>
#include <map>
#include <string>

#include "model/document/usertool.h"

class CKavrelDoc;

// Builds the document into `doc` (made new first, its first page current
// afterwards).  The model cell shows `folder`/every.3ds, written there.
void BuildEveryClassDocument(CKavrelDoc& doc, const QString& folder);

// One tool per page of `doc`, recorded from every cell of the page that
// stands on inputs a tool can take (free points and parameters): for the
// every-class document, cells of every class a tool can hold.
CToolList RecordEveryPageTool(CKavrelDoc& doc);

// The storable classes that never stand in a document, with the reason.
const std::map<std::string, std::string>& ClassesNoDocumentHolds();

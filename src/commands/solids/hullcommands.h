// Hulls, nets, sections and stepwise cuts: the constructions behind the
// ribbon's hull, net, section and cut commands.  The commands that ask the
// user first (editing/solids/hulldialogcommands.cpp) gather the dialog's
// values and call these; the section needs no dialog and is run here.
#pragma once
#include <QString>
#include <vector>

#include "platform/types.h"

class CCmdUI;
class CKavrelDoc;

// The hull command's preset vertex sets 1..9 as x, y, z triples (any other
// number above 0 gives set 6, the cube); set 0 is the selection's points.
std::vector<double> PresetHullPoints(int set);
// The current page's selected points, in selection order, as triples.
std::vector<double> SelectedPointCoordinates();

// A hull of the points named `label`, recorded as "添加凸包".  False when
// the hull cannot be built: nothing made, the next id as before, silent.
bool AddHull(CKavrelDoc& doc, const std::vector<double>& points, const QString& label, int style, BOOL hidden);

// The one selected other cell when it is a hull (O = 1), else 0.
WORD SelectedHull();

// The net of `hull` with its "折展" button, recorded as "添加展开图"; the
// same step gives the hull back its style and face order when undone.
bool AddNet(CKavrelDoc& doc, WORD hull, const QString& label, int style, int unfoldMode, BOOL hidden);

// The stepwise cut of `hull` with its "切割" button, recorded as
// "添加多面体切割图".
bool AddCut(CKavrelDoc& doc, WORD hull, int planes, bool planesFromFaces, double distance, int style,
            const QString& name);

// O = 1 and that cell is a hull.
void OnUpdatePolyhedronOne(CKavrelDoc& doc, CCmdUI& ui);
// O = 1 a hull and F = 1: the section of the hull by the face's plane.
void OnSection(CKavrelDoc& doc);
void OnUpdateSection(CKavrelDoc& doc, CCmdUI& ui);

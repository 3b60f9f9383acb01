// The component dialog ("组件属性") as data.  The creating command and the
// property command preset the members and read them back on IDOK; the
// enabling rules and the resets a kind change makes are functions of the
// members, so the widget only mirrors them.
#pragma once
#include <QString>

#include "cells/solids/bodies/bodytexts.h"
#include "editing/dialogs/bodies/bodydialogtexts.h"
#include "platform/dialogprovider.h"
#include "platform/types.h"

class CCreateSubaDlg : public CDialogDataOf<CCreateSubaDlg> {
 public:
  static constexpr int kTextures = 15;

  float m_fCenter[3] = {-10, 0, 0};
  float m_fAxis[3] = {0, -1, 0};
  float m_fScale[3] = {10, 10, 10};
  int m_nKind = 0;
  float m_fTurn = 0;
  BOOL m_bPlane1 = 0;
  BOOL m_bPlane2 = 0;
  BOOL m_bClip = 0;
  double m_dPlane1[4] = {0, 0, 1, 0};
  double m_dPlane2[4] = {0, -1, 0, 0};
  int m_nDisplay = 0;  // 0 lit, 1 wire frame
  QString m_strLabel = QString::fromUtf8(kTextBodyDefaultLabel);
  QString m_strFont = QString::fromUtf8(kTextBodyDefaultFont);
  int m_nMaterialMode = 0;  // 0 the colour, 1 a material of its own
  int m_nPreset = 0;
  int m_nTexture = 0;
  BOOL m_bLock = 0;
  BOOL m_bNew = 1;  // set by the creating command, cleared by the property command

  // The font list is for 3D text, the clip check for every other kind.
  bool FontEnabled() const { return m_nKind == 0; }
  bool ClipEnabled() const { return m_nKind != 0; }
  // The face checks show while clipping is on; each enables its edits.
  bool PlaneChecksShown() const { return m_bClip != 0; }
  bool Plane1Enabled() const { return m_bClip && m_bPlane1; }
  bool Plane2Enabled() const { return m_bClip && m_bPlane2; }
  // The cube and the kinds from C60 on take a picture; lit only.
  static bool KindTakesTexture(int kind) { return kind == 2 || kind >= 6; }
  bool TextureEnabled() const { return KindTakesTexture(m_nKind) && m_nDisplay == 0; }
  bool PresetsEnabled() const { return m_nMaterialMode == 1; }

  // On opening: a kind without pictures keeps none.
  void ApplyOpeningRules();
  // Choosing a kind: clip flags cleared for 3D text, the texture dropped
  // where the kind takes none, the label the kind's name, and the placement
  // reset (3D text and the dodecahedron have their own).
  void ChooseKind(int kind);
  // Choosing a preset: the row becomes the current material and the view
  // is told (0x805), so that a selected body takes it.
  void ChoosePreset(int preset);
};

// The action buttons' dialogs as data: the opener (the button command, or
// the property command for an existing button) presets the members and
// takes them back on OK.  Three of them choose a speed from three presets
// or a custom step (CSpeedChoice).
#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "platform/dialogprovider.h"

// The radio index of a speed choice and its custom value for a step.
struct CSpeedChoice {
  enum : int { kQuick = 0, kMedium = 1, kSlow = 2, kCustom = 3 };
  float quick, medium, slow;
  // The preset equal to `step`, else kCustom.
  int IndexOf(float step) const;
  // The step of a preset index (the custom value for kCustom).
  float StepOf(int index, float custom) const;
};

extern const CSpeedChoice kAnimationSpeeds;
extern const CSpeedChoice kWalkSpeeds;
extern const CSpeedChoice kMoveSpeeds;

class CDlgBtnAnimation : public CDialogDataOf<CDlgBtnAnimation> {
 public:
  QString m_strLabel;
  QString m_strObject;
  float m_fFrom = 0;
  float m_fTo = 1.0f;
  int m_nDirection = 0;  // -1 in: only the forward direction is offered
  int m_nPlayCount = 0;
  int m_nSpeed = 1;
  float m_fCustom = 0.1f;
  float m_fStep = 0.1f;
  float m_fPause = 0;
};

class CDlgBtnAnimation2 : public CDialogDataOf<CDlgBtnAnimation2> {
 public:
  static constexpr float kLeastStep = 0.001f;
  static constexpr float kMostStep = 0.5f;
  QString m_strLabel;
  QString m_strObject;
  float m_fDuration = 120.0f;  // frames
  int m_nSpeed = 1;
  float m_fCustom = 0.02f;
  float m_fStep = 0.02f;
};

class CDlgBtnMove : public CDialogDataOf<CDlgBtnMove> {
 public:
  QString m_strLabel;
  QString m_strMoving;
  QString m_strTarget;
  int m_nSpeed = 1;
  float m_fCustom = 0.1f;
  float m_fStep = 0.1f;
};

class CDlgBtnShide : public CDialogDataOf<CDlgBtnShide> {
 public:
  int m_nAction = 2;
  QString m_strLabel;
  QString m_strObjects;
};

class CDlgBtnPresentat : public CDialogDataOf<CDlgBtnPresentat> {
 public:
  int m_nOrder = 0;
  QString m_strLabel;
  float m_fPause = 0;
  int m_nLoopKind = 0;
  int m_nLoopCount = 2;
  double m_dLoopStart = 0.0;
  double m_dLoopEnd = 3.0;
  double m_dLoopStep = 1.0;
  int m_nVariable = 0;  // "No.1" .. "No.6"
};

class CDlgBtnLink : public CDialogDataOf<CDlgBtnLink> {
 public:
  QString m_strLabel;
  QString m_strLink = QStringLiteral("http://www.kavrel.org");
  int m_nKind = 0;  // 0 a page, 1 the hyperlink
  QStringList m_pageNames;
  int m_nPage = 0;
};

class CDlgCmdBtn : public CDialogDataOf<CDlgCmdBtn> {
 public:
  QString m_strLabel = QStringLiteral("命令序列");
  int m_nDelay = 12;
  std::vector<std::int32_t> m_commands;
};

// View buttons: they animate the view's transform instead of the
// construction.  Each run takes N = trunc(frames per second x duration)
// steps from a start value to an end value, may wait its pause and run
// back, and may repeat.  The ends are set exactly, so rounding in the
// per-tick increments never builds up between runs.  The view reuses a
// rotate and a translate button of its own for its transitions.
#pragma once
#include "math/quaternion.h"
#include "model/cgbutton.h"

// The run shared by the three kinds; each kind says what the view shows at
// the start, at the end and between, and how its increment turns round.
class CGViewButton : public CGButton {
 public:
  bool Step() final;

  // Steps of one run; 0 for a duration below one frame or no usable number.
  int StepCount() const;
  float PauseSeconds() const;
  void SetPauseSeconds(float seconds);

  float m_fDuration = 0;
  BOOL m_bReturn = 0;
  bool m_bRepeat = false;
  // Run state (not stored): a loaded button starts afresh.
  int m_nTick = 0;  // 0: the next tick starts a run; 1..N while running
  BOOL m_bReturning = 0;
  int m_nPauseCount = 0;

 protected:
  CGViewButton() = default;
  void SetRun(BOOL back, BOOL repeat, float duration, float pause);
  // The tail every kind's record ends with: return, repeat, duration.
  void SerializeRun(CArchive& ar);

  virtual void BeginRun(int steps) = 0;  // view at the start, increments set
  virtual void Advance() = 0;            // one increment further
  virtual void ShowStart() = 0;
  virtual void ShowEnd() = 0;
  virtual void TurnBack() = 0;     // at the end, about to run back
  virtual void TurnForward() = 0;  // back at the start, about to run out again

 private:
  bool PauseOver();
};

class CGButnRotate : public CGViewButton {
  DECLARE_SERIAL(CGButnRotate)

 public:
  CGButnRotate();
  CGButnRotate(WORD id, const QString& caption, float w, float x, float y, float z, float ax, float ay, float az,
               float degrees, BOOL back, BOOL repeat, float duration, float pause);

  void Serialize(CArchive& ar) override;
  QString GetDescription() override;
  // Documents before version 320 held two orientations of three angles
  // where the start and the axis are now, and a count where the duration
  // is: they become the start quaternion, the axis and the angle.
  void ConvertOldOrientation() override;

  // Start w and the angle in degrees live in the second and third value words.
  float StartW() const;
  float AngleDegrees() const;
  void SetStartW(float w);
  void SetAngleDegrees(float degrees);

  float m_fStart[3] = {0, 0, 0};  // x, y, z of the start orientation
  float m_fAxis[3] = {0, 0, 0};

 protected:
  void BeginRun(int steps) override;
  void Advance() override;
  void ShowStart() override;
  void ShowEnd() override;
  void TurnBack() override;
  void TurnForward() override;

 private:
  void ShowTurn(double radians);
  double AngleRadians() const;

  Quaternion m_qStart = kQuatIdentity;  // copied at the start of a run
  Quaternion m_qTurn = kQuatIdentity;
  double m_dStep = 0;
  double m_dCurrent = 0;
};

class CGButnTranslate : public CGViewButton {
  DECLARE_SERIAL(CGButnTranslate)

 public:
  CGButnTranslate();
  CGButnTranslate(WORD id, const QString& caption, float sx, float sy, float sz, float ex, float ey, float ez,
                  BOOL back, BOOL repeat, float duration, float pause);

  void Serialize(CArchive& ar) override;
  QString GetDescription() override;

  float m_fStart[3] = {0, 0, 0};
  float m_fTarget[3] = {0, 0, 0};
  float m_fIncrement[3] = {0, 0, 0};  // not stored

 protected:
  void BeginRun(int steps) override;
  void Advance() override;
  void ShowStart() override;
  void ShowEnd() override;
  void TurnBack() override;
  void TurnForward() override { TurnBack(); }
};

class CGButnScale : public CGViewButton {
  DECLARE_SERIAL(CGButnScale)

 public:
  CGButnScale();
  CGButnScale(WORD id, const QString& caption, float start, float target, BOOL back, BOOL repeat, float duration,
              float pause);

  void Serialize(CArchive& ar) override;
  QString GetDescription() override;

  float m_fStart = 1;
  float m_fTarget = 1;
  float m_fIncrement = 0;  // not stored

 protected:
  void BeginRun(int steps) override;
  void Advance() override;
  void ShowStart() override;
  void ShowEnd() override;
  void TurnBack() override { m_fIncrement = -m_fIncrement; }
  void TurnForward() override { TurnBack(); }
};

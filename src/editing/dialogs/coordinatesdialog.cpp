#include "editing/dialogs/coordinatesdialog.h"

#include <charconv>
#include <string>

#include "editing/dialogs/inputdialogtexts.h"
#include "platform/clipboard.h"
#include "platform/notifier.h"

namespace {
bool IsSign(QChar c) { return c == u'+' || c == u'-'; }
bool IsRunChar(QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || IsSign(c); }

// The leading decimal number of a run (sign, digits, point, digits) as a
// float; none reads 0.  False when it is too large for a float.
bool LeadingNumber(QStringView run, float& value) {
  value = 0;
  qsizetype i = 0;
  const bool negative = i < run.size() && run[i] == u'-';
  if (i < run.size() && IsSign(run[i])) ++i;
  std::string digits;
  bool point = false, wholeDigits = false;
  for (; i < run.size(); ++i) {
    const QChar c = run[i];
    if (c == u'.' && !point) {
      point = true;
    } else if (c >= u'0' && c <= u'9') {
      wholeDigits |= !point && c != u'0';
    } else {
      break;
    }
    digits += static_cast<char>(c.unicode());
  }
  float read = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), read);
  if (error == std::errc::invalid_argument) return true;  // no digits: 0
  // Out of range: too large when a digit before the point is not 0, else a
  // value too small to tell from 0.
  if (error == std::errc::result_out_of_range) return !wholeDigits;
  value = negative ? -read : read;
  return true;
}
}  // namespace

void CDlgCoordinates::SplitNumbers() {
  m_numbers.clear();
  qsizetype start = -1;
  for (qsizetype i = 0; i <= m_strPoints.size(); ++i) {
    const bool run = i < m_strPoints.size() && IsRunChar(m_strPoints[i]);
    if (run && start < 0) start = i;
    if (!run && start >= 0) {
      m_numbers.append(m_strPoints.mid(start, i - start));
      start = -1;
    }
  }
}

float CDlgCoordinates::TokenValue(const QString& token) {
  float value = 0;
  return LeadingNumber(token, value) ? value : 0.0f;
}

bool CDlgCoordinates::ValidatePoints(QStringView text) {
  int numbers = 0, separators = 0, finished = 0;
  qsizetype runStart = -1;
  int points = 0, signs = 0;
  // Ends the run before position i: counts it, and refuses a value a float
  // cannot hold.
  auto endRun = [&](qsizetype i) {
    if (runStart < 0) return true;
    float value = 0;
    const bool fits = LeadingNumber(text.sliced(runStart, i - runStart), value);
    runStart = -1;
    ++numbers;
    return fits;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (IsRunChar(c)) {
      if (runStart < 0) {
        runStart = i;
        points = signs = 0;
      }
      if (c == u'.' && ++points > 1) return false;
      if (IsSign(c) && ++signs > 1) return false;
      continue;
    }
    if (!endRun(i)) return false;
    if (c == u'\t' || c == u',' || c == u';') {
      if (numbers != separators + 1) return false;
      ++separators;
    } else if (c == u'\r') {
      if (numbers != 3 || separators != 2) return false;
      ++finished;
      numbers = separators = 0;
    } else if (c == u'\n') {
      if (i == 0 || text[i - 1] != u'\r') return false;
    } else {
      return false;
    }
  }
  if (!endRun(text.size())) return false;
  if (numbers == 3 && separators == 2) {
    ++finished;
  } else if (numbers != 0 || separators != 0) {
    return false;
  }
  return finished > 0;
}

CCoordinatesForm::CCoordinatesForm(CDlgCoordinates& data) : m_data(data) {
  m_data.m_nMode = CDlgCoordinates::kSinglePoint;
}

void CCoordinatesForm::ChooseSinglePoint() {
  m_data.m_nMode = CDlgCoordinates::kSinglePoint;
  m_controls = CCoordinatesControls();
}

void CCoordinatesForm::ChooseManyPoints() {
  m_data.m_nMode = CDlgCoordinates::kManyPoints;
  m_controls.pointsEdit = true;
  m_controls.paste = !Clipboard().Text().isEmpty();
  m_controls.presets = true;
  m_controls.axisLists = false;
  Validate();
  m_controls.status.clear();
  m_controls.clear = m_controls.tab = true;
}

void CCoordinatesForm::ChooseAxisEntry(int axis, int index) {
  m_data.m_bFromList[axis] = 1;
  m_data.m_nListIndex[axis] = index;
}

void CCoordinatesForm::EditAxisText(int axis, const QString& text) {
  m_data.m_bFromList[axis] = 0;
  m_data.m_strAxis[axis] = text;
}

void CCoordinatesForm::PointsChanged(const QString& text) {
  m_data.m_strPoints = text;
  Validate();
}

void CCoordinatesForm::Clear() {
  m_data.m_strPoints.clear();
  m_controls.ok = false;
  m_controls.status = QString::fromUtf8(kTextEnterCoordinates);
}

bool CCoordinatesForm::Paste(QString& text) {
  text = Clipboard().Text();
  if (text.isEmpty()) {
    KvMessageBox(QString::fromUtf8(kTextNoClipboardData));
    m_controls.paste = false;
    return false;
  }
  return true;
}

QStringList CCoordinatesForm::PresetNames() {
  QStringList names;
  for (const CPointSetPreset& preset : kPointSetPresets) names.append(QString::fromUtf8(preset.name));
  return names;
}

QString CCoordinatesForm::PresetText(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kPointSetPresets))) return {};
  return QString::fromUtf8(kPointSetPresets[index].text);
}

void CCoordinatesForm::Validate() {
  m_controls.ok = CDlgCoordinates::ValidatePoints(m_data.m_strPoints);
  m_controls.status = QString::fromUtf8(m_controls.ok ? kTextPointsValid : kTextPointsInvalid);
}

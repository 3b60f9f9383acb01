// Documents of older versions: which cells and page fields each version
// threshold changes, once per document, and the rotate-button conversion.
#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <string>

#include "cells/dynamic/buttons/viewbuttons.h"
#include "cells/pageservices/cellupgrade.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextmap.h"
#include "formula/drawing/formulapictures.h"
#include "math/mathglobals.h"
#include "math/viewrotation.h"
#include "model/cgbutton.h"
#include "model/document/docservices.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

const QString kOldMarkup = QStringLiteral("<#><e>x+y</e></#>");  // its line element left out
float AsFloat(DWORD bits) { return std::bit_cast<float>(bits); }

// An old rotate button: equal orientations where the start and the axis
// are now, the count 4 where the duration is.
CGButnRotate* OldRotateButton() {
  auto* button = new CGButnRotate;
  for (int i = 0; i < 3; ++i) button->m_fStart[i] = button->m_fAxis[i] = 10.0f * (i + 1);
  button->m_fDuration = 4;
  return button;
}

TEST(DocumentUpgrade, EachVersionGetsTheRowsOfItsThresholdsOnce) {
  // Columns: 240 buttons; 300 pictures; 320 rotate buttons and page angles;
  // 350 formula texts and pixels per unit; 400 captions; 420 attached texts.
  const std::pair<int, const char*> rows[] = {{420, "000000"}, {400, "000001"}, {399, "000011"}, {350, "000011"},
                                              {349, "000111"}, {320, "000111"}, {300, "001111"}, {240, "011111"},
                                              {239, "111111"}, {-5, "111111"}};
  SetViewRotation(-75, -15);
  const float turnedW = static_cast<float>(ViewQuaternion.w), turnedX = static_cast<float>(ViewQuaternion.x);
  for (auto [version, applied] : rows) {
    CommandPage p;
    DocumentServices().upgradeCell = UpgradeCellFields;
    CGPage& page = p.Page();
    const auto put = [&](auto* cell) { return cell->m_nId = page.m_nNextId++, p.Enter(cell), cell; };
    auto* button = put(new CGButton);
    button->m_rgbaColor = RGBA{1, 2, 3, 77}, button->m_rgbaLabel = RGBA{9, 9, 9, 66};
    auto* image = put(new CGTbImage);
    image->SetZoom(0.5f, 0.5f);
    auto* rotate = put(OldRotateButton());
    auto* formula = put(new CGTbVodText);
    auto* attached = put(new CGTbMhc);
    formula->m_strMarkup = attached->m_strMarkup = kOldMarkup;
    formula->m_dwScalesWithView = 1, attached->m_dwScalesWithView = 0;
    auto* caption = put(new CGTmSingleline);
    caption->m_bLabelStale = false;
    auto* picture = put(new CGTbHenchman);
    for (int i = 0; i < 3; ++i) {
      attached->m_vLabelAnchor[i] = picture->m_vLabelAnchor[i] = 7;
      attached->m_vOffset[i] = picture->m_vOffset[i] = i + 1.0f;
    }
    const float angles[4] = {-75, 0, -15, 0.25f};
    std::copy_n(angles, 4, page.m_qRotate);
    page.m_nPixelsPerUnit = 40;
    p.doc.m_nVersion = version;
    const int views = p.seams.bridge->viewUpdates;
    p.doc.UpgradePages();
    p.doc.UpgradePages();  // a second call finds a version-420 document

    const std::string at = "version " + std::to_string(version);
    const auto on = [flags = applied](int column) { return flags[column] == '1'; };
    EXPECT_EQ(button->m_rgbaColor == (RGBA{51, 102, 255, 77}) && button->m_rgbaLabel == (RGBA{0, 0, 0, 66}) &&
                  !button->m_bLabelHidden, on(0)) << at;
    EXPECT_EQ(image->ZoomX() == 1.0f && image->ZoomY() == 1.0f, on(1)) << at;
    EXPECT_EQ(AsFloat(rotate->m_dwParam2) == 720.0f && rotate->m_fAxis[2] == 1.0f, on(2)) << at;
    EXPECT_EQ(page.m_qRotate[3] == turnedW && page.m_qRotate[0] == turnedX &&
                  static_cast<float>(ViewQuaternion.w) == turnedW, on(2)) << at;
    EXPECT_EQ(formula->m_dwScalesWithView == 0 && attached->m_dwScalesWithView == 1, on(3)) << at;
    EXPECT_EQ(formula->m_strMarkup == NormalizeVodMarkup(kOldMarkup) && formula->HasPicture(), on(3)) << at;
    EXPECT_EQ(page.m_nPixelsPerUnit == 20, on(3)) << at;
    EXPECT_EQ(!caption->m_bLabelHidden && caption->m_bLabelStale, on(4)) << at;
    EXPECT_EQ(attached->m_vLabelAnchor[2] == 3 && attached->m_vOffset[2] == 0, on(5)) << at;
    EXPECT_EQ(picture->m_vLabelAnchor[0] == 1 && picture->m_vOffset[0] == 0, on(5)) << at;
    EXPECT_EQ(p.doc.IsModified(), version < 420) << at;
    EXPECT_EQ(p.seams.bridge->viewUpdates - views, version < 420 ? 1 : 0) << at;
    EXPECT_EQ(p.doc.m_nVersion, 420) << at;
  }
  EXPECT_NE(NormalizeVodMarkup(kOldMarkup), kOldMarkup);
}

TEST(DocumentUpgrade, RotateButtonAnglesBecomeATurn) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  struct Row {
    const char* name;
    float start[3], end[3], count, angle, axis[3];
  } const rows[] = {
      {"equal, count 4", {10, 20, 30}, {10, 20, 30}, 4, 720, {0, 0, 1}},
      {"equal, count 5", {0, 0, 90}, {0, 0, 90}, 5, 720, {0, 0, 1}},
      {"equal, count 1", {10, 20, 30}, {10, 20, 30}, 1, 0, {0, 0, 1}},
      {"a quarter about z", {0, 0, 0}, {0, 0, 90}, 1, 90, {0, 0, 1}},
      {"back a quarter about x", {90, 0, 0}, {0, 0, 0}, 4, 90, {-1, 0, 0}},
      {"a half turn about y", {0, 0, 0}, {0, 180, 0}, 4, 180, {0, 1, 0}},
      {"start not a number", {kNaN, 0, 0}, {0, 0, 90}, 1, 0, {0, 0, 1}},
      {"count not a number", {0, 0, 0}, {0, 0, 0}, kNaN, 0, {0, 0, 1}},
      {"count beyond a float's turns", {0, 0, 0}, {0, 0, 0}, 1e38f, 0, {0, 0, 1}},
  };
  for (Row row : rows) {
    DWORD w = 0, angle = 0;
    ConvertOldRotation(row.start, row.end, row.count, w, angle);
    EXPECT_NEAR(AsFloat(angle), row.angle, 1e-3) << row.name;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(row.end[i], row.axis[i], 1e-5) << row.name << " axis " << i;
  }
  float start[3] = {0, 90, 0}, end[3] = {0, 0, 0};
  DWORD w = 0, angle = 0;
  ConvertOldRotation(start, end, 1, w, angle);
  EXPECT_TRUE(AsFloat(w) == 0.70710677f && start[0] == 0 && start[1] == 0.70710677f && start[2] == 0)
      << "the start quaternion replaces the start angles";
}

}  // namespace

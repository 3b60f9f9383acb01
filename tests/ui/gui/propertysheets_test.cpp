// The light and material sheets: titles and pages, the values they start
// from, sliders and typed values (out-of-range input refused), and what
// Apply and OK hand on: light 0 of GL and the preferences, the current
// material and the view's message 0x805.
#include "ui/editors/propertysheets.h"

#include <GL/gl.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <array>
#include <vector>

#include "platform/processstate.h"
#include "platform/uibridge.h"
#include "render/currentmaterial.h"
#include "render/viewglobals.h"
#include "support/headless_gl.h"
#include "ui/editors/editorpages.h"

namespace KAVREL_FILE_LOCAL {

// What a user types: the box's text is replaced key by key, then Return.
void Type(QLineEdit* edit, const QString& text, bool pressReturn = false) {
  edit->selectAll();
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(edit, &press);
  }
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  if (pressReturn) QApplication::sendEvent(edit, &enter);
}

QStringList TabTitles(const QTabWidget* tabs) {
  QStringList titles;
  for (int i = 0; i < tabs->count(); ++i) titles << tabs->tabText(i);
  return titles;
}

std::array<float, 4> Light0(GLenum name) {
  std::array<float, 4> value{};
  glGetLightfv(GL_LIGHT0, name, value.data());
  return value;
}

using LightSheetTest = HeadlessGlTest;

TEST_F(LightSheetTest, StartsFromThePreferencesAndAppliesToLightZero) {
  g_prefs.lightAmbient[3] = 0.5f;  // alpha and w are carried through
  g_prefs.lightPosition[3] = 0.0f;
  CLightEditor sheet(nullptr);
  EXPECT_EQ(sheet.windowTitle(), QStringLiteral("灯光属性"));
  EXPECT_EQ(TabTitles(sheet.Tabs()).join(QLatin1Char(',')), QStringLiteral("环境光,散射光,镜面光,光源位置"));
  // Text, slider position and slider range.
  const std::pair<CSliderPage*, const char*> starts[] = {{sheet.AmbientPage(), "0.20 200 1000"},
                                                         {sheet.DiffusePage(), "0.80 800 1000"},
                                                         {sheet.SpecularPage(), "1.00 1000 1000"},
                                                         {sheet.PositionPage(), "200.0 1200 2000"}};
  for (const auto& [page, shown] : starts)
    EXPECT_EQ(QStringLiteral("%1 %2 %3").arg(page->Edit(0)->text()).arg(page->Slider(0)->value()).arg(page->Slider(0)->maximum()),
              QString::fromUtf8(shown));
  EXPECT_FALSE(sheet.ApplyButton()->isEnabled()) << "nothing to apply yet";

  sheet.AmbientPage()->Slider(0)->setValue(1000);
  sheet.PositionPage()->Slider(0)->setValue(0);
  sheet.SpecularPage()->Slider(2)->setValue(333);
  EXPECT_EQ(sheet.AmbientPage()->Edit(0)->text(), QStringLiteral("1.00"));
  EXPECT_EQ(sheet.PositionPage()->Edit(0)->text(), QStringLiteral("-1000.00"));
  EXPECT_EQ(sheet.SpecularPage()->Edit(2)->text(), QStringLiteral("0.33"));
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(7, 0, 0);  // the scene's turn and shift do not move the light
  ASSERT_TRUE(sheet.ApplyButton()->isEnabled());
  sheet.ApplyButton()->click();

  const std::array<float, 4> ambient{1.0f, 0.2f, 0.2f, 0.5f};
  const std::array<float, 4> specular{1.0f, 1.0f, 0.333f, 1.0f};
  const std::array<float, 4> position{-1000.0f, 100.0f, 300.0f, 0.0f};
  EXPECT_EQ(g_prefs.lightAmbient, ambient);
  EXPECT_EQ(g_prefs.lightSpecular, specular);
  EXPECT_EQ(g_prefs.lightPosition, position);
  EXPECT_EQ(Light0(GL_AMBIENT), ambient);
  EXPECT_EQ(Light0(GL_SPECULAR), specular);
  EXPECT_EQ(Light0(GL_POSITION), position) << "the position is given in eye coordinates";
  EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
}

TEST_F(LightSheetTest, TypedValuesMoveTheSliderOrAreRefused) {
  struct Case {
    bool position;
    const char* typed;
    bool pressReturn;  // taken when the box is left, else on Apply
    int slider;
    float value;
    const char* shown;
  };
  const Case cases[] = {
      {false, "0.5", false, 500, 0.5f, "0.5"},      {false, " 0.25 ", true, 250, 0.25f, " 0.25 "},
      {false, "1.5", false, 200, 0.2f, "0.20"},     {false, "x", true, 200, 0.2f, "0.20"},
      {false, "-0.1", false, 200, 0.2f, "0.20"},
      {true, "-1000", false, 0, -1000.0f, "-1000"}, {true, "1000.5", false, 1200, 200.0f, "200.00"},
  };
  for (const Case& c : cases) {
    g_prefs = CDisplayPrefs();
    CLightEditor sheet(nullptr);
    CSliderPage* page = c.position ? static_cast<CSliderPage*>(sheet.PositionPage()) : sheet.AmbientPage();
    Type(page->Edit(0), QString::fromUtf8(c.typed), c.pressReturn);
    EXPECT_TRUE(sheet.ApplyButton()->isEnabled()) << c.typed;
    sheet.Apply();
    EXPECT_EQ(page->Slider(0)->value(), c.slider) << c.typed;
    EXPECT_EQ(page->Edit(0)->text(), QString::fromUtf8(c.shown)) << c.typed;
    EXPECT_EQ(c.position ? g_prefs.lightPosition[0] : g_prefs.lightAmbient[0], c.value) << c.typed;
  }
  // Leaving a box that was not typed into keeps the slider's exact value.
  CLightEditor sheet(nullptr);
  sheet.AmbientPage()->Slider(1)->setValue(333);
  Type(sheet.AmbientPage()->Edit(1), QString(), true);
  sheet.Apply();
  EXPECT_EQ(g_prefs.lightAmbient[1], 0.333f);
}

TEST(MaterialSheet, StartsFromTheCurrentMaterialAndHandsItToTheView) {
  SeamRecorders seams;
  g_curMaterial.shininess = 5;
  g_curMaterial.diffuse[3] = 0.25f;
  ResetProcessState();  // the material starts again from its initial values, the bridge is gone
  auto* bridge = new RecordingUiBridge;
  SetUiBridge(std::unique_ptr<IUiBridge>(bridge));
  CMatEditor sheet;
  EXPECT_EQ(sheet.windowTitle(), QStringLiteral("材质属性"));
  EXPECT_EQ(TabTitles(sheet.Tabs()).join(QLatin1Char(',')), QStringLiteral("环境光,散射光,镜面光,亮度"));
  for (const auto& [page, shown] : {std::pair(0, "0.20"), {1, "0.80"}, {2, "0.20"}})
    EXPECT_EQ(sheet.ColourPage(page)->Edit(2)->text(), QString::fromUtf8(shown));
  EXPECT_EQ(sheet.ShininessPage()->Edit()->text(), QStringLiteral("64"));
  QStringList labels;
  for (const QLabel* label : sheet.ShininessPage()->findChildren<QLabel*>()) labels << label->text();
  EXPECT_EQ(labels.join(QLatin1Char(',')), QStringLiteral("亮度值,材质的亮度值可以从0到128"));

  sheet.ColourPage(1)->Slider(1)->setValue(1000);
  Type(sheet.ShininessPage()->Edit(), QStringLiteral("100"));
  sheet.ApplyButton()->click();
  EXPECT_EQ(g_curMaterial.diffuse, (std::array<float, 4>{0.8f, 1.0f, 0.8f, 1.0f}));
  EXPECT_EQ(g_curMaterial.shininess, 100.0f);
  sheet.ColourPage(2)->Slider(0)->setValue(0);
  sheet.accept();  // OK applies as well
  EXPECT_EQ(g_curMaterial.specular[0], 0.0f);
  ASSERT_EQ(bridge->messages.size(), 2u);
  for (const BridgeMessage& m : bridge->messages) {
    EXPECT_EQ(m.target, UiTarget::View);
    EXPECT_EQ(m.message, 0x805u);
    EXPECT_EQ(m.wParam, 0u);
    EXPECT_EQ(m.lParam, 0);
    EXPECT_TRUE(m.posted);
  }
}

TEST(MaterialSheet, ShininessStaysWithinZeroTo128) {
  struct Case {
    const char* typed;
    int steps;          // then up (+) or down (-) clicks
    bool refused;       // Apply and OK show the range message and the sheet stays
    int applied;
    const char* shown;
  };
  const Case cases[] = {{"200", 0, true, 64, "200"},  {"x", 0, true, 64, "x"},     {"-1", 0, true, 64, "-1"},
                        {"128", 0, false, 128, "128"}, {"0", -2, false, 0, "0"},   {"127", 3, false, 128, "128"},
                        {"200", 1, false, 65, "65"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.steps));
    SeamRecorders seams;
    CMatEditor sheet;
    sheet.show();
    CShineEdit* page = sheet.ShininessPage();
    Type(page->Edit(), QString::fromUtf8(c.typed));
    for (int i = 0; i < c.steps || i < -c.steps; ++i) page->StepButton(c.steps > 0)->click();
    sheet.Tabs()->setCurrentIndex(0);
    sheet.ApplyButton()->click();
    EXPECT_EQ(g_curMaterial.shininess, static_cast<float>(c.applied));
    EXPECT_EQ(page->Edit()->text(), QString::fromUtf8(c.shown));
    const std::vector<QString> range{QStringLiteral("请输入一个介于 0 和 128 之间的整数。")};
    EXPECT_EQ(seams.notifier->Texts(), c.refused ? range : std::vector<QString>{});
    EXPECT_EQ(sheet.Tabs()->currentWidget() == page, c.refused) << "the refusing page is shown";
    sheet.accept();
    EXPECT_EQ(sheet.isVisible(), c.refused) << "OK closes only what it could apply";
    EXPECT_EQ(seams.notifier->shown.size(), c.refused ? 2u : 0u);
  }
}

}  // namespace

#include "ui/ribbon/ribbonlayout.h"

#include <QToolButton>
#include <iterator>

#include "model/document/kavreldoc.h"
#include "platform/commandids.h"
#include "ui/commandactions.h"
#include "ui/commandicons.h"
#include "ui/ribbon/ribbonbar.h"
#include "ui/uitexts.h"

namespace {
constexpr bool L = true;   // large button
constexpr bool S = false;  // small button

// --- 常用 ---------------------------------------------------------------------
constexpr CRibbonEntry kPages[] = {{ID_CREATE_PAGE, L}, {ID_VIEW_PAGEUP, S}, {ID_VIEW_PAGEDOWN, S},
                                   {ID_FILE_OPTIONS, S}, {kCmdMovePageUp, S}, {kCmdMovePageDown, S}};
constexpr CRibbonEntry kTools[] = {{ID_EDIT_SELECT, L},   {ID_CREATE_POINT, L},   {ID_CREATE_LINE, L},
                                   {ID_CREATE_POLYGON, L}, {ID_CREATE_CIRCLE, L}, {kRibbonSlotTools, L},
                                   {ID_EDIT_SELBOX, S},   {ID_CREATE_INKMARKS, S}};
constexpr CRibbonEntry kSolidTools[] = {{ID_CREATE_PRISM, L}, {ID_CREATE_PYRAMID, L}, {ID_CREATE_FRUSTUM, L},
                                        {ID_CREATE_SPHERE, L}};
constexpr CRibbonEntry kMergedTools[] = {{ID_CREATE_CURVE_LOCUS, S}, {ID_CREATE_MEASCALC, S},
                                         {ID_CREATE_TEXTLABEL, S},   {ID_CREATE_PLAY, S},
                                         {ID_CREATE_STATICKAVREL, S}, {ID_MEASURE_PARAMETER, S}};
constexpr CRibbonEntry kColors[] = {{kRibbonSlotColor, L}, {kRibbonSlotPalette, S}, {ID_COLOR26, S}, {kCmdCustomColor, S}, {ID_COLOR28, S}};
constexpr CRibbonEntry kHomeView[] = {{ID_VIEW_TSFM_RESET, L}, {ID_VIEW_PORT_TT, L}, {ID_ANIMA_PLAYSTOP, L},
                                      {kRibbonSlotSliders, L}};
// --- 编辑 ---------------------------------------------------------------------
constexpr CRibbonEntry kUndo[] = {{ID_EDIT_UNDO, L}, {ID_EDIT_REDO, L}};
constexpr CRibbonEntry kClipboard[] = {{ID_EDIT_PASTE, L}, {ID_EDIT_CUT, S}, {ID_EDIT_COPY, S}, {ID_EDIT_DELETE, S}};
constexpr CRibbonEntry kSelect[] = {{ID_EDIT_SELECT_ALL, S}, {ID_SELECT_POINT, S},   {ID_SELECT_LINE, S},
                                    {ID_SELECT_FACE, S},     {kCmdSelectCircles, S}, {ID_SELECT_PAGE, S},
                                    {ID_SELECT_PARENTS, S},  {ID_SELECT_CHILDREN, S}};
constexpr CRibbonEntry kObjects[] = {{ID_EDIT_PROPERTY, L}, {ID_EDIT_LABEL, S},  {ID_EDIT_LABELMOD, S},
                                     {ID_EDIT_REVERSE, S},  {ID_EDIT_SPLIT, S},  {ID_EDIT_FLUSH, S},
                                     {ID_EDIT_STYLES, S},   {ID_FILE_REORGANIZE, S}, {kCmdBringIntoView, S}};
constexpr CRibbonEntry kUserTools[] = {{ID_TOOL_CREATE, L}, {ID_TOOL_SCRIPT, S}, {ID_TOOL_OPTION, S},
                                       {ID_TOOL_AUTODO, S}};
constexpr CRibbonEntry kCapture[] = {{ID_EDIT_PRINTSCR, S}, {ID_EDIT_COPYBIT, S}};
constexpr CRibbonEntry kSettings[] = {{ID_EDIT_PREFERONCES, L}, {ID_FILE_OPTIONS, L}};
// --- 显示 ---------------------------------------------------------------------
constexpr CRibbonEntry kProjections[] = {{ID_VIEW_PROJ_PERSPEC, S}, {ID_VIEW_PROJ_ID_ORTHO, S},
                                         {ID_VIEW_PROJ_ID_XIEERCE, S}};
constexpr CRibbonEntry kViews[] = {{ID_VIEW_PORT, L},      {ID_VIEW_PORT_F, S},       {ID_VIEW_PORT_L, S},
                                   {ID_VIEW_PORT_T, S},    {ID_VIEW_3VIEWSHOWPER, S}, {ID_VIEW_PORT_TT, S},
                                   {ID_VIEW_TSFM_RESET, S}};
constexpr CRibbonEntry kAxes[] = {{ID_VIEW_GRID, S}, {ID_VIEW_GRID3, S}, {ID_VIEW_SNAP, S}, {ID_VIEW_COORDLINE, S},
                                  {kCmdResolutionBoundary, S}};
constexpr CRibbonEntry kSpin[] = {{ID_ANIMA_PLAYSTOP, L}, {ID_ROT_XPLUS, S},  {ID_ROT_YPLUS, S},
                                  {ID_ROT_ZPLUS, S},      {ID_ROT_XMINUS, S}, {ID_ROT_YMINUS, S},
                                  {ID_ROT_ZMINUS, S},     {ID_ANIMA_DA, S},   {ID_ANIMA_XIAO, S}};
constexpr CRibbonEntry kLocks[] = {{ID_VIEW_LOCK, S}, {ID_VIEW_LOCKTOW, S}};
constexpr CRibbonEntry kShow[] = {{ID_VIEW_HIDEOBJECTS, S},   {ID_EDIT_SHOWOBJECT, S},     {ID_VIEW_SHOWHIDE_LABEL, S},
                                  {ID_VIEW_FILL, S},          {ID_VIEW_RENDERSOLID, S},    {ID_VIEW_TRANSLUCENT, S},
                                  {kCmdDashedHiddenLines, S}, {kCmdLabelAutoScaleOn, S},   {kCmdLabelAutoScaleOff, S}};
constexpr CRibbonEntry kWeights[] = {{ID_VIEW_WEIGHT_JIA, S}, {ID_VIEW_WEIGHT_JIAN, S}, {ID_VIEW_WEIGHT_MOREN, S},
                                     {ID_VIEW_WEIGHT_SHURU, S}};
constexpr CRibbonEntry kTraces[] = {{ID_VIEW_TRACE, S}, {ID_VIEW_SNAPSHOT, S}, {ID_VIEW_ERASE, S},
                                    {kCmdEraseTraces, S}};
constexpr CRibbonEntry kWindow[] = {{ID_VIEW_FULLSCREEN, L}, {ID_VIEW_PANEL, S}, {ID_VIEW_MINI, S},
                                    {kRibbonSlotLooks, S}};
// --- 构造 ---------------------------------------------------------------------
constexpr CRibbonEntry kPoints[] = {{ID_CREATE_POINT_MIDDLE, S},   {ID_CREATE_POINT_DIV3, S},
                                    {ID_CREATE_POINT_DIVN, S},     {ID_CREATE_POINT_INTER, S},
                                    {ID_CREATE_POINT_ONOBJECT, S}, {ID_CREATE_FREE3_POINT, S},
                                    {ID_CREATE_POINT_INOBJ_FT, S}, {ID_CREATE_POINT_PATH, S},
                                    {ID_CREATE_POINT_ORIGIN, S},   {ID_CREATE_POINT_COORDINATES, S},
                                    {ID_CREATE_POINT_TOUYING, S}};
constexpr CRibbonEntry kBoundPoints[] = {{ID_CREATE_POINT_PER_SC, S}, {ID_CREATE_POINT_PER_EQ, S},
                                         {ID_CREATE_POINT_PAR_X, S},  {ID_CREATE_POINT_PAR_Y, S},
                                         {ID_CREATE_POINT_PAR_Z, S},  {ID_CREATE_POINT_PAR_V, S},
                                         {ID_CREATE_POINT_PAR_L, S},  {ID_CREATE_POINT_VECTOR, S},
                                         {ID_CREATE_POINT_2DZ, S}};
constexpr CRibbonEntry kCentres[] = {{ID_CREATE_POINT_TRIANGLE_G, S}, {ID_CREATE_POINT_TRIANGLE_O, S},
                                     {ID_CREATE_POINT_TRIANGLE_I, S}, {ID_CREATE_POINT_TRIANGLE_H, S},
                                     {ID_CREATE_POINT_TRIANGLE_E, S}};
constexpr CRibbonEntry kLines[] = {{ID_CREATE_LINE_SEGMENT, S},       {ID_CREATE_LINE_HALF, S},
                                   {ID_CREATE_LINE_STRAIGHT, S},      {ID_CREATE_LINE_VECTOR, S},
                                   {ID_CREATE_LINE_PERPENDICULAR, S}, {ID_CREATE_LINE_PARALLEL, S},
                                   {ID_CREATE_LINE_COMMON, S},        {ID_CREATE_LINE_ANGLE, S},
                                   {ID_CREATE_LINE_ANGLE_E, S}};
constexpr CRibbonEntry kFaces[] = {{ID_CREATE_FACE, L},         {ID_CREATE_FACE_PERLINE, S},
                                   {ID_CREATE_FACE_PARFACE, S}, {ID_CREATE_PLANE_RECT, S},
                                   {ID_CREATE_PLANE_SQUARE, S}, {ID_CREATE_PLANE_EQUILATERAL, S},
                                   {ID_CREATE_PLANE_ISOCELES, S}, {ID_CREATE_PLANE_FIVE, S},
                                   {ID_CREATE_PLANE_SIX, S},    {ID_CREATE_PLANE_POLY, S},
                                   {ID_CREATE_PLANE_PARALL, S}, {ID_CREATE_RIGHTTRIANGLE, S}};
constexpr CRibbonEntry kCircles[] = {{ID_CREATE_CIRCLE_3P, S},   {ID_CREATE_CIRCLE_CP, S},
                                     {ID_CREATE_CIRCLE_PNZ2, S}, {ID_CREATE_CIRCLE_ARC, S},
                                     {ID_CREATE_POINT_ROT_INCIRCLE, S}, {ID_CREATE_POINT_SCALE_INCIRCLE, S},
                                     {ID_CREATE_GEO, S}};
constexpr CRibbonEntry kSolids[] = {{ID_CREATE_CUBOID, S},        {ID_CREATE_BOX, S},
                                    {ID_CREATE_SOLID_PARALL, S},  {ID_CREATE_SOLID_PRISM, S},
                                    {ID_CREATE_SOLID_FIVEPRISM, S}, {ID_CREATE_SOLID_PYRAMID, S},
                                    {ID_CREATE_SOLID_TETRAHEDRON, S}, {ID_CREATE_SOLID_TRUN, S},
                                    {ID_CREATE_SOLID_SIXTRUN, S}, {ID_CREATE_CUBOIDXYZ, S},
                                    {ID_CREATE_CYLINDER, S},      {ID_CREATE_CONE, S},
                                    {ID_CREATE_PLATFORM, S}};
constexpr CRibbonEntry kHulls[] = {{ID_POLYHEDRON, S}, {ID_FOLD, S}, {ID_SECTION, S}, {ID_TI_SPLIT, S}};
constexpr CRibbonEntry kCurves[] = {{ID_CREATE_LOCUS, S}, {ID_CREATE_TRACK, S}, {ID_CREATE_CURVE, S},
                                    {ID_CREATE_SURFACE, S}};
// --- 插入 ---------------------------------------------------------------------
constexpr CRibbonEntry kTexts[] = {{ID_CREATE_TEXT_VOD, L}, {ID_CREATE_TEXT2, S}, {ID_CREATE_TEXT, S},
                                   {ID_CREATE_TEXT3, S},    {ID_CREATE_TABLE, S}, {ID_ID_CREATE_VARAP, S}};
constexpr CRibbonEntry kPictures[] = {{ID_CREATE_IMAGE, L},   {ID_CREATE_INKMARKS, S}, {ID_INK_SAVE, S},
                                      {ID_INK_ERASE, S},      {ID_3DSMODEL, S},        {ID_CREATE_SUBA, S},
                                      {ID_CREATE_3DTEXT, S},  {ID_CREATE_STATICKAVREL, S}, {ID_CREATE_BASE, S},
                                      {ID_CREATE_BASE_2D, S}};
constexpr CRibbonEntry kButtons[] = {{ID_EDIT_BTN_HIDESHOW, S},  {ID_EDIT_BTN_ANIMATION, S}, {ID_EDIT_BTN_MOVE, S},
                                     {ID_EDIT_BTN_PRESENTAT, S}, {ID_EDIT_BTN_LINK, S},      {ID_EDIT_BTN_MEDIA, S}};
constexpr CRibbonEntry kViewButtons[] = {{ID_EDIT_BTN_START, S},     {ID_EDIT_BTN_END, S},
                                         {ID_EDIT_BTN_TRANSLATE, S}, {ID_EDIT_BTN_ROTATE, S},
                                         {ID_EDIT_BTN_ZOOM, S},      {ID_EDIT_BTN_ADDOBJ, S}};
constexpr CRibbonEntry kAutoButtons[] = {{ID_AUTOBTN, S}, {ID_AUTOBTNDEL, S}, {ID_AUTODELALL, S}};
constexpr CRibbonEntry kMedia[] = {{ID_VIEW_MEDIA, L}, {ID_VIEW_MEDIA_CTRL, S}, {ID_VIEW_MEDIA_CLOSE, S},
                                   {kCmdMediaSettings, S}, {ID_EDIT_RETEXTURE, S}};
// --- 变换 ---------------------------------------------------------------------
constexpr CRibbonEntry kMarks[] = {{ID_TRANS_MARKCENTER, S}, {ID_TRANS_MARKAXIS, S},  {ID_TRANS_MARKMIRROR, S},
                                   {ID_TRANS_MARKVECTOR, S}, {ID_TRANS_MARKANGLE, S}, {ID_TRANS_MARKRATIO, S}};
constexpr CRibbonEntry kTransforms[] = {{ID_TRANS_TRANSLATE, L}, {ID_TRANS_ROTATE, L}, {ID_TRANS_DILATE, L},
                                        {ID_TRANS_DEFLECT, L}};
constexpr CRibbonEntry kIterate[] = {{ID_TRANS_ITERATE, L}};
// --- 度量 ---------------------------------------------------------------------
constexpr CRibbonEntry kCoordinates[] = {{ID_MEASURE_COORD_X, S}, {ID_MEASURE_COORD_Y, S}, {ID_MEASURE_COORD_Z, S},
                                         {ID_MEASURE_PT, S},      {ID_MEASURE_PXYZ, S}};
constexpr CRibbonEntry kDistances[] = {{ID_MEASURE_D_PP, S}, {ID_MEASURE_D_PL, S}, {ID_MEASURE_D_PF, S},
                                       {ID_MEASURE_D_LL, S}};
constexpr CRibbonEntry kAngles[] = {{ID_MEASURE_LLA, S}, {ID_MEASURE_LFA, S}, {ID_MEASURE_FFA, S},
                                    {ID_MEASURE_ANGLE, S}};
constexpr CRibbonEntry kSizes[] = {{ID_MEASURE_AREA, S},   {ID_MEASURE_VOLUME, S}, {ID_MEASURE_RADIUS, S},
                                   {ID_MEASURE_AREA_C, S}, {ID_MEASURE_LEN_C, S},  {ID_MEASURE_AREA_S, S},
                                   {ID_MEASURE_VOLUME_S, S}};
constexpr CRibbonEntry kCalculations[] = {{ID_MEASURE_FUN, L}, {ID_MEASURE_PARAMETER, L}, {ID_COLOR29, S}};
constexpr CRibbonEntry kVectors[] = {{ID_MEASURE_VXYZ, S},        {ID_MEASURE_VECFN, S},   {ID_MEASURE_VEC_HE, S},
                                     {ID_MEASURE_VEC_CHA, S},     {ID_MEASURE_VEC_SHUCHENG, S},
                                     {ID_MEASURE_VEC_SHIJI, S},   {ID_MEASURE_VEC_SHUJI, S},
                                     {ID_MEASURE_VEC_MO, S},      {ID_MEASURE_VEC_HUNJI, S},
                                     {ID_MEASURE_VEC_COMPONENT, S}};
// --- 帮助 ---------------------------------------------------------------------
constexpr CRibbonEntry kHelp[] = {{kCmdQuickHelp, L}, {ID_HELP_SAMPLE, L}, {ID_HELP_PESOURCE, L}, {ID_APP_ABOUT, L}};

// Category 0 panel 1 is the tool panel (the frame finds the tool sets there).
const CRibbonPanelLayout kPanels[] = {
    {0, "页面", kPages},        {0, "工具", kTools},          {0, "立体工具", kSolidTools},
    {0, "综合工具", kMergedTools}, {0, "颜色", kColors},       {0, "视图", kHomeView},
    {1, "撤消", kUndo},         {1, "剪贴板", kClipboard},    {1, "选择", kSelect},
    {1, "对象", kObjects},      {1, "自定义工具", kUserTools}, {1, "抓图", kCapture},
    {1, "设置", kSettings},     {2, "投影", kProjections},    {2, "视图", kViews},
    {2, "坐标系", kAxes},       {2, "转动", kSpin},           {2, "锁定", kLocks},
    {2, "对象显示", kShow},     {2, "线宽", kWeights},        {2, "踪迹", kTraces},
    {2, "窗口", kWindow},       {3, "点", kPoints},           {3, "随动点", kBoundPoints},
    {3, "三角形的心", kCentres}, {3, "线", kLines},           {3, "面", kFaces},
    {3, "圆与球", kCircles},    {3, "立体", kSolids},         {3, "多面体", kHulls},
    {3, "轨迹与曲线", kCurves}, {4, "文本", kTexts},          {4, "图形", kPictures},
    {4, "按钮", kButtons},      {4, "视图按钮", kViewButtons}, {4, "自动按钮", kAutoButtons},
    {4, "影音", kMedia},        {5, "标志", kMarks},          {5, "变换", kTransforms},
    {5, "迭代", kIterate},      {6, "坐标", kCoordinates},    {6, "距离", kDistances},
    {6, "角度", kAngles},       {6, "面积与体积", kSizes},    {6, "计算", kCalculations},
    {6, "向量", kVectors},      {7, "帮助", kHelp},
};

bool IsSlot(unsigned id) { return id >= kRibbonSlotColor && id <= kRibbonSlotPalette; }
}  // namespace

std::span<const CRibbonPanelLayout> RibbonPanels() { return kPanels; }

void BuildRibbon(CRibbonBar& ribbon, CCommandActions& actions, const RibbonSlotFactory& slotWidget) {
  for (const char* name : kRibbonCategories) ribbon.AddCategory(QString::fromUtf8(name));
  for (const CRibbonPanelLayout& layout : kPanels) {
    CRibbonPanel* panel = ribbon.AddPanel(layout.category, QString::fromUtf8(layout.title));
    for (const CRibbonEntry& entry : layout.entries) {
      if (IsSlot(entry.id)) {
        QWidget* widget = slotWidget ? slotWidget(entry.id) : nullptr;
        if (!widget) continue;
        widget->setParent(panel);
        if (entry.large)
          panel->AddColumn(widget);
        else
          panel->AddRow(widget);
        continue;
      }
      QAction* action = actions.Action(entry.id);
      if (action->icon().isNull()) action->setIcon(CommandIcon(entry.id));
      if (entry.large)
        panel->AddLarge(action);
      else
        panel->AddSmall(action);
    }
  }
}

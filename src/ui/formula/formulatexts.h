// The fixed texts of the formula editing control and its small dialogs.
#pragma once
#include "formula/control/formulacommands.h"

// Context menu items, in order; an empty text is a separator.
inline constexpr const char16_t* kFormulaMenuTexts[] = {
    u"撤消(&U)\tCtrl+Z",
    u"重做(&R)\tCtrl+R",
    u"",
    u"字体(&F)\tCtrl+F",
    u"剪切(&T)\tCtrl+X",
    u"复制(&C)\tCtrl+C",
    u"粘贴(&P)\tCtrl+V",
    u"删除(&D)\tDelete",
    u"",
    u"全选(&A)\tCtrl+A",
    u"",
    u"导出(&E)\tCtrl+E",
    u"导入(&I)\tCtrl+I",
    u"",
    u"确定(&K)",
    u"退出(&X)    \tESC  Alt+F4 ",
};
// The command of each item (0 for a separator).
inline constexpr unsigned kFormulaMenuCommands[] = {
    ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_FORMULA_FONT, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_FORMULA_CLEAR, 0, ID_EDIT_SELECT_ALL, 0, ID_FORMULA_EXPORT, ID_FORMULA_IMPORT, 0, ID_FORMULA_OK, ID_FORMULA_CLOSE,
};

// Short names of the structure commands 33540 to 33559.
inline constexpr const char16_t* kStructureNames[] = {
    u"编辑框",
    u"分式",
    u"平方根",
    u"方根",
    u"上标",
    u"下标",
    u"上下标",
    u"向量",
    u"直线",
    u"圆弧",
    u"求和",
    u"求积",
    u"积分",
    u"小括号",
    u"中括号",
    u"大括号",
    u"绝对值",
    u"左大括号",
    u"右大括号",
    u"矩阵",
};

// Tool tip and short name of the format commands, after the newline.
inline constexpr const char16_t* kTextBold = u"粗体";
inline constexpr const char16_t* kTextItalic = u"斜体";
inline constexpr const char16_t* kTextUnderline = u"下划线";
inline constexpr const char16_t* kTextFontCommand = u"字体\n字体";
inline constexpr const char16_t* kTextImportCommand = u"导入VOD文本到VOD编辑器中\n导入";
inline constexpr const char16_t* kTextExportCommand = u"从编辑器中导出VOD格式文本或Windows图元、图片文件（保存类型中选）\n导出";

// The matrix dialog.
inline constexpr const char16_t* kTextMatrixTitle = u"矩阵";
inline constexpr const char16_t* kTextMatrixRows = u"行数";
inline constexpr const char16_t* kTextMatrixColumns = u"列数";
// The structure style dialog: its titles in text and in list mode, and the
// arrow styles by variant.
inline constexpr const char16_t* kTextSymbolStyleTitle = u"修改模块符号";
inline constexpr const char16_t* kTextArrowStyleTitle = u"修改标签箭头的类型";
inline constexpr const char16_t* kArrowStyleNames[] = {
    u"右箭头",
    u"左箭头",
    u"双向箭头",
    u"右双箭头",
    u"左双箭头",
    u"双向双箭头",
    u"长等号",
    u"左右箭头",
    u"左右鱼叉",
    u"下带线鱼叉",
    u"上带线鱼叉",
    u"双带线鱼叉",
    u"带线右双箭头",
    u"带线左双箭头",
};

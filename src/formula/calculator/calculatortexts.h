// The calculator dialog's fixed texts, exactly as the program shows them.
#pragma once

inline constexpr const char16_t* kTextCalculatorCaption = u"计算";  // unless the host gives one
inline constexpr const char16_t* kTextNewCalculation = u"新建计算";
inline constexpr const char16_t* kTextCalculatorPrompt = u"在下面输入一个表达式，可插入度量值或函数：";
inline constexpr const char16_t* kTextIncomplete = u"请继续输入……";
inline constexpr const char16_t* kTextWrongExpression = u"表达式错误，请修改！";
inline constexpr const char16_t* kTextShowAsAngle = u"确定后显示为角度";
inline constexpr const char16_t* kTextCalculatorOk = u"确定";
inline constexpr const char16_t* kTextCalculatorCancel = u"取消";

// The functions list: a heading at position 0, then the functions.
inline constexpr const char16_t* kCalculatorFunctions[] = {
    u"  函  数",
    u"sin",
    u"cos",
    u"tan",
    u"cot",
    u"sqrt",
    u"cbrt",
    u"exp",
    u"lg",
    u"ln",
    u"abs",
    u"int",
    u"round",
    u"hv",
    u"sgn",
    u"rand",
    u"accum",
    u"get",
    u"set1",
    u"set2",
    u"set3",
    u"set4",
    u"set5",
    u"set6",
    u"arcsin",
    u"arccos",
    u"arctan",
    u"sinh",
    u"cosh",
    u"tanh",
    u"fact",
    u"time",
};


// The name a value without one is offered under (five blanks).
inline constexpr const char16_t* kTextUnnamedValue = u"     ";

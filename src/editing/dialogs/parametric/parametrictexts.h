// The texts of the curve and surface dialogs and their example tables, as
// the dialogs show and store them (some hold significant blanks).
#pragma once

struct CCurveExample {
  const char* name;
  const char* x;
  const char* y;
  const char* z;
  const char* from;
  const char* to;
  float step;
  int system;
};

struct CSurfaceExample {
  const char* name;
  const char* x;
  const char* y;
  const char* z;
  const char* uFrom;
  const char* uTo;
  const char* vFrom;
  const char* vTo;
  double uStep;
  double vStep;
  int texture;
  int twoSided;
  int system;
};

inline constexpr const char* kTextBreakDistance = "相邻样本点的距离达到此值时曲线间断：";
inline constexpr const char* kTextColourButton = "颜色=";
inline constexpr const char* kTextCoordinateSystem = "坐标系";
inline constexpr const char* kTextCurveCaption = "曲线属性";
inline constexpr const char* kTextCurveExamples = "示例：";
inline constexpr const char* kTextCurveParameterBox = "参数t";
inline constexpr const char* kTextCurveStep = "精度（步长）：";
inline constexpr const char* kTextEditColourFunction = "编辑颜色函数";
inline constexpr const char* kTextEditEquation = "编辑参数方程";
inline constexpr const char* kTextEditRange = "编辑参数范围";
inline constexpr const char* kTextFrontTexture = "选择正面纹理";
inline constexpr const char* kTextMapS = "s=";
inline constexpr const char* kTextMapT = "t=";
inline constexpr const char* kTextMapU = "*u+";
inline constexpr const char* kTextMapV = "*v+";
inline constexpr const char* kTextRangeFrom = "从";
inline constexpr const char* kTextRangeTo = "到";
inline constexpr const char* kTextSegmentColouring = "分段着色";
inline constexpr const char* kTextSurfaceCaption = "曲面属性";
inline constexpr const char* kTextSurfaceExamples = "曲面示例：";
inline constexpr const char* kTextSurfaceUFrom = "u:从";
inline constexpr const char* kTextSurfaceUStep = "精度（参数u增减步长）：";
inline constexpr const char* kTextSurfaceVFrom = "v:从";
inline constexpr const char* kTextSurfaceVStep = "精度（参数v增减步长）：";
inline constexpr const char* kTextTextureCoordinates = "纹理坐标";
inline constexpr const char* kTextTwoSides = "两面颜色或纹理不同：正面非3号时反面为3号；正面为3号反面无。无图时反面标签色";
inline constexpr const char* kTextCoordinateSystems[3] = {"空间直角", "球坐标系", "柱坐标系"};
inline constexpr const char* kTextCurveDisplays[4] = {"全实线", "全虚线", "仅实线", "自动虚实"};
inline constexpr const char* kTextSurfaceDisplays[3] = {"光照模式", "半透明材质", "线框模式"};
inline constexpr const char* kTextMappings[2] = {"自动映射", "定义变换："};
inline constexpr const char* kSurfaceDefaults[7] = {"5*cos(u)", "5*sin(u)", "v", "0", "2*pi", "-8", "8"};
// The captions of the three expression buttons per coordinate system.
inline constexpr const char* kTextCurveAxes[3][3] = {{"x(t)=", "y(t)=", "z(t)="}, {" r(t)=", "θ(t)=", "φ(t)="}, {"ρ(t)=", "θ(t)=", " z(t)="}};
inline constexpr const char* kTextSurfaceAxes[3][3] = {{"x(u,v)=", "y(u,v)=", "z(u,v)="}, {" r(u,v)=", "θ(u,v)=", "φ(u,v)="}, {"ρ(u,v)=", "θ(u,v)=", " z(u,v)="}};

inline constexpr CCurveExample kCurveExamples[] = {
    {"蝶形曲线", "(6*sin(t)+8*cos(360*t))", "t", "lg(1+t*60)*t", "0", "2*Pi", 0.001f, 1},
    {"球面螺旋线", "8", "t", "40*t", "0", "Pi", 0.002f, 1},
    {"蝴蝶结曲线", "6*t*sin(36*t)", "5*t*cos(36*t)", "5*t*sin(18*t)", "-2", "2", 0.001f, 0},
    {"螺旋花曲线", "4+(2*sin(15*t))^2", "6*t", "t", "-pi", "pi", 0.005f, 2},
    {"两相望曲线", "10", "t*2*cos(t*20)", "20*t", "0", "2*pi", 0.0001f, 1},
    {"球形环绕曲线", "8", "t", "20*t", "0", "2*pi", 0.01f, 1},
    {"花瓣线", "2*t", "90*t", "10*t", "0", "2*pi", 0.001f, 1},
    {"四叶玫瑰线", "8*sin(2*t)", "t", "0", "0", "2*Pi", 0.01f, 2},
    {"圆", "5", "t", "0", "0", "2*pi", 0.1f, 2},
    {"椭圆", "5*cos(t)", "4*sin(t)", "0", "0", "2*pi", 0.05f, 0},
    {"双曲线", "5/cos(t)", "4*tan(t)", "0", "0", "2*pi", 0.05f, 0},
    {"抛物线", "4*t^2", "4*t", "0", "-2", "2", 0.05f, 0},
    {"正弦曲线", "t", "sin(t)", "0", "-3*pi", "3*pi", 0.2f, 0},
    {"余弦曲线", "t", "cos(t)", "0", "-3*pi", "3*pi", 0.2f, 0},
    {"正切曲线", "t", "tan(t)", "0", "-2.5*pi", "2.5*pi", 0.02f, 0},
    {"一次函数", "t", "2*t-1", "0", "-4", "5", 1.0f, 0},
    {"二次函数", "t", "t^2-2*t-3", "0", "-2.5", "4.5", 0.2f, 0},
    {"反比例函数", "t", "1/t", "0", "-6", "6", 0.05f, 0},
    {"指数函数", "t", "2^t", "0", "-4", "3.2", 0.2f, 0},
    {"对数函数", "t", "ln(t)/ln(2)", "0", "0.01", "10", 0.2f, 0},
};

inline constexpr CSurfaceExample kSurfaceExamples[] = {
    {"圆柱面", "5", "u", "v", "0", "2*pi", "-8", "8", 0.2, 1.0, 1, 1, 2},
    {"圆锥面", "8-v", "u", "2*v-8", "0", "2*pi", "0", "8", 0.2, 1.0, 0, 0, 2},
    {"球面", "6", "v", "u", "0", "2*pi", "-pi", "0", 0.2, 0.2, 0, 0, 1},
    {"椭球面", "10*cos(v)*cos(u)", "10*cos(v)*sin(u)", "8*sin(v)", "0", "2*pi", "-pi/2", "pi/2", 3.14159265358979323846 / 12, 0.2617993878, 0, 0, 0},
    {"双曲面1", "3/cos(v)", "u", "6*tan(v)", "0", "2*pi", "-1", "1", 0.2, 0.2, 0, 0, 2},
    {"双曲面2", "5*tan(v)*cos(u)", "5*tan(v)*sin(u)", "5/cos(v)-10", "0", "2*pi", "0", "1.2", 0.2, 0.2, 0, 0, 0},
    {"椭圆抛物面", "3*v*cos(u)", "3*v*sin(u)", ".5*v*v-4", "0", "2*pi", "0", "4", 0.2, 0.5, 0, 0, 0},
    {"双曲抛物面", "u", "v", "0.16*(u^2-v^2)", "-8", "8", "-8", "8", 0.5, 0.5, 0, 0, 0},
    {"波浪", "u", "v", "sin(3*u)/(u+1)", "0", "12", "0", "2*pi", 0.5, 0.2, 0, 0, 2},
    {"网兜", "2*u", "-2*v", "u*u+v*v-8", "-3", "3", "-3", "3", 0.3, 0.3, 0, 0, 0},
    {"窝夫", "u", "v", "sin(u)*sin(v)", "-10", "10", "-10", "10", 0.4, 0.4, 0, 0, 0},
    {"沙滩", "u", "v", "sin(.1*u*v)", "-10", "10", "-10", "10", 0.4, 0.4, 0, 0, 0},
    {"叶片", "v*(3*u^2-v^2-1/3)", "u*(3*v^2-u^2-1/3) ", "-2*u*v", "-1.5", "1.5", "-1.5", "1.5", 0.2, 0.2, 0, 0, 0},
    {"花瓶", "(cos(.5*v)+4)", "u", "v", "0", "2*pi", "-9.4248", "9.4248", 0.2, 0.2, 2, 1, 2},
    {"耳坠", ".2*v*cos(v)", "u", "v-7.854", "0", "2*pi", "-1.5708", "14.1372", 0.2, 0.2, 1, 0, 2},
    {"平面", "u", "v", "0", "-10", "10", "-10", "10", 8.0, 8.0, 1, 1, 0},
    {"圆面", "v*sin(u)", "v*cos(u)", "0", "0", "2*pi", "0", "12", 0.2, 0.5, 0, 0, 0},
    {"螺旋管", "4+sin(u)", "v", "cos(u)+0.4*v", "0", "2*pi", "-20", "20", 0.2, 0.2, 0, 0, 2},
    {"圆柱上的缎带", "6", "u", ".5*u+.2*v", "-6*pi", "6*pi", "-6", "6", 0.2, 0.2, 0, 0, 2},
    {"八面粽", "8*(cos(u)*cos(v))^3", "8* (cos(u)*sin(v))^3", "8*sin(u)^3", "-pi", "pi", "-pi/2", "pi/2", 0.2, 0.2, 1, 0, 0},
    {"莫比乌斯带", "12+3*v*cos(2*u/2)", "u", "3*v*sin(2*u/2)", "0", "2*pi", "-1", "1", 0.2, 0.2, 0, 0, 2},
    {"曲面1", "v+.5*sin(u)", "u", "v", "0", "2*pi", "0", "2*pi", 0.2, 0.2, 0, 0, 1},
    {"曲面2", "1.5*sin(u)^2 +1.2*v^2", "u", "3*v", "0", "2*pi", "-2", "2", 0.2, 0.2, 0, 0, 2},
    {"曲面3", "v", "u", "2*v+3*sin(u)", "0", "2*pi", "-3", "3", 0.2, 0.2, 0, 0, 2},
};

// What the curve command offers.
inline constexpr const char* kCurveCommandDefaults[6] = {"t", "6*sin(t)", "0", "-8", "8", "(hv(t-0)-hv(t-1))*0.1 + hv((t-1)*(2-t))*0.3+ hv(t-2)*0.6"};

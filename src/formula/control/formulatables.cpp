// The fixed tables of the formula editor: the built-in formulas the format
// bar offers, the colours of the colour commands and the file dialog texts.
#include "formula/control/formulatables.h"

#include <array>

namespace {

// Each is one line of mark-up; some hold symbol-font characters (U+F0xx).
const char16_t* const kBuiltInFormulas[kBuiltInFormulaCount] = {
    u"<l><e:name=Times New Roman,cset=0,b=1,i=0>Δ</e><e:name=Times New Roman,cset=0,b=1,i=1>ABC</e></l>",
    u"<l><e:name=微软雅黑,cset=134,b=1,i=1,u=0>▱</e><e:name=Times New Roman,cset=0,b=1,i=1,u=0>ABCD</e></l>",
    u"<l><e:b=1>正方体</e><e:name=Times New Roman,cset=0,b=1,i=1>ABCD</e><e:name=Times New Roman,cset=0,b=1>−</e><_:name=Times New Roman,cset=0,b=1,i=1><#><l><e>A</e></l></#><#:i=0><l><e>1</e></l></#></_><_:name=Times New Roman,cset=0,b=1,i=1><#><l><e>B</e></l></#><#:i=0><l><e>1</e></l></#></_><_:name=Times New Roman,cset=0,b=1,i=1><#><l><e>C</e></l></#><#:i=0><l><e>1</e></l></#></_><_:name=Times New Roman,cset=0,b=1,i=1><#><l><e>D</e></l></#><#:i=0><l><e>1</e></l></#></_></l>",
    u"<l><^:name=Times New Roman,cset=0,b=1,i=1><#><l><e>c</e></l></#><#:i=0><l><e>2</e></l></#></^><e:name=Times New Roman,cset=0,b=1>=</e><^:name=Times New Roman,cset=0,b=1,i=1><#><l><e>a</e></l></#><#:i=0><l><e>2</e></l></#></^><e:name=Times New Roman,cset=0,b=1>+</e><^:name=Times New Roman,cset=0,b=1,i=1><#><l><e>b</e></l></#><#:i=0><l><e>2</e></l></#></^></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1,i=1,u=0>y</e><e:name=Times New Roman,cset=0,b=1>=</e><e:name=Times New Roman,cset=0,b=1,i=1>a</e><^:name=Times New Roman,cset=0,b=1,i=1><#><l><e>x</e></l></#><#:i=0><l><e>2</e></l></#></^><e:name=Times New Roman,cset=0,b=1>+</e><e:name=Times New Roman,cset=0,b=1,i=1>bx</e><e:name=Times New Roman,cset=0,b=1>+</e><e:name=Times New Roman,cset=0,b=1,i=1,u=0>c</e></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1,i=1>x</e><e:name=Times New Roman,cset=0,b=1>=</e><f:name=Times New Roman,cset=0,b=1><#><l><e>−</e><e:i=1>b</e><e>±</e><r><#><l><^><#:i=1><l><e>b</e></l></#><#><l><e>2</e></l></#></^><e>−4</e><e:i=1>ac</e></l></#></r></l></#><#><l><e>2</e><e:i=1>a</e></l></#></f></l>",
    u"<l><b:name=Times New Roman,cset=0,b=1,i=1><#><l><e>a</e><e:i=0>∥</e><e>b</e></l><l><e>b</e><e:i=0>∥</e><e>c</e></l></#> \uF07D</b><e:name=Times New Roman,cset=0,b=1>⇒</e><e:name=Times New Roman,cset=0,b=1,i=1,u=0>a</e><e:name=Times New Roman,cset=0,b=1,u=0>∥</e><e:name=Times New Roman,cset=0,b=1,i=1,u=0>c</e></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1>sin60°=</e><f:name=Times New Roman,cset=0,b=1><#><l><r><#><l><e>3</e></l></#></r></l></#><#><l><e>2</e></l></#></f></l>",
    u"<l><f:name=Times New Roman,cset=0,b=1><#><l><^><#:i=1><l><e>x</e></l></#><#><l><e>2</e></l></#></^></l></#><#><l><^><#:i=1><l><e>a</e></l></#><#><l><e>2</e></l></#></^></l></#></f><e:name=Times New Roman,cset=0,b=1>+</e><f:name=Times New Roman,cset=0,b=1><#><l><^><#:i=1><l><e>y</e></l></#><#><l><e>2</e></l></#></^></l></#><#><l><^><#:i=1><l><e>b</e></l></#><#><l><e>2</e></l></#></^></l></#></f><e:name=Times New Roman,cset=0,b=1>=1 (</e><e:name=Times New Roman,cset=0,b=1,i=1>a</e><e:name=Times New Roman,cset=0,b=1>></e><e:name=Times New Roman,cset=0,b=1,i=1>b</e><e:name=Times New Roman,cset=0,b=1>>0)</e></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1>{</e><e:name=Times New Roman,cset=0,b=1,i=1>β</e><e:name=Times New Roman,cset=0,b=1>|</e><e:name=Times New Roman,cset=0,b=1,i=1>β</e><e:name=Times New Roman,cset=0,b=1>=2</e><e:name=Times New Roman,cset=0,b=1,i=1>kπ</e><e:name=Times New Roman,cset=0,b=1>+</e><e:name=Times New Roman,cset=0,b=1,i=1>α</e><e:name=Times New Roman,cset=0,b=1>,</e><e:name=Times New Roman,cset=0,b=1,i=1>k</e><e:name=Times New Roman,cset=0,b=1>∈</e><e:name=Times New Roman,cset=0,b=1,i=1>Z</e><e:name=Times New Roman,cset=0,b=1>}</e></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1,i=1>y</e><e:name=Times New Roman,cset=0,b=1>=</e><e:name=Times New Roman,cset=0,b=1,i=1>a</e><e:name=Times New Roman,cset=0,b=1>sin</e><e:name=Times New Roman,cset=0,b=1>(</e><e:name=Times New Roman,cset=0,b=1,i=1>ωx</e><e:name=Times New Roman,cset=0,b=1>+</e><e:name=Times New Roman,cset=0,b=1,i=1>φ</e><e:name=Times New Roman,cset=0,b=1>)</e></l>",
    u"<l><f:name=Times New Roman,cset=0,b=1><#:i=1><l><e>a</e></l></#><#><l><e>sin</e><e:i=1>A</e></l></#></f><e:name=Times New Roman,cset=0,b=1>=</e><f:name=Times New Roman,cset=0,b=1><#:i=1><l><e>b</e></l></#><#><l><e>sin</e><e:i=1>B</e></l></#></f><e:name=Times New Roman,cset=0,b=1>=</e><f:name=Times New Roman,cset=0,b=1><#:i=1><l><e>c</e></l></#><#><l><e>sin</e><e:i=1>C</e></l></#></f><e:name=Times New Roman,cset=0,b=1>=2</e><e:name=Times New Roman,cset=0,b=1,i=1>R</e></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1>cos</e><b:name=Times New Roman,cset=0,b=1><#><l><v><#:i=1><l><e>AB</e></l></#></v><e>,</e><v><#:i=1><l><e>AC</e></l></#></v></l></#>\uF0E1\uF0F1</b></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1,i=0,u=0>cos</e><b:name=Times New Roman,cset=0,b=1><#><l><v:name=Times New Roman,cset=0,b=1><#:i=1><l><e>a</e></l></#></v><e:name=Times New Roman,cset=0,b=1>,</e><v:name=Times New Roman,cset=0,b=1><#:i=1><l><e>b</e></l></#></v></l></#>\uF0E1\uF0F1</b><e:name=Times New Roman,cset=0,b=1>=</e><f:name=Times New Roman,cset=0,b=1><#><l><v><#:i=1><l><e>a</e></l></#></v><e>·</e><v><#:i=1><l><e>b</e></l></#></v></l></#><#><l><b><#><l><v><#:i=1><l><e>a</e></l></#></v></l></#>\uF07C\uF07C</b><e>·</e><b><#><l><v><#:i=1><l><e>b</e></l></#></v></l></#>\uF07C\uF07C</b></l></#></f></l>",
    u"<l><d:name=Times New Roman,cset=0,b=1><t><#><l><e>Δ</e><e:i=1>x</e><e>→0</e></l></#><#><l><e> </e></l></#>lim</t><#><l><f><#><l><e:i=1>f</e><e>(</e><e:i=1>x</e><e>+Δ</e><e:i=1>x</e><e>)−</e><e:i=1>f</e><e>(</e><e:i=1>x</e><e>)</e></l></#><#><l><e>Δ</e><e:i=1>x</e></l></#></f></l></#></d></l>",
    u"<l><f:name=Times New Roman,cset=0,b=1><#><l><e>1</e></l></#><#:i=1><l><e>n</e></l></#></f><d:name=Times New Roman,cset=0,b=1><s><#><l><e:i=1>k</e><e>=1</e></l></#><#:i=1><l><e>n</e></l></#>\uF0E5</s><#:i=1><l><_><#><l><e>a</e></l></#><#><l><e>k</e></l></#></_></l></#></d><e:name=Times New Roman,cset=0,b=1>≥</e><n:name=Times New Roman,cset=0,b=1><#><l><d><s><#><l><e:i=1>k</e><e>=1</e></l></#><#:i=1><l><e>n</e></l></#>\uF0D5</s><#:i=1><l><_><#><l><e>a</e></l></#><#><l><e>k</e></l></#></_></l></#></d></l></#><#:i=1><l><e>n</e></l></#></n></l>",
    u"<l><^:name=Times New Roman,cset=0,b=1,i=1><#><l><e:i=0>(</e><e>a</e><e:i=0>+</e><e>b</e><e:i=0>)</e></l></#><#><l><e>n</e></l></#></^><e:name=Times New Roman,cset=0,b=1>=</e><d:name=Times New Roman,cset=0,b=1,i=1><s><#><l><e>r</e><e:i=0>=0</e></l></#><#><l><e>n</e></l></#>\uF0E5</s><#><l:i=1><d><#><l><e>C</e></l></#><c><#><l><e>n</e></l></#><#><l><e>r</e></l></#></c></d><^:name=Times New Roman,cset=0,b=1,i=1><#><l><e>a</e></l></#><#><l><e>n</e><e:i=0>−</e><e>r</e></l></#></^><^:name=Times New Roman,cset=0,b=1,i=1><#><l><e>b</e></l></#><#><l><e>r</e></l></#></^></l></#></d></l>",
    u"<l><_:name=Times New Roman,cset=0,b=1><#:name=宋体,cset=134><l><e>∁</e></l></#><#:i=1><l><e>U</e></l></#></_><e:name=Times New Roman,cset=0,b=1>(</e><e:name=Times New Roman,cset=0,b=1,i=1>A</e><e:name=宋体,cset=134,b=1>∪</e><e:name=Times New Roman,cset=0,b=1,i=1>B</e><e:name=Times New Roman,cset=0,b=1>)=(</e><_:name=Times New Roman,cset=0,b=1><#:name=宋体,cset=134><l><e>∁</e></l></#><#:i=1><l><e>U</e></l></#></_><e:name=Times New Roman,cset=0,b=1,i=1>A</e><e:name=Times New Roman,cset=0,b=1>)</e><e:name=宋体,cset=134,b=1>∩</e><e:name=Times New Roman,cset=0,b=1>(</e><_:name=Times New Roman,cset=0,b=1><#:name=宋体,cset=134><l><e>∁</e></l></#><#:i=1><l><e>U</e></l></#></_><e:name=Times New Roman,cset=0,b=1,i=1>B</e><e:name=Times New Roman,cset=0,b=1>)</e></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1>|</e><e:name=Times New Roman,cset=0,b=1,i=1>AB</e><e:name=Times New Roman,cset=0,b=1>|=</e><r:name=Times New Roman,cset=0,b=1><#><l><^><#><l><e>(</e><_><#:i=1><l><e>x</e></l></#><#><l><e>2</e></l></#></_><e>−</e><_><#:i=1><l><e>x</e></l></#><#><l><e>1</e></l></#></_><e>)</e></l></#><#><l><e>2</e></l></#></^><e>+</e><^><#><l><e>(</e><_><#:i=1><l><e>y</e></l></#><#><l><e>2</e></l></#></_><e>−</e><_><#:i=1><l><e>y</e></l></#><#><l><e>1</e></l></#></_><e>)</e></l></#><#><l><e>2</e></l></#></^><e>+</e><^><#><l><e>(</e><_><#:i=1><l><e>z</e></l></#><#><l><e>2</e></l></#></_><e>−</e><_><#:i=1><l><e>z</e></l></#><#><l><e>1</e></l></#></_><e>)</e></l></#><#><l><e>2</e></l></#></^></l></#></r></l>",
    u"<l><b:name=Times New Roman,cset=0,b=1><#><l><m:type=2><#><l><_><#:i=1><l><e>a</e></l></#><#><l><e>11</e></l></#></_></l></#><#><l><_><#:i=1><l><e>a</e></l></#><#><l><e>12</e></l></#></_></l></#><#><l><_><#:i=1><l><e>a</e></l></#><#><l><e>21</e></l></#></_></l></#><#><l><_><#:i=1><l><e>a</e></l></#><#><l><e>22</e></l></#></_></l></#></m></l></#>\uF05B\uF05D</b></l>",
    u"<l><b:name=Times New Roman,cset=0,b=1><#><l><m:type=3><#><l><e>1</e></l></#><#><l><e>0</e></l></#><#><l><e>0</e></l></#><#><l><e>0</e></l></#><#><l><e>1</e></l></#><#><l><e>0</e></l></#><#><l><e>0</e></l></#><#><l><e>0</e></l></#><#><l><e>1</e></l></#></m></l></#>\uF07C\uF07C</b></l>",
    u"<l><_:name=Times New Roman,cset=0,b=1><#:i=1><l><e>S</e></l></#><#:i=1><l><e>n</e></l></#></_><e:name=Times New Roman,cset=0,b=1>=</e><b:name=Times New Roman,cset=0,b=1><#><l><e:i=1>n</e><_><#:i=1><l><e>a</e></l></#><#><l><e>1</e></l></#></_><e>                     (</e><e:i=1>q</e><e>=1),</e></l><l><f><#><l><_><#:i=1><l><e>a</e></l></#><#><l><e>1</e></l></#></_><e>(1−</e><^><#:i=1><l><e>q</e></l></#><#:i=1><l><e>n</e></l></#></^><e>)</e></l></#><#><l><e>1−</e><e:i=1>q</e></l></#></f><e>=</e><f><#><l><_><#:i=1><l><e>a</e></l></#><#><l><e>1</e></l></#></_><e>−</e><_><#:i=1><l><e>a</e></l></#><#:i=1><l><e>n</e></l></#></_><e:i=1>q</e></l></#><#><l><e>1−</e><e:i=1>q</e></l></#></f><e>(</e><e:i=1>q</e><e>≠1).</e></l></#>\uF07B </b></l>",
    u"<l><d:name=Times New Roman,cset=0,b=1,i=1><#><l><e>C</e></l></#><c><#><l><e>n</e></l></#><#><l><e>m</e></l></#></c></d><e:name=Times New Roman,cset=0,b=1>=</e><f:name=Times New Roman,cset=0,b=1><#><l><e:i=1>n</e><e>!</e></l></#><#><l><e:i=1>m</e><e>!(</e><e:i=1>n</e><e>−</e><e:i=1>m</e><e>)!</e></l></#></f></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1,i=1>f</e><e:name=Times New Roman,cset=0,b=1>(</e><e:name=Times New Roman,cset=0,b=1,i=1>x</e><e:name=Times New Roman,cset=0,b=1>)=</e><f:name=Times New Roman,cset=0,b=1><#><l><e>1</e></l></#><#><l><r><#><l><e>2</e><e:i=1>π</e></l></#></r><e:i=1>σ</e></l></#></f><^:name=Times New Roman,cset=0,b=1><#:i=1><l><e>e</e></l></#><#><l><e:i=0,u=0>−</e><f><#><l><^><#><l><e>(</e><e:i=1>x</e><e>−</e><e:i=1>μ</e><e>)</e></l></#><#><l><e>2</e></l></#></^></l></#><#><l><e>2</e><^><#:i=1><l><e:u=0>σ</e></l></#><#><l><e>2</e></l></#></^></l></#></f></l></#></^><e:name=Times New Roman,cset=0,b=1>, </e><e:name=Times New Roman,cset=0,b=1,i=1>x</e><e:name=宋体,cset=134,b=1>∈</e><e:name=Times New Roman,cset=0,b=1>(−</e><e:name=Times New Roman,cset=0,b=1,i=0,u=0>∞</e><e:name=Times New Roman,cset=0,b=1>,+</e><e:name=Times New Roman,cset=0,b=1,i=0,u=0>∞</e><e:name=Times New Roman,cset=0,b=1>)</e></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1,i=1>a></e><e:name=Times New Roman,cset=0,b=1,i=1>b</e><e:name=Symbol,cset=2,b=1>\uF0DB</e><e:name=Times New Roman,cset=0,b=1,i=1>a−</e><e:name=Times New Roman,cset=0,b=1,i=1>b</e><e:name=Times New Roman,cset=0,b=1>>0</e></l>",
    u"<l><e:name=Times New Roman,cset=0,b=1,i=1>y</e><e:name=Times New Roman,cset=0,b=1>=sin</e><e:name=Times New Roman,cset=0,b=1,i=1>x</e><a:b=1><#><l><e>横坐标伸长到原来的2倍</e></l></#><#><l><e>(纵坐标不变)</e></l></#></a><e:name=Times New Roman,cset=0,b=1,i=1>y</e><e:name=Times New Roman,cset=0,b=1>=sin</e><f:name=Times New Roman,cset=0,b=1><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f><e:name=Times New Roman,cset=0,b=1,i=1>x</e></l>",
    u"<l><_:name=Times New Roman,cset=0,b=1><#:i=1><l><e>N</e></l></#><#><l><e>2</e></l></#></_><e:name=Times New Roman,cset=0,b=1>+3</e><_:name=Times New Roman,cset=0,b=1><#:i=1><l><e>H</e></l></#><#><l><e>2</e></l></#></_><a:b=1,type=8><#><l><e>高温、高压</e></l></#><#><l><e>催化剂</e></l></#></a><e:name=Times New Roman,cset=0,b=1>2</e><e:name=Times New Roman,cset=0,b=1,i=1>N</e><_:name=Times New Roman,cset=0,b=1><#:i=1><l><e>H</e></l></#><#><l><e>3</e></l></#></_></l>",
    u"<l><e:name=Symbol,cset=2,b=1,i=0>\uF022\uF024\uF0D8\uF0D9\uF0DA\uF0C4\uF0C5\uF0C6\uF0DB\uF0DC\uF0DD\uF0DE\uF0DF\uF0E1\uF0F1</e></l>",
};

// Red, green, blue of commands 2000 to 2015.
constexpr std::array<std::array<int, 3>, kFormulaColourCount> kColours = {{
    {255, 0, 0},
    {0, 255, 0},
    {0, 0, 255},
    {0, 255, 255},
    {255, 0, 255},
    {255, 255, 0},
    {128, 0, 0},
    {0, 128, 0},
    {0, 0, 128},
    {0, 128, 128},
    {128, 0, 128},
    {128, 128, 0},
    {0, 0, 0},
    {128, 128, 128},
    {192, 192, 192},
    {255, 255, 255},
}};

}  // namespace

QString BuiltInFormula(int index) {
  if (index < 0 || index >= kBuiltInFormulaCount) return {};
  return QString::fromUtf16(kBuiltInFormulas[index]);
}

std::optional<COLORREF> CommandColour(unsigned id) {
  if (id < kFirstColourCommand || id >= kFirstColourCommand + kFormulaColourCount) return std::nullopt;
  const auto& c = kColours[id - kFirstColourCommand];
  return COLORREF(c[0] | (c[1] << 8) | (c[2] << 16));
}

const QString kTextImportTitle = QString::fromUtf16(u"导入");
const QString kTextExportTitle = QString::fromUtf16(u"导出");
const QString kImportFilter = QString::fromUtf16(u"Nurv Vod file (*.vod)|*.vod||");
const QString kExportFilter = QString::fromUtf16(u"Nurv Vod file (*.vod)|*.vod|Windows Bitmap (*.bmp)|*.bmp|Enhanced MetaFile (*.emf)|*.emf||");

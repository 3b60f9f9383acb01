#include "platform/runtimeclass.h"

#include <cassert>
#include <cstring>
#include <string>
#include <unordered_map>

const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF,
                                             nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

void CObject::Serialize(CArchive&) {}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* cls = this; cls; cls = cls->m_pBaseClass)
    if (cls == base) return true;
  return false;
}

namespace {
std::unordered_map<std::string, const CRuntimeClass*>& Registered() {
  static std::unordered_map<std::string, const CRuntimeClass*> map;
  return map;
}
}  // namespace

namespace ClassRegistry {

void Register(const CRuntimeClass* cls) {
  auto [it, added] = Registered().emplace(cls->m_lpszClassName, cls);
  assert(added || it->second == cls);
  (void)added;
  (void)it;
}

const CRuntimeClass* FromName(std::string_view name) {
  auto it = Registered().find(std::string(name));
  return it == Registered().end() ? nullptr : it->second;
}

const std::vector<std::string_view>& StorableClassNames() {
  static const std::vector<std::string_view> names = {
    "CGModel3ds", "CGCell", "CGVertex", "CGLine", "CGFace", "CGArc", "CGSphere",
    "CGCylinder", "CGCone", "CGFrustum", "CGTextbit", "CGTbImage", "CGVerFree",
    "CGVerFreeXyz", "CGVerFreeInCircle", "CGVerMid", "CGVerFreeUpright",
    "CGVerFreeUprightEquid", "CGVerFreeEquilateral", "CGVerFreeInLine",
    "CGVerFreeHenchman", "CGVerFreeParVector", "CGVerFreeParVecPP", "CGVerFreePerpen",
    "CGVerPerpenEquid", "CGArcCircle3P", "CGArcCenterP", "CGArcPointN", "CGSphereCN",
    "CGVerFootpl", "CGVerFootpf", "CGCylinderCPC", "CGConeCPV", "CGFrustumCP2",
    "CGTextmap", "CGTmSingleline", "CGTmVariable", "CGButton", "CGButnAnimation",
    "CGButnMove", "CGButnSHide", "CGButnPresentat", "CGButnLink", "CGTmVarCalculator",
    "CGLocus", "CGVerFreeInLocus", "CGVerIntersection", "CGVerIntersectionLF",
    "CGVerIntersectionLS", "CGVerIntersectionSS", "CGVerTranslate", "CGVerTranslateM",
    "CGVerTranslateStc", "CGVerRotate", "CGVerRotateXA", "CGVerRotateXA2", "CGVerRotateX",
    "CGVerRotateA", "CGVerRotateA2", "CGVerScaleP", "CGVerScaleL", "CGVerScaleM",
    "CGVerScale", "CGVerScaleO", "CGVerSymmetry", "CGVerSymmetryP", "CGVerSymmetryL",
    "CGVerSymmetryF", "CGVerCommonperpen", "CGVerCoordinates", "CGVerBarycenter",
    "CGVerExcenter", "CGVerIncenter", "CGVerOrthocenter", "CGVerEscenter",
    "CGVerInCircleRot", "CGVerInCircleFt", "CGArcInCircle", "CGVerBisectorA",
    "CGVerBisectorEA", "CGVerFreeInFace", "CGVerFreeInPlane", "CGCurve",
    "CGVerFreeInCurve", "CGTbHenchman", "CGTmVarCoordX", "CGTmVarCoordY", "CGTmVarCoordZ",
    "CGTmVarPara", "CGTmVarDistancePP", "CGTmVarDistancePL", "CGTmVarDistancePF",
    "CGTmVarDistanceLL", "CGTmVarAngleLL", "CGTmVarAngleLF", "CGTmVarAngleFF",
    "CGTmVarAngleP3", "CGTmVarArea", "CGTmVarVolume", "CGTmVarParameter", "CGTmVarRadius",
    "CGTmVarAreaCircle", "CGTmVarLenArc", "CGTmVarAreaCylinder", "CGTmVarAreaCone",
    "CGTmVarAreaFrustum", "CGTmVarAreaSphere", "CGTmVarVolumeCylinder",
    "CGTmVarVolumeCone", "CGTmVarVolumeFrustum", "CGTmVarVolumeSphere", "CCondition",
    "CRecord", "CGIterate", "CGPage", "CGTmVector", "CGTmVectorPoint", "CGTmVectorPP",
    "CGTmVectorNface", "CGTmVectorAdd", "CGTmVectorMinus", "CGTmVectorCross",
    "CGTmVarVectorLength", "CGTmVarVectorDot", "CGTmVarVecProduct", "CGTmVectorScaled",
    "CGTmVarVectorComponentX", "CGTmVarVectorComponentY", "CGTmVarVectorComponentZ",
    "CGButnRotate", "CGButnTranslate", "CGButnScale", "CGSurface", "CGButnCommand",
    "CGVerFreeInBorder", "CGModifier", "CGMdfColor", "CGTbVodText", "CGTbMhc",
    "CGInkmarks", "CStroke", "CGVerIntersectionLG", "CGVerIntersectionLQ",
    "CGVerIntersectionCQ", "CGVerIntersectionCG", "CGVerIntersectionQQ",
    "CGVerIntersectionGG", "CGVerIntersectionQG", "CGVerInLineFt", "CGVerInLineFixedf",
    "CGVerInCircleFixedf", "CGVerInCircleScale", "CGVerInCurveFixedf",
    "CGVerInLocusFixedf", "CGVerIntersectionCF", "CGTrack", "CGVerInBorderFt",
    "CGVerInCurveFt", "CGVerInLocusFt", "CGVerFootplEx", "CGVerFootpfEx", "CGArcPoint2",
    "CGScaleline", "CGVerFreeInPaths", "CGTmVarParaPInL", "CGTmVarParaPInY",
    "CGVerInPaths", "CGVerInBorder", "CGVerFree2dHenchman", "CGArcCenterR",
    "CGTmVarAfterP", "CBinTree", "CGPolyhedron", "CGFold", "CGSection", "CGSplit",
    "CGVerOverlayFaceFirst", "CGVerFIF", "CGSubassembly",
  };
  return names;
}

std::vector<std::string_view> MissingClassNames() {
  std::vector<std::string_view> missing;
  for (std::string_view name : StorableClassNames())
    if (!FromName(name)) missing.push_back(name);
  return missing;
}

std::vector<std::string_view> UnlistedClassNames() {
  std::vector<std::string_view> unlisted;
  const auto& names = StorableClassNames();
  for (const auto& [name, cls] : Registered()) {
    bool listed = false;
    for (std::string_view n : names) listed = listed || n == name;
    if (!listed) unlisted.push_back(cls->m_lpszClassName);
  }
  return unlisted;
}

}  // namespace ClassRegistry

// The toolkit core's units started and ended from the program's unit list.
#include <gtest/gtest.h>

#include "Controls.h"
#include "Units.h"
#include "cxClasses.h"
#include "cxControlsBase_win.h"
#include "cxDataConsts.h"
#include "cxDrawTextUtils_win.h"
#include "cxFilterConsts.h"
#include "cxGeometry.h"
#include "cxGraphics_win.h"
#include "cxLibraryStrs.h"
#include "cxDWMApi.h"
#include "dxCore.h"
#include "dxGDIPlusAPI.h"
#include "dxGDIPlusClasses_win.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

TEST(CoreUnitsTest, StartFilesProductsAndClassesAndEndRemovesThem) {
  // The program's order: the theme units first.
  InitializeUnits({dxUxThemeUnit, dxThemeManagerUnit, cxDWMApiUnit, dxGDIPlusAPIUnit, dxCoreUnit, cxClassesUnit,
                   cxGeometryUnit, dxGDIPlusClassesUnit, cxGraphicsUnit, cxDataConstsUnit, cxLibraryStrsUnit,
                   cxFilterConstsUnit, cxControlsBaseUnit, cxDrawTextUtilsUnit});
  EXPECT_TRUE(IsUxThemeLoaded());
  EXPECT_NE(GetSystemController(), nullptr);
  EXPECT_NE(cxSkinRefuseMessage, 0u);
  EXPECT_NE(cxSkinRefuseMessage, cxSkinUpdatePainterMessage);
  EXPECT_EQ(GetClass(L"TcxTimer"), TcxTimer::StaticClass());
  EXPECT_NE(ThemeChangedEventReceiver(), nullptr);
  EXPECT_TRUE(OSFlagWinNT);
  EXPECT_EQ(GetClass(L"TcxRect"), TcxRect::StaticClass());
  EXPECT_EQ(GetClass(L"TcxBitmap"), TcxBitmap::StaticClass());
  EXPECT_EQ(GetClass(L"TcxBitmap32"), TcxBitmap32::StaticClass());
  EXPECT_EQ(GetClass(L"TcxImageList"), TcxImageList::StaticClass());
  // GDI+ loaded when the image classes started: PNG pictures are known.
  EXPECT_TRUE(IsGdiPlusAvailable());
  EXPECT_EQ(GetClass(L"TdxPNGImage"), TdxPNGImage::StaticClass());
  EXPECT_EQ(GraphicClassForExtension(L".png"), TdxPNGImage::StaticClass());
  EXPECT_EQ(GetGPImageClass(), TdxGPImage::StaticClass());
  EXPECT_TRUE(IsAlphaBlendAvailable());
  EXPECT_GT(GetScreenDPI().X, 0);
  EXPECT_GT(GetScreenDPI().Y, 0);
  EXPECT_NE(GetScreenCanvas(), nullptr);
  EXPECT_NE(GetPaintCanvas(), nullptr);
  TdxResourceStringsRepository* repo = GetResourceStringsRepository();
  const std::pair<const wchar_t*, int> products[] = {
      {cxDataConstsProductName, 12}, {cxLibraryStrsProductName, 24}, {cxFilterConstsProductName, 50}};
  for (auto [name, count] : products) {
    int index = repo->IndexOfProduct(name);
    ASSERT_GE(index, 0) << name;
    EXPECT_EQ(repo->Products(index)->Count(), count) << name;
  }
  SetResourceStringOverrides(TdxResourceStringOverrideMode::ByResource, {{L"", &cxSDateNow}}, {L"jetzt"});
  EXPECT_EQ(ResolveResourceString(&cxSDateNow), L"jetzt");

  // The strings units end before the repository's unit, so they find it to remove their products.
  EXPECT_TRUE(IsUnitStarted(L"cxFilterConsts"));
  EXPECT_TRUE(IsUnitStarted(L"cxDrawTextUtils"));
  FinalizeUnits();
  EXPECT_TRUE(IsFinalizing());
  EXPECT_FALSE(IsUnitStarted(L"dxCore"));
  EXPECT_FALSE(IsUxThemeLoaded());
  EXPECT_EQ(ThemeChangedEventReceiver(), nullptr);
  EXPECT_FALSE(IsDwmApiLoaded());
  EXPECT_EQ(GetSystemController(), nullptr);
  EXPECT_EQ(GetTimerWindow(), nullptr) << "made again after the unit ended";
  EXPECT_EQ(GetClass(L"TcxRect"), nullptr);
  EXPECT_EQ(GetClass(L"TcxBitmap"), nullptr);
  EXPECT_EQ(GetClass(L"TdxPNGImage"), nullptr);
  EXPECT_EQ(GraphicClassForExtension(L"png"), nullptr);
  EXPECT_EQ(GetModuleHandleW(L"gdiplus.dll"), nullptr) << "GDI+ unloaded at the end";
  EXPECT_FALSE(IsAlphaBlendAvailable());
  EXPECT_EQ(GetUnitsLoader(), nullptr);
  // The shared canvases are gone and are not made again by late callers.
  EXPECT_EQ(GetScreenCanvas(), nullptr);
  EXPECT_EQ(GetPaintCanvas(), nullptr);
  EXPECT_EQ(ResolveResourceString(&cxSDateNow), L"now");  // overrides freed with cxClasses
  for (auto [name, count] : products) EXPECT_EQ(GetResourceStringsRepository()->IndexOfProduct(name), -1) << name;
}

class TGroupedComponent : public TcxComponent {
  VAMIRE_CLASS(TGroupedComponent, TcxComponent)
 public:
  using TcxComponent::TcxComponent;
};

// The toolkit's components are found wherever the runtime's controls are: the
// control class group takes them once cxClasses has started.
TEST(CoreUnitsTest, ToolkitComponentsJoinTheControlClassGroup) {
  InitializeUnits({dxCoreUnit, cxClassesUnit});
  EXPECT_EQ(ClassGroupOf(TControl::StaticClass()), TControl::StaticClass());
  EXPECT_EQ(ClassGroupOf(TcxComponent::StaticClass()), TControl::StaticClass());
  EXPECT_EQ(ClassGroupOf(TGroupedComponent::StaticClass()), TControl::StaticClass());
  EXPECT_EQ(ClassGroupOf(TComponent::StaticClass()), TPersistent::StaticClass());
  RegisterClasses({TGroupedComponent::StaticClass()});
  ActivateClassGroup(TControl::StaticClass());
  EXPECT_EQ(GetClass(L"TGroupedComponent"), TGroupedComponent::StaticClass());
  UnRegisterClass(TGroupedComponent::StaticClass());
  FinalizeUnits();
}

}  // namespace

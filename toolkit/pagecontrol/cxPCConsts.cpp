#include "cxPCConsts.h"

const wchar_t* const cxPCLibraryProductName = L"Toolkit Page Control";

#define CX_PC_STRINGS(S) \
  S(scxPCImageListIndexError, L"Index (%d) must be between 0 and %d") \
  S(scxPCNoBaseImages, L"BaseImages is not assigned") \
  S(scxPCNoRegisteredStyles, L"There are no styles registered") \
  S(scxPCPageIndexError, L"%d is an invalid PageIndex value.  PageIndex must be between 0 and %d") \
  S(scxPCPainterClassError, L"PCPainterClass is nil") \
  S(scxPCStandardStyleError, L"%s is an unsupported standard style") \
  S(scxPCStyleNameError, L"%s is an unregistered style name") \
  S(scxPCTabCountEqualsZero, L"Tabs.Count = 0") \
  S(scxPCTabIndexError, L"Tab's index (%d) out of bounds") \
  S(scxPCTabVisibleIndexOutsOfBounds, L"TabVisibleIndex (%d) must be between 0 and %d") \
  S(scxPCVisibleTabListEmpty, L"There are no visible tabs") \
  S(scxPCAllowRotateError, L"%s style does not support rotation of tabs")

CX_PC_STRINGS(DX_RESOURCE_STRING)

namespace {

constexpr PResStringRec kStrings[] = {CX_PC_STRINGS(DX_RESOURCE_STRING_ADDRESS)};
TdxResourceStringsUnit GUnit(cxPCLibraryProductName, &AddResourceStrings<kStrings>);

}  // namespace

String cxPCFormatResourceString(PResStringRec AText, std::initializer_list<String> AArgs) {
  const String text = ResolveResourceString(AText);
  String result;
  auto arg = AArgs.begin();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool spec = text[i] == L'%' && i + 1 < text.size() && (text[i + 1] == L'd' || text[i + 1] == L's');
    if (spec && arg != AArgs.end()) {
      result += *arg++;
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

void PCError(const String& AClassName, const String& AMethodName, PResStringRec AText,
             std::initializer_list<String> AArgs) {
  throw EdxException(AClassName + L"." + AMethodName + L": " + cxPCFormatResourceString(AText, AArgs));
}

void cxPCConsts_Initialize() { GUnit.Start(); }

void cxPCConsts_Finalize() { GUnit.End(); }

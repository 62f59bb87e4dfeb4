// Image lists over the system's: editing keeps images in order, masks make
// pixels transparent, the grayed look, change links, shared handles, and the
// images' form data.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "FormText.h"
#include "ImgList.h"
#include "Streams.h"
#include "graphics_test_support.h"

namespace {

using graphics_test::Rgb;
using graphics_test::Surface;

std::unique_ptr<TBitmap> Solid(std::initializer_list<TColor> Colors, int Size = 16) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(Size * int(Colors.size()), Size);
  int x = 0;
  for (TColor c : Colors) {
    bitmap->Canvas()->Brush()->SetColor(c);
    bitmap->Canvas()->FillRect(Bounds(x, 0, Size, Size));
    x += Size;
  }
  return bitmap;
}

// A fuchsia 16 x 16 bitmap with a red square at 4..11 and one white pixel in it.
std::unique_ptr<TBitmap> Sprite() {
  auto bitmap = Solid({clFuchsia});
  bitmap->Canvas()->Brush()->SetColor(clRed);
  bitmap->Canvas()->FillRect(Rect(4, 4, 12, 12));
  bitmap->Canvas()->SetPixels(8, 8, clWhite);
  return bitmap;
}

// The colour at the centre of each image, drawn on white.
std::vector<std::uint32_t> Centres(TCustomImageList& List) {
  std::vector<std::uint32_t> result;
  for (int i = 0; i < List.Count(); ++i) {
    Surface s(List.Width(), List.Height());
    List.Draw(&s.Canvas, 0, 0, i);
    result.push_back(s.Cap().At(List.Width() / 2, List.Height() / 2));
  }
  return result;
}

TEST(ImageListTest, EditingKeepsImagesInOrder) {
  TCustomImageList list(nullptr);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Add(Solid({clRed}).get(), nullptr), 0);
  EXPECT_EQ(list.Add(Solid({clLime, clBlue, clYellow}).get(), nullptr), 1) << "a strip adds one image per width";
  EXPECT_EQ(Centres(list), (std::vector<std::uint32_t>{Rgb(clRed), Rgb(clLime), Rgb(clBlue), Rgb(clYellow)}));

  list.Replace(1, Solid({clBlack}).get(), nullptr);
  list.Delete(0);
  EXPECT_EQ(Centres(list), (std::vector<std::uint32_t>{Rgb(clBlack), Rgb(clBlue), Rgb(clYellow)}));
  list.Insert(0, Solid({clAqua}).get(), nullptr);
  list.Insert(4, Solid({clGray}).get(), nullptr);
  EXPECT_EQ(Centres(list),
            (std::vector<std::uint32_t>{Rgb(clAqua), Rgb(clBlack), Rgb(clBlue), Rgb(clYellow), Rgb(clGray)}));
  list.Move(0, 3);
  EXPECT_EQ(Centres(list),
            (std::vector<std::uint32_t>{Rgb(clBlack), Rgb(clBlue), Rgb(clYellow), Rgb(clAqua), Rgb(clGray)}));
  list.Move(4, 0);
  EXPECT_EQ(Centres(list).front(), Rgb(clGray));
  list.Delete(-1);
  EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListTest, BadIndexesAndImagesRaiseAndChangeNothing) {
  TCustomImageList list(nullptr);
  list.Add(Solid({clRed, clLime}).get(), nullptr);
  auto image = Solid({clBlue});
  auto small = Solid({clBlue}, 8);
  const struct {
    const char* What;
    std::function<void()> Call;
  } cases[] = {
      {"Delete past the end", [&] { list.Delete(2); }},
      {"Delete below -1", [&] { list.Delete(-2); }},
      {"Replace past the end", [&] { list.Replace(2, image.get(), nullptr); }},
      {"Insert past the end", [&] { list.Insert(3, image.get(), nullptr); }},
      {"Move past the end", [&] { list.Move(0, 2); }},
      {"Add nothing", [&] { list.Add(nullptr, nullptr); }},
      {"Add a smaller bitmap", [&] { list.Add(small.get(), nullptr); }},
      {"AddMasked nothing", [&] { list.AddMasked(nullptr, clRed); }},
      {"ReplaceMasked past the end", [&] { list.ReplaceMasked(5, image.get(), clRed); }},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(c.Call(), EInvalidOperation) << c.What;
    EXPECT_EQ(list.Count(), 2) << c.What;
  }
  EXPECT_THROW(TCustomImageList(nullptr, 0, 16), EInvalidOperation);
  EXPECT_THROW(list.SetWidth(0), EInvalidOperation);
  EXPECT_EQ(list.Width(), 16);
  TBitmap out;
  EXPECT_FALSE(list.GetBitmap(2, &out));
  EXPECT_TRUE(list.GetBitmap(1, &out));
  EXPECT_EQ(out.Canvas()->Pixels(8, 8), clLime);
}

TEST(ImageListTest, MaskColourIsTransparentAndTheSourceStaysAsItWas) {
  TCustomImageList list(nullptr);
  auto sprite = Sprite();
  list.AddMasked(sprite.get(), clFuchsia);
  list.ReplaceMasked(0, sprite.get(), clFuchsia);
  list.AddMasked(sprite.get(), clDefault);  // the bottom-left pixel: fuchsia
  EXPECT_EQ(sprite->Canvas()->Pixels(0, 0), clFuchsia) << "AddMasked must not change the caller's bitmap";
  // An explicit mask: white bits are transparent.
  TBitmap mask;
  mask.SetMonochrome(true);
  mask.SetSize(16, 16);
  mask.Canvas()->Brush()->SetColor(clWhite);
  mask.Canvas()->FillRect(Rect(0, 0, 16, 16));
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(4, 4, 12, 12));
  list.Add(Sprite().get(), &mask);

  for (int i = 0; i < list.Count(); ++i) {
    Surface s(16, 16);
    s.Fill(clNavy);
    list.Draw(&s.Canvas, 0, 0, i);
    const auto cap = s.Cap();
    EXPECT_EQ(cap.At(0, 0), Rgb(clNavy)) << "image " << i;
    EXPECT_EQ(cap.At(15, 3), Rgb(clNavy)) << "image " << i;
    EXPECT_EQ(cap.At(5, 5), Rgb(clRed)) << "image " << i;
    EXPECT_EQ(cap.At(8, 8), Rgb(clWhite)) << "image " << i;
  }
}

TEST(ImageListTest, DisabledLookDiffersFromNormal) {
  TCustomImageList list(nullptr);
  list.AddMasked(Sprite().get(), clFuchsia);
  Surface s(40, 20);
  s.Fill(clNavy);
  list.Draw(&s.Canvas, 0, 0, 0, true);
  list.Draw(&s.Canvas, 20, 0, 0, false);
  const auto cap = s.Cap();
  EXPECT_EQ(cap.At(5, 5), Rgb(clRed));
  EXPECT_EQ(cap.At(25, 5), Rgb(clBtnShadow)) << "ink in the shadow colour";
  EXPECT_EQ(cap.At(20 + 12, 12), Rgb(clBtnHighlight)) << "the highlight one pixel down and right";
  EXPECT_EQ(cap.At(21, 1), Rgb(clNavy)) << "transparent pixels leave the canvas";
}

TEST(ImageListTest, DrawingStylesAndImageTypes) {
  TCustomImageList list(nullptr);
  list.AddMasked(Sprite().get(), clFuchsia);
  list.SetBlendColor(clBlue);
  auto centre = [&](TDrawingStyle style, TImageType type) {
    Surface s(16, 16);
    list.Draw(&s.Canvas, 0, 0, 0, style, type);
    return s.Cap().At(5, 5);
  };
  // Blending may be dithered: count the red square's pixels that changed.
  auto blended = [&](TDrawingStyle style) {
    Surface s(16, 16);
    list.Draw(&s.Canvas, 0, 0, 0, style, itImage);
    const auto cap = s.Cap();
    int n = 0;
    for (int y = 4; y < 8; ++y)
      for (int x = 4; x < 8; ++x) n += cap.At(x, y) != Rgb(clRed);
    return n;
  };
  EXPECT_EQ(centre(dsNormal, itImage), Rgb(clRed));
  EXPECT_EQ(centre(dsTransparent, itImage), Rgb(clRed));
  EXPECT_EQ(blended(dsNormal), 0);
  EXPECT_GT(blended(dsSelected), 0) << "selected images are blended with the blend colour";
  EXPECT_EQ(centre(dsNormal, itMask), 0u) << "the mask: opaque pixels black";

  // What a person sees: normal, disabled, selected, focused, mask.
  Surface s(5 * 20, 20);
  s.Fill(clBtnFace);
  list.Draw(&s.Canvas, 2, 2, 0);
  list.Draw(&s.Canvas, 22, 2, 0, false);
  list.Draw(&s.Canvas, 42, 2, 0, dsSelected, itImage);
  list.Draw(&s.Canvas, 62, 2, 0, dsFocus, itImage);
  list.Draw(&s.Canvas, 82, 2, 0, dsNormal, itMask);
  s.Save(L"imglist_draw_styles");
}

TEST(ImageListTest, ChangeLinksHearOfChangesOncePerUpdate) {
  struct TCounter : TObject {
    std::vector<TObject*> Senders;
    void Changed(TObject* Sender) { Senders.push_back(Sender); }
  } counter;
  auto list = std::make_unique<TCustomImageList>(nullptr);
  auto link = std::make_unique<TChangeLink>();
  link->OnChange = TNotifyEvent(&counter, &TCounter::Changed);
  list->RegisterChanges(link.get());
  EXPECT_EQ(link->Sender(), list.get());

  list->Add(Solid({clRed}).get(), nullptr);
  ASSERT_EQ(counter.Senders.size(), 1u);
  EXPECT_EQ(counter.Senders[0], list.get());
  list->BeginUpdate();
  list->BeginUpdate();
  list->Add(Solid({clRed}).get(), nullptr);
  list->Delete(0);
  list->EndUpdate();
  EXPECT_EQ(counter.Senders.size(), 1u) << "held back while updating";
  list->EndUpdate();
  EXPECT_EQ(counter.Senders.size(), 2u);
  list->EndUpdate();  // one too many does nothing
  EXPECT_EQ(counter.Senders.size(), 2u);

  // A freed link leaves the list; a freed list lets go of its links.
  auto second = std::make_unique<TChangeLink>();
  list->RegisterChanges(second.get());
  second.reset();
  list->Clear();
  EXPECT_EQ(counter.Senders.size(), 3u);
  list.reset();
  EXPECT_EQ(link->Sender(), nullptr);
}

TEST(ImageListTest, SharedHandlesOutliveTheSharingList) {
  TCustomImageList owner(nullptr, 24, 24);
  owner.Add(Solid({clRed, clBlue}, 24).get(), nullptr);
  {
    TCustomImageList sharer(nullptr);
    sharer.SetShareImages(true);
    sharer.SetHandle(owner.Handle());
    EXPECT_EQ(sharer.Width(), 24);
    EXPECT_EQ(sharer.Height(), 24);
    EXPECT_EQ(sharer.Count(), 2);
    EXPECT_EQ(Centres(sharer).back(), Rgb(clBlue));
  }
  EXPECT_EQ(ImageList_GetImageCount(owner.Handle()), 2) << "the sharing list must not destroy the handle";
  EXPECT_EQ(Centres(owner).front(), Rgb(clRed));
}

TEST(ImageListTest, AssignCopiesSizeAndImages) {
  TCustomImageList source(nullptr, 20, 20);
  source.AddMasked(Solid({clLime, clFuchsia}, 20).get(), clFuchsia);
  TCustomImageList copy(nullptr);
  copy.Assign(&source);
  EXPECT_EQ(copy.Width(), 20);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_NE(copy.Handle(), source.Handle());
  Surface s(20, 20);
  s.Fill(clNavy);
  copy.Draw(&s.Canvas, 0, 0, 1);
  EXPECT_EQ(s.Cap().At(10, 10), Rgb(clNavy)) << "the mask came along";
  EXPECT_EQ(Centres(copy).front(), Rgb(clLime));
}

TEST(ImageListTest, ImagesReadBackFromTheirData) {
  TCustomImageList source(nullptr);
  source.AddMasked(Sprite().get(), clFuchsia);
  source.Add(Solid({clYellow}).get(), nullptr);
  TMemoryStream data;
  source.WriteData(&data);
  EXPECT_GT(data.Size(), 0);

  TCustomImageList copy(nullptr, 32, 32);
  data.SetPosition(0);
  copy.ReadData(&data);
  EXPECT_EQ(copy.Width(), 16);
  EXPECT_EQ(Centres(copy), Centres(source));

  TStringStream damaged(std::string("not an image list"));
  EXPECT_THROW(copy.ReadData(&damaged), EReadError);
  EXPECT_EQ(copy.Count(), 2) << "damaged data leaves the list as it was";
}

class TImageForm : public TComponent {
  VAMIRE_CLASS(TImageForm, TComponent)
 public:
  using TComponent::TComponent;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override {
    for (int i = 0; i < ComponentCount(); ++i)
      if (Components(i)->Owner() == Root) Proc(Components(i));
  }
};

TEST(ImageListTest, FormsStreamTheImagesAsBitmapData) {
  InitializeUnits({ImgListUnit});
  RegisterClasses({TImageForm::StaticClass()});
  TImageForm form(nullptr);
  auto* list = new TImageList(&form);
  list->SetName(L"ImageList1");
  list->SetDrawingStyle(dsTransparent);
  list->AddMasked(Sprite().get(), clFuchsia);
  TMemoryStream stream;
  WriteComponentToStream(&stream, &form);
  const String text =
      FormBinaryToText(std::string(static_cast<const char*>(stream.Memory()), size_t(stream.Size())));
  EXPECT_NE(text.find(L"DrawingStyle = dsTransparent"), String::npos) << text;
  EXPECT_NE(text.find(L"Bitmap = {"), String::npos) << text;

  TImageForm read(nullptr);
  stream.SetPosition(0);
  ReadComponentFromStream(&stream, &read);
  auto* copy = dynamic_cast<TImageList*>(read.FindComponent(L"ImageList1"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->DrawingStyle(), dsTransparent);
  EXPECT_EQ(Centres(*copy), Centres(*list));
  UnRegisterClass(TImageForm::StaticClass());
}

TEST(DragImageListTest, DraggingFollowsThePointUntilItEnds) {
  TDragImageList list(nullptr);
  EXPECT_FALSE(list.BeginDrag(nullptr, 0, 0)) << "no image to drag";
  list.Add(Solid({clRed}).get(), nullptr);
  EXPECT_FALSE(list.SetDragImage(3, 0, 0));
  EXPECT_TRUE(list.SetDragImage(0, 4, 5));
  EXPECT_EQ(list.DragHotspot(), (TPoint{4, 5}));
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(list.BeginDrag(window, 10, 10));
  EXPECT_TRUE(list.Dragging());
  EXPECT_FALSE(list.BeginDrag(window, 10, 10)) << "one drag at a time";
  EXPECT_TRUE(list.DragMove(20, 20));
  list.HideDragImage();
  list.ShowDragImage();
  EXPECT_TRUE(list.EndDrag());
  EXPECT_FALSE(list.EndDrag());
  EXPECT_FALSE(list.DragMove(30, 30));
  DestroyWindow(window);
}

}  // namespace

// The strip the session renders: on the classic square or on the picture
// fitted into the cell the window asks for, made once per picture and
// cell; rendered again, without a word to "Change Color" or the result
// bitmap, when the cell changes while it is on show.

#include <QSignalSpy>

#include "SessionFixture.h"
#include "kernels/Recipes.h"

namespace qv::test {
namespace {

class Thumbnails : public SessionTest {
 protected:
  // The ten thumbnails of the category as they arrive.
  std::vector<PictureRef> Choose(int category) {
    std::vector<PictureRef> got(kThumbnailCount + 1);
    QObject context;
    QObject::connect(session.get(), &EditSession::ThumbnailReady, &context,
                     [&got](int n, PictureRef picture, bool) { got[std::size_t(n)] = picture; });
    session->ChooseCategory(category);
    EXPECT_TRUE(Settle());
    return got;
  }
  // What the recipes give on `source`.
  Bitmap Expected(int category, int n, const Bitmap &source) {
    Bitmap result;
    RenderRecipe(category, n, source, result, Env(), RenderSize::Thumbnail);
    return result;
  }
};

TEST_F(Thumbnails, AreRenderedOnThePictureTheStyleAndCellGive) {
  const struct {
    const char *Shape;
    ThumbnailStyle Style;
    int Width, Height, CellWidth, CellHeight;
    PixelSize Size;
  } cases[] = {
      {"classic", ThumbnailStyle::Classic, 300, 200, 320, 184, {105, 105}},
      {"landscape", ThumbnailStyle::Fitted, 300, 200, 160, 160, {160, 107}},
      {"portrait", ThumbnailStyle::Fitted, 200, 300, 160, 160, {107, 160}},
      {"square", ThumbnailStyle::Fitted, 200, 200, 320, 184, {184, 184}},
      {"panorama", ThumbnailStyle::Fitted, 400, 200, 320, 184, {320, 160}},
      {"small", ThumbnailStyle::Fitted, 90, 60, 320, 320, {90, 60}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Shape);
    OpenPhoto(std::string(c.Shape) + ".bmp", c.Width, c.Height);
    session->SetThumbnails(c.Style, c.CellWidth, c.CellHeight);
    for (int category : {1, 15}) {  // a light map, an art effect
      const std::vector<PictureRef> got = Choose(category);
      const Bitmap &source = session->ThumbBitmap();
      const Bitmap expected =
          c.Style == ThumbnailStyle::Classic
              ? ClassicThumbnail(*session->WorkBitmap())
              : FittedThumbnail(*session->WorkBitmap(), c.CellWidth, c.CellHeight);
      ASSERT_TRUE(source.SamePixels(expected));
      for (int n = 1; n <= kThumbnailCount; ++n) {
        ASSERT_TRUE(got[std::size_t(n)]) << n;
        EXPECT_EQ(PixelSize(got[std::size_t(n)]->Width(), got[std::size_t(n)]->Height()), c.Size);
        EXPECT_TRUE(got[std::size_t(n)]->SamePixels(Expected(category, n, source))) << n;
      }
      EXPECT_EQ(session->ResultBitmap(), got[kThumbnailCount]);
    }
  }
}

// The fitted copy is made once for a picture and a cell: every category
// after the first renders on the same pixels, until the picture changes.
TEST_F(Thumbnails, ShareOneFittedCopyUntilThePictureChanges) {
  OpenPhoto("photo.bmp", 300, 200);
  session->SetThumbnails(ThumbnailStyle::Fitted, 120, 120);
  Choose(1);
  const Bitmap first = session->ThumbBitmap();
  Choose(7);
  EXPECT_TRUE(session->ThumbBitmap().SharesPixelsWith(first));
  Do({1, 2});
  Choose(7);
  EXPECT_FALSE(session->ThumbBitmap().SharesPixelsWith(first));
  EXPECT_TRUE(session->ThumbBitmap().SamePixels(FittedThumbnail(*session->WorkBitmap(), 120, 120)));
}

// A new cell while the strip is on show renders it again at the new size;
// the result bitmap and "Change Color" stay as the user's choice left them.
// While a full-size render runs, the strip waits for the next choice.
TEST_F(Thumbnails, FollowANewCellWhileOnShow) {
  OpenPhoto("photo.bmp", 300, 200);
  session->SetThumbnails(ThumbnailStyle::Fitted, 120, 120);
  Choose(1);
  const PictureRef chosen = session->ResultBitmap();
  QSignalSpy offered(session.get(), &EditSession::ChangeColorOffered);
  std::vector<PictureRef> again(kThumbnailCount + 1);
  QObject context;
  QObject::connect(session.get(), &EditSession::ThumbnailReady, &context,
                   [&again](int n, PictureRef picture, bool) { again[std::size_t(n)] = picture; });
  session->SetThumbnails(ThumbnailStyle::Fitted, 60, 60);
  ASSERT_TRUE(Settle());
  for (int n = 1; n <= kThumbnailCount; ++n) {
    ASSERT_TRUE(again[std::size_t(n)]);
    EXPECT_EQ(again[std::size_t(n)]->Width(), 60);
    EXPECT_EQ(again[std::size_t(n)]->Height(), 40);
  }
  EXPECT_EQ(session->ResultBitmap(), chosen);
  EXPECT_EQ(offered.count(), 0);

  // The classic style renders the strip again as squares.
  again.assign(kThumbnailCount + 1, nullptr);
  session->SetThumbnails(ThumbnailStyle::Classic, 60, 60);
  ASSERT_TRUE(Settle());
  ASSERT_TRUE(again[1]);
  EXPECT_EQ(again[1]->Width(), kThumbnailSide);

  // A preview under way is not dropped for the strip.
  session->SetThumbnails(ThumbnailStyle::Fitted, 60, 60);
  ASSERT_TRUE(Settle());
  QSignalSpy dropped(session.get(), &EditSession::PreviewDropped);
  session->PreviewThumbnail(2);
  again.assign(kThumbnailCount + 1, nullptr);
  session->SetThumbnails(ThumbnailStyle::Fitted, 90, 90);
  ASSERT_TRUE(Settle());
  EXPECT_EQ(dropped.count(), 0);
  EXPECT_TRUE(session->CanApply());
  EXPECT_FALSE(again[1]);
}

}  // namespace
}  // namespace qv::test

#include "codecs/HeifBudget.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "codecs/ByteReader.h"
#include "codecs/CodedPictures.h"
#include "codecs/HeifLayout.h"
#include "codecs/SampleRows.h"
#include "gfx/Bitmap.h"
#include "gfx/Error.h"

namespace qv {

namespace {

// Coded pictures are whole coding blocks (HEVC) or superblocks (AV1) of
// at most 64 pixels a side.
constexpr std::int64_t kCodingBlock = 64;
constexpr std::int64_t kSpareMegapixels = 4'000'000;
constexpr std::int64_t kCodedPictures = 3, kCanvases = 5;
constexpr int kMaxDepth = 16;
// Sums stop growing here, far beyond any budget.
constexpr std::uint64_t kHuge = std::uint64_t(1) << 62;

struct Size {
  std::int64_t Width = 0, Height = 0;
  std::uint64_t Pixels() const { return std::uint64_t(Width) * std::uint64_t(Height); }
  bool Known() const { return Width > 0 || Height > 0; }
};

struct Pixels {
  std::uint64_t Coded = 0, Canvas = 0;  // pixels
  void Add(const Pixels &more) {
    Coded = std::min(kHuge, Coded + more.Coded);
    Canvas = std::min(kHuge, Canvas + more.Canvas);
  }
};

struct Weighed {
  Pixels Cost;
  Size Made;       // the picture the item makes
  int Height = 0;  // the longest chain of items below it
};

std::string Megapixels(std::uint64_t pixels) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", double(pixels) / 1e6);
  return text;
}

class Weigher {
 public:
  Weigher(const HeifLayout &layout, const char *format) : l_(layout), format_(format) {
    for (const HeifReference &ref : l_.References) {
      if (ref.Type == FourCc("dimg")) {
        auto &to = inputs_[ref.From];
        to.insert(to.end(), ref.To.begin(), ref.To.end());
      } else if (ref.Type == FourCc("auxl") || ref.Type == FourCc("thmb")) {
        for (const std::uint32_t picture : ref.To) extras_[picture].push_back(ref.From);
      }
    }
  }

  void Check() {
    const HeifItem *primary = l_.Find(l_.Primary);
    if (!primary || primary->Type == 0) Refuse(QV_TEXT("its primary picture is missing"));
    if (!IsPicture(primary->Type))
      RefuseKind(format_,
                 Say(QV_TEXT("its picture is of the item type '%1'"), FourCcText(primary->Type)));
    const Size declared = Declared(*primary);
    CheckPictureSize(declared.Width, declared.Height);
    const Weighed primaryCost = Weigh(l_.Primary, 0);
    const Pixels &cost = primaryCost.Cost;
    const Size picture = declared.Known() ? declared : primaryCost.Made;
    const std::uint64_t pixels = picture.Pixels();
    if (cost.Coded > kCodedPictures * pixels + kSpareMegapixels)
      Refuse(Say(QV_TEXT("its coded pictures (tiles, alpha, depth and thumbnails) are too large "
                         "for its %1 picture (%2 megapixels in all)"),
                 Sides(picture), Megapixels(cost.Coded)));
    if (cost.Canvas > kCanvases * pixels + kSpareMegapixels)
      Refuse(Say(QV_TEXT("its grids, overlays and turned copies are too large for its %1 picture "
                         "(%2 megapixels in all)"),
                 Sides(picture), Megapixels(cost.Canvas)));
  }

 private:
  [[noreturn]] void Refuse(const Text &why) const { RefuseImage(format_, why); }

  // The item types libheif 1.15 decodes.
  static bool IsPicture(std::uint32_t type) {
    for (const char *known : {"hvc1", "av01", "grid", "iovl", "iden"})
      if (type == FourCc(known)) return true;
    return false;
  }

  static MarkedText Kind(std::uint32_t type) {
    switch (type) {
      case FourCc("grid"):
        return QV_TEXT("grid");
      case FourCc("iovl"):
        return QV_TEXT("overlay");
      case FourCc("iden"):
        return QV_TEXT("derived picture");
      default:
        return QV_TEXT("coded picture");
    }
  }
  static Text Name(const HeifItem &item) {
    return Say(QV_TEXT("%1 (item %2)"), Kind(item.Type), item.Id);
  }
  static std::string Sides(Size s) {
    return std::to_string(s.Width) + " x " + std::to_string(s.Height);
  }

  // The largest size its ispe properties give; unknown without one.
  Size Declared(const HeifItem &item) const {
    Size size;
    for (const HeifProperty *ispe : l_.PropertiesOf(item, FourCc("ispe"))) {
      ByteReader r(ispe->Body);
      r.U32();
      const std::int64_t width = r.U32(), height = r.U32();
      if (r.Short()) Refuse(Say(QV_TEXT("its %1 has a damaged size"), Name(item)));
      size.Width = std::max(size.Width, width);
      size.Height = std::max(size.Height, height);
    }
    return size;
  }

  // What the item makes, refused when larger than it declares or than any
  // picture may be.
  // Some writers (libheif 1.15 among them) give a turned picture's size
  // turned, so the sides may be either way round.
  void CheckMade(const HeifItem &item, Size made, Size declared, std::int64_t block) const {
    if (made.Width > kMaxSide || made.Height > kMaxSide || std::int64_t(made.Pixels()) > kMaxPixels)
      Refuse(Say(QV_TEXT("its %1 is too large (%2 pixels)"), Name(item), Sides(made)));
    auto whole = [block](std::int64_t side) { return (side + block - 1) / block * block; };
    const std::int64_t w = whole(declared.Width), h = whole(declared.Height);
    const bool fits =
        (made.Width <= w && made.Height <= h) || (made.Width <= h && made.Height <= w);
    if (declared.Known() && !fits)
      Refuse(Say(QV_TEXT("its %1 is too large: it makes %2 pixels but declares %3"), Name(item),
                 Sides(made), Sides(declared)));
  }

  DataPieces Data(const HeifItem &item) const {
    bool ok = false;
    DataPieces pieces = l_.DataOf(item, ok);
    if (!ok) Refuse(Say(QV_TEXT("the data of its %1 lies outside the file"), Name(item)));
    return pieces;
  }

  // The first bytes of the item's data (grid and overlay descriptions).
  std::vector<std::uint8_t> Description(const HeifItem &item) const {
    std::vector<std::uint8_t> bytes;
    for (const auto &piece : Data(item))
      bytes.insert(
          bytes.end(), piece.begin(),
          piece.begin() + std::ptrdiff_t(std::min<std::size_t>(piece.size(), 64 - bytes.size())));
    return bytes;
  }

  // The canvas a grid or overlay declares in its data.
  Size Canvas(const HeifItem &item) const {
    const std::vector<std::uint8_t> bytes = Description(item);
    ByteReader r(bytes);
    r.U8();  // version
    const bool wide = r.U8() & 1;
    if (item.Type == FourCc("grid"))
      r.U16();  // rows and columns
    else
      r.Skip(8);  // background colour
    Size canvas;
    canvas.Width = std::int64_t(r.Unsigned(wide ? 4 : 2));
    canvas.Height = std::int64_t(r.Unsigned(wide ? 4 : 2));
    if (r.Short()) Refuse(Say(QV_TEXT("its %1 is damaged"), Name(item)));
    return canvas;
  }

  Size Coded(const HeifItem &item, std::int64_t &pictures) const {
    const bool hevc = item.Type == FourCc("hvc1");
    const auto config = l_.PropertiesOf(item, FourCc(hevc ? "hvcC" : "av1C"));
    const DataPieces data = Data(item);
    // An empty coded picture is no picture; dav1d also leaks the decoder
    // state libheif gives it for one.
    std::size_t bytes = 0;
    for (const auto &piece : data) bytes += piece.size();
    if (bytes == 0) Refuse(Say(QV_TEXT("its %1 has no coded data"), Name(item)));
    const std::span<const std::uint8_t> body =
        config.empty() ? std::span<const std::uint8_t>() : config.front()->Body;
    const CodedPictures coded = hevc ? HevcPictures(body, data) : Av1Pictures(body, data);
    pictures = std::max<std::int64_t>(coded.Count, 1);
    return {coded.Width, coded.Height};
  }

  // What the item costs with everything it is built from and everything
  // kept for it, counted once per use; each item is weighed once.
  Weighed Weigh(std::uint32_t id, int depth) {
    const HeifItem *item = l_.Find(id);
    if (!item) Refuse(Say(QV_TEXT("it refers to an item it does not have (item %1)"), id));
    if (onPath_.count(id)) Refuse(Say(QV_TEXT("its %1 is built from itself"), Name(*item)));
    if (const auto known = weighed_.find(id); known != weighed_.end()) {
      if (depth + known->second.Height > kMaxDepth) TooDeep();
      return known->second;
    }
    if (depth > kMaxDepth) TooDeep();
    onPath_.insert(id);
    Weighed w;
    const Size declared = Declared(*item);
    w.Made = declared;
    const std::uint32_t type = item->Type;
    if (type == FourCc("hvc1") || type == FourCc("av01")) {
      std::int64_t pictures = 1;
      const Size coded = Coded(*item, pictures);
      if (coded.Known()) w.Made = coded;
      CheckMade(*item, w.Made, declared, kCodingBlock);
      w.Cost.Coded = std::min(kHuge, w.Made.Pixels() * std::uint64_t(pictures));
    } else if (type == FourCc("grid") || type == FourCc("iovl")) {
      w.Made = Canvas(*item);
      CheckMade(*item, w.Made, declared, 1);
      w.Cost.Canvas = w.Made.Pixels();
    }
    auto add = [&](std::uint32_t other) {
      const Weighed part = Weigh(other, depth + 1);
      w.Cost.Add(part.Cost);
      w.Height = std::max(w.Height, part.Height + 1);
    };
    if (type == FourCc("grid") || type == FourCc("iovl") || type == FourCc("iden"))
      for (const std::uint32_t input : Linked(inputs_, id)) {
        // libheif 1.15 stops the program (an assertion) on an input it
        // holds no picture for.
        const HeifItem *from = l_.Find(input);
        if (from && !IsPicture(from->Type))
          Refuse(Say(QV_TEXT("its %1 is built from item %2, which is not a picture"), Name(*item),
                     input));
        add(input);
      }
    // Each rotation, mirroring and crop makes a new copy of the picture.
    std::size_t transforms = 0;
    for (const char *t : {"irot", "imir", "clap"})
      transforms += l_.PropertiesOf(*item, FourCc(t)).size();
    w.Cost.Canvas = std::min(kHuge, w.Cost.Canvas + std::uint64_t(transforms) * w.Made.Pixels());
    // Alpha, depth and other auxiliary pictures, and thumbnails.
    for (const std::uint32_t extra : Linked(extras_, id)) add(extra);
    onPath_.erase(id);
    weighed_[id] = w;
    return w;
  }

  [[noreturn]] void TooDeep() const {
    Refuse(QV_TEXT("its pictures are built from each other too many steps deep"));
  }

  using Links = std::map<std::uint32_t, std::vector<std::uint32_t>>;
  static const std::vector<std::uint32_t> &Linked(const Links &links, std::uint32_t id) {
    static const std::vector<std::uint32_t> none;
    const auto it = links.find(id);
    return it == links.end() ? none : it->second;
  }

  const HeifLayout &l_;
  const char *format_;
  Links inputs_;  // what a derived picture is made from, in order
  Links extras_;  // the auxiliary pictures and thumbnails kept for a picture
  std::set<std::uint32_t> onPath_;
  std::map<std::uint32_t, Weighed> weighed_;
};

}  // namespace

void CheckHeifBudget(std::span<const std::uint8_t> file, const char *format) {
  const HeifLayout layout = ReadHeifLayout(file, format);
  Weigher(layout, format).Check();
}

}  // namespace qv

// The boxes of a HEIF file that say what its items are (ISO/IEC 23008-12
// over the ISO base media file format): ftyp, then meta with pitm, iinf,
// iloc, iref, iprp (ipco and ipma) and idat. Other boxes are skipped, as
// libheif skips them. Counts are held to libheif's own limits, so that a
// file cannot make this reading cost more than its bytes.

#include "codecs/HeifLayout.h"

#include <algorithm>

#include "codecs/ByteReader.h"
#include "codecs/SampleRows.h"

namespace qv {

namespace {

// libheif refuses files with more items or children per box than this.
constexpr std::size_t kMaxItems = 20000;
constexpr std::size_t kMaxProperties = 20000;
// References and property associations in all: a grid has one reference
// per tile, at most 256 x 256 of them.
constexpr std::size_t kMaxLinks = std::size_t(1) << 20;

struct Box {
  std::uint32_t Type = 0;
  std::span<const std::uint8_t> Body;
  bool Cut = false;  // it claims more bytes than there are
};

// The boxes one after another in data. A box that runs past the end ends
// the list, marked cut.
std::vector<Box> Boxes(std::span<const std::uint8_t> data) {
  std::vector<Box> boxes;
  ByteReader r(data);
  while (r.Left() >= 8) {
    const std::size_t start = r.At();
    std::uint64_t size = r.U32();
    Box box;
    box.Type = r.U32();
    if (size == 1) size = r.U64();
    if (size == 0) size = data.size() - start;  // to the end
    const std::size_t header = r.At() - start;
    if (size < header || size - header > r.Left()) {
      box.Body = r.Rest();
      box.Cut = true;
      boxes.push_back(box);
      break;
    }
    box.Body = r.Take(size - header);
    boxes.push_back(box);
  }
  return boxes;
}

class LayoutReader {
 public:
  LayoutReader(std::span<const std::uint8_t> file, const char *format) : format_(format) {
    layout_.File = file;
  }

  HeifLayout Read() {
    const Box *meta = nullptr;
    const std::vector<Box> top = Boxes(layout_.File);
    for (const Box &box : top)
      if (box.Type == FourCc("meta") && !meta) meta = &box;
    if (!meta) Refuse(QV_TEXT("it has no meta box"));
    if (meta->Cut) Refuse(QV_TEXT("its meta box is cut short"));
    ByteReader full(meta->Body);
    full.U32();  // version and flags
    const std::vector<Box> children = Boxes(full.Rest());
    for (const Box &box : children)
      if (box.Type == FourCc("idat")) layout_.Idat = box.Body;
    for (const Box &box : children) {
      if (box.Cut) Refuse(Say(QV_TEXT("its %1 box is cut short"), FourCcText(box.Type)));
      switch (box.Type) {
        case FourCc("pitm"):
          ReadPrimary(box.Body);
          break;
        case FourCc("iinf"):
          ReadItemInfo(box.Body);
          break;
        case FourCc("iloc"):
          ReadLocations(box.Body);
          break;
        case FourCc("iref"):
          ReadReferences(box.Body);
          break;
        case FourCc("iprp"):
          ReadProperties(box.Body);
          break;
        default:
          break;
      }
    }
    return std::move(layout_);
  }

 private:
  [[noreturn]] void Refuse(const Text &why) const { RefuseImage(format_, why); }

  void Check(const ByteReader &r, const char *box) const {
    if (r.Short()) Refuse(Say(QV_TEXT("its %1 box is cut short"), box));
  }

  void Link(std::size_t count) {
    links_ += count;
    if (links_ > kMaxLinks) Refuse(QV_TEXT("its items hold too many references and properties"));
  }

  HeifItem &ItemFor(std::uint32_t id) {
    HeifItem &item = layout_.Items[id];
    item.Id = id;
    if (layout_.Items.size() > kMaxItems) Refuse(QV_TEXT("it has too many items"));
    return item;
  }

  void ReadPrimary(std::span<const std::uint8_t> body) {
    ByteReader r(body);
    const int version = r.U8();
    r.Skip(3);
    layout_.Primary = std::uint32_t(r.Unsigned(version == 0 ? 2 : 4));
    Check(r, "pitm");
  }

  void ReadItemInfo(std::span<const std::uint8_t> body) {
    ByteReader r(body);
    const int version = r.U8();
    r.Skip(3);
    r.Unsigned(version == 0 ? 2 : 4);  // the count; the boxes that follow say it again
    Check(r, "iinf");
    for (const Box &box : Boxes(r.Rest())) {
      if (box.Type != FourCc("infe")) continue;
      if (box.Cut) Refuse(QV_TEXT("its infe box is cut short"));
      ByteReader e(box.Body);
      const int entryVersion = e.U8();
      const std::uint32_t flags = std::uint32_t(e.Unsigned(3));
      if (entryVersion < 2) continue;  // no item type: not a picture
      const std::uint32_t id = std::uint32_t(e.Unsigned(entryVersion == 2 ? 2 : 4));
      e.U16();  // protection
      const std::uint32_t type = e.U32();
      Check(e, "infe");
      HeifItem &item = ItemFor(id);
      if (item.Type != 0) Refuse(Say(QV_TEXT("its item %1 is declared twice"), id));
      item.Type = type;
      item.Hidden = flags & 1;
    }
  }

  void ReadLocations(std::span<const std::uint8_t> body) {
    ByteReader r(body);
    const int version = r.U8();
    r.Skip(3);
    const int sizes = r.U8(), more = r.U8();
    const int offsetSize = sizes >> 4, lengthSize = sizes & 15, baseSize = more >> 4;
    const int indexSize = version == 1 || version == 2 ? more & 15 : 0;
    for (const int size : {offsetSize, lengthSize, baseSize, indexSize})
      if (size != 0 && size != 4 && size != 8) Refuse(QV_TEXT("its iloc box is not valid"));
    if (version > 2) Refuse(QV_TEXT("its iloc box is not valid"));
    const std::uint64_t count = r.Unsigned(version < 2 ? 2 : 4);
    for (std::uint64_t i = 0; i < count && !r.Short(); ++i) {
      const std::uint32_t id = std::uint32_t(r.Unsigned(version < 2 ? 2 : 4));
      HeifItem &item = ItemFor(id);
      if (item.Located) Refuse(Say(QV_TEXT("its item %1 is located twice"), id));
      item.Located = true;
      if (version == 1 || version == 2) item.Construction = r.U16() & 15;
      r.U16();  // data reference
      item.BaseOffset = r.Unsigned(baseSize);
      const int extents = r.U16();
      Link(std::size_t(extents));
      for (int e = 0; e < extents && !r.Short(); ++e) {
        r.Unsigned(indexSize);
        HeifExtent extent;
        extent.Offset = r.Unsigned(offsetSize);
        extent.Length = r.Unsigned(lengthSize);
        item.Extents.push_back(extent);
      }
    }
    Check(r, "iloc");
  }

  void ReadReferences(std::span<const std::uint8_t> body) {
    ByteReader r(body);
    const int version = r.U8();
    r.Skip(3);
    const int idBytes = version == 0 ? 2 : 4;
    for (const Box &box : Boxes(r.Rest())) {
      if (box.Cut) Refuse(QV_TEXT("its iref box is cut short"));
      ByteReader ref(box.Body);
      HeifReference reference;
      reference.Type = box.Type;
      reference.From = std::uint32_t(ref.Unsigned(idBytes));
      const int count = ref.U16();
      Link(std::size_t(count) + 1);
      for (int i = 0; i < count && !ref.Short(); ++i)
        reference.To.push_back(std::uint32_t(ref.Unsigned(idBytes)));
      Check(ref, "iref");
      layout_.References.push_back(std::move(reference));
    }
  }

  void ReadProperties(std::span<const std::uint8_t> body) {
    for (const Box &box : Boxes(body)) {
      if (box.Cut) Refuse(QV_TEXT("its iprp box is cut short"));
      if (box.Type == FourCc("ipco")) {
        for (const Box &property : Boxes(box.Body)) {
          if (property.Cut) Refuse(QV_TEXT("its ipco box is cut short"));
          layout_.Properties.push_back({property.Type, property.Body});
          if (layout_.Properties.size() > kMaxProperties)
            Refuse(QV_TEXT("it has too many properties"));
        }
      } else if (box.Type == FourCc("ipma")) {
        ReadAssociations(box.Body);
      }
    }
  }

  void ReadAssociations(std::span<const std::uint8_t> body) {
    ByteReader r(body);
    const int version = r.U8();
    const bool wide = r.Unsigned(3) & 1;
    const std::uint32_t entries = r.U32();
    for (std::uint32_t i = 0; i < entries && !r.Short(); ++i) {
      const std::uint32_t id = std::uint32_t(r.Unsigned(version < 1 ? 2 : 4));
      const int count = r.U8();
      Link(std::size_t(count));
      HeifItem &item = ItemFor(id);
      for (int a = 0; a < count && !r.Short(); ++a) {
        const std::uint32_t index = wide ? r.U16() & 0x7FFF : r.U8() & 0x7F;
        if (index != 0) item.Properties.push_back(index);
      }
    }
    Check(r, "ipma");
  }

  HeifLayout layout_;
  const char *format_;
  std::size_t links_ = 0;
};

}  // namespace

std::string FourCcText(std::uint32_t code) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const char c = char(code >> shift & 0xFF);
    text += c >= 0x20 && c < 0x7F ? c : '?';
  }
  return text;
}

const HeifItem *HeifLayout::Find(std::uint32_t id) const {
  const auto it = Items.find(id);
  return it == Items.end() ? nullptr : &it->second;
}

std::vector<const HeifProperty *> HeifLayout::PropertiesOf(const HeifItem &item,
                                                           std::uint32_t type) const {
  std::vector<const HeifProperty *> found;
  for (const std::uint32_t index : item.Properties)
    if (index <= Properties.size() && Properties[index - 1].Type == type)
      found.push_back(&Properties[index - 1]);
  return found;
}

std::vector<std::uint32_t> HeifLayout::ReferencesFrom(std::uint32_t item,
                                                      std::uint32_t type) const {
  std::vector<std::uint32_t> to;
  for (const HeifReference &ref : References)
    if (ref.From == item && ref.Type == type) to.insert(to.end(), ref.To.begin(), ref.To.end());
  return to;
}

std::vector<std::uint32_t> HeifLayout::ReferencesTo(std::uint32_t item, std::uint32_t type) const {
  std::vector<std::uint32_t> from;
  for (const HeifReference &ref : References)
    if (ref.Type == type && std::find(ref.To.begin(), ref.To.end(), item) != ref.To.end())
      from.push_back(ref.From);
  return from;
}

std::vector<std::span<const std::uint8_t>> HeifLayout::DataOf(const HeifItem &item,
                                                              bool &ok) const {
  std::vector<std::span<const std::uint8_t>> pieces;
  ok = item.Construction == 0 || item.Construction == 1;
  const std::span<const std::uint8_t> source = item.Construction == 1 ? Idat : File;
  for (const HeifExtent &extent : item.Extents) {
    const std::uint64_t start = item.BaseOffset + extent.Offset;
    if (!ok || start < item.BaseOffset || start > source.size()) {
      ok = false;
      break;
    }
    const std::uint64_t length = extent.Length ? extent.Length : source.size() - start;
    if (length > source.size() - start) {
      ok = false;
      break;
    }
    pieces.push_back(source.subspan(std::size_t(start), std::size_t(length)));
  }
  if (!ok) pieces.clear();
  return pieces;
}

HeifLayout ReadHeifLayout(std::span<const std::uint8_t> file, const char *format) {
  return LayoutReader(file, format).Read();
}

}  // namespace qv

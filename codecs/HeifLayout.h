#pragma once

// The item structure of a HEIF or AVIF file, read by us from its boxes
// before libheif sees the file: items and their types, where their data
// lies, their properties and the references between them. libheif has no
// limits of its own on what a file builds from these (a grid whose tile is
// an overlay of 2 gigapixels, a picture coded far larger than it declares),
// so the reader weighs the structure first (HeifBudget.h).

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace qv {

// Four characters as one number, 'grid' as 0x67726964.
constexpr std::uint32_t FourCc(const char *s) {
  return std::uint32_t(std::uint8_t(s[0])) << 24 | std::uint32_t(std::uint8_t(s[1])) << 16 |
         std::uint32_t(std::uint8_t(s[2])) << 8 | std::uint8_t(s[3]);
}
std::string FourCcText(std::uint32_t code);

struct HeifExtent {
  std::uint64_t Offset = 0, Length = 0;  // Length 0: to the end of the file (or idat)
};

struct HeifItem {
  std::uint32_t Id = 0;
  std::uint32_t Type = 0;  // 'hvc1', 'av01', 'grid', 'iovl', 'iden', 'Exif', 'mime', ...
  bool Hidden = false;
  int Construction = 0;  // 0 in the file, 1 in the idat box, 2 from other items
  std::uint64_t BaseOffset = 0;
  std::vector<HeifExtent> Extents;
  bool Located = false;                   // it has an iloc entry
  std::vector<std::uint32_t> Properties;  // 1-based indices into HeifLayout::Properties
};

struct HeifProperty {
  std::uint32_t Type = 0;
  std::span<const std::uint8_t> Body;  // after the box header
};

struct HeifReference {
  std::uint32_t Type = 0;  // 'dimg', 'auxl', 'thmb', 'cdsc', ...
  std::uint32_t From = 0;
  std::vector<std::uint32_t> To;
};

struct HeifLayout {
  std::uint32_t Primary = 0;
  std::map<std::uint32_t, HeifItem> Items;
  std::vector<HeifProperty> Properties;
  std::vector<HeifReference> References;
  std::span<const std::uint8_t> File, Idat;

  const HeifItem *Find(std::uint32_t id) const;
  // The properties of the given type associated with the item, in order.
  std::vector<const HeifProperty *> PropertiesOf(const HeifItem &item, std::uint32_t type) const;
  // The items item refers to by references of the given type, in order.
  std::vector<std::uint32_t> ReferencesFrom(std::uint32_t item, std::uint32_t type) const;
  // The items that refer to item by references of the given type.
  std::vector<std::uint32_t> ReferencesTo(std::uint32_t item, std::uint32_t type) const;
  // The pieces of the item's data, each inside the file or the idat box;
  // empty with ok false when an extent lies outside them or the item is
  // made from other items.
  std::vector<std::span<const std::uint8_t>> DataOf(const HeifItem &item, bool &ok) const;
};

// The layout of the file's top-level meta box. Throws qv::Error "<format>
// image is not valid: ..." when the boxes cannot be read.
HeifLayout ReadHeifLayout(std::span<const std::uint8_t> file, const char *format);

}  // namespace qv

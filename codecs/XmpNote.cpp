#include "codecs/XmpNote.h"

#include <exiv2/exiv2.hpp>

#include <exception>
#include <mutex>

#include "codecs/Metadata.h"

namespace qv {

namespace {

constexpr std::size_t kMaxXmpBytes = 65533 - 29;  // one APP1 segment after its name
constexpr const char *kPrefix = "quorvane";

void RegisterNamespace() {
  PrepareExiv2();
  static std::once_flag once;
  std::call_once(once, [] { Exiv2::XmpProperties::registerNs(kQuorvaneXmpNamespace, kPrefix); });
}

std::string KeyOf(const std::string &name) {
  return std::string("Xmp.") + kPrefix + "." + name;
}

}  // namespace

Bytes XmpWithNote(const Bytes &xmp, const std::string &name, const std::string &value) {
  RegisterNamespace();
  try {
    Exiv2::XmpData data;
    if (!xmp.empty() && Exiv2::XmpParser::decode(data, std::string(xmp.begin(), xmp.end())) != 0)
      return {};
    data[KeyOf(name)] = value;
    std::string packet;
    if (Exiv2::XmpParser::encode(packet, data, Exiv2::XmpParser::useCompactFormat) != 0 ||
        packet.size() > kMaxXmpBytes)
      return {};
    return Bytes(packet.begin(), packet.end());
  } catch (const std::exception &) {
    return {};
  }
}

std::optional<std::string> XmpNote(const Bytes &xmp, const std::string &name) {
  if (xmp.empty() || xmp.size() > kMaxXmpBytes) return std::nullopt;
  RegisterNamespace();
  try {
    Exiv2::XmpData data;
    if (Exiv2::XmpParser::decode(data, std::string(xmp.begin(), xmp.end())) != 0)
      return std::nullopt;
    const auto it = data.findKey(Exiv2::XmpKey(KeyOf(name)));
    if (it == data.end()) return std::nullopt;
    return it->toString();
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

}  // namespace qv

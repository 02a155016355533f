#include "fuzz/HeifBuilder.h"

#include <algorithm>
#include <cstring>

#include "codecs/HeifLayout.h"
#include "gfx/Error.h"

namespace qv::samples {

namespace {

void Put(Bytes &b, std::uint64_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) b.push_back(std::uint8_t(v >> (8 * i)));
}
void PutType(Bytes &b, const std::string &type) {
  for (int i = 0; i < 4; ++i)
    b.push_back(std::uint8_t(std::size_t(i) < type.size() ? type[std::size_t(i)] : ' '));
}
Bytes Box(const std::string &type, const Bytes &body) {
  Bytes b;
  Put(b, 8 + body.size(), 4);
  PutType(b, type);
  b.insert(b.end(), body.begin(), body.end());
  return b;
}
// A full box: version and flags before the body.
Bytes FullBox(const std::string &type, int version, std::uint32_t flags, const Bytes &body) {
  Bytes b;
  Put(b, std::uint64_t(version), 1);
  Put(b, flags, 3);
  b.insert(b.end(), body.begin(), body.end());
  return Box(type, b);
}
void Append(Bytes &to, const Bytes &more) {
  to.insert(to.end(), more.begin(), more.end());
}

Bytes Meta(const HeifBuild &build, std::uint64_t mdatStart) {
  Bytes meta;
  Bytes hdlr(4, 0);
  PutType(hdlr, "pict");
  hdlr.resize(hdlr.size() + 13, 0);
  Append(meta, FullBox("hdlr", 0, 0, hdlr));
  Bytes pitm;
  Put(pitm, build.Primary, 4);
  Append(meta, FullBox("pitm", 1, 0, pitm));

  Bytes infos;
  Put(infos, build.Items.size(), 2);
  for (const HeifBuildItem &item : build.Items) {
    Bytes infe;
    Put(infe, item.Id, 4);
    Put(infe, 0, 2);
    PutType(infe, item.Type);
    infe.push_back(0);  // no name
    if (item.Type == "mime") {
      const char kXmp[] = "application/rdf+xml";
      infe.insert(infe.end(), kXmp, kXmp + sizeof kXmp);
    }
    Append(infos, FullBox("infe", 3, item.Hidden ? 1 : 0, infe));
  }
  Append(meta, FullBox("iinf", 0, 0, infos));

  bool inIdat = false;
  for (const HeifBuildItem &item : build.Items) inIdat = inIdat || item.InIdat;
  Bytes idat, locations;
  locations.push_back(0x44);  // 4-byte offsets and lengths
  locations.push_back(0x00);  // no base offsets or indices
  Put(locations, build.Items.size(), 4);
  std::uint64_t inMdat = mdatStart;
  for (const HeifBuildItem &item : build.Items) {
    Put(locations, item.Id, 4);
    Put(locations, item.InIdat ? 1 : 0, 2);
    Put(locations, 0, 2);
    Put(locations, 1, 2);
    Put(locations, item.InIdat ? idat.size() : inMdat, 4);
    Put(locations, item.Data.size(), 4);
    if (item.InIdat)
      Append(idat, item.Data);
    else
      inMdat += item.Data.size();
  }
  Append(meta, FullBox("iloc", 2, 0, locations));

  Bytes references;
  for (const HeifBuildReference &ref : build.References) {
    Bytes body;
    Put(body, ref.From, 4);
    Put(body, ref.To.size(), 2);
    for (const std::uint32_t to : ref.To) Put(body, to, 4);
    Append(references, Box(ref.Type, body));
  }
  if (!build.References.empty()) Append(meta, FullBox("iref", 1, 0, references));

  Bytes ipco, ipma;
  for (const HeifBox &property : build.Properties) Append(ipco, Box(property.Type, property.Body));
  // An entry holds at most 255 associations; an item with more has more
  // entries.
  Bytes entries;
  std::uint32_t count = 0;
  for (const HeifBuildItem &item : build.Items)
    for (std::size_t first = 0; first == 0 || first < item.Properties.size(); first += 255) {
      const std::size_t n = std::min<std::size_t>(255, item.Properties.size() - first);
      Put(entries, item.Id, 4);
      Put(entries, n, 1);
      for (std::size_t i = first; i < first + n; ++i) Put(entries, item.Properties[i], 2);
      ++count;
    }
  Put(ipma, count, 4);
  Append(ipma, entries);
  Bytes iprp = Box("ipco", ipco);
  Append(iprp, FullBox("ipma", 1, 1, ipma));
  Append(meta, Box("iprp", iprp));
  if (inIdat) Append(meta, Box("idat", idat));
  return FullBox("meta", 0, 0, meta);
}

}  // namespace

HeifBox Ispe(std::uint32_t width, std::uint32_t height) {
  Bytes body(4, 0);
  Put(body, width, 4);
  Put(body, height, 4);
  return {"ispe", body};
}

HeifBox AlphaAuxiliary() {
  const char kUrn[] = "urn:mpeg:hevc:2015:auxid:1";
  Bytes body(4, 0);
  body.insert(body.end(), kUrn, kUrn + sizeof kUrn);
  return {"auxC", body};
}

HeifBox Rotation(int quarterTurns) {
  return {"irot", Bytes{std::uint8_t(quarterTurns & 3)}};
}

Bytes BuildHeif(const HeifBuild &build) {
  Bytes ftyp;
  PutType(ftyp, build.Brand);
  Put(ftyp, 0, 4);
  PutType(ftyp, build.Brand);
  PutType(ftyp, "mif1");
  Bytes file = Box("ftyp", ftyp);
  // The meta box's size does not depend on where mdat starts.
  const std::uint64_t mdatStart = file.size() + Meta(build, 0).size() + 8;
  Append(file, Meta(build, mdatStart));
  Bytes mdat;
  for (const HeifBuildItem &item : build.Items)
    if (!item.InIdat) Append(mdat, item.Data);
  Append(file, Box("mdat", mdat));
  return file;
}

Bytes GridDescription(int rows, int columns, std::uint32_t width, std::uint32_t height) {
  const bool wide = width > 0xFFFF || height > 0xFFFF;
  Bytes b{0, std::uint8_t(wide ? 1 : 0), std::uint8_t(rows - 1), std::uint8_t(columns - 1)};
  Put(b, width, wide ? 4 : 2);
  Put(b, height, wide ? 4 : 2);
  return b;
}

Bytes OverlayDescription(std::uint32_t width, std::uint32_t height,
                         const std::vector<std::pair<int, int>> &offsets) {
  const bool wide = width > 0xFFFF || height > 0xFFFF;
  Bytes b{0, std::uint8_t(wide ? 1 : 0)};
  for (int i = 0; i < 4; ++i) Put(b, 0xFFFF, 2);  // white, opaque
  Put(b, width, wide ? 4 : 2);
  Put(b, height, wide ? 4 : 2);
  for (const auto &[x, y] : offsets) {
    Put(b, std::uint32_t(x), wide ? 4 : 2);
    Put(b, std::uint32_t(y), wide ? 4 : 2);
  }
  return b;
}

CodedTile CodedPictureOf(const Bytes &heif) {
  const HeifLayout layout = ReadHeifLayout(heif, "HEIF");
  for (const auto &[id, item] : layout.Items) {
    if (item.Type != FourCc("hvc1") && item.Type != FourCc("av01")) continue;
    CodedTile tile;
    tile.Type = FourCcText(item.Type);
    const char *config = item.Type == FourCc("hvc1") ? "hvcC" : "av1C";
    for (const HeifProperty *p : layout.PropertiesOf(item, FourCc(config)))
      tile.Config = {config, Bytes(p->Body.begin(), p->Body.end())};
    for (const HeifProperty *p : layout.PropertiesOf(item, FourCc("ispe"))) {
      tile.Width = std::uint32_t(p->Body[4]) << 24 | std::uint32_t(p->Body[5]) << 16 |
                   std::uint32_t(p->Body[6]) << 8 | p->Body[7];
      tile.Height = std::uint32_t(p->Body[8]) << 24 | std::uint32_t(p->Body[9]) << 16 |
                    std::uint32_t(p->Body[10]) << 8 | p->Body[11];
    }
    bool ok = false;
    for (const auto &piece : layout.DataOf(item, ok))
      tile.Data.insert(tile.Data.end(), piece.begin(), piece.end());
    return tile;
  }
  throw Error(Text::Verbatim("the file holds no coded picture"));
}

HeifBuild GridOf(const CodedTile &tile, int rows, int columns, std::uint32_t width,
                 std::uint32_t height) {
  HeifBuild build;
  build.Brand = tile.Type == "av01" ? "avif" : "heic";
  build.Properties = {tile.Config, Ispe(tile.Width, tile.Height), Ispe(width, height)};
  build.Items = {
      {.Id = 1,
       .Type = "grid",
       .Data = GridDescription(rows, columns, width, height),
       .Properties = {3},
       .InIdat = true},
      {.Id = 2, .Type = tile.Type, .Data = tile.Data, .Properties = {1, 2}, .Hidden = true}};
  build.References = {{"dimg", 1, std::vector<std::uint32_t>(std::size_t(rows * columns), 2)}};
  return build;
}

}  // namespace qv::samples

#include "preview/MaskEditor.h"

#include <algorithm>
#include <cmath>

#include "gfx/Bands.h"

namespace qv {

namespace {

Rect Union(const Rect &a, const Rect &b) {
  if (a.Width() <= 0 || a.Height() <= 0) return b;
  if (b.Width() <= 0 || b.Height() <= 0) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

constexpr std::size_t kTileBytes = 2 * MaskEditor::kTileSide * MaskEditor::kTileSide;

}  // namespace

std::size_t MaskEditor::Edit::Bytes() const {
  std::size_t tiles = 0;
  for (const auto &[index, tile] : Tiles) tiles += tile != nullptr;
  for (const TileRef &tile : Every) tiles += tile != nullptr;
  return tiles * kTileBytes;
}

void MaskEditor::Reset(int width, int height) {
  width_ = width;
  height_ = height;
  columns_ = (width + kTileSide - 1) / kTileSide;
  const int rows = (height + kTileSide - 1) / kTileSide;
  base_ = MaskShape();
  inverted_ = false;
  tiles_.assign(std::size_t(columns_) * std::size_t(rows), nullptr);
  undo_.clear();
  redo_.clear();
  undoBytes_ = 0;
  stroking_ = shaping_ = false;
  current_ = Edit();
}

bool MaskEditor::Painted() const {
  return std::any_of(tiles_.begin(), tiles_.end(), [](const TileRef &t) { return t != nullptr; });
}

bool MaskEditor::Masks() const {
  if (Painted()) return true;
  MaskShape shape = base_;
  shape.Invert ^= inverted_;
  return !shape.Empty();
}

// --- Strokes.

Rect MaskEditor::PaintDab(const Dab &dab) {
  const Rect bounds = DabBounds(dab, width_, height_);
  if (bounds.Width() <= 0 || bounds.Height() <= 0) return {};
  // Each tile the dab touches is the stroke's own copy from here on; the
  // tile it found goes with the edit.
  for (int ty = bounds.Top / kTileSide; ty * kTileSide < bounds.Bottom; ++ty)
    for (int tx = bounds.Left / kTileSide; tx * kTileSide < bounds.Right; ++tx) {
      const std::size_t index = std::size_t(ty) * std::size_t(columns_) + std::size_t(tx);
      if (saved_[index]) continue;
      saved_[index] = 1;
      current_.Tiles.emplace_back(index, tiles_[index]);
      tiles_[index] =
          tiles_[index] ? std::make_shared<Tile>(*tiles_[index]) : std::make_shared<Tile>();
    }
  const DabProfile profile(dab.Hardness, dab.Flow);
  const int rows = bounds.Height();
  ForEachBand(rows, 16, WorthSharing(std::size_t(rows) * std::size_t(bounds.Width()) * 4),
              [&](int first, int last) {
                for (int y = bounds.Top + first; y < bounds.Top + last; ++y) {
                  const int inTile = (y % kTileSide) * kTileSide;
                  for (int x = bounds.Left; x < bounds.Right;) {
                    const int end = std::min(bounds.Right, (x / kTileSide + 1) * kTileSide);
                    Tile &tile = *tiles_[TileIndex(x, y)];
                    const int at = inTile + x % kTileSide;
                    PaintDabRow(dab, profile, y, x, end - x, tile.Paint + at, tile.Cover + at);
                    x = end;
                  }
                }
              });
  return bounds;
}

Rect MaskEditor::BeginStroke(std::int32_t x, std::int32_t y, const Brush &brush) {
  if (stroking_) EndStroke();
  stroking_ = true;
  current_ = Edit();
  saved_.assign(tiles_.size(), 0);
  // On a mask that holds nothing back, the brush paints the effect in: the
  // stroke starts from no effect anywhere.
  if (!brush.Erase && !Masks()) {
    current_.HasBase = true;
    current_.Base = base_;
    base_ = MaskShape();
    base_.Invert = !inverted_;
  }
  lastX_ = x;
  lastY_ = y;
  const Rect changed =
      PaintDab({x, y, brush.Radius, std::uint8_t(brush.Erase == inverted_ ? 255 : 0),
                std::uint8_t(brush.Hardness), std::uint8_t(brush.Flow)});
  // The whole mask changed when the stroke started from no effect.
  return current_.HasBase ? Rect{0, 0, width_, height_} : changed;
}

Rect MaskEditor::StrokeTo(std::int32_t x, std::int32_t y, const Brush &brush) {
  if (!stroking_) return {};
  // Dabs every quarter radius on the way from the last one.
  const double spacing = std::max(brush.Radius / 4.0, double(kSubpixel) / 2);
  const double dx = x - lastX_, dy = y - lastY_, length = std::hypot(dx, dy);
  const int steps = int(length / spacing);
  Rect changed;
  std::int32_t atX = lastX_, atY = lastY_;
  for (int i = 1; i <= steps; ++i) {
    atX = std::int32_t(std::lround(lastX_ + dx * i * spacing / length));
    atY = std::int32_t(std::lround(lastY_ + dy * i * spacing / length));
    changed = Union(
        changed, PaintDab({atX, atY, brush.Radius, std::uint8_t(brush.Erase == inverted_ ? 255 : 0),
                           std::uint8_t(brush.Hardness), std::uint8_t(brush.Flow)}));
  }
  lastX_ = atX;
  lastY_ = atY;
  return changed;
}

void MaskEditor::EndStroke() {
  if (!stroking_) return;
  stroking_ = false;
  saved_.clear();
  Push(std::move(current_));
  current_ = Edit();
}

// --- The gradient.

void MaskEditor::BeginShapeEdit() {
  if (stroking_) EndStroke();
  shaping_ = true;
  current_ = Edit();
  current_.HasBase = true;
  current_.Base = base_;
}

void MaskEditor::SetShape(const MaskShape &shape) {
  base_ = shape;
}

void MaskEditor::EndShapeEdit() {
  if (!shaping_) return;
  shaping_ = false;
  if (!(current_.Base == base_)) Push(std::move(current_));
  current_ = Edit();
}

// --- The whole mask.

void MaskEditor::Invert() {
  if (stroking_) EndStroke();
  inverted_ = !inverted_;
  Edit edit;
  edit.Inverts = true;
  Push(std::move(edit));
}

void MaskEditor::Clear() {
  if (stroking_) EndStroke();
  if (!Masks() && !Painted()) return;
  Edit edit;
  edit.HasBase = true;
  edit.Base = MaskShape();
  edit.AllTiles = true;
  edit.Every.assign(tiles_.size(), nullptr);
  edit.Inverts = inverted_;
  // Swapping puts the cleared state in and keeps the old one in the edit.
  if (edit.Inverts) inverted_ = false;
  std::swap(base_, edit.Base);
  std::swap(tiles_, edit.Every);
  Push(std::move(edit));
}

void MaskEditor::Swap(Edit &edit) {
  if (edit.Inverts) inverted_ = !inverted_;
  if (edit.HasBase) std::swap(base_, edit.Base);
  for (auto &[index, tile] : edit.Tiles) std::swap(tiles_[index], tile);
  if (edit.AllTiles) std::swap(tiles_, edit.Every);
}

void MaskEditor::Push(Edit edit) {
  redo_.clear();
  undoBytes_ += edit.Bytes();
  undo_.push_back(std::move(edit));
  // The oldest edits go first once the kept tiles pass the budget.
  std::size_t dropped = 0;
  while (undoBytes_ > kUndoBudget && dropped + 1 < undo_.size())
    undoBytes_ -= undo_[dropped++].Bytes();
  undo_.erase(undo_.begin(), undo_.begin() + std::ptrdiff_t(dropped));
}

void MaskEditor::Undo() {
  if (stroking_) EndStroke();
  if (undo_.empty()) return;
  Edit edit = std::move(undo_.back());
  undo_.pop_back();
  undoBytes_ -= edit.Bytes();
  Swap(edit);
  redo_.push_back(std::move(edit));
}

void MaskEditor::Redo() {
  if (redo_.empty()) return;
  Edit edit = std::move(redo_.back());
  redo_.pop_back();
  Swap(edit);
  undoBytes_ += edit.Bytes();
  undo_.push_back(std::move(edit));
}

// --- The values.

void MaskEditor::Pixels(int y, const int *xs, int count, std::uint8_t *out) const {
  ShapeGrid(base_, width_, height_).Pixels(y, xs, count, out);
  const int inTile = (y % kTileSide) * kTileSide;
  for (int i = 0; i < count; ++i) {
    const Tile *tile = tiles_[TileIndex(xs[i], y)].get();
    const int at = inTile + xs[i] % kTileSide;
    ComposeMaskRow(out + i, tile ? tile->Paint + at : nullptr, tile ? tile->Cover + at : nullptr, 1,
                   inverted_, out + i);
  }
}

void MaskEditor::Rows(int first, int last, std::uint8_t *out) const {
  const ShapeGrid grid(base_, width_, height_);
  for (int y = first; y < last; ++y, out += width_) {
    grid.Span(y, 0, width_, out);
    const int inTile = (y % kTileSide) * kTileSide;
    for (int x = 0; x < width_; x += kTileSide) {
      const int count = std::min(kTileSide, width_ - x);
      const Tile *tile = tiles_[TileIndex(x, y)].get();
      ComposeMaskRow(out + x, tile ? tile->Paint + inTile : nullptr,
                     tile ? tile->Cover + inTile : nullptr, count, inverted_, out + x);
    }
  }
}

StepMask MaskEditor::ToStepMask() const {
  StepMask mask;
  // What lies beneath, as the whole mask turns it.
  MaskShape beneath = base_;
  beneath.Invert ^= inverted_;
  if (!Painted()) {
    if (!beneath.Empty()) mask.Shape = beneath;
    return mask;
  }
  // The strokes belong to this photo; a gradient beneath them travels on.
  if (beneath.Kind != MaskShape::Form::None) mask.Shape = beneath;
  mask.Painted = std::make_shared<const PackedMask>(PackedMask::Pack(
      width_, height_,
      [this](int first, int last, std::uint8_t *rows) { Rows(first, last, rows); }));
  return mask;
}

}  // namespace qv

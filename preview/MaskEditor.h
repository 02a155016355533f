#pragma once

// The mask being made in the preview: what lies beneath (the effect
// everywhere, nowhere, or a gradient), the brush strokes painted over it
// (MaskDrawing.h: paint and cover, in tiles of 256 x 256 pixels made when
// first painted), and whether the whole is inverted; with its own Undo and
// Redo, apart from the editor's history. It has no widgets: the preview's
// view shows the pixels it is asked for and forwards what the user does.
//
// A fresh mask holds nothing back. The first Brush stroke on it starts
// from no effect anywhere (the brush paints the effect in); the Eraser
// takes the effect away where it goes. A gradient replaces what lies
// beneath the strokes, which stay; its handles move it until Apply.
// Invert turns the whole mask over, so that the tools keep their meaning.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Bitmap.h"
#include "kernels/MaskDrawing.h"
#include "kernels/Step.h"

namespace qv {

class MaskEditor {
 public:
  static constexpr int kTileSide = 256;
  // The memory the undone strokes may keep; older ones are let go.
  static constexpr std::size_t kUndoBudget = std::size_t(256) << 20;

  // Starts over on a picture of this size: no mask, no history.
  void Reset(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Whether the mask holds the effect back anywhere (else the picture is
  // mixed at the strength alone).
  bool Masks() const;
  // Whether anything was edited since Reset (undone edits count): Ctrl+Z
  // and Ctrl+Shift+Z then belong to the mask.
  bool Edited() const { return !undo_.empty() || !redo_.empty(); }

  // --- Strokes. A stroke is one edit; its dabs are laid along the path at
  // a quarter of their radius. Coordinates and radii in sixteenths of a
  // picture pixel. Each returns the pixels it changed.
  struct Brush {
    std::int32_t Radius = 16 * 20;
    int Hardness = 50, Flow = 100;
    bool Erase = false;
  };
  Rect BeginStroke(std::int32_t x, std::int32_t y, const Brush &brush);
  Rect StrokeTo(std::int32_t x, std::int32_t y, const Brush &brush);
  void EndStroke();
  bool Stroking() const { return stroking_; }

  // --- The gradient beneath the strokes. A drag of it is one edit.
  const MaskShape &Base() const { return base_; }
  void BeginShapeEdit();
  void SetShape(const MaskShape &shape);
  void EndShapeEdit();

  // --- The whole mask.
  bool Inverted() const { return inverted_; }
  void Invert();
  // Back to no mask (one edit, which Undo takes back).
  void Clear();

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  void Undo();
  void Redo();

  // The mask's values at pixels (xs[i], y), and whole rows.
  void Pixels(int y, const int *xs, int count, std::uint8_t *out) const;
  void Rows(int first, int last, std::uint8_t *out) const;
  // What Apply records with the step: nothing, a shape, or the painted
  // mask (packed, on every core) over the gradient beneath it.
  StepMask ToStepMask() const;

 private:
  struct Tile {
    std::uint8_t Paint[kTileSide * kTileSide] = {};
    std::uint8_t Cover[kTileSide * kTileSide] = {};
  };
  // A tile of the mask is never shared with an edit: a stroke keeps the
  // tile it found and paints a copy.
  using TileRef = std::shared_ptr<Tile>;
  // What an edit changed, kept so that swapping it with the mask's state
  // undoes it, and swapping again redoes it.
  struct Edit {
    bool HasBase = false;
    MaskShape Base;
    std::vector<std::pair<std::size_t, TileRef>> Tiles;
    bool AllTiles = false;
    std::vector<TileRef> Every;
    bool Inverts = false;
    std::size_t Bytes() const;
  };

  void Swap(Edit &edit);
  void Push(Edit edit);
  Rect PaintDab(const Dab &dab);
  bool Painted() const;
  std::size_t TileIndex(int x, int y) const {
    return std::size_t(y / kTileSide) * std::size_t(columns_) + std::size_t(x / kTileSide);
  }

  int width_ = 0, height_ = 0, columns_ = 0;
  MaskShape base_;
  bool inverted_ = false;
  std::vector<TileRef> tiles_;

  std::vector<Edit> undo_, redo_;
  std::size_t undoBytes_ = 0;
  // The stroke or shape drag under way.
  bool stroking_ = false, shaping_ = false;
  Edit current_;
  std::vector<char> saved_;             // per tile: kept in current_ already
  std::int32_t lastX_ = 0, lastY_ = 0;  // the stroke's last dab
};

}  // namespace qv

#pragma once

namespace qv {

struct Bounds {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  friend bool operator==(const Bounds &, const Bounds &) = default;
};

// Where the main window and its four panels go on a screen of the given
// size. Window is the outer frame in screen pixels; ClientWidth and
// ClientHeight are what is left inside the platform's frame; the panels are
// relative to their parents (FlatPanel3 lies inside FlatPanel1, the others
// in the window).
struct MainLayout {
  Bounds Window;
  int ClientWidth = 0, ClientHeight = 0;
  Bounds FlatPanel4, FlatPanel1, FlatPanel2, FlatPanel3;
  // The bar between the display and a fitted strip; empty in this layout.
  Bounds Splitter;
};

MainLayout LayoutForScreen(int screenWidth, int screenHeight);

// The panels for a window whose client area the user has resized (Window is
// left empty): the category column and the tool area keep their widths, the
// display and the strip take what is left, the strip keeps its height.
MainLayout LayoutForClient(int clientWidth, int clientHeight);

// The main display inside its frame panel: the full panel height less 3,
// the picture's aspect kept, centred across. A picture wider than the panel
// gets a negative Left and is clipped on both sides, not shrunk.
Bounds FitDisplayBounds(int panelWidth, int panelHeight, int pictureWidth, int pictureHeight);

// Integer division truncating toward zero, as the layout arithmetic uses it
// (C++ does that already; the name says that it matters here).
constexpr int Div(int a, int b) {
  return a / b;
}

}  // namespace qv

#include "app/ScreenLayout.h"

#include <cstdint>

namespace qv {

namespace {

// The platform frame around the client area that the layout allows for: a
// border of 8 pixels on each side across, and 40 pixels down for the title
// bar and the borders.
constexpr int kFrameAcross = 16;
constexpr int kFrameDown = 40;

// Design sizes that the layout keeps.
constexpr int kPanel4Width = 126;
constexpr int kPanel1Left = 125;
constexpr int kPanel2Height = 279;
constexpr int kPanel3Left = 112;

}  // namespace

MainLayout LayoutForScreen(int screenWidth, int screenHeight) {
  Bounds w;
  if (screenWidth > 800) {
    w.Width = 1004;
    w.Height = 718;
    w.Left = Div(screenWidth - w.Width, 2) - 10;
    w.Top = Div(screenHeight - w.Height, 2) - 20;
  } else {
    w.Width = screenWidth - 20;
    w.Height = screenHeight - 40;
  }
  MainLayout l = LayoutForClient(w.Width - kFrameAcross, w.Height - kFrameDown);
  l.Window = w;
  return l;
}

MainLayout LayoutForClient(int clientWidth, int clientHeight) {
  // The outer-size rules with the frame taken off: everything follows from
  // the client area alone.
  MainLayout l;
  l.ClientWidth = clientWidth;
  l.ClientHeight = clientHeight;
  l.FlatPanel4 = {0, 0, kPanel4Width, clientHeight};
  l.FlatPanel1 = {kPanel1Left, 0, clientWidth - kPanel4Width, l.FlatPanel4.Height};
  l.FlatPanel2 = {kPanel1Left, l.FlatPanel1.Height - kPanel2Height, l.FlatPanel1.Width,
                  kPanel2Height};
  l.FlatPanel3 = {kPanel3Left, 0, l.FlatPanel1.Width - kPanel3Left,
                  l.FlatPanel1.Height - kPanel2Height};
  return l;
}

Bounds FitDisplayBounds(int panelWidth, int panelHeight, int pictureWidth, int pictureHeight) {
  Bounds b;
  b.Height = panelHeight - 3;
  // 64-bit product: the widest picture times a tall panel passes 2^31.
  b.Width = pictureHeight > 0 ? int(std::int64_t(pictureWidth) * b.Height / pictureHeight) : 0;
  b.Top = 1;
  b.Left = Div(panelWidth - b.Width, 2);
  return b;
}

}  // namespace qv

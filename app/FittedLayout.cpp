#include "app/FittedLayout.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr int kToolColumn = 112;  // FlatPanel3's left in FlatPanel1

int StripHeight(int clientHeight, double share) {
  const int most =
      std::max(kLeastStripHeight, clientHeight - kSplitterHeight - kLeastDisplayHeight);
  return std::clamp(int(std::lround(share * clientHeight)), kLeastStripHeight, most);
}

}  // namespace

MainLayout FittedLayoutForClient(int clientWidth, int clientHeight, double stripShare) {
  MainLayout l = LayoutForClient(clientWidth, clientHeight);
  const int strip = StripHeight(clientHeight, stripShare);
  const int left = l.FlatPanel1.Left + kToolColumn, width = l.FlatPanel1.Width - kToolColumn;
  const int display = std::max(0, clientHeight - strip - kSplitterHeight);
  l.FlatPanel3 = {kToolColumn, 0, width, display};
  l.Splitter = {left, display, width, kSplitterHeight};
  l.FlatPanel2 = {left, display + kSplitterHeight, width, clientHeight - display - kSplitterHeight};
  return l;
}

double StripShareFor(int clientHeight, int splitterTop) {
  if (clientHeight <= 0) return kDefaultStripShare;
  const int strip = StripHeight(
      clientHeight, double(clientHeight - splitterTop - kSplitterHeight) / clientHeight);
  return double(strip) / clientHeight;
}

}  // namespace qv

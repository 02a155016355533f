// The help page and the skin that ship beside the program.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ArtworkFiles.h"
#include "codecs/Codecs.h"
#include "kernels/Categories.h"

namespace qv::test {
namespace {

std::string ReadText(const std::string &path) {
  const Bytes bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST(HelpPage, DescribesEveryVisibleCategoryByItsCaption) {
  const std::string page = ReadText(kArtworkDir + "help.html");
  for (const Category &c : Categories()) {
    if (c.Strip == StripKind::Line) continue;  // its button is hidden
    const std::string cell = std::string("<td class=\"c\">") + c.Caption + "</td>";
    EXPECT_NE(page.find(cell), std::string::npos) << c.Caption;
  }
  for (const char *step : {"Open", "Apply", "Cancel", "Change Color", "Undo", "Save"})
    EXPECT_NE(page.find(step), std::string::npos) << step;
  for (const char *section : {"shortcuts", "formats", "metadata", "limits"})
    EXPECT_NE(page.find(std::string("<h2 id=\"") + section + "\">"), std::string::npos) << section;
}

// Viewers that draw no gradients (the editor's own help window among them)
// would leave text meant for a dark gradient on white.
TEST(HelpPage, PutsNoTextOnGradients) {
  const std::string page = ReadText(kArtworkDir + "help.html");
  EXPECT_EQ(page.find("gradient("), std::string::npos);
}

// It opens in any viewer without a network: nothing is fetched from outside.
TEST(HelpPage, IsSelfContained) {
  const std::string page = ReadText(kArtworkDir + "help.html");
  for (const char *outside : {"http:", "https:", "src=", "<link", "@import", "url("})
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
}

TEST(Skin, IsABalancedStyleSheetForTheWholeWindow) {
  const std::string sheet = ReadText(kArtworkDir + "blue.urf");
  EXPECT_EQ(std::count(sheet.begin(), sheet.end(), '{'),
            std::count(sheet.begin(), sheet.end(), '}'));
  for (const char *selector :
       {"QMainWindow", "QDialog", "QPushButton {", "QPushButton:hover", "QPushButton:pressed",
        "QPushButton:disabled", "QLabel", "QScrollBar", "QToolTip"})
    EXPECT_NE(sheet.find(selector), std::string::npos) << selector;
  // A colour rule for all labels would override the colours the program
  // gives its own labels.
  const std::size_t label = sheet.find("QLabel {");
  ASSERT_NE(label, std::string::npos);
  const std::string rule = sheet.substr(label, sheet.find('}', label) - label);
  EXPECT_EQ(rule.find("color:"), std::string::npos);
}

}  // namespace
}  // namespace qv::test

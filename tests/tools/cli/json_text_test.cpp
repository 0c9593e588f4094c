// The text of an export document: the library's layout, reals in their
// shortest 32-bit digits.
#include "tools/cli/json_text.h"

#include <gtest/gtest.h>

#include "tools/cli/exported_values.h"

namespace toval::tools::cli {
namespace {

using Json = nlohmann::ordered_json;

TEST(JsonText, LayoutIsTheLibrarysForEverythingButReals) {
  Json doc;
  doc["format"] = "toval-results";
  doc["empty_list"] = Json::array();
  doc["empty_object"] = Json::object();
  doc["nested"] = {{"b", nullptr}, {"a", {1, -2, true}}};
  doc["text"] = "quote \" backslash \\ tab \t \xC3\x87";
  doc["list"] = {Json::array({1, 2}), Json::object({{"k", false}})};
  EXPECT_EQ(json_text(doc), doc.dump(2) + "\n");
  EXPECT_EQ(Json::parse(json_text(doc)), doc);
}

TEST(JsonText, RealsAreTheShortestDigitsOfTheir32BitValue) {
  Json doc = {
      {"tenth", real_number(0.1f)},          {"whole", real_number(6.0f)},
      {"small", real_number(6.867e-05f)},    {"large", real_number(1.9089614e+20f)},
      {"negative_zero", real_number(-0.0f)}, {"list", {real_number(-53.88f), real_number(14.991001f)}}};
  EXPECT_EQ(json_text(doc),
            "{\n"
            "  \"tenth\": 0.1,\n"
            "  \"whole\": 6.0,\n"
            "  \"small\": 6.867e-05,\n"
            "  \"large\": 1.9089614e+20,\n"  // a general writer gives 1.9089614000000002e+20
            "  \"negative_zero\": -0.0,\n"
            "  \"list\": [\n"
            "    -53.88,\n"
            "    14.991001\n"
            "  ]\n"
            "}\n");
  // Read back, every real is the same 32-bit value.
  const Json back = Json::parse(json_text(doc));
  EXPECT_EQ(static_cast<float>(back["large"].get<double>()), 1.9089614e+20f);
  EXPECT_EQ(static_cast<float>(back["list"][1].get<double>()), 14.991001f);
}

}  // namespace
}  // namespace toval::tools::cli

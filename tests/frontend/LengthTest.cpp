#include <gtest/gtest.h>

#include "frontend/Options.h"

namespace keyloom {
namespace {

TEST(ParseLength, AcceptedForms) {
  struct Case {
    std::string text;
    std::int32_t value;
  };
  const Case cases[] = {
      {"20", 20},
      {" 20", 20},
      {"\t 20", 20},
      {"+20", 20},
      {"$14", 20},
      {"x14", 20},
      {"X14", 20},
      {"0x14", 20},
      {"0X14", 20},
      {"%10100", 20},
      {"&24", 20},
      {"-20", -20},
      {"0", 0},
      {"007", 7},
      {"$ff", 255},
      {"$FFFFFFF8", -8},
      {"$FFFFFFFF", -1},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"%11111111111111111111111111111111", -1},
      {"&37777777777", -1},
      {std::string(250, '0') + "12345", 12345},  // 255 characters
  };
  for (const Case& c : cases) {
    std::int32_t value = 12345678;
    EXPECT_TRUE(ParseLength(c.text, value)) << '"' << c.text << '"';
    EXPECT_EQ(value, c.value) << '"' << c.text << '"';
  }
}

TEST(ParseLength, RefusedForms) {
  const std::string cases[] = {
      "",
      "+",
      "-",
      "$",
      "0x",
      "x",
      "%",
      "&",
      "  ",
      "20 ",
      "2O",
      "twenty",
      "-s",
      "/?",
      "+-5",
      "--5",
      " + 5",
      "$g",
      "%102",
      "&8",
      "1e3",
      "2147483648",
      "-2147483649",
      "$100000000",
      "99999999999999999999",
      std::string(251, '0') + "12345",  // 256 characters
  };
  for (const std::string& text : cases) {
    std::int32_t value = 7;
    EXPECT_FALSE(ParseLength(text, value)) << '"' << text << '"';
    EXPECT_EQ(value, 7) << "a refused text leaves the value alone";
  }
}

}  // namespace
}  // namespace keyloom

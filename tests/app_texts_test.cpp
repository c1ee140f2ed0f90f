#include "convert.h"
#include "keys.h"
#include "system_lists.h"
#include "texts.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The texts are Windows-1251 bytes, whatever the literal in the source.
TEST(Texts, TitleAndAbout)
{
    EXPECT_EQ(ERR_NOGT.size(), 30u);
    EXPECT_EQ(ERR_NOGT.substr(0, 4), "\xCD\xE5\x20\xF3");  // "Не у"
    ComposeFullTitle();
    ComposeFullTitle();  // the title is extended once only
    EXPECT_EQ(strAppName, "Kalvorix 1.3.9 \xE4\xEB\xFF Windows");
    const std::vector<std::string> expected = {
        "Kalvorix 1.3.9 для Windows ", "Универсальный калькулятор систем счисления",
        "   *Клавиша HOME - получение справки", "", "\xA9 Разработчики Kalvorix, 2026",
    };
    EXPECT_EQ(Lines(AboutText()), expected);
}

TEST(SystemLists, ItemsAndTheirSystems)
{
    const std::vector<std::string> source = SourceSystemItems(), target = TargetSystemItems();
    ASSERT_EQ(source.size(), 16u);
    ASSERT_EQ(target.size(), 16u);
    EXPECT_EQ(source[SOURCE_START_ITEM], "10-ной");
    EXPECT_EQ(target[TARGET_START_ITEM], "2-ную");
    EXPECT_EQ(source.back(), "Римской системы");
    EXPECT_EQ(target.back(), "Римскую систему");
    // The items as the window shows them, written out.
    const std::vector<std::string> sourceItems = {
        "2-ной", "3-ной", "4-ной", "5-ной", "6-ной", "7-ной", "8-ной", "9-ной",
        "10-ной", "11-ной", "12-ной", "13-ной", "14-ной", "15-ной", "16-ной", "Римской системы",
    };
    const std::vector<std::string> targetItems = {
        "2-ную", "3-ную", "4-ную", "5-ную", "6-ную", "7-ную", "8-ную", "9-ную",
        "10-ную", "11-ную", "12-ную", "13-ную", "14-ную", "15-ную", "16-ную", "Римскую систему",
    };
    EXPECT_EQ(source, sourceItems);
    EXPECT_EQ(target, targetItems);
    for (size_t i = 0; i + 1 < source.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(SystemOfItem(source[i]), static_cast<int>(i) + 2);
        EXPECT_EQ(SystemOfItem(target[i]), static_cast<int>(i) + 2);
    }
    EXPECT_EQ(SystemOfItem(source.back()), -1);
    EXPECT_EQ(SystemOfItem("Римскую систему"), -1);
    EXPECT_EQ(SystemOfItem("16-ную"), 16);
    EXPECT_EQ(SystemOfItem("\xD0"), -1);
    EXPECT_EQ(SystemOfItem("P"), 0);  // a Latin letter is not the Roman mark
    EXPECT_EQ(SystemOfItem(""), 0);
}

TEST(NumberText, RemoveSpaces)
{
    const std::pair<std::string, std::string> rows[] = {
        {"1 0  1", "101"}, {"   ", ""}, {"", ""}, {" -1,5 ", "-1,5"}, {"1\t2\n3", "1\t2\n3"},
        {std::string("1\0 2", 4), std::string("1\0002", 3)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        EXPECT_EQ(RemoveSpaces(row.first), row.second);
    }
}

// The keys a number is typed and edited with must reach the fields: the
// digits and letters, the main keyboard's minus, point and comma, the keypad's
// digits and point, space, backspace and the arrows. (What the program's own
// keys do is seen through the window under Wine.)
TEST(Keys, TypingAndEditingKeysReachTheFields)
{
    std::vector<int> keys = {0x08, 0x20, 0x25, 0x26, 0x27, 0x28, 0xBC, 0xBD, 0xBE, 0x6C, 0x6E};
    for (int key = '0'; key <= '9'; ++key)
        keys.push_back(key);
    for (int key = 'A'; key <= 'Z'; ++key)
        keys.push_back(key);
    for (int key = 0x60; key <= 0x69; ++key)  // the keypad's digits
        keys.push_back(key);
    for (int key : keys) {
        SCOPED_TRACE(key);
        EXPECT_EQ(ActionOfKey(key).kind, KeyAction::NONE);
    }
}

}  // namespace

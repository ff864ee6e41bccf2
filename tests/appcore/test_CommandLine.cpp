#include "BedEditTypes.h"
#include "BedTextLetters.h"
#include "CommandLine.h"
#include "CommandLineHelp.h"
#include "FileHistory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(CommandLine, OptionsAndFiles) {
    auto p = ClassifyParam("x=abc=d");
    EXPECT_TRUE(p.isOption);
    EXPECT_EQ(p.letter, 'X');
    EXPECT_EQ(p.value, "abc=d");
    p = ClassifyParam("/tmp/a.txt");
    EXPECT_FALSE(p.isOption);
    EXPECT_EQ(p.value, "/tmp/a.txt");
    EXPECT_EQ(ClassifyParam("k=kam").letter, 'K');
    EXPECT_EQ(ValueLetter("kam"), 'K');
    EXPECT_EQ(ParseNumericOption("9"), 9);
    EXPECT_THROW(ParseNumericOption("abc=d"), EConvertError);
    EXPECT_THROW(ParseNumericOption(""), EConvertError);
    EXPECT_THROW(ParseNumericOption("12x"), EConvertError);
}

TEST(CommandLine, ReplaceOptionSplitsAtTheLastCommaBeforeTheLastCharacter) {
    std::string s, r;
    ASSERT_TRUE(SplitReplaceOption("a,b,c", s, r));
    EXPECT_EQ(s, "a,b");
    EXPECT_EQ(r, "c");
    ASSERT_TRUE(SplitReplaceOption("x,,", s, r));  // a final comma belongs to the replacement
    EXPECT_EQ(s, "x");
    EXPECT_EQ(r, ",");
    EXPECT_FALSE(SplitReplaceOption("abc", s, r));
    EXPECT_FALSE(SplitReplaceOption("a,", s, r));
    EXPECT_EQ(BedAsciiUpperCase("dopis.žluťák.txt"), "DOPIS.žLUťáK.TXT");
}

TEST(FileHistory, InsertsBehindThePositionAndKeepsThirty) {
    TFileHistory h;
    h.Add("a", 4, false);
    h.Add("b", 4, false);
    h.Add("c", 2, true);
    h.Step(-1);
    h.Step(-1);
    EXPECT_EQ(h.Current().name, "a");
    EXPECT_TRUE(h.Add("d", 4, false));
    EXPECT_EQ(h.Count(), 4);
    EXPECT_EQ(h.Position(), 2);
    std::vector<std::string> names;
    for (int i = 1; i <= h.Count(); ++i) names.push_back(h.Entry(i).name);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "d", "b", "c"}));
    EXPECT_FALSE(h.Add("b", 4, false));  // already there
    EXPECT_EQ(h.Position(), 2);
    // Names are case-sensitive, and kept whole however long.
    EXPECT_TRUE(h.Add("B", 4, false));
    const std::string longName = "/" + std::string(300, 'x') + "/\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD.txt";
    EXPECT_TRUE(h.Add(longName, 4, false));
    EXPECT_EQ(h.Current().name, longName);
    EXPECT_FALSE(h.Add(longName, 4, false));

    TFileHistory full;
    for (int i = 0; i < 31; ++i) full.Add("f" + std::to_string(i), 4, false);
    EXPECT_EQ(full.Count(), 30);
    EXPECT_EQ(full.Position(), 30);
    EXPECT_EQ(full.Entry(1).name, "f1");
    EXPECT_EQ(full.Entry(30).name, "f30");
    EXPECT_EQ(TFileHistory().Position(), 0);
}

TEST(CommandLineHelp, OnlyTheExactConventionalWordsCount) {
    const auto find = [](std::vector<const char*> args) {
        args.insert(args.begin(), "bed");
        return FindInfoRequest(int(args.size()), args.data());
    };
    EXPECT_EQ(find({"--help"}), TInfoRequest::Help);
    EXPECT_EQ(find({"a.txt", "-h", "C=Q"}), TInfoRequest::Help);
    EXPECT_EQ(find({"--version", "--help"}), TInfoRequest::Version);
    EXPECT_EQ(find({}), TInfoRequest::None);
    // File names and options that merely look alike keep their meaning.
    EXPECT_EQ(find({"./--help", "--HELP", "-help", "--help=1", "-H", "--version2"}), TInfoRequest::None);
    EXPECT_NE(VersionText().find("10.4"), std::string::npos);
}

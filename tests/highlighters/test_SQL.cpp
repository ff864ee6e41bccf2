#include "HighlighterTestUtil.h"
#include "SQL.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

using V = std::vector<std::string>;
using S = TSQLHighlighter;

namespace {

constexpr TSQLDialect kDialects[] = {sqlStandard, sqlInterbase6, sqlMSSQL7, sqlMySQL, sqlOracle, sqlSybase, sqlIngres};

std::vector<std::string> WordsOf(const char* text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; std::getline(in, w, ',');) words.push_back(w);
    return words;
}

// How many words of each kind the keyword table of the highlighter's dialect holds.
std::map<int, int> KindCounts(const TSQLHighlighter& hl) {
    std::map<int, int> counts;
    const TBedHashEntryList& table = hl.KeywordTable();
    for (int i = 0; i < table.Count(); ++i)
        for (const TBedHashEntry* e = table.EntryAt(i); e; e = e->Next.get()) ++counts[e->Kind];
    return counts;
}

}  // namespace

TEST(SQL, SybaseWordsVariablesAndSymbols) {
    TSQLHighlighter hl;
    EXPECT_EQ(hl.SQLDialect(), sqlSybase);
    EXPECT_EQ(TextKinds(hl, "SELECT name FROM t"), (V{"SELECT/6", " /9", "name/5", " /9", "FROM/6", " /9", "t/5"}));
    EXPECT_EQ(TextKinds(hl, "@v :v"), (V{"@v/15", " /9", ":/13", "v/5"}));
    // "@@" is no word of this dialect: two variables, the second without its first "@".
    EXPECT_EQ(TextKinds(hl, "@@rowcount"), (V{"@/15", "@rowcount/15"}));
    EXPECT_EQ(TextKinds(hl, "#$\\`\x7F\xE8"), (V{"#/14", "$/14", "\\/14", "`/14", "\x7F/14", "\xE8/14"}));
    hl.StartLine("\xE8", 0);
    EXPECT_EQ(hl.TokenAttribute(), Attr(hl, "IdentifierAttri"));
    EXPECT_TRUE(hl.IsKeywordText("Select"));
    EXPECT_FALSE(hl.IsKeywordText("selector"));
}

TEST(SQL, NumbersOperatorsAndLineComments) {
    TSQLHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "12.5 1-2 3..4"), (V{"12.5/8", " /9", "1-2/8", " /9", "3/8", "./13", "./13", "4/8"}));
    // A minus that follows a digit belongs to the number, so "--" after it opens no comment.
    EXPECT_EQ(TextKinds(hl, "1--x"), (V{"1--/8", "x/5"}));
    EXPECT_EQ(TextKinds(hl, "a-b -- note"), (V{"a/5", "-/13", "b/5", " /9", "-- note/0"}));
    EXPECT_EQ(Texts(hl, "!=%=*=^=!%&&&=&++ +=+<<=<<<= <=>>==|||=|/=/"),
              (V{"!=",  "%=", "*=", "^=", "!",  "%",  "&&", "&=", "&",  "++", " ",  "+=", "+",
                 "<<=", "<<", "<=", " ",  "<=", ">>", "==", "||", "|=", "|",  "/=", "/"}));
}

TEST(SQL, StringsAndBlockCommentsContinueOnTheNextLine) {
    TSQLHighlighter hl;
    EXPECT_EQ(TextKinds(hl, "x 'abc"), (V{"x/5", " /9", "'abc/12"}));
    EXPECT_EQ(hl.CurrentRange(), S::rsString);
    EXPECT_EQ(TextsFromRange(hl, "def' x"), (V{"def'", " ", "x"}));
    EXPECT_EQ(hl.CurrentRange(), S::rsUnknown);

    hl.RestoreRange(S::rsString);
    EXPECT_EQ(ScanLine(hl, "' y").front().text, "'");  // a quote at the start closes at once
    EXPECT_EQ(hl.CurrentRange(), S::rsUnknown);

    EXPECT_EQ(TextKinds(hl, "a /* b"), (V{"a/5", " /9", "/* b/0"}));
    EXPECT_EQ(hl.CurrentRange(), S::rsComment);
    EXPECT_TRUE(ScanLine(hl, "").empty());
    EXPECT_EQ(hl.CurrentRange(), S::rsComment);
    EXPECT_EQ(TextsFromRange(hl, "*/x"), (V{"*/", "x"}));
    EXPECT_EQ(TextKinds(hl, "/*/"), V{"/*//0"});
    EXPECT_EQ(hl.CurrentRange(), S::rsComment);

    EXPECT_EQ(TextKinds(hl, "\"a\"\"b\" \"c\\\"d\" \"e"),
              (V{"\"a\"\"b\"/12", " /9", "\"c\\\"d\"/12", " /9", "\"e/12"}));
    EXPECT_EQ(hl.CurrentRange(), S::rsUnknown);  // double quotes end with their line
}

// A string left open used to yield an empty token at the end of each following line, for
// ever; now the end of the line and the line breaks come first.
TEST(SQL, OpenStringEndsEveryFollowingLineCleanly) {
    TSQLHighlighter hl;
    ScanLine(hl, "'open");
    for (const std::string line : {"", "\r\n", "\n", "\r", "text\r\n", "\t"}) {
        hl.RestoreRange(S::rsString);
        int end = 0;
        for (const TScannedToken& t : ScanLine(hl, line)) {
            EXPECT_FALSE(t.text.empty()) << line;
            EXPECT_EQ(t.start, end);
            end += static_cast<int>(t.text.size());
        }
        EXPECT_EQ(end, static_cast<int>(line.size()));
        EXPECT_EQ(hl.CurrentRange(), S::rsString) << line;
    }
    hl.RestoreRange(S::rsString);
    EXPECT_EQ(ScanLine(hl, "ab\r\n").size(), 2u);
}

TEST(SQL, EachDialectHasItsWordsOfEachKind) {
    const std::map<TSQLDialect, std::map<int, int>> expected = {
        {sqlStandard, {{S::tkKey, 126}}},
        {sqlInterbase6, {{S::tkDatatype, 13}, {S::tkFunction, 8}, {S::tkKey, 251}}},
        {sqlMSSQL7, {{S::tkKey, 197}, {S::tkDatatype, 24}, {S::tkFunction, 139}}},
        {sqlMySQL, {{S::tkKey, 161}, {S::tkDatatype, 27}, {S::tkFunction, 143}}},
        {sqlOracle,
         {{S::tkKey, 384},
          {S::tkDatatype, 26},
          {S::tkException, 20},
          {S::tkFunction, 151},
          {S::tkComment, 4},
          {S::tkDefaultPackage, 5},
          {S::tkPLSQL, 130},
          {S::tkSQLPlus, 11}}},
        {sqlSybase, {{S::tkKey, 373}}},
        {sqlIngres, {{S::tkDatatype, 23}, {S::tkKey, 315}, {S::tkFunction, 102}}}};
    TSQLHighlighter hl;
    for (TSQLDialect d : kDialects) {
        hl.SetSQLDialect(d);
        EXPECT_EQ(KindCounts(hl), expected.at(d)) << int(d);
    }
    // A few words of each kind, as they scan.
    const std::map<TSQLDialect, std::vector<std::pair<std::string, int>>> samples = {
        {sqlStandard, {{"alter", S::tkKey}, {"Trigger", S::tkKey}, {"money", S::tkIdentifier}}},
        {sqlInterbase6,
         {{"VARCHAR", S::tkDatatype}, {"gen_id", S::tkFunction}, {"ACTIVE", S::tkKey}, {"suspend", S::tkKey}}},
        {sqlMSSQL7,
         {{"@@ERROR", S::tkFunction},
          {"getdate", S::tkFunction},
          {"NVARCHAR", S::tkDatatype},
          {"Raiserror", S::tkKey},
          {"sysdate", S::tkIdentifier}}},
        {sqlMySQL,
         {{"ACSII", S::tkFunction},
          {"concat_ws", S::tkFunction},
          {"MEDIUMTEXT", S::tkDatatype},
          {"set", S::tkDatatype},
          {"STRAIGHT_JOIN", S::tkKey}}},
        {sqlOracle,
         {{"VARCHAR2", S::tkDatatype},
          {"no_data_found", S::tkException},
          {"NVL", S::tkFunction},
          {"ELSIF", S::tkPLSQL},
          {"Inserting", S::tkDefaultPackage},
          {"DESCR", S::tkSQLPlus},
          {"TABLESPACE", S::tkKey}}},
        {sqlSybase, {{"holdlock", S::tkKey}, {"Writetext", S::tkKey}, {"nvl", S::tkIdentifier}}},
        {sqlIngres,
         {{"INTEGER4", S::tkDatatype},
          {"_cpu_ms", S::tkFunction},
          {"dbmsinfo", S::tkFunction},
          {"ENDLOOP", S::tkKey}}}};
    for (TSQLDialect d : kDialects) {
        hl.SetSQLDialect(d);
        for (const auto& [word, kind] : samples.at(d)) EXPECT_EQ(WordKind(hl, word), kind) << int(d) << " " << word;
    }
}

TEST(SQL, EveryListedWordIsFoundInEitherCaseAndNoWordOneLetterOff) {
    TSQLHighlighter hl;
    for (TSQLDialect d : kDialects) {
        hl.SetSQLDialect(d);
        for (const TBedSQLKeywordText& text : BedSQLKeywordTexts(d)) {
            for (const std::string& w : WordsOf(text.text)) {
                // A comment word takes the rest of the line, which is the word alone here.
                EXPECT_EQ(WordKind(hl, w), text.kind) << int(d) << " " << w;
                EXPECT_EQ(WordKind(hl, SwapCase(w)), text.kind) << int(d) << " " << w;
                EXPECT_EQ(hl.IsKeywordText(w), text.kind != S::tkComment && text.kind != S::tkSQLPlus) << w;
                EXPECT_EQ(WordKind(hl, OneLetterOff(w)), S::tkIdentifier) << int(d) << " " << w;
            }
        }
    }
}

TEST(SQL, SwitchingTheDialectReloadsTheWordsAndTellsTheEditors) {
    TSQLHighlighter hl;
    TChangeCount changes(hl);
    const int& notified = changes.fired;
    hl.SetSQLDialect(sqlSybase);
    EXPECT_EQ(notified, 0);
    hl.SetSQLDialect(sqlOracle);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(WordKind(hl, "holdlock"), S::tkIdentifier);
    hl.SetSQLDialect(sqlSybase);
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(WordKind(hl, "holdlock"), S::tkKey);
    EXPECT_EQ(KindCounts(hl), (std::map<int, int>{{S::tkKey, 373}}));
    EXPECT_EQ(hl.WordCharacters(), BedCharSetOf("0-9A-Z_a-z"));
}

TEST(SQL, VariablesAndCommentWordsDependOnTheDialect) {
    TSQLHighlighter hl;
    hl.SetSQLDialect(sqlOracle);
    EXPECT_EQ(TextKinds(hl, "REM anything here"), V{"REM anything here/0"});
    EXPECT_EQ(TextKinds(hl, "x remark y"), (V{"x/5", " /9", "remark y/0"}));
    EXPECT_EQ(TextKinds(hl, ":new @x"), (V{":new/15", " /9", "@/13", "x/5"}));
    EXPECT_EQ(hl.WordCharacters(), BedCharSetOf("#$0-9A-Z_a-z"));

    hl.SetSQLDialect(sqlMSSQL7);
    EXPECT_EQ(TextKinds(hl, "@@ERROR @v @@nic a@b"),
              (V{"@@ERROR/4", " /9", "@v/15", " /9", "@@nic/5", " /9", "a@b/5"}));
    EXPECT_TRUE(hl.IsKeywordText("@@error"));
    EXPECT_EQ(hl.WordCharacters(), BedCharSetOf("0-9@-Z_a-z"));

    hl.SetSQLDialect(sqlMySQL);
    EXPECT_EQ(Texts(hl, "@a :b"), (V{"@", "a", " ", ":", "b"}));
    hl.SetSQLDialect(sqlIngres);
    EXPECT_EQ(TextKinds(hl, ":b @c"), (V{":b/15", " /9", "@c/15"}));
    hl.SetSQLDialect(sqlStandard);
    EXPECT_EQ(TextKinds(hl, ":b rem"), (V{":/13", "b/5", " /9", "rem/5"}));
}

TEST(SQL, OracleSample) {
    TSQLHighlighter hl;
    hl.SetSQLDialect(sqlOracle);
    CheckGolden(hl, "sql/oracle/sample.sql");
}

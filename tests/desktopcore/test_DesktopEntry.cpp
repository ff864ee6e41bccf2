#include "DesktopEntry.h"
#include "Installation.h"
#include "KeyFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// How a desktop reads an Exec value back: the string escapes first, then the quoting, then "%%".
std::vector<std::string> ParseExec(const std::string& value) {
    std::string unescaped;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            unescaped += value[i];
            continue;
        }
        const char c = value[++i];
        unescaped += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false;
    for (size_t i = 0; i < unescaped.size(); ++i) {
        const char c = unescaped[i];
        if (c == ' ' && inArgument) {
            args.push_back(current);
            current.clear();
            inArgument = false;
        } else if (c == '"') {
            inArgument = true;
            for (++i; i < unescaped.size() && unescaped[i] != '"'; ++i) {
                if (unescaped[i] == '\\') ++i;
                current += unescaped[i];
            }
        } else if (c != ' ') {
            inArgument = true;
            current += c;
        }
    }
    if (inArgument) args.push_back(current);
    for (std::string& a : args) {
        std::string out;
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i] == '%' && i + 1 < a.size() && a[i + 1] == '%') ++i;
            out += a[i];
        }
        a = out;
    }
    return args;
}

std::string ExecValue(const std::string& text) {
    for (const std::string& line : TextLines(text)) {
        const TKeyFileLine l = ParseKeyFileLine(line);
        if (l.kind == TKeyFileLine::Entry && l.name == "Exec") return l.value;
    }
    return {};
}

}  // namespace

TEST(DesktopEntry, ExecArgumentsAreQuotedAndEscapedByTheDesktopEntryRules) {
    EXPECT_EQ(DesktopExecArgument("/usr/bin/bed"), "/usr/bin/bed");
    EXPECT_EQ(DesktopExecArgument("/home/jan/Moje programy/bed"), "\"/home/jan/Moje programy/bed\"");
    EXPECT_EQ(DesktopExecArgument("/opt/100%/bed"), "/opt/100%%/bed");
    EXPECT_EQ(DesktopExecArgument("/a b/\"q\"/`x`/$HOME/\\"), "\"/a b/\\\"q\\\"/\\`x\\`/\\$HOME/\\\\\"");
    EXPECT_EQ(DesktopExecArgument("/a;b"), "\"/a;b\"");
    EXPECT_EQ(DesktopExecArgument(""), "\"\"");
    EXPECT_EQ(DesktopExecArgument("%f"), "%f");
    // The string escaping comes on top: a literal backslash in a quoted argument is four of them.
    EXPECT_EQ(DesktopStringValue("\"a\\\\b\""), "\"a\\\\\\\\b\"");
    EXPECT_EQ(DesktopStringValue(" lead\ttab\nline"), "\\slead\\ttab\\nline");
}

TEST(DesktopEntry, AnyProgramPathSurvivesTheWayBack) {
    for (const std::string program :
         {"/usr/bin/bed", "/home/jan/Moje programy/bed", "/tmp/100% \"jistě\"/`b`/$x/a\\b/bed", "/tmp/tab\there/bed",
          "/tmp/na;konci#(1)/bed", "/tmp/žluťoučký kůň/bed"}) {
        TDesktopEntry entry;
        entry.name = "Brousek Editor";
        entry.exec = {program, "%f"};
        const std::vector<std::string> args = ParseExec(ExecValue(DesktopEntryText(entry)));
        ASSERT_EQ(args.size(), 2u) << program;
        EXPECT_EQ(args[0], program);
        EXPECT_EQ(args[1], "%f");
    }
}

TEST(DesktopEntry, TextHasTheKeysAndIsValid) {
    TDesktopEntry entry;
    entry.name = "Brousek editor";
    entry.genericName = "Textový editor";
    entry.comment = "Textový editor pro práci s čistým textem";
    entry.exec = {"/tmp/Moje programy/100%/bed", "%f"};
    entry.path = "/tmp/Moje programy/100%/";
    entry.icon = "/tmp/Moje programy/cz.brousek.bed.svg";
    entry.mimeTypes = {"text/plain", "text/x-nfo"};
    entry.categories = {"Utility", "TextEditor"};
    entry.noDisplay = true;
    const std::string text = DesktopEntryText(entry);
    EXPECT_EQ(text.rfind("[Desktop Entry]\nType=Application\n", 0), 0u);
    EXPECT_NE(text.find("\nName=Brousek editor\n"), std::string::npos);
    EXPECT_NE(text.find("\nComment=Textový editor pro práci s čistým textem\n"), std::string::npos);
    EXPECT_NE(text.find("\nExec=\"/tmp/Moje programy/100%%/bed\" %f\n"), std::string::npos);
    EXPECT_NE(text.find("\nMimeType=text/plain;text/x-nfo;\n"), std::string::npos);
    EXPECT_NE(text.find("\nNoDisplay=true\n"), std::string::npos);
    EXPECT_EQ(DesktopEntryMimeTypes(text), entry.mimeTypes);
    // Docks group the window with the launcher by its class; the installed entry names it too.
    const std::string windowClass = std::string("\nStartupWMClass=") + kBedWindowClass + "\n";
    EXPECT_NE(text.find(windowClass), std::string::npos);
    std::ifstream installed(BED_TEST_DATA "/../../data/cz.brousek.bed.desktop");
    const std::string shipped{std::istreambuf_iterator<char>(installed), {}};
    EXPECT_NE(shipped.find(windowClass), std::string::npos);

    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const auto file = std::filesystem::temp_directory_path() / "bed-test-entry.desktop";
    std::ofstream(file) << text;
    const std::string command = "desktop-file-validate '" + file.string() + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    EXPECT_EQ(pclose(pipe), 0) << output;
    EXPECT_EQ(output, "");
    std::filesystem::remove(file);
}

TEST(DesktopEntry, MimeTypesAreReadOnlyFromTheEntryGroup) {
    EXPECT_TRUE(DesktopEntryMimeTypes("").empty());
    const std::string text =
        "# comment\r\n[Desktop Entry]\r\nName=x\r\nMimeType = text/plain ; text/x-log;;\r\n"
        "[Desktop Action a]\nMimeType=image/png;\n";
    EXPECT_EQ(DesktopEntryMimeTypes(text), (std::vector<std::string>{"text/plain", "text/x-log"}));
    EXPECT_TRUE(DesktopEntryMimeTypes("[Other]\nMimeType=text/plain;\n").empty());
    EXPECT_TRUE(DesktopEntryMimeTypes("[Desktop Entry]\nMimeTypeX=text/plain;\n").empty());
}

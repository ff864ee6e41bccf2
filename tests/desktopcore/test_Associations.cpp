#include "Associations.h"
#include "DesktopEntry.h"
#include "MimePackage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The MIME database of a typical system, and a record of the tools run.
class FakeHost : public TAssociationHost {
public:
    std::map<std::string, std::string> known{
        {".txt", "text/plain"}, {".asc", "text/plain"}, {".nfo", "text/x-nfo"}, {".log", "text/x-log"}};
    std::vector<std::string> runs;
    std::string toolError;

    std::string KnownMimeType(const std::string& extension) override {
        const auto it = known.find(extension);
        return it == known.end() ? "" : it->second;
    }
    std::string RunTool(const std::string& tool, const std::vector<std::string>& args) override {
        runs.push_back(tool + " " + args.at(0));
        return toolError;
    }
};

class AssociationsTest : public ::testing::Test {
protected:
    fs::path root;
    TAssociationTarget target;
    FakeHost host;

    void SetUp() override {
        char tmpl[] = "/tmp/bedassocXXXXXX";
        root = mkdtemp(tmpl);
        target.program = "/opt/Moje programy/bed";
        target.programDir = "/opt/Moje programy/";
        target.icon = "cz.brousek.bed";
        target.dirs = {(root / "data").string(), (root / "config").string(), (root / "Plocha").string()};
    }
    void TearDown() override { fs::remove_all(root); }

    std::string Read(const fs::path& p) const {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    fs::path Applications() const { return root / "data/applications"; }
    std::vector<std::string> FilesUnder(const fs::path& dir) const {
        std::vector<std::string> names;
        if (fs::exists(dir))
            for (const auto& e : fs::recursive_directory_iterator(dir))
                names.push_back(fs::relative(e.path(), root).string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static void ExpectValid(const fs::path& entry) {
        if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0) return;
        const std::string command = "desktop-file-validate '" + entry.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << entry;
    }
};

}  // namespace

TEST_F(AssociationsTest, ExtensionsMakeTheEditorTheDefaultOfTheirTypes) {
    TAssociationRequest r;
    r.extensions = {".txt", ".nfo", ".diz"};
    r.ownExtension = true;
    r.ownExtensionText = "kniha";
    const TAssociationOutcome out = RunAssociations(r, target, host);
    EXPECT_FALSE(out.refused);
    EXPECT_TRUE(out.messages.empty()) << out.messages.at(0);

    const std::string entry = Read(Applications() / kAssociationDesktopId);
    EXPECT_EQ(DesktopEntryMimeTypes(entry),
              (std::vector<std::string>{"text/x-bed-diz", "text/x-nfo", "text/plain", "text/x-bed-kniha"}));
    EXPECT_NE(entry.find("\nExec=\"/opt/Moje programy/bed\" %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nNoDisplay=true\n"), std::string::npos);
    ExpectValid(Applications() / kAssociationDesktopId);

    EXPECT_EQ(Read(root / "config/mimeapps.list"),
              "[Default Applications]\n"
              "text/x-bed-diz=BrousekEditorFile.desktop;\n"
              "text/x-nfo=BrousekEditorFile.desktop;\n"
              "text/plain=BrousekEditorFile.desktop;\n"
              "text/x-bed-kniha=BrousekEditorFile.desktop;\n");
    // Only the extensions the database did not know get a type of the editor's own.
    EXPECT_EQ(MimePackageExtensions(Read(root / "data/mime/packages" / kMimePackageFile)),
              (std::vector<std::string>{".diz", ".kniha"}));
    EXPECT_EQ(host.runs, (std::vector<std::string>{"update-mime-database " + (root / "data/mime").string(),
                                                   "update-desktop-database " + Applications().string()}));
}

TEST_F(AssociationsTest, RunningTwiceAddsNothingTwice) {
    TAssociationRequest r;
    r.extensions = {".txt", ".diz", ".asc"};  // .asc is text/plain as well
    r.sendTo = r.startMenu = r.desktop = true;
    RunAssociations(r, target, host);
    r.extensions = {".txt", ".il2"};
    r.ownExtension = true;
    r.ownExtensionText = ".DIZ";
    EXPECT_TRUE(RunAssociations(r, target, host).messages.empty());

    EXPECT_EQ(DesktopEntryMimeTypes(Read(Applications() / kAssociationDesktopId)),
              (std::vector<std::string>{"text/plain", "text/x-bed-diz", "text/x-bed-il2"}));
    EXPECT_EQ(Read(root / "config/mimeapps.list"),
              "[Default Applications]\n"
              "text/plain=BrousekEditorFile.desktop;\n"
              "text/x-bed-diz=BrousekEditorFile.desktop;\n"
              "text/x-bed-il2=BrousekEditorFile.desktop;\n");
    EXPECT_EQ(MimePackageExtensions(Read(root / "data/mime/packages" / kMimePackageFile)),
              (std::vector<std::string>{".diz", ".il2"}));
    // The shortcuts were replaced, not numbered.
    EXPECT_EQ(FilesUnder(root / "Plocha"), (std::vector<std::string>{"Plocha/Brousek Editor.desktop"}));
    EXPECT_EQ(FilesUnder(Applications()), (std::vector<std::string>{"data/applications/Brousek Editor.desktop",
                                                                    "data/applications/BrousekEditorFile.desktop",
                                                                    "data/applications/do Brousek editoru.desktop"}));
}

TEST_F(AssociationsTest, ShortcutsGoToTheMenuTheDesktopAndOpenWith) {
    TAssociationRequest r;
    r.sendTo = r.startMenu = r.desktop = true;
    EXPECT_TRUE(RunAssociations(r, target, host).messages.empty());
    EXPECT_FALSE(fs::exists(root / "config/mimeapps.list"));  // no extension ticked

    const fs::path sendTo = Applications() / "do Brousek editoru.desktop";
    const std::string sendToText = Read(sendTo);
    EXPECT_NE(sendToText.find("\nName=do Brousek editoru\n"), std::string::npos);
    EXPECT_NE(sendToText.find("\nMimeType=application/octet-stream;text/plain;\n"), std::string::npos);
    EXPECT_NE(sendToText.find("\nNoDisplay=true\n"), std::string::npos);
    const std::string menu = Read(Applications() / "Brousek Editor.desktop");
    EXPECT_NE(menu.find("\nName=Brousek Editor\n"), std::string::npos);
    EXPECT_NE(menu.find("\nPath=/opt/Moje programy/\n"), std::string::npos);
    EXPECT_EQ(menu.find("NoDisplay"), std::string::npos);
    const fs::path desktop = root / "Plocha/Brousek Editor.desktop";
    EXPECT_EQ(Read(desktop), menu);
    EXPECT_NE(fs::status(desktop).permissions() & fs::perms::owner_exec, fs::perms::none);
    for (const fs::path& p : {sendTo, Applications() / "Brousek Editor.desktop", desktop}) ExpectValid(p);
}

TEST_F(AssociationsTest, AShortcutThatCannotBeSavedIsNumberedThenReported) {
    // A folder in the way makes the save fail where root may write any file.
    fs::create_directories(root / "Plocha/Brousek Editor.desktop");
    TAssociationRequest r;
    r.desktop = true;
    EXPECT_TRUE(RunAssociations(r, target, host).messages.empty());
    EXPECT_TRUE(fs::is_regular_file(root / "Plocha/Brousek Editor (1).desktop"));

    fs::create_directories(root / "Plocha/Brousek Editor (2).desktop");
    fs::remove(root / "Plocha/Brousek Editor (1).desktop");
    fs::create_directories(root / "Plocha/Brousek Editor (1).desktop");
    EXPECT_EQ(RunAssociations(r, target, host).messages,
              (std::vector<std::string>{"Could not create shortcut to /opt/Moje programy/bed"}));

    target.dirs = {};
    EXPECT_EQ(RunAssociations(r, target, host).messages,
              (std::vector<std::string>{"Could not determine where to create new shortcut!"}));
}

TEST_F(AssociationsTest, AnUnacceptableOwnExtensionWritesNothing) {
    for (const std::string typed : {".", "a b", "x/../../y", "*", "ž", ""}) {
        TAssociationRequest r;
        r.extensions = {".txt"};
        r.ownExtension = true;
        r.ownExtensionText = typed;
        r.desktop = true;
        const TAssociationOutcome out = RunAssociations(r, target, host);
        EXPECT_TRUE(out.refused) << typed;
        ASSERT_EQ(out.messages.size(), 1u);
        EXPECT_NE(out.messages[0].find(typed.empty() ? "Zadejte vlastní příponu" : "„" + typed + "“ není platná:"),
                  std::string::npos)
            << out.messages[0];
        EXPECT_NE(out.messages[0].find("Nic nebylo zapsáno."), std::string::npos);
        EXPECT_TRUE(FilesUnder(root).empty()) << typed;
    }
    // Unticked, the box is not looked at.
    TAssociationRequest r;
    r.ownExtensionText = "a b";
    EXPECT_FALSE(RunAssociations(r, target, host).refused);
}

TEST_F(AssociationsTest, FailedWritesAreReportedByName) {
    std::ofstream(root / "config") << "a file where the folder should be";
    fs::create_directories(Applications() / kAssociationDesktopId);
    host.toolError = "Program update-mime-database skončil s chybou.";
    TAssociationRequest r;
    r.extensions = {".diz"};
    const TAssociationOutcome out = RunAssociations(r, target, host);
    ASSERT_EQ(out.messages.size(), 4u);
    EXPECT_EQ(out.messages[0], "Program update-mime-database skončil s chybou.");
    EXPECT_NE(out.messages[1].find((Applications() / kAssociationDesktopId).string()), std::string::npos);
    EXPECT_NE(out.messages[2].find((root / "config").string()), std::string::npos);
    EXPECT_EQ(out.messages[3], host.toolError);

    target.dirs.dataHome.clear();
    EXPECT_NE(RunAssociations(r, target, host).messages.at(0).find("Nelze určit"), std::string::npos);
}

TEST_F(AssociationsTest, AListThatCantBeReadIsLeftAsItIs) {
    fs::create_directories(root / "config");
    const fs::path list = root / "config/mimeapps.list";
    const std::string theirs = "[Default Applications]\ntext/html=firefox.desktop;\n";
    std::ofstream(list) << theirs;
    ::chmod(list.c_str(), 0200);  // may be written, not read
    // Root reads anything: then the user nobody runs it.
    const bool asOther = ::geteuid() == 0;
    if (asOther) std::system(("chown -R 65534:65534 '" + root.string() + "'").c_str());
    const pid_t child = ::fork();
    if (child == 0) {
        if (asOther && (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0)) ::_exit(2);
        TAssociationRequest r;
        r.extensions = {".txt"};
        const TAssociationOutcome out = RunAssociations(r, target, host);
        const std::string expected = "Soubor " + list.string() +
                                     " nelze přečíst (přístup odepřen), a proto zůstává, jak je: jeho přepsáním by se "
                                     "ztratilo, co v něm je.";
        ::_exit(out.messages == std::vector<std::string>{expected} ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ::chmod(list.c_str(), 0600);
    EXPECT_EQ(Read(list), theirs);
}

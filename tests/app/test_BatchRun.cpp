// The editor run as a batch tool: `bed` started as a child process without a display, as a script
// starts it. Every run must end on its own, say what went wrong on stderr in one line per box,
// leave the files as they were unless it was asked to write them, and report by its exit status.
#include "FileWriter.h"
#include "SaveNotes.h"
#include "UnsavedJournal.h"
#include "UnsavedJournals.h"
#include "BedEditStringList.h"
#include "WindowEntry.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <csignal>
#include <functional>

#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct TBedRun {
    bool ended = false;
    int status = -1;
    QString out;
    QStringList errLines;
    QString Err() const { return errLines.join('\n'); }
};

class BatchRun : public ::testing::Test {
protected:
    // A copy of the program in a directory of its own, so no bed.ini of the build directory
    // (written by someone trying the editor there) changes what the runs do.
    static inline fs::path programDir;
    fs::path dir;
    QProcessEnvironment environment;  // set for the runs besides what Run sets

    static void SetUpTestSuite() {
        char tmpl[] = "/tmp/bedbatchprogXXXXXX";
        programDir = mkdtemp(tmpl);
        fs::permissions(programDir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
        fs::copy_file(BED_EXECUTABLE, programDir / "bed");
    }
    static void TearDownTestSuite() { fs::remove_all(programDir); }

    void SetUp() override {
        char tmpl[] = "/tmp/bedbatchXXXXXX";
        dir = mkdtemp(tmpl);
        // Runs as "nobody" must reach the files.
        ::chmod(dir.c_str(), 0755);
    }
    void TearDown() override {
        for (const auto& entry : fs::recursive_directory_iterator(dir))
            if (entry.is_directory()) ::chmod(entry.path().c_str(), 0755);
        fs::remove_all(dir);
        fs::remove_all(StateHome());
    }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    // Beside the directory of documents, so that its notes don't show among them.
    std::string StateHome() const { return dir.string() + ".state"; }
    void WriteFile(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string ReadFile(const std::string& name) const {
        std::ifstream f(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Runs bed in the test directory without a display. The platform is the offscreen one the
    // caller chose, or none so that bed picks it itself. A run that does not end is killed: the
    // limit only catches a hang, it measures nothing.
    TBedRun Run(const QStringList& args, const std::function<void()>& inChild = {},
                bool callerChoosesPlatform = true) const {
        QProcess bed;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR", "QT_LOGGING_RULES"})
            env.remove(name);
        if (callerChoosesPlatform) env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_STATE_HOME", QString::fromStdString(StateHome()));
        env.insert(environment);
        bed.setProcessEnvironment(env);
        bed.setWorkingDirectory(QString::fromStdString(dir.string()));
        if (inChild) bed.setChildProcessModifier(inChild);
        bed.start(QString::fromStdString((programDir / "bed").string()), args);
        TBedRun run;
        if (!bed.waitForStarted()) return run;
        run.ended = bed.waitForFinished(60000);
        if (!run.ended) {
            bed.kill();
            bed.waitForFinished();
            return run;
        }
        run.status = bed.exitStatus() == QProcess::NormalExit ? bed.exitCode() : -1;
        run.out = QString::fromUtf8(bed.readAllStandardOutput());
        run.errLines = QString::fromUtf8(bed.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        return run;
    }
};

// Permissions don't bind root: runs that need them go as the user "nobody".
void AsUnprivilegedUser() {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
}

void WithFileSizeLimit() {
    const rlimit limit{50000, 50000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace

TEST_F(BatchRun, ConversionWritesAndEndsWithSuccessSilently) {
    WriteFile("dopis.kam", "\x9B\x8F \x84\x94\x81 \x93 \x8D \xAA\r\n");  // Š Á äöü ô ĺ ŕ in Kamenický
    const TBedRun run = Run({"dopis.kam", "K=W", "C=Q"}, {}, false);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.errLines.isEmpty()) << run.Err().toStdString();
    EXPECT_EQ(ReadFile("dopis.kam"), "\x8A\xC1 \xE4\xF6\xFC \xF4 \xE5 \xE0\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"dopis.kam"});
}

TEST_F(BatchRun, AConversionThatWouldLoseCharactersWritesNothingAndFails) {
    const std::string table = "\xC9\xCD\xBB\r\n\xBA\xA0\xBA\r\n";  // box drawing and á in Kamenický
    WriteFile("tabulka.kam", table);
    const TBedRun run = Run({"tabulka.kam", "K=W", "C=Q"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.errLines.size(), 1) << run.Err().toStdString();
    EXPECT_TRUE(run.errLines[0].contains(QString::fromUtf8("„╔“ (U+2554) z řádku 1 (takových znaků je v textu 5)")))
        << run.Err().toStdString();
    EXPECT_EQ(ReadFile("tabulka.kam"), table);
}

TEST_F(BatchRun, FilesThatCannotBeReadFailWithTheirReason) {
    WriteFile("secret.txt", "tajné\n");
    ::chmod(Path("secret.txt").c_str(), 0);
    fs::create_directory(dir / "adresar");
    ::mkfifo(Path("roura").c_str(), 0644);
    const struct {
        const char* name;
        const char* reason;
        std::function<void()> inChild;
        bool callerChoosesPlatform;
    } cases[] = {
        // Without a display and without a platform named, bed picks the offscreen one itself.
        {"chybi.kam", "soubor nebo adresář neexistuje", {}, false},
        {"secret.txt", "přístup odepřen", AsUnprivilegedUser, true},
        {"adresar", "je to adresář", {}, true},
        {"roura", "není to obyčejný soubor, ale roura", {}, true},
        {"/dev/zero", "není to obyčejný soubor, ale zařízení", {}, true},
    };
    for (const auto& c : cases) {
        const TBedRun run = Run({c.name, "K=W", "C=Q"}, c.inChild, c.callerChoosesPlatform);
        ASSERT_TRUE(run.ended) << c.name;
        EXPECT_EQ(run.status, 1) << c.name;
        ASSERT_EQ(run.errLines.size(), 1) << run.Err().toStdString();
        EXPECT_TRUE(run.errLines[0].startsWith("bed: Chyba: ")) << run.Err().toStdString();
        EXPECT_TRUE(run.errLines[0].contains(c.name)) << run.Err().toStdString();
        EXPECT_TRUE(run.errLines[0].contains(QString::fromUtf8(c.reason))) << run.Err().toStdString();
    }
    EXPECT_EQ(Entries(), (std::vector<std::string>{"adresar", "roura", "secret.txt"}));
    ::chmod(Path("secret.txt").c_str(), 0600);
    EXPECT_EQ(ReadFile("secret.txt"), "tajné\n");
    EXPECT_TRUE(fs::is_empty(dir / "adresar"));
}

TEST_F(BatchRun, AFailedSaveKeepsTheFileWhole) {
    const std::string original(100000, 'o');  // one line, no line end: a save would add one
    WriteFile("velky.txt", original);
    TBedRun run = Run({"velky.txt", "C=Q"}, WithFileSizeLimit);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.errLines.size(), 1) << run.Err().toStdString();
    EXPECT_TRUE(run.errLines[0].startsWith(QString::fromUtf8("bed: Chyba: Do souboru nelze zapsat: ")))
        << run.Err().toStdString();
    EXPECT_EQ(ReadFile("velky.txt"), original);
    EXPECT_EQ(Entries(), std::vector<std::string>{"velky.txt"});

    // A file the user may write in a folder they may not is written in place, its backup kept
    // in the user's state directory.
    fs::create_directory(dir / "ro");
    WriteFile("ro/doc.txt", "keep me\r\n");
    ::chmod(Path("ro/doc.txt").c_str(), 0666);
    ::chmod(Path("ro").c_str(), 0555);
    fs::remove_all(StateHome());  // the state directory of that user, not root's
    run = Run({"ro/doc.txt", "C=U", "C=Q"}, AsUnprivilegedUser);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0) << run.Err().toStdString();
    EXPECT_EQ(ReadFile("ro/doc.txt"), "keep me\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "ro"), {}), 1);
}

TEST_F(BatchRun, ABadOptionValueStopsTheCommandLine) {
    WriteFile("a.txt", "abc");  // C=Q would add a line end
    const TBedRun run = Run({"a.txt", "L=x", "C=Q"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errLines, QStringList{QString::fromUtf8("bed: Chyba: Hodnota 'x' není celé číslo.")});
    EXPECT_EQ(ReadFile("a.txt"), "abc");
}

TEST_F(BatchRun, TheT602PromptIsAnsweredAsClosedAndTheFileOpensUnchanged) {
    std::ifstream sample(BED_TEST_DATA "/t602/sample.602", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(sample), {}};
    WriteFile("dopis.602", bytes);
    const TBedRun run = Run({"6=?", "K=K", "dopis.602"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errLines, QStringList{QString::fromUtf8(
                                "bed: Soubor je v T602: Hmm... vypadá to, že tento soubor je napsán v T602. Jak ho "
                                "chcete otevřít? (odpověď: zavřeno, soubor se otevře tak, jak je na disku)")});
    EXPECT_EQ(ReadFile("dopis.602"), bytes);
}

TEST_F(BatchRun, ChangesLeftUnsavedAreDroppedWithAFailure) {
    WriteFile("a.txt", "r1\nr2\n");
    TBedRun run = Run({"a.txt", "C=U"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.errLines.size(), 1) << run.Err().toStdString();
    EXPECT_TRUE(run.errLines[0].startsWith(QString::fromUtf8("bed: Dokument a.txt byl změněn, ale neuložen")))
        << run.Err().toStdString();
    EXPECT_EQ(ReadFile("a.txt"), "r1\nr2\n");

    run = Run({"a.txt", "C=U", "C=Q"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.errLines.isEmpty()) << run.Err().toStdString();
    EXPECT_EQ(ReadFile("a.txt"), "r1\r\nr2\r\n");
}

TEST_F(BatchRun, HelpAndVersionAnswerOnStdoutAndOnlyTheExactWordsCount) {
    for (const char* word : {"--help", "-h"}) {
        const TBedRun run = Run({"a.txt", word});
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.startsWith(QString::fromUtf8("Použití: bed [SOUBOR | PÍSMENO=HODNOTA]...\n")));
        for (const char* part : {"K=K", "6=?", "C=Q", "R=co,čím", "Návratový kód", "bedpath.ini"})
            EXPECT_TRUE(run.out.contains(QString::fromUtf8(part))) << part;
        EXPECT_TRUE(run.errLines.isEmpty());
    }
    TBedRun run = Run({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Brousek editor 10.4\n");
    EXPECT_TRUE(Entries().empty());

    // A file really named so opens with a path.
    WriteFile("--help", "x\n");
    run = Run({"./--help", "C=U", "C=Q"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(ReadFile("--help"), "x\r\n");
    run = Run({"--HELP"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errLines.size(), 1);
}

TEST_F(BatchRun, TheStartTellsOnceWhatItRecoveredAfterASaveThatWasKilled) {
    const std::string old(50000, 'o');
    WriteFile("doc.txt", old);
    fs::create_hard_link(Path("doc.txt"), Path("doc.link"));  // written in place
    const pid_t killed = ::fork();
    if (killed == 0) {
        SetSaveNotesDirectory(StateHome() + "/bed/saves");
        TBedEditFileWriter writer(Path("doc.txt"));
        writer.Write(std::string(40000, 'n'));
        ::raise(SIGKILL);
    }
    ::waitpid(killed, nullptr, 0);
    TBedRun run = Run({});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.errLines,
        QStringList{QString::fromStdString("bed: Information: Po přerušeném ukládání: Soubor " + Path("doc.txt") +
                                           ": ukládání bylo přerušeno; vrátil se jeho původní obsah ze zálohy.")});
    EXPECT_EQ(ReadFile("doc.txt"), old);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"doc.link", "doc.txt"}));
    run = Run({});
    EXPECT_TRUE(run.errLines.isEmpty()) << run.Err().toStdString();
}

TEST_F(BatchRun, AnUntitledDocumentIsNeverSavedUnderANameNobodyChose) {
    WriteFile("UNTITLED.TXT", "someone's own");
    const TBedRun run = Run({"c=quick.txt"});  // lower case is an option too: C=Q
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.errLines.size(), 2) << run.Err().toStdString();
    EXPECT_EQ(
        run.errLines[1],
        QString::fromUtf8("bed: Chyba: Dokument nemá jméno, a proto se neuložil: jméno mu dá parametr N= před C=Q."));
    EXPECT_EQ(ReadFile("UNTITLED.TXT"), "someone's own");
    EXPECT_EQ(Entries(), std::vector<std::string>{"UNTITLED.TXT"});
}

TEST_F(BatchRun, ANameThatIsNotUtf8StillNamesItsFile) {
    const std::string name = "dopis-\xE8\xED.kam";  // written in CP 1250: not UTF-8
    WriteFile(name, "\x9B\x8F\r\n");
    // QProcess would pass the name as UTF-8: the bytes go to exec as they are.
    const pid_t child = ::fork();
    if (child == 0) {
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("XDG_STATE_HOME", StateHome().c_str(), 1);
        if (::chdir(dir.c_str()) != 0) ::_exit(98);
        const std::string program = (programDir / "bed").string();
        ::execl(program.c_str(), "bed", name.c_str(), "K=W", "C=Q", nullptr);
        ::_exit(99);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFile(name), "\x8A\xC1\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{name});
}

TEST_F(BatchRun, UnsavedWorkACrashLeftIsNamedButNeverApplied) {
    const std::string journals = StateHome() + "/bed/unsaved";
    const pid_t crashed = ::fork();
    if (crashed == 0) {
        SetUnsavedJournalDirectory(journals);
        TBedEditStringList lines;
        TBedUnsavedJournal journal(lines);
        journal.Begin({});
        lines.Add("napsáno, neuloženo");
        journal.Settle();
        journal.Writer()->Sync();
        ::_exit(0);  // as a crash ends it: the journal stays
    }
    ::waitpid(crashed, nullptr, 0);
    WriteFile("a.txt", "a\r\n");
    const TBedRun run = Run({"a.txt", "C=U", "C=Q"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.errLines.size(), 1) << run.Err().toStdString();
    EXPECT_TRUE(
        run.errLines[0].startsWith(QString::fromUtf8("bed: Neuložená práce: dokument bez jména (naposledy změněn ")))
        << run.Err().toStdString();
    EXPECT_TRUE(run.errLines[0].endsWith(QString::fromUtf8("; obnovit ho lze po spuštění s obrazovkou")));
    EXPECT_EQ(std::distance(fs::directory_iterator(journals), {}), 1);  // kept for a run with a display
    EXPECT_EQ(ReadFile("a.txt"), "a\n");
}

TEST_F(BatchRun, OnlyAWindowLoadsTheGui) {
    WriteFile("dopis.kam", "\x9B\x8F a\r\n");
    environment.insert("LD_DEBUG", "files");
    const TBedRun run = Run({"dopis.kam", "K=W", "R=a,b", "C=Q"});
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile("dopis.kam"), "\x8A\xC1 b\r\n");
    // Every object the run mapped is named: the C library, and none of the GUI.
    const QStringList mapped = run.errLines.filter(QRegularExpression("file=\\S+"));
    EXPECT_FALSE(mapped.filter("libc.so").isEmpty()) << run.Err().toStdString();
    for (const char* gui : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport", "libbed-window"})
        EXPECT_TRUE(mapped.filter(gui).isEmpty()) << gui;

    // The window is there for a run with a display.
    void* window = ::dlopen(BED_WINDOW_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(window, nullptr) << ::dlerror();
    EXPECT_NE(::dlsym(window, kBedWindowEntry), nullptr);
}

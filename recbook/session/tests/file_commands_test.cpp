// The file commands of an editor window, driven through the scripted Host and a recording view.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <string>

#include "atomic_file.h"
#include "records/record_text.h"
#include "io_faults.h"
#include "session/edited_file_writer.h"
#include "session/file_commands.h"
#include "session/file_texts.h"
#include "platform_paths.h"
#include "records/exchange_file.h"
#include "records/exchange_loader.h"
#include "testing/scripted_host.h"

using namespace recbook;
using quorla::Answer;
using quorla::Buttons;
using quorla::Icon;

namespace {

const std::string kCaption = " MIRANDEX: ";

std::string Header(const char* count, const char* date) {
  std::string h(219, ' ');
  h.replace(0, 12, "01Test file ");
  h.replace(186, 6, count);
  h.replace(192, 8, date);
  h.replace(200, 19, "filler-to-be-gone  ");
  return h;
}

std::string Record(char fill) { return std::string(219, fill); }

class RecordingView : public FileCommandsView {
 public:
  bool StoreForm() override {
    ++stores;
    return true;
  }
  std::vector<uint32_t> ListedRecords(bool taggedOnly) const override { return taggedOnly ? tagged : listed; }
  std::optional<std::string> TaggedRecordsHeader(const std::string&) override { return taggedHeader; }
  void ShowFileField(const std::string& text) override { fileField = text; }
  void ShowHeaderInfo(const std::string& text) override { headerInfo = text; }
  void EnableSaveCommands(bool save, bool saveAs, bool crLf) override { enabled = {save, saveAs, crLf}; }
  void ShowOpenedFile(uint64_t records) override { opened = static_cast<long long>(records); }
  void ShowNewFile() override { ++newFiles; }
  void ShowNoFile() override { ++noFiles; }
  void ShowProgress(const std::string& title, uint64_t done, uint64_t total) override {
    progressTitle = title;
    lastProgress = {done, total};
  }

  int stores = 0, newFiles = 0, noFiles = 0;
  long long opened = -1;
  std::vector<uint32_t> listed, tagged;
  std::optional<std::string> taggedHeader;
  std::string fileField, headerInfo, progressTitle;
  std::array<bool, 3> enabled{};
  std::pair<uint64_t, uint64_t> lastProgress;
};

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/file_commands_test.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = std::string(pattern) + "/";
    host_.SetNow({2026, 12, 7, 10, 0, 0});
  }
  void TearDown() override {
    commands_.CloseWorkingCopy();
    host_.VerifyAllConsumed();
    std::system(("chmod -R u+w '" + dir_ + "'; rm -rf '" + dir_ + "'").c_str());
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    EXPECT_TRUE(quorla::WriteFileAtomically(dir_ + name, bytes));
    return dir_ + name;
  }
  static std::string Read(const std::string& path) {
    std::string bytes;
    quorla::ReadWholeFile(path, bytes);
    return bytes;
  }
  // A true file of three records, opened, with every record listed in file order.
  std::string OpenThreeRecords(const char* date = "01012020") {
    const std::string path = Write("M_CZE.xms", Header("000003", date) + Record('a') + Record('b') + Record('c'));
    host_.ExpectOpenFileName(path, kCaption + " Load Exch. data file");
    EXPECT_EQ(commands_.OpenFileCommand(), 0);
    view_.listed = {1, 2, 3};
    return path;
  }

  std::string dir_;
  quorla::ScriptedHost host_;
  RecordingView view_;
  FileCommands commands_{host_, view_, quorla::Language::English, kCaption};
};

TEST_F(FileCommandsTest, OpeningATrueFileLoadsItsWorkingCopy) {
  const std::string path = OpenThreeRecords();
  EXPECT_EQ(commands_.editedFile(), path);
  EXPECT_EQ(commands_.recordCount(), 3u);
  EXPECT_EQ(view_.opened, 3);
  EXPECT_EQ(view_.fileField, path + "  (0.876 kB)");
  EXPECT_EQ(view_.headerInfo, "...  starting data from file: 000003  Rec");
  EXPECT_EQ(view_.enabled, (std::array<bool, 3>{true, true, true}));
  EXPECT_TRUE(commands_.fixedDrive());
  EXPECT_EQ(commands_.lastDirectory(), dir_);
  EXPECT_EQ(Read(commands_.workingCopy().path()), Read(path));
}

TEST_F(FileCommandsTest, RefusedFilesShowTheirMessageAndTheDialogAgainLeavingTheLoadedFile) {
  const std::string loaded = OpenThreeRecords();
  const std::string workingCopy = Read(commands_.workingCopy().path());
  const std::string bad = Write("short.xms", std::string(221, ' '));
  host_.ExpectOpenFileName(dir_ + "gone.xms")
      .ExpectMessage("File  doesn't  exist  !!  ", kCaption + " Open file Error", Buttons::Ok, Icon::Error)
      .ExpectOpenFileName(bad)
      .ExpectMessage("File  " + bad + "  \r\nisn't  Exchange data file  (''true'' or with CR,LF) !!  ",
                     kCaption + " Open file Error", Buttons::Ok, Icon::Error)
      .ExpectOpenFileName("");
  EXPECT_EQ(commands_.OpenFileCommand(), 1);
  EXPECT_EQ(commands_.editedFile(), loaded);
  EXPECT_EQ(Read(commands_.workingCopy().path()), workingCopy);
  EXPECT_EQ(host_.Requests().back().fileName, "short.xms") << "the last file name is offered again";
}

TEST_F(FileCommandsTest, ACrLfFileOpensAsItsTrueFileWithSaveFileDisabled) {
  const std::string trueBytes = Header("000002", "01012020") + Record('x') + Record('y');
  const std::string crlf = Write("M_CZE_xms.txt", CrLfExport(trueBytes));
  host_.ExpectOpenFileName(crlf);
  EXPECT_EQ(commands_.OpenFileCommand(), 0);
  EXPECT_TRUE(commands_.crLf());
  EXPECT_EQ(view_.enabled, (std::array<bool, 3>{false, true, true}));
  EXPECT_EQ(view_.fileField, crlf + "  (0.663 kB  CR,LF)");
  EXPECT_EQ(Read(commands_.workingCopy().path()), trueBytes);

  // A CR+LF file whose count promises more records than it holds is refused.
  const std::string wrongCount = Write("wrong.txt", CrLfExport(Header("000003", "01012020") + Record('x') + Record('y')));
  host_.ExpectOpenFileName(wrongCount)
      .ExpectMessage("File  " + wrongCount + "  \r\nisn't  Exchange data file  (''true'' or with CR,LF) !!  ",
                     kCaption + " Open file Error", Buttons::Ok, Icon::Error)
      .ExpectOpenFileName("");
  EXPECT_EQ(commands_.OpenFileCommand(), 1);
  EXPECT_EQ(commands_.editedFile(), crlf);
}

TEST_F(FileCommandsTest, SaveWritesTheListedRecordsInListOrderWithTheListCount) {
  const std::string path = OpenThreeRecords();
  view_.listed = {3, 1};  // record 2 deleted, list sorted
  commands_.CountChange();
  commands_.SetFormDirty(true);
  host_.ExpectMessage("You have made  2  changes,  but only  \r\nin Working copy  of  Edited file.\r\n\r\n"
                      "Do you want to Save changes into Edited file  ?  ",
                      " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::Yes)
      .ExpectMessage("Writing date of file header: 01-01-2020, Today date: 07-12-2026  \r\n\r\n"
                     "Do you want to replace Writing date by Today date  ?",
                     kCaption + " Date replacement + Save edited file", Buttons::YesNoCancel, Icon::Question,
                     Answer::Yes)
      .ExpectMessage("I saved edited file:\r\n\r\n" + path + "  ", kCaption + "  Info", Buttons::Ok, Icon::Information);
  EXPECT_EQ(commands_.SaveFileCommand(true), 0);
  EXPECT_EQ(view_.stores, 1);
  EXPECT_EQ(commands_.changes(), 0);
  EXPECT_FALSE(commands_.formDirty());
  std::string expectedHeader = Header("000002", "07122026");
  expectedHeader.replace(200, 19, std::string(19, ' '));
  EXPECT_EQ(Read(path), expectedHeader + Record('c') + Record('a'));
}

TEST_F(FileCommandsTest, TheSaveQuestionAndTheDateQuestionCanStopTheSave) {
  const std::string path = OpenThreeRecords();
  const std::string before = Read(path);
  commands_.CountChange();
  const std::string question = "You have made  1  changes,  but only  \r\nin Working copy  of  Edited file.\r\n\r\n"
                               "Do you want to Save changes into Edited file  ?  ";
  host_.ExpectMessage(question, " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::No);
  EXPECT_EQ(commands_.SaveFileCommand(true), 0);
  host_.ExpectMessage(question, " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::Cancel);
  EXPECT_EQ(commands_.SaveFileCommand(true), 1);
  host_.ExpectMessage("Writing date of file header: 01-01-2020, Today date: 07-12-2026  \r\n\r\n"
                      "Do you want to replace Writing date by Today date  ?",
                      kCaption + " Date replacement + Save edited file", Buttons::YesNoCancel, Icon::Question,
                      Answer::Cancel);
  EXPECT_EQ(commands_.SaveFileCommand(false), 1);
  EXPECT_EQ(Read(path), before);
  EXPECT_EQ(commands_.changes(), 1);

  // No keeps the writing date; a header of today asks nothing.
  host_.ExpectMessage("Writing date of file header: 01-01-2020, Today date: 07-12-2026  \r\n\r\n"
                      "Do you want to replace Writing date by Today date  ?",
                      kCaption + " Date replacement + Save edited file", Buttons::YesNoCancel, Icon::Question,
                      Answer::No)
      .ExpectMessage("I saved edited file:\r\n\r\n" + path + "  ", kCaption + "  Info", Buttons::Ok, Icon::Information);
  EXPECT_EQ(commands_.SaveFileCommand(false), 0);
  EXPECT_EQ(Read(path).substr(192, 8), "01012020");
}

TEST_F(FileCommandsTest, AHeaderOfTodayIsSavedWithoutTheDateQuestion) {
  const std::string path = OpenThreeRecords("07122026");
  host_.ExpectMessage("I saved edited file:\r\n\r\n" + path + "  ", kCaption + "  Info", Buttons::Ok, Icon::Information);
  EXPECT_EQ(commands_.SaveFileCommand(false), 0);
  EXPECT_EQ(Read(path).substr(186, 14), "00000307122026");
}

TEST_F(FileCommandsTest, AFailedSaveLeavesTheTargetAndTheChangesAsTheyWere) {
  const std::string path = OpenThreeRecords("07122026");
  commands_.CountChange();
  // The edited file's name now holds a folder: nothing can replace it, whatever the user's rights.
  ASSERT_EQ(::unlink(path.c_str()), 0);
  ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
  Write("M_CZE.xms/inside", "kept");
  const std::string failed = "File wasn't save  !!\r\n\r\nIf you want to save on diskette, or on removable\r\n"
                             "disc,  then check  if writting mode  is enabled.\r\nIf writting is enabled  then there  "
                             "is insufficient\r\ndisc space. Save file on hard disc (sel.''Abort'').  ";
  host_.ExpectMessage(failed, kCaption + " Saving Error", Buttons::AbortRetryIgnore, Icon::Error, Answer::Retry)
      .ExpectMessage(failed, kCaption + " Saving Error", Buttons::AbortRetryIgnore, Icon::Error, Answer::Abort);
  EXPECT_EQ(commands_.SaveFileCommand(false), 1);
  host_.ExpectMessage(failed, kCaption + " Saving Error", Buttons::AbortRetryIgnore, Icon::Error, Answer::Ignore);
  EXPECT_EQ(commands_.SaveFileCommand(false), 0);
  EXPECT_EQ(Read(path + "/inside"), "kept");
  EXPECT_EQ(commands_.changes(), 1);
}

TEST_F(FileCommandsTest, SaveAsNameRules) {
  OpenThreeRecords("07122026");
  Write("M_SVK.xms", "old");
  const std::string conflict = "File:  " + dir_ + "M_SVK.xms  \r\nalready exists !!  ...  Do you want to overwrite it  ?  ";
  host_.ExpectSaveFileName(dir_ + "M_CZE", kCaption + " Save file As ...")  // no extension: asked again
      .ExpectSaveFileName(dir_ + "M_S VK.xmsx")                            // blanks dropped, extension cut
      .ExpectMessage(conflict, " " + kCaption + " File save conflict", Buttons::YesNo, Icon::Exclamation, Answer::No)
      .ExpectSaveFileName(dir_ + "M_SVK.xms")
      .ExpectMessage(conflict, " " + kCaption + " File save conflict", Buttons::YesNo, Icon::Exclamation, Answer::Yes)
      .ExpectMessage("I saved edited file into file:\r\n\r\n" + dir_ + "M_SVK.xms  ", kCaption + "  Info", Buttons::Ok,
                     Icon::Information);
  EXPECT_EQ(commands_.SaveFileAsCommand(false), 0);
  const auto& requests = host_.Requests();
  ASSERT_GE(requests.size(), 4u);
  EXPECT_EQ(requests[1].fileName, "M_CZE.xms");
  EXPECT_EQ(requests[2].fileName, "M_CZE") << "the dialog again with the name typed";
  EXPECT_EQ(requests[3].fileName, "M_SVK.xms") << "the dialog again with the shortened name";
  EXPECT_EQ(requests[1].filter, "Exchange data files:   (*.xms, *.dat)|*.xms;*.dat|All file types:   (*.*)|*.*");
  EXPECT_EQ(Read(dir_ + "M_SVK.xms").size(), 4u * 219);
  EXPECT_EQ(commands_.editedFile(), dir_ + "M_CZE.xms") << "save as leaves the edited file";
}

TEST_F(FileCommandsTest, SavingTaggedRecordsUsesTheHeaderDialog) {
  OpenThreeRecords();
  view_.tagged = {2};
  view_.taggedHeader = std::nullopt;
  host_.ExpectSaveFileName(dir_ + "T.xms", kCaption + " Save taged Rec into file As ...");
  EXPECT_EQ(commands_.SaveFileAsCommand(true), 1) << "a cancelled header dialog saves nothing";
  EXPECT_FALSE(quorla::FileExists(dir_ + "T.xms"));
  view_.taggedHeader = Header("000001", "07122026");
  host_.ExpectSaveFileName(dir_ + "T.xms")
      .ExpectMessage("I saved taged records into file:\r\n\r\n" + dir_ + "T.xms  ", kCaption + "  Info", Buttons::Ok,
                     Icon::Information);
  EXPECT_EQ(commands_.SaveFileAsCommand(true), 0);
  EXPECT_EQ(Read(dir_ + "T.xms"), Header("000001", "07122026") + Record('b'));
}

TEST_F(FileCommandsTest, TheCrLfExportWritesEveryStoredRecordWithProgress) {
  OpenThreeRecords();
  std::string stored = Read(commands_.workingCopy().path());
  stored[300] = '\0';
  ASSERT_TRUE(commands_.workingCopy().WriteRecord(1, stored.substr(219, 219)));
  host_.ExpectSaveFileName(dir_ + "M_CZE_xms.txt", kCaption + " Save file with CR+LF separators  As ...");
  EXPECT_EQ(commands_.SaveCrLfAsCommand(), 0);
  EXPECT_EQ(host_.Requests().back().fileName, "M_CZE_xms.txt");
  EXPECT_EQ(host_.Requests().back().filter, "Exchange data files:   (*.txt)|*.txt|All file types:   (*.*)|*.*");
  const std::string exported = Read(dir_ + "M_CZE_xms.txt");
  ASSERT_EQ(exported.size(), 4u * 221);
  EXPECT_EQ(exported[221 + 300 - 219], ' ') << "NUL bytes become blanks";
  EXPECT_EQ(exported.substr(219, 2), "\r\n");
  EXPECT_EQ(view_.lastProgress, (std::pair<uint64_t, uint64_t>{4, 4}));
  EXPECT_EQ(view_.progressTitle, " " + kCaption + " Conversion of edited file to file with CR+LF");
}

TEST_F(FileCommandsTest, ANewFileNeverTouchesTheChosenPathBeforeTheFirstSave) {
  const std::string existing = Write("M_NEW.xms", "precious");
  host_.ExpectSaveFileName(existing, kCaption + " Create new Exchange data file")
      .ExpectMessage("File:  " + existing + "  \r\nalready exists !!  ...  Do you want to overwrite it  ?  ",
                     " " + kCaption + " File save conflict", Buttons::YesNo, Icon::Exclamation, Answer::Yes);
  EXPECT_EQ(commands_.NewFileCommand(), 0);
  EXPECT_EQ(Read(existing), "precious");
  EXPECT_EQ(Read(commands_.workingCopy().path()), std::string(438, ' '));
  EXPECT_EQ(view_.newFiles, 1);
  EXPECT_FALSE(commands_.fixedDrive());
  EXPECT_EQ(commands_.recordCount(), 0u);

  host_.ExpectMessage("Writing date of file header: 00-00-0000, Today date: 07-12-2026  \r\n\r\n"
                      "Do you want to replace Writing date by Today date  ?",
                      kCaption + " Date replacement + Save edited file", Buttons::YesNoCancel, Icon::Question,
                      Answer::Yes)
      .ExpectMessage("I saved edited file:\r\n\r\n" + existing + "  ", kCaption + "  Info", Buttons::Ok,
                     Icon::Information);
  EXPECT_EQ(commands_.SaveFileCommand(false), 0);
  EXPECT_EQ(Read(existing), std::string(186, ' ') + "00000007122026" + std::string(19, ' '));
}

TEST_F(FileCommandsTest, RenameAndDeleteOfTheEditedFile) {
  const std::string path = OpenThreeRecords();
  Write("taken.xms", "x");
  ::mkdir((dir_ + "sub").c_str(), 0700);
  host_.ExpectSaveFileName(dir_ + "sub/elsewhere.xms", kCaption + " Rename edit. file ''M_CZE.xms''  To name ...")
      .ExpectSaveFileName(dir_ + "taken.xms")
      .ExpectMessage("File  already  exists  !!", kCaption + " Rename file Error", Buttons::Ok, Icon::Error)
      .ExpectSaveFileName(dir_ + "M_SVK.xms");
  EXPECT_EQ(commands_.RenameEditedFileCommand(), 0);
  EXPECT_FALSE(quorla::FileExists(path));
  EXPECT_EQ(commands_.editedFile(), dir_ + "M_SVK.xms");
  EXPECT_EQ(view_.fileField, dir_ + "M_SVK.xms  (0.876 kB)");
  EXPECT_EQ(host_.Requests()[1].fileName, "*.*");

  const std::string question = "Do you want to delete Edited file:  \r\n\r\n" + dir_ +
                               "M_SVK.xms  \r\n\r\nwithout saving into PC basket  ?";
  host_.ExpectMessage(question, kCaption, Buttons::YesNo, Icon::Exclamation, Answer::No);
  EXPECT_EQ(commands_.DeleteEditedFileCommand(), 1);
  EXPECT_TRUE(quorla::FileExists(dir_ + "M_SVK.xms"));
  host_.ExpectMessage(question, kCaption, Buttons::YesNo, Icon::Exclamation, Answer::Yes);
  EXPECT_EQ(commands_.DeleteEditedFileCommand(), 0);
  EXPECT_FALSE(quorla::FileExists(dir_ + "M_SVK.xms"));
  EXPECT_EQ(view_.fileField, "... File = ?");
  EXPECT_EQ(view_.noFiles, 1);
  EXPECT_EQ(view_.enabled, (std::array<bool, 3>{false, false, true}));
  EXPECT_TRUE(commands_.editedFile().empty());
}

TEST(FileCommandsCzech, MessagesAndTitlesFollowTheLanguage) {
  quorla::ScriptedHost host;
  RecordingView view;
  FileCommands commands(host, view, quorla::Language::Czech, kCaption);
  host.ExpectOpenFileName("/nonexistent/quorla/file.xms", kCaption + " Otevření ''Exch. data'' souboru")
      .ExpectMessage("Soubor  neexistuje  !!  ", kCaption + " Chyba otevření souboru", Buttons::Ok, Icon::Error)
      .ExpectOpenFileName("");
  EXPECT_EQ(commands.OpenFileCommand(), 1);
  EXPECT_EQ(host.Requests()[0].filter, "Všechny typy souborů:   (*.*)|*.*");
  host.VerifyAllConsumed();
}

}  // namespace

// A new file saved with no records is the header alone, and opens again as an empty register.
TEST_F(FileCommandsTest, ANewEmptyFileSavedOpensAgain) {
  const std::string path = dir_ + "M_EMPTY.xms";
  host_.ExpectSaveFileName(path, kCaption + " Create new Exchange data file");
  ASSERT_EQ(commands_.NewFileCommand(), 0);
  view_.listed.clear();
  host_.ExpectMessage("Writing date of file header: 00-00-0000, Today date: 07-12-2026  \r\n\r\n"
                      "Do you want to replace Writing date by Today date  ?",
                      kCaption + " Date replacement + Save edited file", Buttons::YesNoCancel, Icon::Question,
                      Answer::Yes)
      .ExpectMessage("I saved edited file:\r\n\r\n" + path + "  ", kCaption + "  Info", Buttons::Ok,
                     Icon::Information);
  ASSERT_EQ(commands_.SaveFileCommand(false), 0);
  ASSERT_EQ(Read(path).size(), 219u);
  host_.ExpectOpenFileName(path, kCaption + " Load Exch. data file");
  ASSERT_EQ(commands_.OpenFileCommand(), 0);
  EXPECT_EQ(commands_.recordCount(), 0u);
  EXPECT_EQ(view_.opened, 0);
  EXPECT_EQ(view_.headerInfo, "...  starting data from file: 000000  Rec");
}

// Save file over an edited file that another program changed since it was opened asks first; No
// leaves that file as the other program wrote it.
TEST_F(FileCommandsTest, SavingOverAFileChangedOnDiskAsksFirst) {
  const std::string path = OpenThreeRecords("07122026");
  commands_.CountChange();
  const std::string theirs = Header("000001", "07122026") + Record('z');
  ASSERT_TRUE(quorla::WriteFileAtomically(path, theirs));
  const std::string question = "File:  " + path + "  \r\nwas  changed  on  disc  since  it  was  loaded  !!  \r\n\r\n"
                               "Do you want to overwrite it  ?  ";
  host_.ExpectMessage(question, " " + kCaption + " File save conflict", Buttons::YesNo, Icon::Exclamation, Answer::No);
  EXPECT_EQ(commands_.SaveFileCommand(false), 1);
  EXPECT_EQ(Read(path), theirs);
  EXPECT_EQ(commands_.changes(), 1);
  host_.ExpectMessage(question, " " + kCaption + " File save conflict", Buttons::YesNo, Icon::Exclamation, Answer::Yes)
      .ExpectMessage("I saved edited file:\r\n\r\n" + path + "  ", kCaption + "  Info", Buttons::Ok, Icon::Information);
  EXPECT_EQ(commands_.SaveFileCommand(false), 0);
  EXPECT_EQ(Read(path).size(), 4u * 219);
  // Saved by this window: no question the next time.
  host_.ExpectMessage("I saved edited file:\r\n\r\n" + path + "  ", kCaption + "  Info", Buttons::Ok, Icon::Information);
  EXPECT_EQ(commands_.SaveFileCommand(false), 0);
}

namespace {

// What `vatool xms ARGS` wrote to standard error, and its exit code.
std::pair<int, std::string> Vatool(const std::string& args, const std::string& dir) {
  const std::string err = dir + "vatool.err";
  const int status = std::system((std::string(VATOOL) + " xms " + args + " >/dev/null 2>'" + err + "'").c_str());
  std::string text;
  quorla::ReadWholeFile(err, text);
  return {WEXITSTATUS(status), text};
}

std::string OnCommandLine(std::string text) {
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
  return text;
}

}  // namespace

// One table of files through the editor's Open and through every xms command that reads one:
// the same verdict everywhere, and for a refusal the same message.
TEST_F(FileCommandsTest, EveryReaderAcceptsAndRefusesTheSameFiles) {
  const std::string rec(219, 'r'), header = Header("000002", "07122026");
  const struct {
    const char* name;
    std::string bytes;
    LoadStatus status;
  } cases[] = {
      {"empty", "", LoadStatus::NotExchange},
      {"one-byte", "x", LoadStatus::NotExchange},
      {"header-only", Header("000000", "07122026"), LoadStatus::Ok},
      {"221-bytes", Header("000000", "07122026") + "ab", LoadStatus::NotExchange},
      {"222-bytes", Header("000000", "07122026") + "abc", LoadStatus::Ok},
      {"438-bytes", Header("000001", "07122026") + rec, LoadStatus::Ok},
      {"partial-record", header + rec + rec + "partial", LoadStatus::Ok},
      {"crlf-wrong-count", header + "\r\n" + rec + "\r\n", LoadStatus::NotExchange},
      {"lf-only", header + "\n" + rec + "\n" + rec + "\n", LoadStatus::Ok},
      {"cr-only", header + "\r" + rec + "\r" + rec + "\r", LoadStatus::Ok},
      {"tab-in-crlf", header + "\r\n" + rec + "\r\n" + rec.substr(0, 100) + "\t" + rec.substr(101) + "\r\n",
       LoadStatus::NotExchange},
      {"missing", "", LoadStatus::Missing},
      {"folder", "", LoadStatus::NotRegularFile},
      {"fifo", "", LoadStatus::NotRegularFile},
      {"unreadable", header + rec + rec, LoadStatus::Unreadable},
  };
  const std::string target = Write("target.xms", Header("000001", "07122026") + rec);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir_ + c.name;
    if (c.status == LoadStatus::NotRegularFile) {
      ASSERT_EQ(std::string(c.name) == "fifo" ? ::mkfifo(path.c_str(), 0600) : ::mkdir(path.c_str(), 0700), 0);
    } else if (c.status != LoadStatus::Missing) {
      Write(c.name, c.bytes);
    }
    if (c.status == LoadStatus::Unreadable) {
      ::chmod(path.c_str(), 0);
      if (::access(path.c_str(), R_OK) == 0) continue;  // root reads anything
    }
    std::string bytes;
    EXPECT_EQ(LoadExchangeFile(path, bytes), c.status);

    host_.ExpectOpenFileName(path, kCaption + " Load Exch. data file");
    if (c.status != LoadStatus::Ok) {
      host_.ExpectMessage(LoadMessage(c.status, path, quorla::Language::English), kCaption + " Open file Error",
                          Buttons::Ok, Icon::Error)
          .ExpectOpenFileName("");
    }
    EXPECT_EQ(commands_.OpenFileCommand(), c.status == LoadStatus::Ok ? 0 : 1);
    host_.VerifyAllConsumed();

    const std::string expected = "vatool: " + path + ": " + OnCommandLine(LoadMessage(c.status, path, quorla::Language::English));
    const std::string q = "'" + path + "'", out = "'" + dir_ + "out.xms'";
    for (const std::string& args : {"info " + q, "check " + q, "list " + q, "convert --to crlf " + q + " -o " + out,
                                    "correct " + q + " -o " + out, "sort --order 305 " + q + " -o " + out,
                                    "select " + q + " -o " + out, "append --records " + q + " '" + target + "'"}) {
      SCOPED_TRACE(args);
      const auto [code, err] = Vatool(args, dir_);
      if (c.status == LoadStatus::Ok) {
        EXPECT_LE(code, 1) << err;
      } else {
        EXPECT_EQ(code, 2);
        EXPECT_NE(err.find(expected), std::string::npos) << err;
      }
    }
  }
}

// A file renamed away or removed between its check and its read is still read whole: both go
// through one open descriptor.
TEST_F(FileCommandsTest, AFileThatVanishesAfterTheCheckIsReadWhole) {
  const std::string bytes = Header("000001", "07122026") + "\r\n" + Record('v') + "\r\n";
  const std::string path = Write("vanishing.txt", bytes);
  ExchangeReader reader;
  ASSERT_EQ(reader.Open(path), LoadStatus::Ok);
  ASSERT_EQ(::unlink(path.c_str()), 0);
  std::string got;
  ASSERT_EQ(reader.ReadAll(got), LoadStatus::Ok);
  EXPECT_EQ(got, Header("000001", "07122026") + Record('v'));
}

// The save through its "#tmp" staging file with the N-th file call failing, N = 1, 2, ... until a
// save meets no fault: each failed save leaves the edited file byte for byte and no staging or
// temporary file behind.
TEST_F(FileCommandsTest, EveryFailingCallOfASaveLeavesTheFileAndNothingBehind) {
  ::setenv("TMPDIR", (dir_ + "tmp").c_str(), 1);
  ::mkdir((dir_ + "tmp").c_str(), 0700);
  const std::string path = OpenThreeRecords("07122026");
  const std::string before = Read(path);
  const std::string header = SavedHeader(before.substr(0, 219), 2, "07122026");
  const std::vector<uint32_t> listed = {3, 1};
  const auto entries = [](const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const auto privateBefore = entries(quorla::PrivateTempDirectory());
  const auto besideBefore = entries(dir_);
  long n = 1;
  for (; n < 1000; ++n) {
    quorla::ArmIoFault(n);
    const bool saved = WriteEditedFile(commands_.workingCopy(), header, listed, path);
    const bool met = quorla::IoFaultMet();
    quorla::ArmIoFault(0);
    if (!met) break;
    EXPECT_FALSE(saved) << "fault at call " << n;
    EXPECT_EQ(Read(path), before) << "fault at call " << n;
    EXPECT_EQ(entries(quorla::PrivateTempDirectory()), privateBefore) << "fault at call " << n;
    EXPECT_EQ(entries(dir_), besideBefore) << "fault at call " << n;
  }
  EXPECT_GE(n, 6) << "the staging file's writes and the replace's writes, sync, close and rename";
  EXPECT_EQ(Read(path), header + Record('c') + Record('a'));
  ::unsetenv("TMPDIR");
}

// A temporary folder that is not private is refused, and the save says so instead of blaming the disk.
TEST_F(FileCommandsTest, ASaveThroughAnOpenTemporaryFolderIsRefusedAndSaysWhy) {
  const std::string path = OpenThreeRecords("07122026");
  const std::string before = Read(path);
  ::setenv("TMPDIR", (dir_ + "tmp").c_str(), 1);
  const std::string folder = dir_ + "tmp/quorla-" + std::to_string(::getuid());
  std::filesystem::create_directories(folder);
  ::chmod(folder.c_str(), 0777);
  host_.ExpectMessage(LoadMessage(LoadStatus::TempFolderNotPrivate, "", quorla::Language::English),
                      kCaption + " Saving Error", Buttons::AbortRetryIgnore, Icon::Error, Answer::Abort);
  EXPECT_EQ(commands_.SaveFileCommand(false), 1);
  EXPECT_EQ(Read(path), before);
  EXPECT_TRUE(std::filesystem::is_empty(folder)) << "nothing was written into it";
  ::unsetenv("TMPDIR");
}

namespace recbook {
namespace {

// A blank writing date shows as a blank date is shown elsewhere, in both languages.
TEST(FileTexts, WritingDateQuestionShowsABlankDate) {
  EXPECT_EQ(file_texts::WritingDateQuestion(quorla::Language::English, DateToDisplay("        "), "07-12-2026"),
            "Writing date of file header: 00-00-0000, Today date: 07-12-2026  \r\n\r\n"
            "Do you want to replace Writing date by Today date  ?");
  EXPECT_NE(file_texts::WritingDateQuestion(quorla::Language::Czech, "", "07-12-2026").find(": 00-00-0000, "), std::string::npos);
}

}  // namespace
}  // namespace recbook

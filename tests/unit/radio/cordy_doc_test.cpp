#include "radio/cordy_doc.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "radio/codec.h"
#include "radio/default_image.h"
#include "radio/image_file.h"
#include "tests/unit/scratch_folder.h"

namespace qm314 {
namespace {

using Bytes = std::vector<std::uint8_t>;

class CCordyDocTest : public ::testing::Test, protected ScratchFolder {
 protected:
  static CCordyDoc::EncodeHook Encoder() {
    return [](RadioImage& image) {
      ChannelTable table;
      PanelSelections panel;
      Decode(image, table, panel);
      Encode(table, panel, image);
    };
  }
};

TEST_F(CCordyDocTest, SavingANewDocumentRewritesTheEmptyChannels) {
  CCordyDoc doc;
  ASSERT_TRUE(doc.OnNewDocument());
  ASSERT_TRUE(doc.OnSaveDocument(path("new.int"), Encoder()));
  const Bytes file = bytes("new.int");
  ASSERT_EQ(file.size(), 1024u);
  for (int block = 1; block <= 16; ++block)
    for (int byte = 0; byte < 16; ++byte)
      EXPECT_EQ(file[static_cast<std::size_t>(block * 16 + byte)], byte == 12 ? 0xED : 0xFF) << block << "/" << byte;
  const RadioImage defaults = DefaultImage();
  for (std::size_t offset = 0; offset < 1024; ++offset) {
    if (offset < 16 || offset >= 17 * 16) {
      ASSERT_EQ(file[offset], defaults.at(offset)) << offset;
    }
  }
  EXPECT_EQ(doc.GetPathName(), path("new.int"));
}

TEST_F(CCordyDocTest, OpenUsesTheFirst1024BytesOfALongerFile) {
  Bytes data(2048);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7 + 3);
  writeBytes("long.int", data);
  CCordyDoc doc;
  doc.SetModifiedFlag();
  ASSERT_TRUE(doc.OnOpenDocument(path("long.int")));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(Bytes(doc.image().data(), doc.image().data() + 1024), Bytes(data.begin(), data.begin() + 1024));
}

TEST_F(CCordyDocTest, ShortMissingOrFolderOpenLeavesTheDocumentAsItWas) {
  writeBytes("short.int", Bytes(1023, 0x00));
  writeBytes("empty.int", Bytes());
  CCordyDoc doc;
  doc.image().at(100) = 0x42;
  doc.SetModifiedFlag();
  ASSERT_TRUE(doc.OnSaveDocument(path("mine.int")));
  doc.SetModifiedFlag();
  const RadioImage before = doc.image();

  const FileResult shortResult = doc.OnOpenDocument(path("short.int"));
  EXPECT_FALSE(shortResult.ok);
  EXPECT_NE(shortResult.message.find("1023 bytes"), std::string::npos) << shortResult.message;
  EXPECT_NE(shortResult.message.find("1024"), std::string::npos);
  EXPECT_FALSE(doc.OnOpenDocument(path("empty.int")));
  const FileResult missing = doc.OnOpenDocument(path("missing.int"));
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.message.find("No such file"), std::string::npos) << missing.message;
  EXPECT_FALSE(doc.OnOpenDocument(dir().string()));

  EXPECT_EQ(doc.image(), before);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.GetPathName(), path("mine.int"));
}

TEST_F(CCordyDocTest, SaveReplacesTheFileAndKeepsItsPermissions) {
  writeBytes("radio.int", Bytes(1024, 0x11));
  ::chmod(path("radio.int").c_str(), 0640);
  CCordyDoc doc;
  ASSERT_TRUE(doc.OnSaveDocument(path("radio.int")));
  EXPECT_EQ(bytes("radio.int"), Bytes(doc.image().bytes().begin(), doc.image().bytes().end()));
  struct stat info {};
  ASSERT_EQ(::stat(path("radio.int").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(entryCount(), 1);
}

TEST_F(CCordyDocTest, SaveRefusesAProtectedFileAndKeepsTheOwnerOfAReplacedOne) {
  writeBytes("mine.int", Bytes(1024, 0x11));
  ::chmod(path("mine.int").c_str(), 0444);
  CCordyDoc doc;
  EXPECT_EQ(doc.OnSaveDocument(path("mine.int")).message,
            "Cannot save \"" + path("mine.int") + "\": you may not write it (its permissions are r--r--r--); make "
            "it writable, or save under another name. Any previous file of that name is unchanged.");
  EXPECT_EQ(bytes("mine.int"), Bytes(1024, 0x11));
  EXPECT_EQ(entryCount(), 1);

  // Set-id bits go with a write and with a change of owner, so they are set last.
  ::chmod(path("mine.int").c_str(), 02664);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(path("mine.int").c_str(), 1234, 5678), 0);
  }
  ASSERT_TRUE(doc.OnSaveDocument(path("mine.int")));
  struct stat info {};
  ASSERT_EQ(::stat(path("mine.int").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 02664u);
  if (root) {
    EXPECT_EQ(std::pair(info.st_uid, info.st_gid), std::pair(1234u, 5678u));
  }
  EXPECT_EQ(bytes("mine.int")[0], 0xFF);
}

TEST_F(CCordyDocTest, SaveThroughASymbolicLinkKeepsTheLink) {
  writeBytes("real.int", Bytes(1024, 0x11));
  std::filesystem::create_symlink(path("real.int"), path("link.int"));
  CCordyDoc doc;
  ASSERT_TRUE(doc.OnSaveDocument(path("link.int")));
  EXPECT_TRUE(std::filesystem::is_symlink(path("link.int")));
  EXPECT_EQ(bytes("real.int")[0], 0xFF);
}

TEST_F(CCordyDocTest, FailedSaveReportsAndLeavesThePreviousFile) {
  CCordyDoc doc;
  const FileResult noFolder = doc.OnSaveDocument(path("no/such/folder.int"));
  EXPECT_FALSE(noFolder.ok);
  EXPECT_NE(noFolder.message.find("folder.int"), std::string::npos) << noFolder.message;

  // A target that is a folder cannot be replaced by a file.
  std::filesystem::create_directory(path("taken.int"));
  EXPECT_FALSE(doc.OnSaveDocument(path("taken.int")));
  EXPECT_TRUE(std::filesystem::is_directory(path("taken.int")));
  // Nor is a named pipe (or a device node): the rename would put a file in its place.
  ASSERT_EQ(::mkfifo(path("pipe.int").c_str(), 0600), 0);
  EXPECT_EQ(doc.OnSaveDocument(path("pipe.int")).message,
            "Cannot save \"" + path("pipe.int") + "\": it is a named pipe (FIFO), not a file. "
            "Any previous file of that name is unchanged.");
  EXPECT_TRUE(std::filesystem::is_fifo(path("pipe.int")));
  EXPECT_EQ(entryCount(), 2);
}

TEST_F(CCordyDocTest, SaveRunsTheEncodeHookFirstAndClearsModified) {
  CCordyDoc doc;
  doc.SetModifiedFlag();
  ASSERT_TRUE(doc.OnSaveDocument(path("a.int"), [](RadioImage& image) { image.at(0) = 0x5A; }));
  EXPECT_EQ(bytes("a.int")[0], 0x5A);
  EXPECT_EQ(doc.image().at(0), 0x5A);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(CCordyDocTest, ATextFileIsReadUpToOneMebibyteAndRefusedPastIt) {
  for (const auto& [name, size] : {std::pair{"at.csv", 1048576}, std::pair{"over.csv", 1048577}}) {
    writeBytes(name, {});
    std::filesystem::resize_file(path(name), size);
  }
  std::string content;
  ASSERT_TRUE(ReadWholeFile(path("at.csv"), content));
  EXPECT_EQ(content.size(), 1048576u);
  const FileResult over = ReadWholeFile(path("over.csv"), content);
  EXPECT_FALSE(over);
  EXPECT_EQ(over.message, "Cannot open \"" + path("over.csv") +
                              "\": it is larger than 1024 KiB, far more than channel rows take.");
  EXPECT_EQ(content.size(), 1048576u);
}

TEST_F(CCordyDocTest, NewDocumentResetsEveryByte) {
  CCordyDoc doc;
  doc.image().bytes().fill(0x00);
  doc.SetModifiedFlag();
  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(doc.image(), DefaultImage());
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace qm314

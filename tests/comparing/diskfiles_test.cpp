// SPDX-License-Identifier: GPL-3.0-or-later
// The files on disk while a pair is shown: changes by other programs, files with several
// names, kept permissions and ownership, and files that are refused on opening.
#include "app/filenotices.h"
#include "comparingfixture.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace tandem {
namespace {

const QByteArray kLeftText = "head\nleft value\ntail\n";
const QByteArray kRightText = "head\nright value\ntail\n";
const QByteArray kEditedLeft = "head\nright value\ntail\n";
// Long enough for the file watcher to report a change.
constexpr int kWatchWaitMs = 3000;

class DiskFilesTest : public ComparingTest {
protected:
    void StartPair() {
        StartOn(kLeftText, kRightText);
        ASSERT_TRUE(window->alignedText);
    }
    // Row 1 of the left side takes the right side's line, as Copy does.
    void EditLeft() {
        window->sides[kLeft].pane->ReplaceLine(1, window->sides[kRight].pane->LineText(1));
        window->sides[kLeft].modified = true;
    }
    QString NoticeText() const {
        QuestionBox* notice = FileNotice(*window);
        return notice ? notice->TextField()->toPlainText() : QString();
    }
};

TEST_F(DiskFilesTest, AFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo) {
    StartPair();
    EditLeft();
    Write("one/pair.txt", "written by another program\n");
    answers = {1, 2};
    Recompare(*window);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_TRUE(questions[1].contains(leftPath)) << questions[1].toStdString();
    EXPECT_TRUE(questions[1].contains("changed on disk"));
    EXPECT_EQ(Read(leftPath), "written by another program\n");

    Write("one/pair.txt", kLeftText);
    Recompare(*window);
    EditLeft();
    Write("one/pair.txt", "changed again\n");
    questions.clear();
    answers = {1, 1};
    Recompare(*window);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(Read(leftPath), kEditedLeft);
}

TEST_F(DiskFilesTest, AnUnchangedFileIsSavedWithoutAFurtherQuestion) {
    StartPair();
    EditLeft();
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(questions, std::vector<QString>{"Save changes ?"});
    EXPECT_EQ(Read(leftPath), kEditedLeft);
}

TEST_F(DiskFilesTest, AChangeToASideWithoutEditsIsToldWithAnOfferToCompareAgain) {
    StartPair();
    Write("two/pair.txt", "head\nnew right value\ntail\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return FileNotice(*window) != nullptr; }, kWatchWaitMs));
    EXPECT_TRUE(NoticeText().contains(rightPath)) << NoticeText().toStdString();
    EXPECT_EQ(window->sides[kRight].pane->LineText(1), "right value"); // not reloaded
    QuestionBox* notice = FileNotice(*window);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_FALSE(notice->isModal());
    ASSERT_EQ(notice->Buttons().first()->text().trimmed(), "Compare again");
    notice->Buttons().first()->click();
    EXPECT_EQ(window->sides[kRight].pane->LineText(1), "new right value");
}

TEST_F(DiskFilesTest, ASideWithEditsIsNeverReloaded) {
    StartPair();
    EditLeft();
    Write("one/pair.txt", "written by another program\n");
    QTest::qWait(kWatchWaitMs / 3);
    EXPECT_EQ(FileNotice(*window), nullptr);
    EXPECT_EQ(window->sides[kLeft].pane->LineText(1), "right value");
}

TEST_F(DiskFilesTest, AFileWithSeveralNamesIsWrittenInPlaceForEveryName) {
    StartPair();
    const QString otherName = QFileInfo(leftPath).path() + "/other-name.txt";
    ASSERT_EQ(::link(QFile::encodeName(leftPath), QFile::encodeName(otherName)), 0);
    EditLeft();
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(leftPath), kEditedLeft);
    EXPECT_EQ(Read(otherName), kEditedLeft);
}

TEST_F(DiskFilesTest, PermissionsOwnerAndGroupAreKept) {
    StartPair();
    const QByteArray name = QFile::encodeName(leftPath);
    ASSERT_EQ(::chmod(name, 0640), 0);
    // Giving a file away takes the superuser; others keep their own files anyway.
    const bool mayChown = ::geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    if (mayChown) {
        ASSERT_EQ(::chown(name, kNobody, kNobody), 0);
    }
    EditLeft();
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(leftPath), kEditedLeft);
    struct stat status {};
    ASSERT_EQ(::stat(name, &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    if (mayChown) {
        EXPECT_EQ(status.st_uid, kNobody);
        EXPECT_EQ(status.st_gid, kNobody);
    }
}

TEST_F(DiskFilesTest, AWritableFileInAFolderTheUserMayNotWriteToIsStillSaved) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write to every folder";
    StartPair();
    const QString folder = QFileInfo(leftPath).path();
    ASSERT_EQ(::chmod(QFile::encodeName(folder), 0555), 0);
    EditLeft();
    answers = {1};
    Recompare(*window);
    ::chmod(QFile::encodeName(folder), 0755);
    EXPECT_EQ(Read(leftPath), kEditedLeft);
}

TEST_F(DiskFilesTest, AFailureMessageIsShownWithItsWholeText) {
    StartPair();
    EditLeft();
    QDir(QFileInfo(leftPath).path()).removeRecursively();
    QString shown;
    bool whole = false;
    QuestionBox::SetAnswerHook([&](QuestionBox& box) {
        if (box.Buttons().size() > 1)
            return 1; // Save changes ?, then overwrite the file that went
        box.show();
        QApplication::processEvents();
        QTextEdit* field = box.TextField();
        shown = field->toPlainText();
        whole = field->isVisible() && field->verticalScrollBar()->maximum() == 0 &&
                field->document()->size().height() <= field->viewport()->height() &&
                box.geometry().contains(field->geometry().translated(box.pos()));
        box.close();
        return 1;
    });
    Recompare(*window);
    EXPECT_TRUE(shown.contains(leftPath)) << shown.toStdString();
    EXPECT_TRUE(shown.contains("could not be saved"));
    EXPECT_TRUE(whole) << "the message box cuts its text off";
}

class RefusedFileTest : public ComparingTest {
protected:
    // Starts on the path against an ordinary file; the window must come up without waiting.
    void StartAgainst(const QString& path) {
        rightPath = Write("two/pair.txt", kRightText);
        Start({path, rightPath});
        ASSERT_NE(window, nullptr);
        // Only the comparison's filler rows, no line of the file.
        EXPECT_EQ(window->sides[kLeft].pane->WholeText().find_first_not_of('\n'),
                  std::string::npos);
        EXPECT_TRUE(window->sides[kLeft].unreadable);
    }
    QString Notice() const {
        QuestionBox* notice = FileNotice(*window);
        return notice ? notice->TextField()->toPlainText() : QString();
    }
    QString FolderPath() { return QFileInfo(Write("fifo/placeholder", "")).path(); }
    QString rightPath;
};

TEST_F(RefusedFileTest, ANamedPipeWithoutWriterIsRefusedWithoutWaiting) {
    const QString pipe = FolderPath() + "/pipe.txt";
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe), 0600), 0);
    StartAgainst(pipe);
    EXPECT_TRUE(Notice().contains(pipe)) << Notice().toStdString();
    EXPECT_TRUE(Notice().contains("not a regular file"));
}

TEST_F(RefusedFileTest, AFolderAndADeviceAreRefusedWithTheReason) {
    const QString folder = FolderPath();
    StartAgainst(folder);
    EXPECT_TRUE(Notice().contains(folder));
    EXPECT_TRUE(Notice().contains("it is a folder"));
    StartAgainst("/dev/zero");
    EXPECT_TRUE(Notice().contains("/dev/zero"));
    EXPECT_TRUE(Notice().contains("not a regular file"));
}

TEST_F(RefusedFileTest, AStoredPairThatCannotBeOpenedDoesNotStopTheNextStart) {
    const QString pipe = FolderPath() + "/pipe.txt";
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe), 0600), 0);
    StartAgainst(pipe);
    window.reset(); // leaving stores the pair as the last one
    Start({});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->sides[kLeft].fileName, pipe);
    EXPECT_TRUE(Notice().contains(pipe));
}

} // namespace
} // namespace tandem

// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/filereading.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tandem {
namespace {

// The limit a pane may hold never exceeds what a pane can address.
constexpr qint64 kMostFileBytes = qint64(512) * 1024 * 1024;

QString WriteFile(const QTemporaryDir& folder, const QByteArray& bytes) {
    const QString path = folder.filePath("file.txt");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(FileReading, AFileAboveTheLimitIsRefusedAndOneAtItIsRead) {
    QTemporaryDir folder;
    const QString path = WriteFile(folder, "0123456789");
    const FileRead refused = ReadRegularFile(path, 9);
    EXPECT_FALSE(refused.read);
    EXPECT_TRUE(refused.bytes.isEmpty());
    EXPECT_TRUE(refused.reason.contains("larger than")) << refused.reason.toStdString();
    const FileRead read = ReadRegularFile(path, 10);
    EXPECT_TRUE(read.read);
    EXPECT_EQ(read.bytes, "0123456789");
    EXPECT_EQ(read.stamp.size, 10);
}

TEST(FileReading, TheLimitFollowsTheMachinesMemoryWithinBounds) {
    EXPECT_GT(FileSizeLimit(), 0);
    EXPECT_LE(FileSizeLimit(), kMostFileBytes);
}

TEST(FileReading, AnEndlessDeviceIsRefusedWithoutReading) {
    const FileRead zero = ReadRegularFile("/dev/zero");
    EXPECT_FALSE(zero.read);
    EXPECT_TRUE(zero.bytes.isEmpty());
    EXPECT_TRUE(zero.reason.contains("not a regular file"));
}

TEST(FileReading, TheStampChangesWithTheBytes) {
    QTemporaryDir folder;
    const QString path = WriteFile(folder, "one");
    const FileStamp first = CurrentStamp(path);
    WriteFile(folder, "two");
    EXPECT_NE(CurrentStamp(path).hash, first.hash);
    EXPECT_EQ(CurrentStamp(folder.filePath("missing")).size, -1);
}

} // namespace
} // namespace tandem

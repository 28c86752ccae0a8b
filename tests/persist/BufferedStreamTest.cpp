#include "PersistTestSupport.h"
#include "persist/BufferedStream.h"
#include "persist/FileStream.h"
#include "persist/StreamHelpers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class BufferedStreamTest : public ::testing::Test {
protected:
    // A file whose bytes do not repeat every 256, so a misplaced read shows.
    QString makeFile(int size) {
        content.resize(size);
        for (int i = 0; i < size; ++i)
            content[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }
    static QByteArray readBytes(ByteStream& s, int count) {
        QByteArray bytes(count, '\0');
        bytes.resize(s.read(bytes.data(), count));
        return bytes;
    }

    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/data.bin");
    QByteArray content;
    int fills = 0;
    BufferedStream::Notification countFill = [this](BufferedStream&) { ++fills; };
};

TEST_F(BufferedStreamTest, ReadsFillTheBufferOnlyWhenItRunsOut) {
    FileStream file(makeFile(20000), FileStream::OpenRead);
    BufferedStream s(file);
    s.onFillBuffer = countFill;
    readBytes(s, 10);
    EXPECT_EQ(fills, 1);
    EXPECT_EQ(s.seek(0, ByteStream::FromCurrent), 10);
    EXPECT_EQ(file.position(), BufferedStream::DefaultBufferSize); // read-ahead kept
    EXPECT_EQ(readBytes(s, 9000), content.mid(10, 9000));
    EXPECT_EQ(fills, 2);
}

TEST_F(BufferedStreamTest, PeekAheadInsideARecordReturnsToTheSameByte) {
    FileStream file(makeFile(20000), FileStream::OpenRead);
    BufferedStream s(file);
    for (const int start : {100, 8180}) { // the second peek crosses the buffer's end
        s.seek(0, ByteStream::FromBeginning);
        readBytes(s, start);
        s.seek(28, ByteStream::FromCurrent);
        int32_t peeked = 0;
        std::memcpy(&peeked, content.constData() + start + 28, 4);
        EXPECT_EQ(readLong(s), peeked);
        EXPECT_EQ(s.seek(-32, ByteStream::FromCurrent), start);
        EXPECT_EQ(readBytes(s, 40), content.mid(start, 40));
    }
}

TEST_F(BufferedStreamTest, WrittenBytesReachTheFileInTwoFlushes) {
    const QByteArray data = QByteArray(5000, 'a') + QByteArray(5000, 'b');
    int flushes = 0;
    {
        FileStream file(path, FileStream::Create);
        BufferedStream s(file);
        s.onFlushBuffer = [&](BufferedStream&) { ++flushes; };
        EXPECT_EQ(s.write(data.data(), 10000), 10000);
        EXPECT_EQ(flushes, 1);
        EXPECT_EQ(s.size(), 10000); // counts the bytes still buffered
    }
    EXPECT_EQ(flushes, 2);
    FileStream back(path, FileStream::OpenRead);
    EXPECT_EQ(readBytes(back, 20000), data);
}

TEST_F(BufferedStreamTest, PutBackNeedsAByteAlreadyRead) {
    FileStream file(makeFile(50), FileStream::OpenRead);
    BufferedStream s(file);
    ASSERT_TRUE(s.fillBuffer());
    EXPECT_EQ(errorOf([&] { s.putBack(1); }), "Putback overflow");
    s.putBack(readByteValue(s));
    EXPECT_EQ(readBytes(s, 3), content.left(3));
}

TEST_F(BufferedStreamTest, SeekRejectsBadOriginsAndTargets) {
    MemoryStream memory(std::vector<uint8_t>(10, 0));
    BufferedStream s(memory);
    EXPECT_EQ(errorOf([&] { s.seek(0, 3); }), "Invalid seek origin 3");
    EXPECT_EQ(errorOf([&] { s.seek(-1, ByteStream::FromBeginning); }), "Seek error");
    EXPECT_EQ(s.seek(4, ByteStream::FromEnd), 6); // the offset counts back from the end
}

TEST_F(BufferedStreamTest, FailingMediumIsReportedNotSwallowed) {
    RefusingStream medium;
    BufferedStream s(medium);
    writeLong(s, 7);
    EXPECT_EQ(errorOf([&] { s.seek(0, ByteStream::FromBeginning); }), "Seek error");
    const std::vector<char> big(10000);
    EXPECT_EQ(s.write(big.data(), 10000), BufferedStream::DefaultBufferSize);
    EXPECT_EQ(errorOf([&] { s.flush(); }), "Write error");
    writeLong(s, 7); // still pending at destruction, which must not throw
    EXPECT_EQ(errorOf([&] { writeString(medium, ""); }), "Write error"); // unbuffered too
}

} // namespace

#include "PersistTestSupport.h"
#include "persist/StreamHelpers.h"
#include "persist/TBufferStreams.h"
#include "persist/TFileStream.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class BufferStreamTest : public ::testing::Test {
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
    static QByteArray readBytes(TStream& s, int count) {
        QByteArray bytes(count, '\0');
        bytes.resize(s.Read(bytes.data(), count));
        return bytes;
    }

    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/data.bin");
    QByteArray content;
    int fills = 0;
    TBufferStream::Notification countFill = [this](TBufferStream&) { ++fills; };
};

TEST_F(BufferStreamTest, ReadsFillTheBufferOnlyWhenItRunsOut) {
    TFileStream file(makeFile(20000), TFileStream::OpenRead);
    TBufferStream s(file);
    s.OnFillBuffer = countFill;
    readBytes(s, 10);
    EXPECT_EQ(fills, 1);
    EXPECT_EQ(s.Seek(0, TStream::FromCurrent), 10);
    EXPECT_EQ(file.Position(), TBufferStream::DefaultBufferSize); // read-ahead kept
    EXPECT_EQ(readBytes(s, 9000), content.mid(10, 9000));
    EXPECT_EQ(fills, 2);
}

TEST_F(BufferStreamTest, PeekAheadInsideARecordReturnsToTheSameByte) {
    TFileStream file(makeFile(20000), TFileStream::OpenRead);
    TBufferStream s(file);
    for (const int start : {100, 8180}) { // the second peek crosses the buffer's end
        s.Seek(0, TStream::FromBeginning);
        readBytes(s, start);
        s.Seek(28, TStream::FromCurrent);
        int32_t peeked = 0;
        std::memcpy(&peeked, content.constData() + start + 28, 4);
        EXPECT_EQ(ReadLong(s), peeked);
        EXPECT_EQ(s.Seek(-32, TStream::FromCurrent), start);
        EXPECT_EQ(readBytes(s, 40), content.mid(start, 40));
    }
}

TEST_F(BufferStreamTest, WrittenBytesReachTheFileInTwoFlushes) {
    const QByteArray data = QByteArray(5000, 'a') + QByteArray(5000, 'b');
    int flushes = 0;
    {
        TFileStream file(path, TFileStream::Create);
        TBufferStream s(file);
        s.OnFlushBuffer = [&](TBufferStream&) { ++flushes; };
        EXPECT_EQ(s.Write(data.data(), 10000), 10000);
        EXPECT_EQ(flushes, 1);
        EXPECT_EQ(s.Size(), 10000); // counts the bytes still buffered
    }
    EXPECT_EQ(flushes, 2);
    TFileStream back(path, TFileStream::OpenRead);
    EXPECT_EQ(readBytes(back, 20000), data);
}

TEST_F(BufferStreamTest, PutBackNeedsAByteAlreadyRead) {
    TFileStream file(makeFile(50), TFileStream::OpenRead);
    TBufferStream s(file);
    ASSERT_TRUE(s.FillBuffer());
    EXPECT_EQ(errorOf([&] { s.PutBack(1); }), "Putback overflow");
    s.PutBack(ReadByteValue(s));
    EXPECT_EQ(readBytes(s, 3), content.left(3));
}

TEST_F(BufferStreamTest, SeekRejectsBadOriginsAndTargets) {
    TMemoryStream memory(std::vector<uint8_t>(10, 0));
    TBufferStream s(memory);
    EXPECT_EQ(errorOf([&] { s.Seek(0, 3); }), "Invalid seek origin 3");
    EXPECT_EQ(errorOf([&] { s.Seek(-1, TStream::FromBeginning); }), "Seek error");
    EXPECT_EQ(s.Seek(4, TStream::FromEnd), 6); // the offset counts back from the end
}

TEST_F(BufferStreamTest, FailingMediumIsReportedNotSwallowed) {
    RefusingStream medium;
    TBufferStream s(medium);
    WriteLong(s, 7);
    EXPECT_EQ(errorOf([&] { s.Seek(0, TStream::FromBeginning); }), "Seek error");
    const std::vector<char> big(10000);
    EXPECT_EQ(s.Write(big.data(), 10000), TBufferStream::DefaultBufferSize);
    EXPECT_EQ(errorOf([&] { s.Flush(); }), "Write error");
    WriteLong(s, 7); // still pending at destruction, which must not throw
    EXPECT_EQ(errorOf([&] { WriteString(medium, ""); }), "Write error"); // unbuffered too
}

} // namespace

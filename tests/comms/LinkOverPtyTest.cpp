// The serial link over a real pseudo-terminal, against the handheld simulator.
#include "HandheldSimProcess.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "app/Messages.h"
#include "comms/IRPackets.h"
#include "comms/SerialLink.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

namespace {

class LinkOverPty : public ::testing::Test {
protected:
    // Starts the simulator and opens COM2, which the settings map to its
    // terminal. The wait for a reply is generous where one is expected, so a
    // busy machine does not turn into a retry; tests of silence shorten it.
    void connect(const QStringList& options, int replyWaitMs = 3000) {
        sim = std::make_unique<HandheldSimProcess>(options);
        ASSERT_TRUE(sim->started());
        folders.writeIni("[CommsPortForm]\nCOM2Device=" + sim->devicePath().toLocal8Bit() + "\n");
        link = std::make_unique<SerialLink>(
            reply, LinkTimeouts{.replyWaitMs = replyWaitMs, .receivePauseMs = 20});
        ASSERT_TRUE(link->OpenPort(QStringLiteral("COM2"), prompter));
        link->setLogSink([this](const QString& line) { log << line; });
    }

    // Receives the handheld's list up to its end packet; the names in order.
    QStringList receiveList() {
        QStringList names;
        IRPacket packet;
        while (link->ReceiveAndLog(packet) && packet.Command != 'E')
            names << QString::fromLatin1(packet.DataText());
        return names;
    }

    bool sendData(const Bytes& bytes, int number, std::uint8_t replaceSlot = 0) {
        IRPacket packet;
        packet.PrepareData(bytes, number);
        if (number == 1)
            packet.SetControlByte1(replaceSlot);
        return link->SendAndLog(packet);
    }

    // A whole transfer: the names packet, the image in 128-byte packets, the end.
    void download(const std::string& names, const Bytes& image, std::uint8_t replaceSlot) {
        ASSERT_TRUE(sendData(Bytes(names.begin(), names.end()), 1, replaceSlot));
        int number = 2;
        for (std::size_t start = 0; start < image.size(); start += 128) {
            const auto end = image.begin() + std::min(image.size(), start + 128);
            ASSERT_TRUE(sendData(Bytes(image.begin() + start, end), number++));
        }
        ASSERT_TRUE(link->SendAndLog(IRPacket::request('E')));
    }

    TestFolders folders;
    ScriptedPrompter prompter;
    std::unique_ptr<HandheldSimProcess> sim; // outlives the link, which closes first
    IRPacket reply;
    std::unique_ptr<SerialLink> link;
    QStringList log;
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

TEST_F(LinkOverPty, ARefusalEndsTheSendAfterOneAttempt) {
    connect({QStringLiteral("--refuse-send")});
    EXPECT_FALSE(sendData({'A', 'B', 0}, 1));
    EXPECT_EQ(link->ReplyPacket().Command, 'B');
    EXPECT_EQ(sim->received(1), QStringLiteral("S"));
    EXPECT_FALSE(log.contains(PacketLog::WriteError));
}

TEST_F(LinkOverPty, SilenceCostsFiveAttemptsAndReadsAsCommandZero) {
    connect({QStringLiteral("--silent")}, 300);
    EXPECT_FALSE(link->SendAndLog(IRPacket::request('P')));
    EXPECT_EQ(sim->received(5), QStringLiteral("PPPPP"));
    EXPECT_EQ(link->ReplyPacket().Command, '0');
    EXPECT_TRUE(log.contains(PacketLog::WriteError));
}

TEST_F(LinkOverPty, ADamagedPacketIsAskedForThreeTimesAtMost) {
    connect({QStringLiteral("--corrupt-every"), QStringLiteral("1"), QStringLiteral("--preload"),
             QStringLiteral("ONE")});
    // Replies to the designer's own packets are taken without a checksum test.
    ASSERT_TRUE(link->SendAndLog(IRPacket::request('T')));
    IRPacket packet;
    EXPECT_FALSE(link->ReceiveAndLog(packet));
    EXPECT_EQ(sim->received(4), QStringLiteral("TNNN"));
    EXPECT_TRUE(log.contains(PacketLog::ReadError));
}

TEST_F(LinkOverPty, OccasionalDamageIsRepairedByAskingAgain) {
    connect({QStringLiteral("--corrupt-every"), QStringLiteral("2"), QStringLiteral("--preload"),
             QStringLiteral("ONE"), QStringLiteral("--preload"), QStringLiteral("TWO")});
    ASSERT_TRUE(link->SendAndLog(IRPacket::request('T')));
    EXPECT_EQ(receiveList(), QStringList({"ONE", "TWO"}));
    EXPECT_EQ(sim->received(7), QStringLiteral("TNANANA"));
    EXPECT_FALSE(log.contains(PacketLog::ReadError));
}

TEST_F(LinkOverPty, StatusReplyCarriesTheHandheldsBits) {
    connect({QStringLiteral("--low-battery"), QStringLiteral("--full")});
    ASSERT_TRUE(link->SendAndLog(IRPacket::request('P')));
    EXPECT_EQ(link->ReplyPacket().Command, 'A');
    EXPECT_EQ(link->ReplyPacket().ControlByte2,
              PacketStatus::LowBattery | PacketStatus::MemoryFull);
}

TEST_F(LinkOverPty, StoredNamesArriveInOrderEachAcknowledged) {
    connect({QStringLiteral("--preload"), QStringLiteral("AB PRODUCT"), QStringLiteral("--preload"),
             QStringLiteral("CD"), QStringLiteral("--preload"), QStringLiteral("EF")});
    ASSERT_TRUE(link->SendAndLog(IRPacket::request('T')));
    EXPECT_EQ(receiveList(), QStringList({"AB PRODUCT", "CD", "EF"}));
    EXPECT_EQ(sim->received(5), QStringLiteral("TAAAA"));
}

TEST_F(LinkOverPty, AnEmptyHandheldRefusesTheListAndTakesAnErase) {
    connect({});
    EXPECT_FALSE(link->SendAndLog(IRPacket::request('T')));
    EXPECT_EQ(link->ReplyPacket().Command, 'B');
    EXPECT_FALSE(log.contains(PacketLog::WriteError));
    EXPECT_TRUE(link->SendAndLog(IRPacket::request('Z')));
}

TEST_F(LinkOverPty, TheHandheldStoresExactlyTheBytesSentAndReplacesBySlot) {
    QTemporaryDir store;
    connect({QStringLiteral("--store"), store.path()});
    Bytes image(129);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7);
    download(std::string("AB PRODUCT\0", 11), image, 0);
    EXPECT_EQ(fileBytes(store.filePath("1.names")), QByteArray("AB PRODUCT\0", 11));
    EXPECT_EQ(fileBytes(store.filePath("1.bin")),
              QByteArray(reinterpret_cast<const char*>(image.data()), 129));

    download(std::string("CD NEW\0", 7), {1, 2, 3}, 1);
    EXPECT_EQ(fileBytes(store.filePath("1.bin")), QByteArray("\1\2\3"));
    EXPECT_FALSE(QFile::exists(store.filePath("2.bin")));
    EXPECT_EQ(sim->received(7), QStringLiteral("SSSESSE"));
}

TEST_F(LinkOverPty, APulledCableMidTransferFailsTheNextPacket) {
    connect({QStringLiteral("--hang-after"), QStringLiteral("2")}, 500);
    EXPECT_TRUE(link->SendAndLog(IRPacket::request('P')));
    EXPECT_TRUE(sendData({'A', 0}, 1));
    EXPECT_FALSE(sendData({1, 2, 3}, 2));
    EXPECT_EQ(link->ReplyPacket().Command, '0');
    EXPECT_TRUE(log.contains(PacketLog::WriteError));
}

TEST_F(LinkOverPty, ThePortIsHeldExclusivelyUntilClosed) {
    connect({});
    IRPacket otherReply;
    SerialLink other(otherReply);
    EXPECT_FALSE(other.OpenDevice(sim->devicePath(), prompter));
    EXPECT_EQ(prompter.texts(), QStringList{Messages::program().CouldNotOpenPortError});

    link->ClosePort();
    ASSERT_TRUE(other.OpenDevice(sim->devicePath(), prompter));
    EXPECT_TRUE(other.SendWithRetry(IRPacket::request('P')));
}

// The download procedure over a real pseudo-terminal against the handheld
// simulator, driven as the command line drives it: no pauses, "Done" at once.
#include "comms/DownloadEngine.h"
#include "DownloadTestSupport.h"
#include "HandheldSimProcess.h"
#include "ScriptedPrompter.h"
#include "comms/SerialLink.h"
#include "texts/Messages.h"

namespace {

// The built-in texts.
const Messages messages;

using Phase = DownloadEngine::Phase;

class EngineOverPty : public ::testing::Test {
protected:
    // The wait for a reply is generous where one is expected; tests of
    // silence shorten it.
    void connect(const QStringList& options, int replyWaitMs = 3000) {
        sim = std::make_unique<HandheldSimProcess>(options);
        ASSERT_TRUE(sim->started());
        link = std::make_unique<SerialLink>(
            reply, messages, LinkTimeouts{.replyWaitMs = replyWaitMs, .receivePauseMs = 5});
        ASSERT_TRUE(link->openDevice(sim->devicePath(), prompter));
    }
    void makeEngine(const Bytes& image) {
        engine =
            std::make_unique<DownloadEngine>(*link, image, "AB", "PRODUCT", DownloadPacing{0, 0});
    }
    // To the end: overwrite image replaceSlot when the handheld is full.
    Phase run(int replaceSlot = 0) {
        int delay = engine->start();
        for (int guard = 0; guard < 10000; ++guard) {
            if (delay >= 0) {
                delay = engine->step();
                continue;
            }
            if (engine->phase() == Phase::Full)
                delay = engine->overwrite();
            else if (engine->phase() == Phase::ChoosingReplace)
                delay = engine->replace(replaceSlot);
            else if (engine->phase() == Phase::Sent)
                delay = engine->finish();
            else
                break;
        }
        return engine->phase();
    }

    ScriptedPrompter prompter;
    std::unique_ptr<HandheldSimProcess> sim; // outlives the link, which closes first
    Packet reply;
    std::unique_ptr<SerialLink> link;
    std::unique_ptr<DownloadEngine> engine;
};

} // namespace

TEST_F(EngineOverPty, ImagesOf128And129BytesTakeTwoAndThreePackets) {
    for (const int size : {128, 129}) {
        connect({"--preload", "OLD"});
        makeEngine(Bytes(std::size_t(size), 0x5A));
        ASSERT_EQ(run(), Phase::Finished) << size;
        const auto packets = receivedDataPackets(sim->trace());
        ASSERT_EQ(int(packets.size()), size == 128 ? 2 : 3) << size;
        EXPECT_EQ(DownloadEngine::packetCountFor(size), int(packets.size())); // the progress bar
        EXPECT_EQ(packets[0].count, 11);
        EXPECT_EQ(packets[1].count, 128);
        EXPECT_EQ(packets.back().number, int(packets.size()));
        EXPECT_EQ(packets.back().count, size == 129 ? 1 : 128);
        link.reset();
        sim.reset();
    }
}

// Once the end packet is acknowledged the image is stored: a final list
// that is refused or never comes does not make it a failure.
TEST_F(EngineOverPty, AFinalListThatCannotBeReadStillEndsStored) {
    const struct {
        QStringList options;
        int replyWaitMs;
    } cases[] = {
        {{"--preload", "OLD"}, 3000},                     // read: the usual end
        {{"--preload", "OLD", "--list-once"}, 3000},      // refused
        {{"--preload", "OLD", "--hang-after", "7"}, 150}, // P T A A S S E, then silence
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        connect(c.options, c.replyWaitMs);
        makeEngine(Bytes(5, 1));
        EXPECT_EQ(run(), Phase::Finished);
        EXPECT_EQ(engine->finalListRead(), c.options.size() == 2);
        EXPECT_TRUE(sim->trace().contains(QStringLiteral("stored as new AB PRODUCT, 5 bytes")));
        link.reset();
        sim.reset();
    }
}

TEST_F(EngineOverPty, AnEmptyHandheldIsErasedBeforeTheImageGoes) {
    connect({});
    makeEngine(Bytes(5, 1));
    ASSERT_EQ(run(), Phase::Finished);
    EXPECT_TRUE(sim->received(5).startsWith(QStringLiteral("PTZSS")));
    EXPECT_EQ(engine->listedNames(), QStringList({"AB PRODUCT"}));
}

TEST_F(EngineOverPty, ReplaceSlotGoesInTheFirstPacketOnly) {
    connect({"--full", "--preload", "A", "--preload", "B"});
    makeEngine(Bytes(200, 3));
    ASSERT_EQ(run(2), Phase::Finished);
    const auto packets = receivedDataPackets(sim->trace());
    ASSERT_EQ(packets.size(), 3u);
    EXPECT_EQ(packets[0].control1, 2);
    EXPECT_EQ(packets[1].control1 + packets[2].control1, 0);
    EXPECT_EQ(engine->listedNames(), QStringList({"A", "AB PRODUCT"}));
}

TEST_F(EngineOverPty, LowBatteryOutranksSramFaultWhichOutranksFullMemory) {
    const struct {
        QStringList options;
        Phase phase;
        QString text;
    } cases[] = {
        {{"--low-battery", "--sram-fault", "--full"}, Phase::Failed, "Error: Low battery"},
        {{"--sram-fault", "--full"}, Phase::Failed, "Error: SRAM fault"},
        {{"--full"}, Phase::Full, ""},
    };
    for (const auto& c : cases) {
        connect(c.options);
        makeEngine(Bytes(5, 1));
        engine->start();
        EXPECT_EQ(engine->step(), -1);
        EXPECT_EQ(engine->phase(), c.phase) << c.text.toStdString();
        EXPECT_EQ(engine->failureText(DownloadTexts{}), c.text);
        EXPECT_EQ(sim->received(1), QStringLiteral("P")); // nothing after the status
        link.reset();
        sim.reset();
    }
}

TEST_F(EngineOverPty, APulledCableEndsOnCommsErrorWithThePortClosed) {
    // P, T, the acknowledgements of one name and of the list's end, the
    // names packet: then the line goes dead under the first data packet.
    connect({"--preload", "OLD", "--hang-after", "5"}, 150);
    makeEngine(Bytes(300, 9));
    EXPECT_EQ(run(), Phase::Failed);
    EXPECT_EQ(engine->failure(), DownloadEngine::Failure::Comms);
    EXPECT_EQ(engine->failureText(DownloadTexts{}), QStringLiteral("Error:Comms error"));
    EXPECT_EQ(engine->sequenceNumber(), 2);
    EXPECT_FALSE(link->isOpen());
}

TEST_F(EngineOverPty, NoAnswerToTheStatusRequestIsASpacedCommsError) {
    connect({"--silent"}, 100);
    makeEngine(Bytes(5, 1));
    EXPECT_EQ(run(), Phase::Failed);
    EXPECT_EQ(engine->failureText(DownloadTexts{}), QStringLiteral("Error: Comms error"));
    EXPECT_EQ(sim->received(5), QStringLiteral("PPPPP"));
}

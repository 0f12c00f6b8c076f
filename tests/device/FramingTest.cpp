#include <gtest/gtest.h>

#include <numeric>

#include "device/Block64.h"
#include "device/Channel.h"
#include "device/CommandFrame.h"
#include "support/VirtualMouseRig.h"

namespace quillon {
namespace {

TEST(CommandFrame, ChecksumIsTheSumOfTheSixtyDataBytes) {
    struct Case {
        const char* name;
        void (*fill)(CommandFrame&);
        std::uint8_t expected;
    };
    const Case cases[] = {
        {"all zero", [](CommandFrame&) {}, 0x00},
        {"single 0xFF at offset 5", [](CommandFrame& f) { f[5] = 0xFF; }, 0xFF},
        {"sixty 0x01", [](CommandFrame& f) { std::fill(f.bytes.begin() + 5, f.bytes.end(), 1); },
         0x3C},
        {"wraps modulo 256", [](CommandFrame& f) { f[5] = 0xFF, f[64] = 0x02; }, 0x01},
        {"header bytes do not count",
         [](CommandFrame& f) { f[0] = 9, f[1] = 0x55, f[2] = 0x30, f[3] = 0xA5; }, 0x00},
    };
    for (const Case& c : cases) {
        CommandFrame frame;
        c.fill(frame);
        frame[4] = 0x77;  // whatever the caller left there is replaced
        frame.StoreChecksum();
        EXPECT_EQ(frame[4], c.expected) << c.name;
    }
}

TEST(CommandFrame, ConstructorAndLittleEndianHelpers) {
    CommandFrame frame(0x22, 0xAE);
    EXPECT_EQ(frame[0], 0x00);
    EXPECT_EQ(frame[1], 0x55);
    EXPECT_EQ(frame[2], 0x22);
    EXPECT_EQ(frame[3], 0xAE);
    frame.PutU16(12, 26000);
    EXPECT_EQ(frame[12], 0x90);
    EXPECT_EQ(frame[13], 0x65);
    EXPECT_EQ(frame.GetU16(12), 26000);

    CommandFrame reply;
    reply[0] = 0xAA;
    reply[1] = 0x30;
    EXPECT_TRUE(reply.IsReplyTo(0x30));
    EXPECT_FALSE(reply.IsReplyTo(0x08));
    reply[0] = 0xAB;
    EXPECT_FALSE(reply.IsReplyTo(0x30));
}

TEST(Block64, ChecksumMakesTheBlockSumToA1) {
    Block64 zero;
    EXPECT_EQ(zero.Checksum(), 0xA1);

    Block64 sumsToA1;
    sumsToA1[0] = 0xA0;
    sumsToA1[62] = 0x01;
    EXPECT_EQ(sumsToA1.Checksum(), 0x00);

    Block64 status = ReceiverStatusRequest();
    status[63] = status.Checksum();
    const unsigned total = std::accumulate(status.bytes.begin(), status.bytes.end(), 0u);
    EXPECT_EQ(total % 256, 0xA1u);
}

TEST(Block64, GoesOnTheWireAfterReportIdZeroWithItsChecksumInsteadOfTheCallersByte) {
    test::VirtualMouseRig rig{test::Receiver()};
    rig.Refresh();
    rig.mouse.ClearRequests();
    auto device = rig.backend.Open(rig.mouse.CommandPath(0));
    ASSERT_TRUE(device);

    Block64 block = ReceiverStatusRequest();
    block[63] = 0x5A;  // never sent
    ASSERT_TRUE(TransferBlockOn(*device, block, rig.clock));

    const auto requests = rig.mouse.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::vector<std::uint8_t> expected = [] {
        std::vector<std::uint8_t> bytes(65, 0);
        bytes[1] = 0x01, bytes[3] = 0x81, bytes[4] = 0x01;
        bytes[64] = static_cast<std::uint8_t>(0xA1 - 0x01 - 0x81 - 0x01);
        return bytes;
    }();
    EXPECT_EQ(requests[0].bytes, expected);
}

}  // namespace
}  // namespace quillon

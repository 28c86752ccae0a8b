#include "persist/DownloadBuffer.h"
#include "PersistTestSupport.h"

#include <memory>

#include <gtest/gtest.h>

namespace {

TEST(DownloadBufferTest, AppendsUpToItsCapacityAndNoFurther) {
    auto idl = std::make_unique<DownloadBuffer>();
    idl->appendBytes("abc", 3);
    auto out = std::make_unique<IdlArray>();
    out->fill(0xAA);
    idl->copyOut(*out);
    EXPECT_EQ(std::string(out->begin(), out->begin() + 4), "abc\xAA");

    const std::vector<uint8_t> block(IdlCapacity - 4, 7);
    idl->appendBytes(block.data(), IdlCapacity - 4);
    EXPECT_NE(errorOf([&] { idl->appendBytes("xy", 2); }), "(no error)");
    EXPECT_EQ(idl->Size, IdlCapacity - 1);
    idl->appendBytes("x", 1);
    EXPECT_EQ(idl->Size, IdlCapacity);
    EXPECT_EQ(idl->Bytes[IdlCapacity], 0); // the spare byte stays untouched
}

} // namespace

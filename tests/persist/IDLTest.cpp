#include "persist/IDL.h"
#include "PersistTestSupport.h"

#include <memory>

#include <gtest/gtest.h>

namespace {

TEST(IDLTest, AppendsUpToItsCapacityAndNoFurther) {
    auto idl = std::make_unique<IDL>();
    idl->AppendBytes("abc", 3);
    auto out = std::make_unique<IdlArray>();
    out->fill(0xAA);
    idl->CopyOut(*out);
    EXPECT_EQ(std::string(out->begin(), out->begin() + 4), "abc\xAA");

    const std::vector<uint8_t> block(IdlCapacity - 4, 7);
    idl->AppendBytes(block.data(), IdlCapacity - 4);
    EXPECT_NE(errorOf([&] { idl->AppendBytes("xy", 2); }), "(no error)");
    EXPECT_EQ(idl->Size, IdlCapacity - 1);
    idl->AppendBytes("x", 1);
    EXPECT_EQ(idl->Size, IdlCapacity);
    EXPECT_EQ(idl->Bytes[IdlCapacity], 0); // the spare byte stays untouched
}

} // namespace

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

TEST(IDLTest, ArrayHelpersSeeAllBytesAndRangeCopyKeepsItsBounds) {
    auto a = std::make_unique<IdlArray>();
    auto b = std::make_unique<IdlArray>();
    IdlZero(*a);
    for (int i = 0; i < IdlArraySize; ++i)
        (*b)[i] = static_cast<uint8_t>(i);
    IdlCopyRange(*a, 10, *b, 20, 2); // three bytes
    EXPECT_EQ(std::vector<uint8_t>(a->begin() + 9, a->begin() + 14), bytesOf({0, 20, 21, 22, 0}));
    IdlCopyRange(*a, IdlCapacity - 1, *b, 0, 1); // ends on the last byte: allowed
    EXPECT_EQ((*a)[IdlCapacity], 1);

    IdlZero(*a);
    IdlCopyRange(*a, IdlCapacity - 1, *b, 5, 2);
    IdlCopyRange(*a, 0, *b, IdlCapacity - 1, 2);
    IdlCopyRange(*a, -1, *b, 5, 2);
    EXPECT_TRUE(IdlEqual(*a, IdlArray{}));
    (*a)[IdlCapacity] = 1;
    EXPECT_FALSE(IdlEqual(*a, IdlArray{})); // the last byte counts too
    IdlCopy(*a, *b);
    EXPECT_TRUE(IdlEqual(*a, *b));
}

} // namespace

#include "fleet/sha256.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Vector {
    const char* name;
    std::string message;
    const char* digest;
};

// The examples published with FIPS 180-4 and its test vectors: the empty
// message, one block, a 56-byte message whose length needs a second block,
// a two-block message and a million bytes.
const Vector kVectors[] = {
    {"Empty", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {"Abc", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {"LengthInSecondBlock", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
     "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    {"TwoBlocks",
     "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu",
     "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
    {"MillionA", std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    {"FiftyFiveBytes", std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
};

class Sha256Vectors : public testing::TestWithParam<Vector> {};

TEST_P(Sha256Vectors, GiveThePublishedDigest)
{
    const std::string& message = GetParam().message;
    const std::vector<std::uint8_t> bytes(message.begin(), message.end());
    EXPECT_EQ(Sha256Hex(bytes), GetParam().digest);
}

INSTANTIATE_TEST_SUITE_P(Fips180, Sha256Vectors, testing::ValuesIn(kVectors),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
